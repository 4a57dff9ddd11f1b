#include "records/statistics.h"

#include "base/fields.h"
#include "base/rounding.h"
#include "records/fixed_numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace vantor {
namespace {

double finiteOr(double value, double fallback) {
    return std::isfinite(value) ? value : fallback;
}

std::int32_t toInt32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::string percentEncoded(std::string_view text) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') ||
            b == '-' || b == '.' || b == '_' || b == '~') {
            out += c;
        } else {
            out += '%';
            out += hex[b >> 4];
            out += hex[b & 15];
        }
    }
    return out;
}

std::optional<std::int32_t> int32Token(std::string_view token) {
    const auto value = parseInteger(token);
    if (!value || *value < std::numeric_limits<std::int32_t>::min() ||
        *value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(*value);
}

} // namespace

double localRating(std::int64_t gamesBefore, double initialRating, std::int64_t result) {
    const double g = static_cast<double>(std::max<std::int64_t>(0, gamesBefore));
    const double r = finiteOr(initialRating, 0.0);
    const double rating = (g * r + static_cast<double>(result) / 10.0) / (g + 1.0);
    const double rounded = static_cast<double>(roundHalfEven(rating * 1e6)) / 1e6;
    return std::clamp(rounded, -99.99, 99.99);
}

std::int64_t gameInCycle(std::int64_t gameNumber) {
    const std::int64_t rest = gameNumber % kGamesPerCycle;
    return rest == 0 ? kGamesPerCycle : rest;
}

bool endsCycle(std::int64_t gameNumber) {
    return gameNumber > 0 && gameNumber % kGamesPerCycle == 0;
}

double accountPreChargeRating(std::int64_t kon, double rating, std::int64_t games) {
    const double k = static_cast<double>(std::max<std::int64_t>(0, kon));
    const double kNext = k + static_cast<double>(std::max<std::int64_t>(1, games));
    const double r = finiteOr(rating, 0.0);
    return (k * (r - k / kAccountDivisor) - kAccountPenalty) / kNext + kNext / kAccountDivisor;
}

double accountSettledRating(std::int64_t kon, double preCharged, std::int64_t result) {
    const double s = static_cast<double>(result);
    if (kon <= 0) {
        // The pre-charge never reached the service: count this game as the first one.
        return 1.0 / kAccountDivisor + s;
    }
    const double k = static_cast<double>(kon);
    const double x = finiteOr(preCharged, 0.0);
    return k / kAccountDivisor + (kAccountPenalty + k * (x - k / kAccountDivisor) + s) / k;
}

TZovGame preChargedRecord(const TZovGame& fetched, std::int64_t games) {
    TZovGame record = fetched;
    const std::int64_t kon = std::max<std::int64_t>(0, fetched.Kon);
    record.Kon = toInt32(kon + std::max<std::int64_t>(1, games));
    record.Rating = accountPreChargeRating(kon, fetched.Rating, games);
    record.KonL = 0;
    record.Score = 0;
    return record;
}

bool settleAccountRecord(TZovGame& record, std::int64_t rememberedKonL, std::int64_t result,
                         std::int64_t generalScore, std::int64_t games) {
    record.Rating = accountSettledRating(record.Kon, record.Rating, result);
    if (record.Kon <= 0) record.Kon = toInt32(std::max<std::int64_t>(1, games));
    const std::int64_t played = std::max<std::int64_t>(0, rememberedKonL) + games;
    if (played >= kGamesPerCycle) {
        record.Best = std::max(record.Best, toInt32(generalScore));
        record.Sessions = toInt32(static_cast<std::int64_t>(record.Sessions) + 1);
        record.KonL = 0;
        record.Score = 0;
        return true;
    }
    record.KonL = toInt32(played);
    record.Score = toInt32(generalScore);
    return false;
}

std::string zovGameFetchBody(std::string_view nick, std::string_view password,
                             std::string_view gameId) {
    return "nick=" + percentEncoded(nick) + "&pw=" + percentEncoded(password) + "&" +
           std::string(gameId) + "best=0";
}

std::string accountRatingText(double rating) {
    if (!std::isfinite(rating) || std::fabs(rating) < 0.00001) return "0";
    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, rating, std::chars_format::fixed);
    if (ec != std::errc()) return "0";
    return std::string(buffer, end);
}

std::string zovGameStoreBody(std::string_view nick, std::string_view password,
                             const TZovGame& record, std::string_view gameId) {
    const std::string id(gameId);
    std::string body = "nick=" + percentEncoded(nick) + "&pw=" + percentEncoded(password);
    body += "&" + id + "kon=" + std::to_string(record.Kon);
    body += "&" + id + "best=" + std::to_string(record.Best);
    body += "&" + id + "rating=" + accountRatingText(record.Rating);
    body += "&" + id + "ses=" + std::to_string(record.Sessions);
    body += "&" + id + "konl=" + std::to_string(record.KonL);
    body += "&" + id + "score=" + std::to_string(record.Score);
    body += "&" + id + "R1=" + std::to_string(record.R1);
    body += "&" + id + "R2=" + percentEncoded(record.R2);
    return body;
}

bool parseZovGameReply(std::string_view reply, TZovGame& record) {
    record.Kon = 0;
    record.Score = 0;
    record.Sessions = 0;
    record.Rating = 0;
    record.R1 = 0;
    record.PlayNow = 'N';
    record.R2 = "#";
    const std::size_t dollar = reply.find('$');
    if (dollar == std::string_view::npos) return false;
    std::string_view values = reply.substr(dollar + 1);
    values = values.substr(0, values.find('$'));

    int index = 0;
    std::size_t pos = 0;
    while (pos < values.size() && index < 8) {
        while (pos < values.size() &&
               std::string_view(" \t\r\n").find(values[pos]) != std::string_view::npos)
            ++pos;
        std::size_t end = pos;
        while (end < values.size() &&
               std::string_view(" \t\r\n").find(values[end]) == std::string_view::npos)
            ++end;
        if (end == pos) break;
        const std::string_view token = values.substr(pos, end - pos);
        pos = end;
        std::int32_t* target = nullptr;
        switch (index++) {
        case 0:
            target = &record.Kon;
            break;
        case 1:
            target = &record.Best;
            break;
        case 2:
            if (const auto rating = parseRatingText(token)) record.Rating = *rating;
            continue;
        case 3:
            target = &record.Sessions;
            break;
        case 4:
            target = &record.KonL;
            break;
        case 5:
            target = &record.Score;
            break;
        case 6:
            target = &record.R1;
            break;
        case 7:
            record.R2 = std::string(token.substr(0, 255));
            continue;
        }
        if (const auto value = int32Token(token)) *target = *value;
    }
    return true;
}

bool zovGameStoreReplyOk(std::string_view reply) {
    return reply.find("ok") != std::string_view::npos;
}

TCount makeCount(const TCountInput& input) {
    TCount count;
    count.Count_KonAll = std::to_string(input.gameNumber);
    count.Count_ScoCur = std::to_string(input.result);
    switch (input.mode) {
    case StatsMode::Computer:
    case StatsMode::Lan:
        count.Count_KonCur = std::to_string(gameInCycle(input.gameNumber));
        count.Count_ScoBeg = std::to_string(input.initialScore);
        count.Count_ScoAll = std::to_string(input.initialScore + input.result);
        count.Count_ReiBeg = ratingTwoDecimals(input.initialRating, 6);
        count.Count_ReiCur = ratingTwoDecimals(
            localRating(input.gameNumber - 1, input.initialRating, input.result), 6);
        break;
    case StatsMode::Account:
        count.Count_KonCur = std::to_string(input.accountKonL + 1);
        count.Count_ScoBeg = std::to_string(input.initialScore);
        count.Count_ScoAll = std::to_string(input.initialScore + input.result);
        count.Count_ReiBeg = std::to_string(roundHalfEven(finiteOr(input.initialRating, 0.0)));
        count.Count_ReiCur = "?";
        break;
    case StatsMode::Tournament:
        count.Count_KonCur = "-";
        count.Count_ScoBeg = std::to_string(input.tournamentScore);
        count.Count_ScoAll = std::to_string(input.tournamentScore + input.result);
        count.Count_ReiBeg = std::to_string(input.tournamentRating);
        count.Count_ReiCur = "?";
        break;
    }
    return count;
}

} // namespace vantor

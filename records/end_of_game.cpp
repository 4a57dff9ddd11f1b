#include "records/end_of_game.h"

#include "base/fields.h"

#include <algorithm>
#include <climits>

namespace vantor {

std::optional<TZovGame> startAccountGame(const TAccountTransport& transport,
                                         const std::function<void(std::string_view cue)>& playCue,
                                         const std::function<void(int seconds)>& wait) {
    TZovGame fetched;
    if (!transport.fetch || !transport.fetch(fetched)) return std::nullopt;
    const TZovGame charged = preChargedRecord(fetched);
    static constexpr int waits[] = {2, 3};
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (transport.store && transport.store(charged)) return fetched;
        if (playCue) playCue("WWrongs");
        if (attempt < 2 && wait) wait(waits[attempt]);
    }
    return std::nullopt;
}

std::optional<TAccountSettlement> settleAccountGame(const TAccountTransport& transport,
                                                    std::int64_t rememberedKonL,
                                                    std::int64_t result, std::int64_t generalScore,
                                                    const std::function<bool()>& askRepeat) {
    for (;;) {
        TZovGame record;
        if (transport.fetch && transport.fetch(record)) {
            TAccountSettlement settlement;
            settlement.cycleCompleted =
                settleAccountRecord(record, rememberedKonL, result, generalScore);
            settlement.record = record;
            if (transport.store && transport.store(record)) return settlement;
        }
        if (!askRepeat || !askRepeat()) return std::nullopt;
    }
}

namespace {

std::string lookup(const TEndOfGameSteps& steps, std::string_view english) {
    return steps.word ? steps.word(english) : std::string(english);
}

std::uint8_t historyKind(StatsMode mode) {
    switch (mode) {
    case StatsMode::Account:
        return static_cast<std::uint8_t>(HistoryKind::Account);
    case StatsMode::Tournament:
        return static_cast<std::uint8_t>(HistoryKind::Tourney);
    case StatsMode::Lan:
        return static_cast<std::uint8_t>(HistoryKind::Net);
    case StatsMode::Computer:
        break;
    }
    return static_cast<std::uint8_t>(HistoryKind::Local);
}

} // namespace

TEndOfGameOutcome runEndOfGame(const TEndOfGameInput& input, TCurrentPlayer& player,
                               TClubFile& clubOfMode, const std::filesystem::path& home,
                               const TEndOfGameSteps& steps, const THistoryStamp& stamp) {
    TEndOfGameOutcome outcome;
    const bool account = input.mode == StatsMode::Account;
    const bool tournament = input.mode == StatsMode::Tournament;
    const bool local = input.mode == StatsMode::Computer || input.mode == StatsMode::Lan;
    outcome.generalScore = input.carriedScore + input.gameResult;
    outcome.cycleEnded = endsCycle(input.gameNumber);

    // Account settlement, then the new rating.
    std::optional<TAccountSettlement> settlement;
    if (account && steps.settleAccount) settlement = steps.settleAccount();
    if (local) {
        outcome.newRating = localRating(gamesBefore(player), player.rating, input.gameResult);
    } else if (account) {
        outcome.newRating = settlement ? settlement->record.Rating : player.rating;
    } else {
        outcome.newRating = input.tournamentRating;
    }

    // History.
    THisStr line;
    line.Ac = historyKind(input.mode);
    line.HRes = static_cast<std::int32_t>(std::clamp<std::int64_t>(
        tournament ? input.tournamentScoreChange : input.gameResult, INT32_MIN, INT32_MAX));
    line.HRei = outcome.newRating;
    if (input.mode == StatsMode::Lan || tournament) {
        line.HName = historyNameOfSeats(
            {input.seatNames[4], input.seatNames[3], input.seatNames[2], input.seatNames[1]});
    } else {
        line.HName = std::string(trimRight(player.name));
    }
    outcome.history = writeHistory(home, clubFileName(ClubKind::Computer), {line}, stamp);
    if (!outcome.history.ok && steps.showError)
        steps.showError(lookup(steps, historyWriteFailureText()));

    if (tournament && steps.postTournamentResult) steps.postTournamentResult(input.gameResult);
    if (steps.postStatistics) steps.postStatistics(input, outcome.newRating);

    if (!outcome.cycleEnded && steps.playCue) {
        if (input.gameResult > 0) steps.playCue("WKoGood");
        if (input.gameResult < 0) steps.playCue("WKoBads");
    }

    // The club line of a member or guest.
    if (local) {
        outcome.club = storeGameResult(clubOfMode, player, outcome.newRating, input.gameNumber,
                                       outcome.generalScore);
        const ClubStatus status = outcome.club.store.status;
        if (status != ClubStatus::Ok && status != ClubStatus::Unwritable && steps.showError) {
            steps.showError(clubFailureMessage(status, clubOfMode.path, steps.word));
        }
    }

    if (input.mode == StatsMode::Lan && steps.closeLan) steps.closeLan();

    if (local && outcome.cycleEnded) {
        TEndOfCycleInput cycle;
        cycle.place = outcome.club.store.topTenPlace;
        cycle.cycleResult = outcome.generalScore;
        cycle.mode = input.mode == StatsMode::Lan ? CycleMode::Lan
                     : input.accountLoggedIn      ? CycleMode::ComputerWithAccount
                                                  : CycleMode::Computer;
        outcome.cycle = cycle;
        if (steps.showEndOfCycle) steps.showEndOfCycle(cycle);
        if (input.mode == StatsMode::Computer && steps.offerWorldTopTen)
            steps.offerWorldTopTen(outcome.generalScore);
    }

    if (account && settlement && settlement->cycleCompleted && steps.submitAccountCycle) {
        if (const auto place = steps.submitAccountCycle(outcome.generalScore)) {
            TEndOfCycleInput cycle;
            cycle.place = *place;
            cycle.cycleResult = outcome.generalScore;
            cycle.mode = CycleMode::Account;
            cycle.reward = rewardForPlace(*place);
            if (cycle.reward > 0 && steps.recordReward && !steps.recordReward(cycle.reward))
                cycle.reward = -1;
            outcome.cycle = cycle;
            if (steps.showEndOfCycle) steps.showEndOfCycle(cycle);
        }
    }

    if (steps.showMenu) steps.showMenu();
    return outcome;
}

} // namespace vantor

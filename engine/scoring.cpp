#include "engine/scoring.h"

namespace vantor {

int placePoints(int placeCode) {
    switch (placeCode) {
    case pcVantor:
        return 9;
    case pcViceVantor:
        return 6;
    case pcMinister:
        return 3;
    default:
        return 0;
    }
}

std::int32_t gameResultOf(const TGameRecord& r) {
    return 3 * r.GamePoints[kLocalSeat] - (r.GamePoints[1] + r.GamePoints[2] + r.GamePoints[3]);
}

namespace {
bool isTournamentFirstSeat(const TGameRecord& r) {
    return r.mode == TTableMode::Tournament && r.localRole == 1;
}
} // namespace

void scoreRound(TGameRecord& r, TTableView& view) {
    for (int s = 1; s <= kSeats; ++s) {
        const int code = r.placeCode[s];
        if (!r.QuickGame) {
            r.RoundPoints[s] = placePoints(code);
        } else {
            r.RoundPoints[s] = code == pcVantor ? 0 : -static_cast<int>(r.hand[s].count);
        }
        r.GamePoints[s] += r.RoundPoints[s];
    }
    for (int s = 1; s <= kSeats; ++s) {
        if (r.hand[s].count > 0) {
            r.faceUp[s] = true;
            view.drawHand(s);
        }
    }
    view.drawFrames();

    switch (r.placeCode[kLocalSeat]) {
    case pcVantor:
        view.playCue("WKoGutX", false);
        break;
    case pcViceVantor:
    case pcMinister:
        view.playCue("WNichya", false);
        break;
    default:
        view.playCue("WKoBadX", false);
        break;
    }

    r.GameResult = gameResultOf(r);
    for (int s = 1; s <= kSeats; ++s) view.showPoints(s);
    if (r.mode == TTableMode::Tournament) view.restartMoveClock(1);

    if (r.RoundNumber < r.RoundsPerGame) {
        const bool mayDeal = r.mode == TTableMode::Computer ||
                             (r.mode == TTableMode::Lan && r.localRole == 1) ||
                             isTournamentFirstSeat(r);
        view.setButton(7, TButtonCaption::NextRound, mayDeal);
        r.turn = tsRoundOver;
        return;
    }
    r.NewScore = r.CarriedScore + r.GameResult;
    view.showResult();
    view.enableButton(7, false);
    view.setButton(8, TButtonCaption::ExitToMenu,
                   r.mode != TTableMode::Tournament || isTournamentFirstSeat(r));
    r.gameOver = true;
    r.turn = tsGameOver;
}

TGameOutcome gameOutcome(const TGameRecord& r) {
    TGameOutcome o;
    o.gameResult = r.GameResult;
    o.newScore = r.CarriedScore + r.GameResult;
    o.gameNumber = r.GameNumber;
    o.carriedScore = r.CarriedScore;
    o.endsCycle = r.GameNumber > 0 && r.GameNumber % kGamesInCycle == 0;
    o.seatName = r.seatName;
    return o;
}

const char* gameEndCue(std::int32_t gameResult) {
    if (gameResult > 0) return "WKoGood";
    if (gameResult < 0) return "WKoBads";
    return "";
}

} // namespace vantor

#include "engine/deal.h"
#include "lan/codec.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vantor::lan {
namespace {

TCardCode card(int number) {
    return cardOfNumber(number);
}

TGameRecord shuffled(bool noJokers, std::uint64_t seed = 7) {
    TGameRecord r;
    r.NoJokers = noJokers;
    r.RoundsPerGame = 4;
    r.QuickGame = true;
    TShuffleSource source(seed);
    shuffleDeck(r, source);
    if (noJokers) removeJokers(r);
    return r;
}

TEST(Codec, StepFramesHaveTheirLayout) {
    struct Case {
        std::string frame, expected;
    };
    const TCardCode three[3] = {card(5), card(6), card(7)};
    const std::vector<Case> cases = {
        {buildStep(TFrameKind::Begin, 1), "hbegin ### ######### ######### #####1"},
        {buildStep(TFrameKind::Exchange1, 1), "hobm01 ### ######### ######### #####1"},
        {buildStep(TFrameKind::Exchange3, 1), "hobm03 ### ######### ######### #####1"},
        {buildStep(TFrameKind::Exchange4, 1), "hobm04 ### ######### ######### #####1"},
        {buildVantorGift(3, 12, 2), "hobm020312 ######### ######### #####2"},
        {buildViceGift(9, 4), "hobm0509 # ######### ######### #####4"},
        // A pass: "00" and 25 "#".
        {buildPlay(nullptr, 0, 3), "hputsstol00" + std::string(25, '#') + "3"},
        // Three cards: six code bytes at 12-17, "#" from 18 to 36.
        {buildPlay(three, 3, 1), "hputsstol03" + three[0].bytes() + three[1].bytes() +
                                     three[2].bytes() + std::string(19, '#') + "1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.frame, c.expected);
        EXPECT_EQ(c.frame.size(), kStepLength);
        const TTake t = takeFrame(c.frame);
        EXPECT_EQ(t.status, TTakeStatus::Frame) << t.reason;
        EXPECT_EQ(t.length, kStepLength);
    }
    const TTake play = takeFrame(buildPlay(three, 3, 1));
    EXPECT_EQ(play.frame.kind, TFrameKind::Play);
    EXPECT_EQ(play.frame.count, 3);
    EXPECT_EQ(play.frame.cards[2], three[2]);
    EXPECT_EQ(play.frame.role, 1);
    const TTake gift = takeFrame(buildVantorGift(3, 12, 2));
    EXPECT_EQ(gift.frame.slot1, 3);
    EXPECT_EQ(gift.frame.slot2, 12);
}

TEST(Codec, SetUpFramesHaveTheirLayout) {
    // Names go out in the order of host seats 4, 2, 1, 3; short names are blank-padded.
    const std::array<std::string, 4> names = {"Host", "Ann", "PC  ", "PC  "};
    EXPECT_EQ(buildJoinRequest("Al"), "zov9225connect1Al  ");
    EXPECT_EQ(buildJoinRequest("Alexander"), "zov9225connect1Alex");
    EXPECT_EQ(buildJoinRequest("X", 7), "zov0725connect1X   ");
    EXPECT_EQ(buildSeatReply(2, names), "connect2+2HostAnn PC  PC  ");
    EXPECT_EQ(buildSeatUpdate(2, names), "connect3+HostAnn PC  PC  ");
    EXPECT_EQ(buildSeatUpdate(3, names), "connect4+HostAnn PC  PC  ");
    EXPECT_EQ(buildChat(3, "hi\r\nthere"), "s3hithere\r\n");
    EXPECT_EQ(buildAbort(), "abort");

    const TTake join = takeFrame(buildJoinRequest("Al"));
    ASSERT_EQ(join.status, TTakeStatus::Frame);
    EXPECT_EQ(join.frame.name, "Al  ");
    const TTake reply = takeFrame(buildSeatReply(4, names));
    ASSERT_EQ(reply.status, TTakeStatus::Frame);
    EXPECT_EQ(reply.frame.role, 4);
    EXPECT_EQ(reply.frame.names[1], "Ann ");
    const TTake update = takeFrame("connect4+ABCDEFGHIJKLMNOP");
    ASSERT_EQ(update.status, TTakeStatus::Frame);
    EXPECT_EQ(update.frame.kind, TFrameKind::ThirdSeated);
    EXPECT_EQ(update.frame.names[0], "ABCD");
    EXPECT_EQ(update.frame.names[3], "MNOP");
}

TEST(Codec, DealCarriesDeckValuesAndOptions) {
    for (bool noJokers : {false, true}) {
        const TGameRecord r = shuffled(noJokers);
        const std::string deal = buildDeal(r);
        ASSERT_EQ(deal.size(), kDealLength);
        EXPECT_EQ(deal.substr(217), noJokers ? "411" : "401");
        if (noJokers) {
            // No joker among the 52 dealt positions.
            for (int p = 0; p < 52; ++p)
                EXPECT_NE(deal[1 + 2 * static_cast<std::size_t>(p)], kRankJoker);
        }
        const TTake t = takeFrame(deal);
        ASSERT_EQ(t.status, TTakeStatus::Frame) << t.reason;
        EXPECT_EQ(t.frame.deal.code, r.deckCode);
        EXPECT_EQ(t.frame.deal.value, r.deckValue);
        EXPECT_EQ(t.frame.deal.noJokers, noJokers);
        EXPECT_TRUE(t.frame.deal.quickGame);
        EXPECT_EQ(t.frame.deal.roundsPerGame, 4);
    }
}

TEST(Codec, BadFramesAreDroppedWhole) {
    const TGameRecord r = shuffled(false);
    const std::string deal = buildDeal(r);
    std::string twice = deal;
    twice.replace(3, 2, deal.substr(1, 2)); // position 2 holds the card of position 1
    twice.replace(111, 2, deal.substr(109, 2));
    std::string mismatch = deal;
    mismatch.replace(109, 2, deal.substr(109, 2) == "05" ? "06" : "05");
    // Jokers shuffled to 53 and 54: removing them leaves those places empty.
    TGameRecord tail = shuffled(false);
    for (int p = 1; p <= kDeckSize; ++p) {
        if (tail.deckCode[p].isJoker() && p < 53) {
            const int to = tail.deckCode[53].isJoker() ? 54 : 53;
            std::swap(tail.deckCode[p], tail.deckCode[to]);
            std::swap(tail.deckValue[p], tail.deckValue[to]);
        }
    }
    tail.NoJokers = true;
    removeJokers(tail);
    const std::string emptyTail = buildDeal(tail);
    EXPECT_EQ(emptyTail.substr(105, 4), "####");
    EXPECT_EQ(emptyTail.substr(213, 4), "9999");
    EXPECT_EQ(takeFrame(emptyTail).status, TTakeStatus::Frame);
    std::string jokerless = emptyTail;
    jokerless[218] = '0'; // says the jokers are in, but two places are empty
    std::string rounds = deal;
    rounds[217] = '7';
    std::string option = deal;
    option[219] = 'x';
    const TCardCode aCard = card(9);
    std::string playCount = buildPlay(&aCard, 1, 2);
    playCount.replace(9, 2, "05");
    std::string playField = buildPlay(&aCard, 1, 2);
    playField[13] = 'x';
    std::string playTwice =
        "hputsstol02" + aCard.bytes() + aCard.bytes() + std::string(21, '#') + "2";
    std::string playCode = "hputsstol01zz" + std::string(23, '#') + "2";
    std::string badRole = buildStep(TFrameKind::Begin, 1);
    badRole[36] = '7';

    struct Case {
        const char* what;
        std::string bytes;
        std::size_t length;
    };
    const std::vector<Case> cases = {
        {"a card twice", twice, kDealLength},
        {"value not matching its card", mismatch, kDealLength},
        {"jokers said to be in with places empty", jokerless, kDealLength},
        {"game of 7 rounds", rounds, kDealLength},
        {"option not 0 or 1", option, kDealLength},
        {"five cards", playCount, kStepLength},
        {"card field beyond the count", playField, kStepLength},
        {"the same card twice", playTwice, kStepLength},
        {"no card code", playCode, kStepLength},
        {"origin role 7", badRole, kStepLength},
        {"gift slot 21", "hobm022101 ######### ######### #####2", kStepLength},
        {"gift of one slot twice", "hobm020505 ######### ######### #####2", kStepLength},
        {"gift slot 00", "hobm0500 # ######### ######### #####2", kStepLength},
        {"unknown h frame", "hxxxxx ### ######### ######### #####1", kStepLength},
        {"another game's id", "zov9125connect1Abcd", kJoinLength},
        {"another number than 25", "zov9226connect1Abcd", kJoinLength},
        {"seat reply with role 5", "connect2+5HostAnn PC  PC  ", kSeatReplyLength},
        {"chat from role 0", "s0hello\r\n", 2},
        {"garbage", "xqw", 3},
    };
    for (const auto& c : cases) {
        TFrameReader reader;
        reader.append(c.bytes);
        const TTake t = reader.next();
        EXPECT_EQ(t.status, TTakeStatus::Dropped) << c.what;
        EXPECT_EQ(t.length, c.length) << c.what;
    }
}

TEST(Codec, ReaderTakesWholeFramesOnly) {
    const TCardCode cards[2] = {card(13), card(14)};
    const std::string a = buildPlay(cards, 2, 2);
    const std::string b = buildStep(TFrameKind::Exchange1, 1);
    const std::string chat = buildChat(1, "good luck");
    const std::string deal = buildDeal(shuffled(true));
    const std::string stream = a + b + chat + deal + buildAbort();
    const std::vector<TFrameKind> expected = {TFrameKind::Play, TFrameKind::Exchange1,
                                              TFrameKind::Chat, TFrameKind::Deal,
                                              TFrameKind::Abort};
    // Two frames in one read, every frame cut in two, and one byte at a time.
    for (std::size_t piece : {stream.size(), std::size_t{20}, std::size_t{36}, std::size_t{1}}) {
        TFrameReader reader;
        std::vector<TFrameKind> got;
        for (std::size_t at = 0; at < stream.size(); at += piece) {
            ASSERT_TRUE(reader.append(std::string_view(stream).substr(at, piece)));
            for (TTake t = reader.next(); t.status != TTakeStatus::Incomplete; t = reader.next()) {
                ASSERT_EQ(t.status, TTakeStatus::Frame) << t.reason;
                got.push_back(t.frame.kind);
                if (t.frame.kind == TFrameKind::Chat) {
                    EXPECT_EQ(t.frame.text, "good luck");
                }
            }
        }
        EXPECT_EQ(got, expected) << "pieces of " << piece;
        EXPECT_EQ(reader.buffered(), 0u);
    }
}

TEST(Codec, ReaderSkipsGarbageAndFindsTheNextFrame) {
    TFrameReader reader;
    const std::string begin = buildStep(TFrameKind::Begin, 1);
    reader.append("\x01\x02xqw" + begin + "s2unended chat");
    TTake t = reader.next();
    EXPECT_EQ(t.status, TTakeStatus::Dropped);
    EXPECT_EQ(t.raw, "\x01\x02xqw");
    t = reader.next();
    ASSERT_EQ(t.status, TTakeStatus::Frame);
    EXPECT_EQ(t.frame.kind, TFrameKind::Begin);
    // A chat line waits for its end, but not beyond the longest line.
    EXPECT_EQ(reader.next().status, TTakeStatus::Incomplete);
    reader.append(std::string(kChatTextMax, 'a'));
    t = reader.next();
    EXPECT_EQ(t.status, TTakeStatus::Dropped);
    // The reader never holds more than its limit.
    TFrameReader flood;
    EXPECT_FALSE(flood.append(std::string(kReaderLimit + 1, 's')));
    EXPECT_EQ(flood.buffered(), 0u);
}

} // namespace
} // namespace vantor::lan

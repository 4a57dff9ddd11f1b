#include "base/scramble.h"

#include <gtest/gtest.h>
#include <random>

namespace vantor {
namespace {

bool allFromAlphabet(const std::string& s) {
    for (char c : s) {
        const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                        (c >= '0' && c <= '9') || c == '-' || c == '_';
        if (!ok) return false;
    }
    return true;
}

TEST(Scramble, RoundTripsAndHidesTheText) {
    const std::string cases[] = {
        "",
        "a",
        "ab",
        "abc",
        "http://127.0.0.1:25680/top10/",
        "aaaaaaaaaaaaaaaaaaaa",
        "Пароль \xE8\xEB", // UTF-8 and code-page-1251 bytes together
        std::string("\0\x01\xFF \r\n", 6),
    };
    for (const std::string& text : cases) {
        const std::string s = scramble(text);
        EXPECT_EQ(s.size(), (text.size() * 4 + 2) / 3) << text;
        EXPECT_TRUE(allFromAlphabet(s)) << s;
        if (text.size() >= 3) {
            EXPECT_EQ(s.find(text), std::string::npos) << s;
        }
        EXPECT_EQ(unscramble(s), text) << s;
    }
}

TEST(Scramble, RepeatedCharactersDoNotRepeatInTheOutput) {
    const std::string s = scramble(std::string(30, 'x'));
    EXPECT_NE(s.substr(0, 4), s.substr(4, 4));
    EXPECT_NE(s.substr(4, 4), s.substr(8, 4));
}

TEST(Scramble, RandomBytesRoundTrip) {
    std::mt19937 rng(7);
    for (int round = 0; round < 500; ++round) {
        std::string text(rng() % 40, '\0');
        for (char& c : text) c = static_cast<char>(rng());
        const std::string s = scramble(text);
        ASSERT_TRUE(allFromAlphabet(s));
        ASSERT_EQ(unscramble(s), text);
    }
}

TEST(Scramble, RejectsWhatItCannotHaveWritten) {
    const std::string good = scramble("address");
    const std::string bad[] = {
        good + " ",        // a padding blank
        good.substr(0, 1), // one character alone
        "ab+c",            // a character outside the alphabet
        std::string("Qm\0Z", 4),
        good.substr(0, good.size() - 1) + "?",
    };
    for (const std::string& s : bad) EXPECT_FALSE(unscramble(s).has_value()) << s;
}

} // namespace
} // namespace vantor

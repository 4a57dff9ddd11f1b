#include "i18n/words.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

TEST(Words, Smoke) {
    EXPECT_EQ(Word(words::Options), "Options");
}

} // namespace
} // namespace vantor

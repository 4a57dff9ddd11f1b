#include "lan/address.h"

#include <gtest/gtest.h>
#include <string>

namespace vantor::lan {
namespace {

TEST(LanAddress, FormOfTheServerAddress) {
    struct Case {
        std::string text;
        bool ok;
    };
    const Case cases[] = {
        {"192.168.1.10", true},  {"999.999.999.999", true},
        {"127.0.0.1", true},     {"192.168.1.", false},
        {"1922.168.1.1", false}, {"192.168..1", false},
        {"192.168.1", false},    {"", false},
        {".1.2.3", false},       {"1.2.3.4.5", false},
        {"1.2.3.4a", false},     {"1.2.3.1234", false},
    };
    for (const auto& c : cases) EXPECT_EQ(addressFormOk(c.text), c.ok) << c.text;
}

TEST(LanAddress, TypedCharacters) {
    EXPECT_TRUE(addressCharactersOk("10.0.0.1"));
    EXPECT_FALSE(addressCharactersOk("10.0.0.x"));
    EXPECT_TRUE(portCharactersOk("25666"));
    EXPECT_FALSE(portCharactersOk("2566a"));
}

} // namespace
} // namespace vantor::lan

#pragma once
// The game service's addresses as the program carries them, in its enciphered form (see
// base/scramble.h). The remote configuration page may replace them for a run.

#include <string>
#include <string_view>

namespace vantor {

inline constexpr std::string_view kDefaultTopTenServiceAddress =
    "R2lZQXnnXq70-5ZeHp62i3gGHo2yonBXieVs0W1ij0k";
inline constexpr std::string_view kDefaultStatsServiceAddress =
    "R2lZQXnnXq70-5ZeHp62i3gGHo2yonBXieVsTlWSxQ";
inline constexpr std::string_view kDefaultAccountServiceAddress =
    "R2lZQXnnXq70-5ZeHp62i3gGHo2yonBXieVshJ0DoD0sqQ";

// The plain address of an enciphered one; empty when it does not decipher.
std::string decipherServiceAddress(std::string_view enciphered);

} // namespace vantor

#pragma once
// Where packs are looked for: the home folder, then the shared folder above it. No other place.

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace vantor {

std::vector<std::filesystem::path> packFolders();

// The first folder holding the file. A file whose name differs only in the case of its letters
// counts too, since packs fetched or unpacked by hand often come in lower case. Names with a
// folder part are refused.
std::optional<std::filesystem::path> findPack(std::string_view fileName);
std::optional<std::filesystem::path> findPackIn(std::string_view fileName,
                                                const std::vector<std::filesystem::path>& folders);

} // namespace vantor

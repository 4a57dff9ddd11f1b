#include "packs/pack_finder.h"

#include "base/paths.h"

#include <string>
#include <system_error>

namespace vantor {
namespace fs = std::filesystem;

namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 32);
        if (x != y) return false;
    }
    return true;
}

// A folder can be large (the shared folder of several games); look at a bounded number of names.
constexpr int kMaxScannedNames = 20000;

} // namespace

std::vector<fs::path> packFolders() {
    return {homeFolder(), sharedFolder()};
}

std::optional<fs::path> findPackIn(std::string_view fileName,
                                   const std::vector<fs::path>& folders) {
    if (fileName.empty() || fileName.find_first_of("/\\") != std::string_view::npos ||
        fileName == "." || fileName == "..")
        return std::nullopt;
    for (const fs::path& folder : folders) {
        if (folder.empty()) continue;
        std::error_code ec;
        const fs::path exact = folder / std::string(fileName);
        if (fs::is_regular_file(exact, ec)) return exact;
        int scanned = 0;
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
            if (++scanned > kMaxScannedNames) break;
            const std::string name = it->path().filename().string();
            std::error_code fileEc;
            if (sameIgnoringCase(name, fileName) && it->is_regular_file(fileEc)) return it->path();
        }
    }
    return std::nullopt;
}

std::optional<fs::path> findPack(std::string_view fileName) {
    return findPackIn(fileName, packFolders());
}

} // namespace vantor

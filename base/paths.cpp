#include "base/paths.h"

#include <cstdlib>
#include <string>
#include <system_error>

namespace vantor {
namespace fs = std::filesystem;

namespace {
fs::path fromEnv(const char* name) {
    const char* value = std::getenv(name);
    return value && *value ? fs::path(value) : fs::path();
}
} // namespace

fs::path executableFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path() : exe.parent_path();
}

fs::path homeFolder() {
    if (fs::path env = fromEnv("VANTOR_HOME"); !env.empty()) return env;
    const fs::path exeDir = executableFolder();
    std::error_code ec;
    if (fs::exists(exeDir / "Vantor4.ini", ec) || fs::exists(exeDir / "Vantor4.clb", ec))
        return exeDir;
    fs::path data = fromEnv("XDG_DATA_HOME");
    if (data.empty()) {
        const fs::path home = fromEnv("HOME");
        data = (home.empty() ? fs::temp_directory_path() : home) / ".local" / "share";
    }
    return data / "zov" / "vantor4";
}

fs::path sharedFolder() {
    fs::path home = homeFolder();
    if (!home.has_filename()) home = home.parent_path();
    return home.parent_path();
}

fs::path resolveProgramPath(std::string_view name) {
    std::string n(name);
    for (char& c : n)
        if (c == '\\') c = '/';
    if (n.rfind("../", 0) == 0) return sharedFolder() / n.substr(3);
    return homeFolder() / n;
}

} // namespace vantor

#include "base/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <random>
#include <unistd.h>

namespace vantor {
namespace fs = std::filesystem;

namespace {

void setError(std::string* error, const std::string& what) {
    if (error) *error = what;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

bool writeFileAtomic(const fs::path& path, std::string_view bytes, std::string* error) {
    std::error_code ec;
    fs::perms mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                     fs::perms::others_read;
    const fs::file_status old = fs::status(path, ec);
    if (!ec && fs::exists(old)) {
        if (!fs::is_regular_file(old)) {
            setError(error, "not a regular file: " + path.string());
            return false;
        }
        mode = old.permissions() & fs::perms::mask;
    }

    static thread_local std::mt19937_64 rng{std::random_device{}()};
    fs::path temp;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        char suffix[32];
        std::snprintf(suffix, sizeof suffix, ".tmp%08llx",
                      static_cast<unsigned long long>(rng() & 0xFFFFFFFFu));
        temp = path;
        temp += suffix;
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        setError(error, "cannot create " + temp.string() + ": " + std::strerror(errno));
        return false;
    }

    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int savedErrno = errno;
    if (::close(fd) != 0) ok = false;
    if (ok) {
        fs::permissions(temp, mode, fs::perm_options::replace, ec);
        ok = !ec;
    }
    if (ok) {
        fs::rename(temp, path, ec);
        ok = !ec;
    }
    if (!ok) {
        setError(error, "cannot write " + path.string() + ": " +
                            (ec ? ec.message() : std::string(std::strerror(savedErrno))));
        fs::remove(temp, ec);
        return false;
    }
    // Make the rename itself durable.
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

std::optional<std::string> readFileLimited(const fs::path& path, std::size_t maxBytes) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string content;
    char buffer[8192];
    while (in) {
        in.read(buffer, sizeof buffer);
        const auto got = static_cast<std::size_t>(in.gcount());
        if (content.size() + got > maxBytes) return std::nullopt;
        content.append(buffer, got);
    }
    if (in.bad()) return std::nullopt;
    return content;
}

} // namespace vantor

#pragma once
// Whole-file rewrites that never leave a half-written file: the new content goes to a temporary
// file in the same folder, is flushed to disk and then renamed over the old name. A crash or a
// full disk at any moment leaves either the old file or the new one.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vantor {

// Writes `bytes` to `path` atomically. The file keeps the permission bits of the file it
// replaces. Returns false (and leaves any old file untouched) when any step fails; `error`, when
// given, receives a short technical description for logs.
bool writeFileAtomic(const std::filesystem::path& path, std::string_view bytes,
                     std::string* error = nullptr);

// Reads a whole file of at most `maxBytes` bytes; nullopt when it cannot be opened, cannot be
// read, or is larger (a record file of that size is not one of ours).
std::optional<std::string> readFileLimited(const std::filesystem::path& path, std::size_t maxBytes);

} // namespace vantor

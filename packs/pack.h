#pragma once
// Reading a pack: a resource-only library file (PE32 or PE32+ "*.dll") opened for one loading
// operation. Open it, read the pictures you need, and let it close (or call close()); nothing is
// kept between operations. A damaged file is reported as unreadable, never trusted: every
// offset and size is checked against the file, and the work is bounded by the file's size.

#include "packs/resource_name.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

enum class TPackStatus { Ok, Missing, Unreadable };

struct TPackEntry {
    TResourceName type;
    TResourceName name;
    std::uint16_t language = 0;
    std::uint32_t codePage = 0;
    std::uint32_t size = 0;
    std::uint64_t fileOffset = 0;
};

// Largest single resource a pack may hold; anything bigger is a damaged size field.
inline constexpr std::uint32_t kMaxPackResourceSize = 256u << 20;

class TPack {
public:
    TPack();
    ~TPack();
    TPack(TPack&&) noexcept;
    TPack& operator=(TPack&&) noexcept;
    TPack(const TPack&) = delete;
    TPack& operator=(const TPack&) = delete;

    // Finds the pack by its file name in the home folder, then the shared folder, and opens it.
    TPackStatus openPack(std::string_view fileName);
    TPackStatus open(const std::filesystem::path& file);
    TPackStatus openBytes(std::vector<std::uint8_t> bytes);
    void close();

    bool isOpen() const;
    // Why the last open failed, in a few words for a log or a tool.
    const std::string& error() const { return error_; }
    const std::filesystem::path& path() const { return path_; }
    bool is64Bit() const { return is64_; }

    // Every resource of the directory, in the directory's order.
    const std::vector<TPackEntry>& entries() const { return entries_; }
    // The resource of that type and name (names without regard to case); of several languages
    // the neutral one, else US English, else the first.
    const TPackEntry* find(const TResourceName& type, const TResourceName& name) const;

    std::optional<std::vector<std::uint8_t>> read(const TPackEntry& entry) const;
    std::optional<std::vector<std::uint8_t>> read(const TResourceName& type,
                                                  const TResourceName& name) const;
    std::optional<std::vector<std::uint8_t>> readRcData(const TResourceName& name) const;
    std::optional<std::vector<std::uint8_t>> readJpeg(const TResourceName& name) const;
    std::optional<std::vector<std::uint8_t>> readGif(const TResourceName& name) const;
    // A BITMAP resource as a complete .bmp file.
    std::optional<std::vector<std::uint8_t>> readBitmapFile(const TResourceName& name) const;

    class Source;

private:
    TPackStatus parse();
    TPackStatus fail(TPackStatus status, std::string message);

    std::unique_ptr<Source> source_;
    std::filesystem::path path_;
    std::string error_;
    bool is64_ = false;
    std::vector<TPackEntry> entries_;
    std::vector<std::u16string> keys_; // folded "type/name" of each entry, for lookups
    std::vector<std::size_t> order_;   // entry indices sorted by key
};

} // namespace vantor

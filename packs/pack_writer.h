#pragma once
// Writing a pack: a resource-only PE32+ library with one ".rsrc" section, laid out the way the
// system's loader and the usual tools expect (names in capitals and sorted, 4 KiB sections,
// 512-byte file alignment, no entry point).

#include "packs/resource_name.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vantor {

struct TPackResource {
    TResourceName type;
    TResourceName name;
    std::uint16_t language = 0;
    std::vector<std::uint8_t> data;
};

class TPackWriter {
public:
    // False when a resource of that type, name (without regard to case) and language is
    // already there, or the name is too long for the format.
    bool add(const TResourceName& type, const TResourceName& name, std::vector<std::uint8_t> data,
             std::uint16_t language = 0);
    bool addRcData(const TResourceName& name, std::vector<std::uint8_t> data);
    bool addJpeg(const TResourceName& name, std::vector<std::uint8_t> data);
    bool addGif(const TResourceName& name, std::vector<std::uint8_t> data);
    // A .bmp file stored as a BITMAP resource (its file header dropped); false if it is no BMP.
    bool addBitmapFile(const TResourceName& name, std::span<const std::uint8_t> bmpFile);

    // Whether the header carries the image checksum (on by default).
    void setChecksum(bool on) { checksum_ = on; }
    std::size_t count() const { return resources_.size(); }
    const std::vector<TPackResource>& resources() const { return resources_; }

    // The file's bytes; nullopt (with a reason) only when the resources do not fit the format.
    std::optional<std::vector<std::uint8_t>> build(std::string* error = nullptr) const;
    // Builds and writes the file through a temporary file and a rename, so a failed write
    // never leaves a half-written pack under the real name.
    bool write(const std::filesystem::path& file, std::string* error = nullptr) const;

private:
    std::vector<TPackResource> resources_;
    bool checksum_ = true;
};

// The checksum of a PE image, the field at `checksumOffset` counted as zero.
std::uint32_t peChecksum(std::span<const std::uint8_t> image, std::size_t checksumOffset);

} // namespace vantor

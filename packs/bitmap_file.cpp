#include "packs/bitmap_file.h"

#include <limits>

namespace vantor {
namespace {

constexpr std::size_t kFileHeaderSize = 14;

std::uint32_t u16At(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at] | (b[at + 1] << 8));
}

std::uint32_t u32At(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
           static_cast<std::uint32_t>(b[at + 2]) << 16 |
           static_cast<std::uint32_t>(b[at + 3]) << 24;
}

void putU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

} // namespace

std::optional<std::uint32_t> dibPixelOffset(std::span<const std::uint8_t> dib) {
    if (dib.size() < 12) return std::nullopt;
    const std::uint32_t headerSize = u32At(dib, 0);
    if (headerSize > dib.size()) return std::nullopt;
    std::uint64_t bitCount = 0, colours = 0, entrySize = 4, masks = 0;
    if (headerSize == 12) {
        // The old core header: three-byte colour entries, always a full table.
        bitCount = u16At(dib, 10);
        entrySize = 3;
        if (bitCount <= 8) colours = std::uint64_t{1} << bitCount;
    } else if (headerSize >= 16) {
        bitCount = u16At(dib, 14);
        const std::uint32_t compression = headerSize >= 20 ? u32At(dib, 16) : 0;
        const std::uint32_t used = headerSize >= 36 ? u32At(dib, 32) : 0;
        if (used != 0)
            colours = used;
        else if (bitCount <= 8)
            colours = std::uint64_t{1} << bitCount;
        // Longer headers carry the masks inside themselves.
        if (headerSize == 40 && compression == 3) masks = 12;
        if (headerSize == 40 && compression == 6) masks = 16;
    } else {
        return std::nullopt;
    }
    if (bitCount > 32) return std::nullopt;
    const std::uint64_t offset = headerSize + masks + colours * entrySize;
    if (offset > dib.size()) return std::nullopt;
    return static_cast<std::uint32_t>(offset);
}

std::optional<std::vector<std::uint8_t>> bmpFileFromDib(std::span<const std::uint8_t> dib) {
    const auto offset = dibPixelOffset(dib);
    if (!offset) return std::nullopt;
    if (dib.size() > std::numeric_limits<std::uint32_t>::max() - kFileHeaderSize)
        return std::nullopt;
    std::vector<std::uint8_t> out;
    out.reserve(kFileHeaderSize + dib.size());
    out.push_back('B');
    out.push_back('M');
    putU32(out, static_cast<std::uint32_t>(kFileHeaderSize + dib.size()));
    putU32(out, 0); // the two reserved words
    putU32(out, static_cast<std::uint32_t>(kFileHeaderSize + *offset));
    out.insert(out.end(), dib.begin(), dib.end());
    return out;
}

std::optional<std::vector<std::uint8_t>> dibFromBmpFile(std::span<const std::uint8_t> file) {
    if (file.size() < kFileHeaderSize + 12 || file[0] != 'B' || file[1] != 'M') return std::nullopt;
    const auto dib = file.subspan(kFileHeaderSize);
    const auto offset = dibPixelOffset(dib);
    if (!offset) return std::nullopt;
    const std::uint64_t pixels = u32At(file, 10);
    if (pixels < kFileHeaderSize + *offset || pixels > file.size()) return std::nullopt;
    std::vector<std::uint8_t> out(dib.begin(), dib.begin() + *offset);
    out.insert(out.end(), file.begin() + static_cast<std::ptrdiff_t>(pixels), file.end());
    return out;
}

} // namespace vantor

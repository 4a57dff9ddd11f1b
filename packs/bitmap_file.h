#pragma once
// A BITMAP resource holds a device-independent bitmap without the 14-byte file header of a .bmp
// file. These turn one into the other.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vantor {

// Where the pixels begin inside a DIB (header, colour table and, for a 40-byte header with
// bit-field compression, the colour masks); nullopt when the header is damaged or does not fit.
std::optional<std::uint32_t> dibPixelOffset(std::span<const std::uint8_t> dib);

// A complete .bmp file: "BM", the file size, and the pixel offset rebuilt from the DIB's header.
std::optional<std::vector<std::uint8_t>> bmpFileFromDib(std::span<const std::uint8_t> dib);

// The DIB of a .bmp file, with any gap between the colour table and the pixels removed, so the
// pixels follow the colour table as a resource must store them.
std::optional<std::vector<std::uint8_t>> dibFromBmpFile(std::span<const std::uint8_t> file);

} // namespace vantor

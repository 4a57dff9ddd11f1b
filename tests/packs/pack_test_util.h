#pragma once
// Small helpers shared by the pack tests: temporary folders, whole-file reads and writes,
// little-endian fields, and running the MinGW tools.

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace vantor::testing {

using Bytes = std::vector<std::uint8_t>;

inline std::filesystem::path freshFolder(const std::string& tag) {
    std::random_device rd;
    const auto dir = std::filesystem::temp_directory_path() /
                     ("vantor-packs-" + tag + "-" + std::to_string(rd()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

inline void writeFile(const std::filesystem::path& file, const Bytes& bytes) {
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

inline void writeText(const std::filesystem::path& file, const std::string& text) {
    std::ofstream out(file, std::ios::binary);
    out << text;
}

inline Bytes readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::string readText(const std::filesystem::path& file) {
    const Bytes b = readFile(file);
    return std::string(b.begin(), b.end());
}

inline std::uint32_t le32(const Bytes& b, std::size_t at) {
    return static_cast<std::uint32_t>(b.at(at) | b.at(at + 1) << 8 | b.at(at + 2) << 16 |
                                      static_cast<std::uint32_t>(b.at(at + 3)) << 24);
}

inline void putLe32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.at(at + i) = static_cast<std::uint8_t>(v >> (8 * i));
}

inline void putLe16(Bytes& b, std::size_t at, std::uint32_t v) {
    b.at(at) = static_cast<std::uint8_t>(v);
    b.at(at + 1) = static_cast<std::uint8_t>(v >> 8);
}

inline bool haveTool(const std::string& tool) {
    return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0;
}

// Runs a shell command; its output goes to `output` when given.
inline int run(const std::string& command, const std::filesystem::path& output = {}) {
    std::string line = command;
    if (!output.empty()) line += " >'" + output.string() + "' 2>&1";
    const int status = std::system(line.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A small BMP file: `bits` per pixel, a colour table of `colours` entries (0: none written and
// biClrUsed 0), 2 x 2 pixels.
inline Bytes smallBmp(std::uint16_t bits, std::uint32_t colours) {
    Bytes info(40, 0);
    putLe32(info, 0, 40);
    putLe32(info, 4, 2);
    putLe32(info, 8, 2);
    putLe16(info, 12, 1);
    putLe16(info, 14, bits);
    putLe32(info, 32, colours);
    Bytes palette;
    for (std::uint32_t i = 0; i < colours; ++i)
        palette.insert(palette.end(), {std::uint8_t(i * 40), std::uint8_t(255 - i), 7, 0});
    const std::size_t row = ((2 * bits + 31) / 32) * 4;
    Bytes pixels(row * 2);
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<std::uint8_t>(i % 3);
    putLe32(info, 20, static_cast<std::uint32_t>(pixels.size()));
    const std::uint32_t offBits = static_cast<std::uint32_t>(14 + info.size() + palette.size());
    Bytes file = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    putLe32(file, 2, static_cast<std::uint32_t>(offBits + pixels.size()));
    putLe32(file, 10, offBits);
    file.insert(file.end(), info.begin(), info.end());
    file.insert(file.end(), palette.begin(), palette.end());
    file.insert(file.end(), pixels.begin(), pixels.end());
    return file;
}

} // namespace vantor::testing

#include "base/fields.h"

#include <charconv>
#include <limits>

namespace vantor {
namespace {
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
} // namespace

std::string padRight(std::string_view text, std::size_t width) {
    std::string out(text.substr(0, width));
    out.resize(width, ' ');
    return out;
}

std::string padLeft(std::string_view text, std::size_t width) {
    if (text.size() >= width) return std::string(text.substr(text.size() - width));
    return std::string(width - text.size(), ' ') + std::string(text);
}

std::string rightAligned(std::int64_t value, std::size_t width) {
    return padLeft(std::to_string(value), width);
}

std::string_view trimRight(std::string_view text) {
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string_view trim(std::string_view text) {
    text = trimRight(text);
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    return text;
}

std::optional<std::int64_t> parseInteger(std::string_view text) {
    text = trim(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::string_view fieldAt(std::string_view line, std::size_t from, std::size_t width) {
    if (from == 0 || from > line.size()) return {};
    return line.substr(from - 1, width);
}

} // namespace vantor

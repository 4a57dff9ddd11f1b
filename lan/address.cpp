#include "lan/address.h"

#include <algorithm>

namespace vantor::lan {

bool addressCharactersOk(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
}

bool addressFormOk(std::string_view text) {
    if (!addressCharactersOk(text) || std::count(text.begin(), text.end(), '.') != 3) return false;
    std::size_t start = 0;
    for (int part = 0; part < 4; ++part) {
        const std::size_t dot = text.find('.', start);
        const std::size_t end = dot == std::string_view::npos ? text.size() : dot;
        const std::size_t length = end - start;
        if (length < 1 || length > 3) return false;
        start = end + 1;
    }
    return true;
}

bool portCharactersOk(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace vantor::lan

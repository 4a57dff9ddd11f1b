#include "packs/resource_name.h"

#include <algorithm>

namespace vantor {

char16_t foldResourceChar(char16_t c) {
    if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - 0x20);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<char16_t>(c - 0x20);
    if (c == 0xFF) return 0x178;
    if (c >= 0x430 && c <= 0x44F) return static_cast<char16_t>(c - 0x20);
    if (c >= 0x450 && c <= 0x45F) return static_cast<char16_t>(c - 0x50);
    return c;
}

std::u16string utf8ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        char32_t cp = 0xFFFD;
        std::size_t len = 1;
        if (b < 0x80) {
            cp = b;
        } else if (b >= 0xC2 && b < 0xF5) {
            len = b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
            if (i + len <= text.size()) {
                cp = b & (0x3F >> (len - 1));
                bool ok = true;
                for (std::size_t k = 1; k < len; ++k) {
                    const auto c = static_cast<unsigned char>(text[i + k]);
                    if ((c & 0xC0) != 0x80) ok = false;
                    cp = (cp << 6) | (c & 0x3F);
                }
                const char32_t least = len == 2 ? 0x80 : len == 3 ? 0x800 : 0x10000;
                if (!ok || cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp < 0xE000)) {
                    cp = 0xFFFD;
                    len = 1;
                }
            } else {
                len = 1;
            }
        }
        i += len;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
    }
    return out;
}

std::string utf16ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t cp = text[i];
        if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp < 0xE000) {
            cp = 0xFFFD; // a lone surrogate in a damaged name
        }
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

TResourceName::TResourceName(std::string_view name) : isId_(false), name_(utf8ToUtf16(name)) {
    if (name.size() >= 2 && name.size() <= 6 && name[0] == '#') {
        std::uint32_t value = 0;
        for (char c : name.substr(1)) {
            if (c < '0' || c > '9') return;
            value = value * 10 + static_cast<std::uint32_t>(c - '0');
        }
        if (value > 0xFFFF) return;
        isId_ = true;
        id_ = static_cast<std::uint16_t>(value);
        name_.clear();
    }
}

TResourceName TResourceName::fromUtf16(std::u16string name) {
    TResourceName n;
    n.isId_ = false;
    n.name_ = std::move(name);
    return n;
}

std::string TResourceName::text() const {
    return isId_ ? "#" + std::to_string(id_) : utf16ToUtf8(name_);
}

TResourceName TResourceName::stored() const {
    if (isId_) return *this;
    std::u16string upper = name_;
    for (char16_t& c : upper) c = foldResourceChar(c);
    return fromUtf16(std::move(upper));
}

bool TResourceName::sameAs(const TResourceName& other) const {
    if (isId_ != other.isId_) return false;
    if (isId_) return id_ == other.id_;
    if (name_.size() != other.name_.size()) return false;
    for (std::size_t i = 0; i < name_.size(); ++i)
        if (foldResourceChar(name_[i]) != foldResourceChar(other.name_[i])) return false;
    return true;
}

bool TResourceName::before(const TResourceName& other) const {
    if (isId_ != other.isId_) return !isId_;
    if (isId_) return id_ < other.id_;
    return std::lexicographical_compare(
        name_.begin(), name_.end(), other.name_.begin(), other.name_.end(),
        [](char16_t a, char16_t b) { return foldResourceChar(a) < foldResourceChar(b); });
}

std::string resourceTypeLabel(const TResourceName& type) {
    if (!type.isId()) return type.text();
    switch (type.id()) {
    case 1:
        return "CURSOR";
    case 2:
        return "BITMAP";
    case 3:
        return "ICON";
    case 4:
        return "MENU";
    case 5:
        return "DIALOG";
    case 6:
        return "STRINGTABLE";
    case 10:
        return "RCDATA";
    case 12:
        return "GROUP_CURSOR";
    case 14:
        return "GROUP_ICON";
    case 16:
        return "VERSIONINFO";
    case 24:
        return "MANIFEST";
    default:
        return type.text();
    }
}

} // namespace vantor

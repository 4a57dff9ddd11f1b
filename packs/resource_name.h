#pragma once
// Names of resources in a pack: a 16-bit id or a UTF-16 string, as a library file stores them.
// String names are compared without regard to case, because resource compilers store them in
// capitals while the program asks for them in mixed case ("Ch02Mod" is stored as "CH02MOD").

#include <cstdint>
#include <string>
#include <string_view>

namespace vantor {

class TResourceName {
public:
    TResourceName() = default;
    TResourceName(std::uint16_t id) : id_(id) {}
    // A UTF-8 name. "#123" means the id 123, as the system's resource functions read it.
    TResourceName(std::string_view name);
    TResourceName(const char* name) : TResourceName(std::string_view(name)) {}
    TResourceName(const std::string& name) : TResourceName(std::string_view(name)) {}
    static TResourceName fromUtf16(std::u16string name);

    bool isId() const { return isId_; }
    std::uint16_t id() const { return id_; }
    const std::u16string& utf16() const { return name_; }
    // The name in UTF-8, or "#123" for an id.
    std::string text() const;
    // The name in capitals, as it is stored in a library file; ids keep their value.
    TResourceName stored() const;
    bool sameAs(const TResourceName& other) const;
    // Order of a resource directory: string names first, sorted by their capitals, then ids.
    bool before(const TResourceName& other) const;

private:
    bool isId_ = true;
    std::uint16_t id_ = 0;
    std::u16string name_;
};

// Standard resource types the packs use, and the named types of the pictures.
inline constexpr std::uint16_t kResourceBitmap = 2;
inline constexpr std::uint16_t kResourceRcData = 10;
inline constexpr std::string_view kResourceJpeg = "JPEG";
inline constexpr std::string_view kResourceGif = "GIF";

// A type for listings: "BITMAP", "RCDATA", ... for the standard ids, the name otherwise.
std::string resourceTypeLabel(const TResourceName& type);

// Capital of one UTF-16 unit for name comparison: ASCII, Latin-1 and basic Cyrillic letters.
char16_t foldResourceChar(char16_t c);

std::u16string utf8ToUtf16(std::string_view text);
std::string utf16ToUtf8(std::u16string_view text);

} // namespace vantor

#include "packs/pack_writer.h"

#include "packs/bitmap_file.h"
#include "packs/pack.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <system_error>
#include <unistd.h>

namespace vantor {
namespace {

constexpr std::uint32_t kSectionAlignment = 0x1000;
constexpr std::uint32_t kFileAlignment = 0x200;
constexpr std::uint32_t kPeOffset = 0x80;
constexpr std::uint32_t kOptionalSize = 240; // PE32+ with all 16 data directories
constexpr std::uint64_t kImageBase = 0x180000000ull;
constexpr std::uint32_t kHighBit = 0x80000000u;

std::uint64_t alignUp(std::uint64_t v, std::uint64_t a) {
    return (v + a - 1) / a * a;
}

class Bytes {
public:
    explicit Bytes(std::vector<std::uint8_t>& out) : out_(out) {}
    void u8At(std::size_t at, std::uint8_t v) { grow(at + 1), out_[at] = v; }
    void u16At(std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 2; ++i) u8At(at + i, static_cast<std::uint8_t>(v >> (8 * i)));
    }
    void u32At(std::size_t at, std::uint64_t v) {
        for (int i = 0; i < 4; ++i) u8At(at + i, static_cast<std::uint8_t>(v >> (8 * i)));
    }
    void u64At(std::size_t at, std::uint64_t v) {
        for (int i = 0; i < 8; ++i) u8At(at + i, static_cast<std::uint8_t>(v >> (8 * i)));
    }

private:
    void grow(std::size_t size) {
        if (out_.size() < size) out_.resize(size);
    }
    std::vector<std::uint8_t>& out_;
};

bool sameKey(const TPackResource& r, const TResourceName& type, const TResourceName& name,
             std::uint16_t language) {
    return r.language == language && r.type.sameAs(type) && r.name.sameAs(name);
}

} // namespace

std::uint32_t peChecksum(std::span<const std::uint8_t> image, std::size_t checksumOffset) {
    std::uint64_t sum = 0;
    for (std::size_t i = 0; i < image.size(); i += 2) {
        if (i == checksumOffset || i == checksumOffset + 2) continue;
        std::uint32_t word = image[i];
        if (i + 1 < image.size()) word |= static_cast<std::uint32_t>(image[i + 1]) << 8;
        sum += word;
        sum = (sum & 0xFFFF) + (sum >> 16);
    }
    sum = (sum & 0xFFFF) + (sum >> 16);
    return static_cast<std::uint32_t>(sum + image.size());
}

bool TPackWriter::add(const TResourceName& type, const TResourceName& name,
                      std::vector<std::uint8_t> data, std::uint16_t language) {
    if (type.utf16().size() > 0xFFFF || name.utf16().size() > 0xFFFF) return false;
    if (data.size() > kMaxPackResourceSize) return false;
    for (const TPackResource& r : resources_)
        if (sameKey(r, type, name, language)) return false;
    resources_.push_back({type.stored(), name.stored(), language, std::move(data)});
    return true;
}

bool TPackWriter::addRcData(const TResourceName& name, std::vector<std::uint8_t> data) {
    return add(TResourceName(kResourceRcData), name, std::move(data));
}

bool TPackWriter::addJpeg(const TResourceName& name, std::vector<std::uint8_t> data) {
    return add(TResourceName(kResourceJpeg), name, std::move(data));
}

bool TPackWriter::addGif(const TResourceName& name, std::vector<std::uint8_t> data) {
    return add(TResourceName(kResourceGif), name, std::move(data));
}

bool TPackWriter::addBitmapFile(const TResourceName& name, std::span<const std::uint8_t> bmpFile) {
    auto dib = dibFromBmpFile(bmpFile);
    if (!dib) return false;
    return add(TResourceName(kResourceBitmap), name, std::move(*dib));
}

std::optional<std::vector<std::uint8_t>> TPackWriter::build(std::string* error) const {
    // The directory tree: type -> name -> language -> resource, each level in directory order
    // (string names sorted by their capitals first, then ids ascending), as the loader's binary
    // search expects.
    struct Less {
        bool operator()(const TResourceName& a, const TResourceName& b) const {
            return a.before(b);
        }
    };
    using Languages = std::map<std::uint16_t, const TPackResource*>;
    using Names = std::map<TResourceName, Languages, Less>;
    std::map<TResourceName, Names, Less> tree;
    for (const TPackResource& r : resources_) tree[r.type][r.name][r.language] = &r;

    // Layout of the section: all directory tables, then the name strings, then the data
    // entries, then the data itself, each piece aligned to 8 bytes.
    std::uint64_t size = 16 + 8 * tree.size();
    for (const auto& [type, names] : tree) size += 16 + 8 * names.size();
    for (const auto& [type, names] : tree)
        for (const auto& [name, languages] : names) size += 16 + 8 * languages.size();
    std::map<std::u16string, std::uint64_t> strings;
    const auto addString = [&](const TResourceName& n) {
        if (!n.isId() && strings.emplace(n.utf16(), size).second) size += 2 + 2 * n.utf16().size();
    };
    for (const auto& [type, names] : tree) {
        addString(type);
        for (const auto& [name, languages] : names) addString(name);
    }
    size = alignUp(size, 8);
    const std::uint64_t entriesAt = size;
    size += 16 * resources_.size();
    std::map<const TPackResource*, std::uint64_t> dataAt;
    for (const auto& [type, names] : tree)
        for (const auto& [name, languages] : names)
            for (const auto& [language, r] : languages) {
                size = alignUp(size, 8);
                dataAt[r] = size;
                size += r->data.size();
            }
    const std::uint64_t sectionSize = size;

    const std::uint32_t headersSize = static_cast<std::uint32_t>(
        alignUp(kPeOffset + 4 + 20 + kOptionalSize + 40, kFileAlignment));
    const std::uint32_t sectionRva = kSectionAlignment;
    const std::uint64_t rawSize = alignUp(std::max<std::uint64_t>(sectionSize, 1), kFileAlignment);
    const std::uint64_t imageSize = alignUp(sectionRva + sectionSize, kSectionAlignment);
    if (imageSize > 0x7FFFFFFFull || headersSize + rawSize > 0x7FFFFFFFull) {
        if (error) *error = "the resources are too large for one library";
        return std::nullopt;
    }

    std::vector<std::uint8_t> out(headersSize + rawSize, 0);
    Bytes b(out);

    // DOS header; the stub program is left out, only the fields the loader reads matter.
    b.u16At(0, 0x5A4D);
    b.u16At(2, 0x90);
    b.u16At(4, 3);
    b.u16At(8, 4);
    b.u16At(12, 0xFFFF);
    b.u16At(16, 0xB8);
    b.u16At(24, 0x40);
    b.u32At(0x3C, kPeOffset);

    std::size_t at = kPeOffset;
    b.u32At(at, 0x00004550); // "PE\0\0"
    at += 4;
    b.u16At(at + 0, 0x8664); // x86-64
    b.u16At(at + 2, 1);      // one section
    b.u32At(at + 4, 0);      // no time stamp: the same input gives the same file
    b.u16At(at + 16, kOptionalSize);
    b.u16At(at + 18, 0x2000 | 0x0020 | 0x0002); // DLL, large address aware, executable image
    at += 20;

    const std::size_t opt = at;
    b.u16At(opt + 0, 0x20B);
    b.u8At(opt + 2, 2);            // linker version
    b.u32At(opt + 8, rawSize);     // initialised data
    b.u32At(opt + 16, 0);          // no entry point
    b.u32At(opt + 20, sectionRva); // base of code, by custom
    b.u64At(opt + 24, kImageBase);
    b.u32At(opt + 32, kSectionAlignment);
    b.u32At(opt + 36, kFileAlignment);
    b.u16At(opt + 40, 6); // operating system version 6.0
    b.u16At(opt + 48, 6); // subsystem version 6.0
    b.u32At(opt + 56, imageSize);
    b.u32At(opt + 60, headersSize);
    b.u16At(opt + 68, 2);                   // Windows GUI subsystem
    b.u16At(opt + 70, 0x0100 | 0x0040);     // NX compatible, dynamic base
    b.u64At(opt + 72, 0x100000);            // stack reserve
    b.u64At(opt + 80, 0x1000);              // stack commit
    b.u64At(opt + 88, 0x100000);            // heap reserve
    b.u64At(opt + 96, 0x1000);              // heap commit
    b.u32At(opt + 108, 16);                 // data directories
    b.u32At(opt + 112 + 2 * 8, sectionRva); // the resource directory
    b.u32At(opt + 112 + 2 * 8 + 4, sectionSize);
    at += kOptionalSize;

    const char name[8] = {'.', 'r', 's', 'r', 'c', 0, 0, 0};
    for (int i = 0; i < 8; ++i) b.u8At(at + i, static_cast<std::uint8_t>(name[i]));
    b.u32At(at + 8, sectionSize);
    b.u32At(at + 12, sectionRva);
    b.u32At(at + 16, rawSize);
    b.u32At(at + 20, headersSize);
    b.u32At(at + 36, 0x40000040u); // initialised data, readable

    const std::size_t sec = headersSize;
    const auto nameField = [&](const TResourceName& n) -> std::uint64_t {
        return n.isId() ? n.id() : (kHighBit | strings.at(n.utf16()));
    };
    const auto tableHead = [&](std::uint64_t tableAt, std::size_t named, std::size_t ids) {
        b.u16At(sec + tableAt + 12, static_cast<std::uint32_t>(named));
        b.u16At(sec + tableAt + 14, static_cast<std::uint32_t>(ids));
    };
    const auto countNamed = [](const auto& m) {
        return static_cast<std::size_t>(
            std::count_if(m.begin(), m.end(), [](const auto& kv) { return !kv.first.isId(); }));
    };

    std::uint64_t next = 16 + 8 * tree.size(); // where the next table goes
    std::uint64_t entry = entriesAt;
    tableHead(0, countNamed(tree), tree.size() - countNamed(tree));
    std::size_t typeIndex = 0;
    // Type tables first, then every name's language table, so the tables lie level by level.
    std::vector<std::pair<std::uint64_t, const Names*>> typeTables;
    for (const auto& [type, names] : tree) {
        b.u32At(sec + 16 + 8 * typeIndex, nameField(type));
        b.u32At(sec + 16 + 8 * typeIndex + 4, kHighBit | next);
        typeTables.emplace_back(next, &names);
        next += 16 + 8 * names.size();
        ++typeIndex;
    }
    for (const auto& [typeAt, names] : typeTables) {
        tableHead(typeAt, countNamed(*names), names->size() - countNamed(*names));
        std::size_t i = 0;
        for (const auto& [resName, languages] : *names) {
            b.u32At(sec + typeAt + 16 + 8 * i, nameField(resName));
            b.u32At(sec + typeAt + 16 + 8 * i + 4, kHighBit | next);
            const std::uint64_t langAt = next;
            next += 16 + 8 * languages.size();
            tableHead(langAt, 0, languages.size());
            std::size_t j = 0;
            for (const auto& [language, r] : languages) {
                b.u32At(sec + langAt + 16 + 8 * j, language);
                b.u32At(sec + langAt + 16 + 8 * j + 4, entry);
                b.u32At(sec + entry, sectionRva + dataAt.at(r));
                b.u32At(sec + entry + 4, r->data.size());
                entry += 16;
                ++j;
            }
            ++i;
        }
    }
    for (const auto& [text, stringAt] : strings) {
        b.u16At(sec + stringAt, static_cast<std::uint32_t>(text.size()));
        for (std::size_t i = 0; i < text.size(); ++i) b.u16At(sec + stringAt + 2 + 2 * i, text[i]);
    }
    for (const auto& [r, offset] : dataAt)
        std::copy(r->data.begin(), r->data.end(),
                  out.begin() + static_cast<std::ptrdiff_t>(sec + offset));

    if (checksum_) b.u32At(opt + 64, peChecksum(out, opt + 64));
    return out;
}

bool TPackWriter::write(const std::filesystem::path& file, std::string* error) const {
    auto bytes = build(error);
    if (!bytes) return false;
    std::filesystem::path temp = file;
    temp += ".part" + std::to_string(::getpid());
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes->data()),
                  static_cast<std::streamsize>(bytes->size()));
        out.close();
        if (!out) {
            std::error_code ec;
            std::filesystem::remove(temp, ec);
            if (error) *error = "cannot write " + temp.string();
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, file, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        if (error) *error = "cannot write " + file.string();
        return false;
    }
    return true;
}

} // namespace vantor

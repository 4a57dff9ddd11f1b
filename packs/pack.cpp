#include "packs/pack.h"

#include "packs/bitmap_file.h"
#include "packs/pack_finder.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_set>

namespace vantor {

// Bytes of an open pack: the whole file in memory, or a file read piece by piece. Reads are
// exact: a read that would pass the end fails instead of returning less.
class TPack::Source {
public:
    virtual ~Source() = default;
    virtual std::uint64_t size() const = 0;
    virtual bool read(std::uint64_t offset, void* to, std::size_t count) = 0;
};

namespace {

class MemorySource final : public TPack::Source {
public:
    explicit MemorySource(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
    std::uint64_t size() const override { return bytes_.size(); }
    bool read(std::uint64_t offset, void* to, std::size_t count) override {
        if (offset > bytes_.size() || count > bytes_.size() - offset) return false;
        if (count) std::memcpy(to, bytes_.data() + offset, count);
        return true;
    }

private:
    std::vector<std::uint8_t> bytes_;
};

// Reads with pread rather than mapping the file, so a pack that shrinks while it is open (a
// download being replaced) gives a failed read instead of a fault. The directory is read in many
// small pieces spread over its tables, names and entries; a few cached blocks serve them, while
// pictures, which are larger than a block, are read straight into place.
class FileSource final : public TPack::Source {
public:
    FileSource(int fd, std::uint64_t size) : fd_(fd), size_(size) {}
    ~FileSource() override { ::close(fd_); }
    std::uint64_t size() const override { return size_; }

    bool read(std::uint64_t offset, void* to, std::size_t count) override {
        if (offset > size_ || count > size_ - offset) return false;
        auto* out = static_cast<std::uint8_t*>(to);
        if (count >= kBlock) return readExact(offset, out, count);
        while (count > 0) {
            const Block* block = blockAt(offset / kBlock);
            if (!block) return false;
            const std::size_t from = static_cast<std::size_t>(offset % kBlock);
            const std::size_t n = std::min(count, block->bytes.size() - from);
            if (n == 0) return false;
            std::memcpy(out, block->bytes.data() + from, n);
            out += n;
            offset += n;
            count -= n;
        }
        return true;
    }

private:
    static constexpr std::size_t kBlock = 16 * 1024;
    static constexpr std::size_t kBlocks = 64;

    struct Block {
        std::uint64_t index = 0;
        std::uint64_t used = 0;
        std::vector<std::uint8_t> bytes;
    };

    const Block* blockAt(std::uint64_t index) {
        ++clock_;
        for (Block& b : blocks_)
            if (b.index == index) {
                b.used = clock_;
                return &b;
            }
        Block* slot = nullptr;
        if (blocks_.size() < kBlocks) {
            slot = &blocks_.emplace_back();
        } else {
            slot = &blocks_.front();
            for (Block& b : blocks_)
                if (b.used < slot->used) slot = &b;
        }
        const std::uint64_t start = index * kBlock;
        slot->bytes.resize(
            static_cast<std::size_t>(std::min<std::uint64_t>(kBlock, size_ - start)));
        if (!readExact(start, slot->bytes.data(), slot->bytes.size())) {
            slot->index = ~std::uint64_t{0};
            slot->used = 0;
            return nullptr;
        }
        slot->index = index;
        slot->used = clock_;
        return slot;
    }

    bool readExact(std::uint64_t offset, std::uint8_t* to, std::size_t count) {
        while (count > 0) {
            const ssize_t got = ::pread(fd_, to, count, static_cast<off_t>(offset));
            if (got < 0 && errno == EINTR) continue;
            if (got <= 0) return false;
            to += got;
            offset += static_cast<std::uint64_t>(got);
            count -= static_cast<std::size_t>(got);
        }
        return true;
    }

    int fd_;
    std::uint64_t size_;
    std::vector<Block> blocks_;
    std::uint64_t clock_ = 0;
};

std::uint16_t le16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}
std::uint32_t le32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

struct Section {
    std::uint32_t virtualAddress = 0;
    std::uint32_t virtualSize = 0;
    std::uint32_t rawSize = 0;
    std::uint32_t rawPointer = 0;
};

// Windows itself refuses images with more sections than this.
constexpr std::uint16_t kMaxSections = 96;
constexpr std::size_t kMaxEntries = 1u << 20;
constexpr std::uint32_t kHighBit = 0x80000000u;

// The key that lookups sort and compare by: type, then name, each tagged and length-prefixed
// so no two different pairs can collide, with string names in capitals.
std::u16string lookupKey(const TResourceName& type, const TResourceName& name) {
    std::u16string key;
    for (const TResourceName* n : {&type, &name}) {
        if (n->isId()) {
            key.push_back(u'\x01');
            key.push_back(static_cast<char16_t>(n->id()));
        } else {
            key.push_back(u'\x02');
            key.push_back(static_cast<char16_t>(std::min<std::size_t>(n->utf16().size(), 0xFFFF)));
            for (char16_t c : n->utf16()) key.push_back(foldResourceChar(c));
        }
    }
    return key;
}

int languageRank(std::uint16_t language) {
    if (language == 0) return 0;
    if (language == 0x0409) return 1;
    return 2;
}

} // namespace

TPack::TPack() = default;
TPack::~TPack() = default;
TPack::TPack(TPack&&) noexcept = default;
TPack& TPack::operator=(TPack&&) noexcept = default;

bool TPack::isOpen() const {
    return source_ != nullptr;
}

void TPack::close() {
    source_.reset();
    entries_.clear();
    keys_.clear();
    order_.clear();
    is64_ = false;
}

TPackStatus TPack::fail(TPackStatus status, std::string message) {
    close();
    error_ = std::move(message);
    return status;
}

TPackStatus TPack::openPack(std::string_view fileName) {
    close();
    const auto file = findPack(fileName);
    if (!file) {
        path_.clear();
        return fail(TPackStatus::Missing, "not found: " + std::string(fileName));
    }
    return open(*file);
}

TPackStatus TPack::open(const std::filesystem::path& file) {
    close();
    path_ = file;
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        const bool missing = errno == ENOENT || errno == ENOTDIR;
        return fail(missing ? TPackStatus::Missing : TPackStatus::Unreadable,
                    std::string(missing ? "not found: " : "cannot open: ") + std::strerror(errno));
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return fail(TPackStatus::Unreadable, "not a regular file");
    }
    source_ = std::make_unique<FileSource>(fd, static_cast<std::uint64_t>(st.st_size));
    return parse();
}

TPackStatus TPack::openBytes(std::vector<std::uint8_t> bytes) {
    close();
    path_.clear();
    source_ = std::make_unique<MemorySource>(std::move(bytes));
    return parse();
}

TPackStatus TPack::parse() {
    using S = TPackStatus;
    Source& src = *source_;
    const std::uint64_t fileSize = src.size();
    error_.clear();

    std::uint8_t dos[64];
    if (!src.read(0, dos, sizeof dos)) return fail(S::Unreadable, "cut short: no library header");
    if (dos[0] != 'M' || dos[1] != 'Z') return fail(S::Unreadable, "not a library file");
    const std::uint64_t peOffset = le32(dos + 0x3C);
    std::uint8_t coff[24];
    if (!src.read(peOffset, coff, sizeof coff))
        return fail(S::Unreadable, "cut short: no PE header");
    if (std::memcmp(coff, "PE\0\0", 4) != 0) return fail(S::Unreadable, "not a PE library");
    const std::uint16_t sectionCount = le16(coff + 6);
    const std::uint16_t optionalSize = le16(coff + 20);

    std::vector<std::uint8_t> optional(optionalSize);
    const std::uint64_t optionalOffset = peOffset + sizeof coff;
    if (optionalSize < 2 || !src.read(optionalOffset, optional.data(), optionalSize))
        return fail(S::Unreadable, "cut short: optional header");
    std::size_t countAt = 0, directoriesAt = 0;
    switch (le16(optional.data())) {
    case 0x10B:
        countAt = 92, directoriesAt = 96, is64_ = false;
        break;
    case 0x20B:
        countAt = 108, directoriesAt = 112, is64_ = true;
        break;
    default:
        return fail(S::Unreadable, "unknown optional header");
    }
    if (optionalSize < directoriesAt) return fail(S::Unreadable, "optional header too short");
    const std::uint32_t directoryCount = le32(optional.data() + countAt);
    std::uint32_t resourceRva = 0;
    if (directoryCount > 2 && directoriesAt + 3 * 8 <= optionalSize)
        resourceRva = le32(optional.data() + directoriesAt + 16);

    if (sectionCount > kMaxSections) return fail(S::Unreadable, "absurd number of sections");
    std::vector<std::uint8_t> table(std::size_t{40} * sectionCount);
    if (!src.read(optionalOffset + optionalSize, table.data(), table.size()))
        return fail(S::Unreadable, "cut short: section table");
    std::vector<Section> sections(sectionCount);
    for (std::size_t i = 0; i < sectionCount; ++i) {
        const std::uint8_t* h = table.data() + 40 * i;
        sections[i] = {le32(h + 12), le32(h + 8), le32(h + 16), le32(h + 20)};
    }
    if (resourceRva == 0) return S::Ok; // a library without resources

    // Where an RVA range lies in the file: wholly inside one section's raw data, and the file.
    const auto locate = [&](std::uint32_t rva, std::uint64_t size,
                            const Section** in = nullptr) -> std::optional<std::uint64_t> {
        for (const Section& s : sections) {
            if (rva < s.virtualAddress) continue;
            const std::uint64_t delta = rva - s.virtualAddress;
            if (delta >= s.rawSize || size > s.rawSize - delta) continue;
            const std::uint64_t at = std::uint64_t{s.rawPointer} + delta;
            if (at > fileSize || size > fileSize - at) continue;
            if (in) *in = &s;
            return at;
        }
        return std::nullopt;
    };

    const Section* rsrc = nullptr;
    const auto root = locate(resourceRva, 16, &rsrc);
    if (!root) return fail(S::Unreadable, "resource directory beyond the end of the file");
    const std::uint64_t base = *root;
    const std::uint64_t limit =
        std::min<std::uint64_t>(std::uint64_t{rsrc->rawPointer} + rsrc->rawSize, fileSize) - base;

    std::unordered_set<std::uint32_t> visited;
    std::uint64_t nameBudget = 2 * limit + 65536; // names are stored once; a little slack
    std::string why;

    const auto readName = [&](std::uint32_t field, TResourceName& out) -> bool {
        if (!(field & kHighBit)) {
            if (field > 0xFFFF) return why = "bad resource id", false;
            out = TResourceName(static_cast<std::uint16_t>(field));
            return true;
        }
        const std::uint64_t at = field & ~kHighBit;
        std::uint8_t len[2];
        if (at + 2 > limit || !src.read(base + at, len, 2))
            return why = "name beyond the end", false;
        const std::uint64_t bytes = std::uint64_t{le16(len)} * 2;
        if (at + 2 + bytes > limit) return why = "name beyond the end", false;
        if (bytes > nameBudget) return why = "absurd resource names", false;
        nameBudget -= bytes;
        std::vector<std::uint8_t> raw(bytes);
        if (!src.read(base + at + 2, raw.data(), raw.size())) return why = "cut short", false;
        std::u16string name(raw.size() / 2, u'\0');
        for (std::size_t i = 0; i < name.size(); ++i) name[i] = le16(raw.data() + 2 * i);
        out = TResourceName::fromUtf16(std::move(name));
        return true;
    };

    // The three levels of the directory: types, names, languages. A table reached a second
    // time means the directory loops (or is shared in a way no compiler writes); either way the
    // file is not trusted, and each table is read at most once, which bounds the work.
    const auto walk = [&](auto&& self, std::uint32_t at, int level, const TResourceName& type,
                          const TResourceName& name) -> bool {
        if (!visited.insert(at).second) return why = "resource directory loops", false;
        std::uint8_t head[16];
        if (at + std::uint64_t{16} > limit || !src.read(base + at, head, 16))
            return why = "resource directory beyond the end", false;
        const std::uint64_t count = std::uint64_t{le16(head + 12)} + le16(head + 14);
        if (at + 16 + 8 * count > limit) return why = "resource directory beyond the end", false;
        std::vector<std::uint8_t> list(8 * count);
        if (!src.read(base + at + 16, list.data(), list.size())) return why = "cut short", false;
        for (std::size_t i = 0; i < count; ++i) {
            const std::uint32_t nameField = le32(list.data() + 8 * i);
            const std::uint32_t value = le32(list.data() + 8 * i + 4);
            TResourceName key;
            if (!readName(nameField, key)) return false;
            if (level < 2) {
                if (!(value & kHighBit)) return why = "damaged resource directory", false;
                const bool ok = level == 0 ? self(self, value & ~kHighBit, 1, key, name)
                                           : self(self, value & ~kHighBit, 2, type, key);
                if (!ok) return false;
                continue;
            }
            if (!key.isId() || (value & kHighBit)) return why = "damaged resource directory", false;
            std::uint8_t data[16];
            if (value + std::uint64_t{16} > limit || !src.read(base + value, data, 16))
                return why = "resource entry beyond the end", false;
            TPackEntry entry;
            entry.type = type;
            entry.name = name;
            entry.language = key.id();
            entry.size = le32(data + 4);
            entry.codePage = le32(data + 8);
            if (entry.size > kMaxPackResourceSize) return why = "absurd resource size", false;
            const auto where = locate(le32(data), entry.size);
            if (!where) return why = "resource data beyond the end of the file", false;
            entry.fileOffset = *where;
            if (entries_.size() >= kMaxEntries) return why = "absurd number of resources", false;
            entries_.push_back(std::move(entry));
        }
        return true;
    };
    if (!walk(walk, 0, 0, TResourceName(), TResourceName())) return fail(S::Unreadable, why);

    keys_.reserve(entries_.size());
    for (const TPackEntry& e : entries_) keys_.push_back(lookupKey(e.type, e.name));
    order_.resize(entries_.size());
    for (std::size_t i = 0; i < order_.size(); ++i) order_[i] = i;
    std::stable_sort(order_.begin(), order_.end(), [&](std::size_t a, std::size_t b) {
        if (keys_[a] != keys_[b]) return keys_[a] < keys_[b];
        return languageRank(entries_[a].language) < languageRank(entries_[b].language);
    });
    return S::Ok;
}

const TPackEntry* TPack::find(const TResourceName& type, const TResourceName& name) const {
    const std::u16string key = lookupKey(type, name);
    const auto it =
        std::lower_bound(order_.begin(), order_.end(), key,
                         [&](std::size_t i, const std::u16string& k) { return keys_[i] < k; });
    if (it == order_.end() || keys_[*it] != key) return nullptr;
    return &entries_[*it];
}

std::optional<std::vector<std::uint8_t>> TPack::read(const TPackEntry& entry) const {
    if (!source_) return std::nullopt;
    std::vector<std::uint8_t> bytes(entry.size);
    if (!source_->read(entry.fileOffset, bytes.data(), bytes.size())) return std::nullopt;
    return bytes;
}

std::optional<std::vector<std::uint8_t>> TPack::read(const TResourceName& type,
                                                     const TResourceName& name) const {
    const TPackEntry* entry = find(type, name);
    if (!entry) return std::nullopt;
    return read(*entry);
}

std::optional<std::vector<std::uint8_t>> TPack::readRcData(const TResourceName& name) const {
    return read(TResourceName(kResourceRcData), name);
}

std::optional<std::vector<std::uint8_t>> TPack::readJpeg(const TResourceName& name) const {
    return read(TResourceName(kResourceJpeg), name);
}

std::optional<std::vector<std::uint8_t>> TPack::readGif(const TResourceName& name) const {
    return read(TResourceName(kResourceGif), name);
}

std::optional<std::vector<std::uint8_t>> TPack::readBitmapFile(const TResourceName& name) const {
    const auto dib = read(TResourceName(kResourceBitmap), name);
    if (!dib) return std::nullopt;
    return bmpFileFromDib(*dib);
}

} // namespace vantor

// The pack reader on arbitrary bytes: open, look up, and read every resource it reports.
#include "packs/pack.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vantor::TPack pack;
    if (pack.openBytes(std::vector<std::uint8_t>(data, data + size)) != vantor::TPackStatus::Ok)
        return 0;
    for (const vantor::TPackEntry& entry : pack.entries()) {
        const auto bytes = pack.read(entry);
        if (!bytes || bytes->size() != entry.size) __builtin_trap();
        if (entry.type.isId() && entry.type.id() == vantor::kResourceBitmap)
            (void)pack.readBitmapFile(entry.name);
        if (pack.find(entry.type, entry.name) == nullptr) __builtin_trap();
    }
    (void)pack.readJpeg("Fon07B2B");
    return 0;
}

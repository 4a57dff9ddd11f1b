// Club file reader: any bytes are judged without a crash; a structurally sound file survives the
// in-memory operations and, rewritten with fresh checksums, reads back the same.
#include "records/club.h"
#include "records/player.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace vantor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    TClubRead read = parseClubText(bytes);
    if (!read.structureOk) return 0;

    const auto width = [](std::string_view text) { return 7 * static_cast<int>(text.size()); };
    for (int slot = 1; slot <= kMemberSlots; ++slot) {
        for (const ClubView view : {ClubView::Score, ClubView::Rating})
            (void)shortenRow(memberRowText(read.lines[slot], view), kMemberRowWidthLimit, width);
        (void)chooseMember(read.lines[slot], slot, false, false);
        (void)decodePassword(std::string_view(read.lines[slot]).substr(44));
    }

    TClubLines lines = read.lines;
    const int slot = size > 0 ? 1 + data[0] % 5 : 1;
    removeMemberLines(lines, slot);
    const std::string newLine = size > 60 ? std::string(bytes.substr(1, 59)) : kEmptyMemberLine;
    const TStoreOutcome outcome = storeMemberLines(lines, newLine, size % 2 == 0);
    if (outcome.topTenPlace < 0 || outcome.topTenPlace > 10) std::abort();
    if (outcome.memberSlot < 0 || outcome.memberSlot > 5) std::abort();

    updateCheckLine(lines);
    const TClubRead again = parseClubText(serializeClub(lines));
    if (!again.structureOk || again.lines != lines) std::abort();
    const bool marker =
        static_cast<unsigned char>(lines[kMarkerLine][0]) == 0xC0 && lines[kMarkerLine][1] == '}';
    if (marker != (again.status == ClubStatus::Ok)) std::abort();
    return 0;
}

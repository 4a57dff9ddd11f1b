// History file checker: any bytes are judged without a crash; the game lines of a valid file,
// written out again with one more game, make a valid file with one more line.
#include "records/history.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace vantor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines;
    const THistoryCheck check = checkHistoryText(bytes, &lines);
    if (!check.valid) return 0;
    if (static_cast<std::size_t>(check.gameLines) != lines.size()) std::abort();
    THisStr game{std::string(bytes.substr(0, 60)), 1, static_cast<std::int32_t>(size), 1.5, 3};
    lines.push_back(historyGameLine(game, THistoryStamp{23, 59, std::string(bytes.substr(0, 12))}));
    const THistoryCheck again = checkHistoryText(historyFileText(lines));
    if (!again.valid || again.gameLines != check.gameLines + 1) std::abort();
    return 0;
}

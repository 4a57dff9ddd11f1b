// Account fetch reply parser: any reply gives a record whose store body can be built.
#include "records/statistics.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view reply(reinterpret_cast<const char*>(data), size);
    vantor::TZovGame record;
    vantor::parseZovGameReply(reply, record);
    if (record.PlayNow != 'N' || record.R2.size() > 255) std::abort();
    vantor::settleAccountRecord(record, record.KonL, record.Score, record.Best);
    const std::string body = vantor::zovGameStoreBody("nick", "pw", record);
    if (body.find_first_of(" \r\n") != std::string::npos) std::abort();
    return 0;
}

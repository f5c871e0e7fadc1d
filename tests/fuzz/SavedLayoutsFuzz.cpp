// Any records as saved layouts: read or refused, never a crash; and a list
// that was read takes each change and still reads back.
#include "FuzzRecords.h"
#include "betting/SavedLayouts.h"

#include <cstdlib>

namespace {

void MustRead(const StoredRecords& records) {
    if (!ReadLayouts(records)) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    StoredRecords records = RecordsOf(kLayoutsKind, data, size);
    const auto layouts = ReadLayouts(records);
    if (!layouts) {
        return 0;
    }
    const std::string id = layouts->empty() ? "none" : layouts->front().id;
    SavedLayout added{"fuzz", std::string(size, 'n'), {}};
    added.stakes.at(size % kSpotCount) = 5;
    AddLayout(records, added);
    MustRead(records);
    RenameLayout(records, id, std::string(reinterpret_cast<const char*>(data), size));
    MustRead(records);
    MoveLayout(records, id, size % 2 == 0 ? 1 : -1);
    MustRead(records);
    DeleteLayout(records, id);
    MustRead(records);
    return 0;
}

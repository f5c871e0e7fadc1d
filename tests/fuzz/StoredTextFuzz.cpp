// Any bytes as a stored file: read or refused, never a crash; and what is
// read is written back to text that reads the same.
#include "table/StoredText.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto records = ReadStoredText(text, "progress", 1);
    if (records && ReadStoredText(WriteStoredText(*records), "progress", 1) != records) {
        std::abort();
    }
    return 0;
}

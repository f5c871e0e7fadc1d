#include "table/NumberText.h"

std::string SignedForm(std::int64_t value) {
    if (value < 0) {
        return std::to_string(value);
    }
    // Appending rather than `" " + text` keeps g++ 12 from a false -Wrestrict alarm.
    return std::string(1, ' ').append(std::to_string(value));
}

std::string PlainForm(std::int64_t value) {
    return std::to_string(value);
}

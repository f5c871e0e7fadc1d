#include "table/NumberText.h"

std::string SignedForm(std::int64_t value) {
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

std::string PlainForm(std::int64_t value) { return std::to_string(value); }

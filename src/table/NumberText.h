#pragma once

#include <cstdint>
#include <string>

// Signed form: a blank before zero or a positive value, "-" before a negative
// one; what every result box and limit message shows.
std::string SignedForm(std::int64_t value);

// Plain form: the digits alone (stake labels, history entries, list items).
std::string PlainForm(std::int64_t value);

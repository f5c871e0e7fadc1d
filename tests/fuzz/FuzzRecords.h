#pragma once

#include "table/StoredText.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// The fuzzer's bytes as rows of fields (lines, tabs), as a stored file's
// records arrive at a reader once the text format has let them through; so
// the reader is searched directly, not only behind a valid header and count.
inline StoredRecords RecordsOf(std::string_view kind, const std::uint8_t* data, std::size_t size) {
    StoredRecords records{std::string(kind), 1, {{}}};
    std::string field;
    for (std::size_t i = 0; i < size; ++i) {
        const char c = static_cast<char>(data[i]);
        if (c == '\t' || c == '\n') {
            records.rows.back().push_back(field);
            field.clear();
            if (c == '\n') {
                records.rows.emplace_back();
            }
        } else {
            field += c;
        }
    }
    records.rows.back().push_back(field);
    return records;
}

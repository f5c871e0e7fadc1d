#include "table/StoredText.h"

#include <charconv>

namespace {

constexpr std::string_view kMagic = "velmora";
constexpr std::string_view kEnd = "end";

std::string Escaped(std::string_view field) {
    std::string out;
    out.reserve(field.size());
    for (const char c : field) {
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else {
            out += c;
        }
    }
    return out;
}

std::optional<std::string> Unescaped(std::string_view field) {
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\') {
            out += field[i];
            continue;
        }
        if (++i == field.size()) {
            return std::nullopt;
        }
        switch (field[i]) {
        case '\\':
            out += '\\';
            break;
        case 't':
            out += '\t';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        default:
            return std::nullopt;
        }
    }
    return out;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t at = text.find(separator, start);
        parts.push_back(text.substr(start, at == std::string_view::npos ? at : at - start));
        if (at == std::string_view::npos) {
            return parts;
        }
        start = at + 1;
    }
}

std::optional<long long> WholeNumber(std::string_view text) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::vector<std::string>> Record(std::string_view line) {
    std::vector<std::string> fields;
    for (const std::string_view part : Split(line, '\t')) {
        auto field = Unescaped(part);
        if (!field) {
            return std::nullopt;
        }
        fields.push_back(std::move(*field));
    }
    return fields;
}

// "velmora <kind> <version>" with a version from 1 to newestVersion.
std::optional<int> HeaderVersion(std::string_view line, std::string_view kind, int newestVersion) {
    const auto words = Split(line, ' ');
    if (words.size() != 3 || words[0] != kMagic || words[1] != kind) {
        return std::nullopt;
    }
    const auto version = WholeNumber(words[2]);
    if (!version || *version < 1 || *version > newestVersion) {
        return std::nullopt;
    }
    return static_cast<int>(*version);
}

} // namespace

std::string WriteStoredText(const StoredRecords& records) {
    std::string text =
        std::string(kMagic) + " " + records.kind + " " + std::to_string(records.version) + "\n";
    for (const auto& row : records.rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            text += (i > 0 ? "\t" : "") + Escaped(row[i]);
        }
        text += "\n";
    }
    return text + std::string(kEnd) + " " + std::to_string(records.rows.size()) + "\n";
}

std::optional<StoredRecords> ReadStoredText(std::string_view text, std::string_view kind,
                                            int newestVersion) {
    if (text.empty() || text.back() != '\n') {
        return std::nullopt;
    }
    auto lines = Split(text.substr(0, text.size() - 1), '\n');
    if (lines.size() < 2) {
        return std::nullopt;
    }
    StoredRecords records;
    records.kind = std::string(kind);
    const auto version = HeaderVersion(lines.front(), kind, newestVersion);
    const auto ending = Split(lines.back(), ' ');
    if (!version || ending.size() != 2 || ending[0] != kEnd ||
        WholeNumber(ending[1]) != static_cast<long long>(lines.size() - 2)) {
        return std::nullopt;
    }
    records.version = *version;
    for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
        auto row = Record(lines[i]);
        if (!row) {
            return std::nullopt;
        }
        records.rows.push_back(std::move(*row));
    }
    return records;
}

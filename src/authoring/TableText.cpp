#include "TableText.h"

namespace sporix::authoring {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Reads the quoted cell that starts at `at` (on the opening quote); returns where it ends.
std::size_t readQuoted(std::string_view text, std::size_t at, std::string& cell) {
    for (++at; at < text.size(); ++at) {
        if (text[at] != '"') {
            cell.push_back(text[at]);
        } else if (at + 1 < text.size() && text[at + 1] == '"') {
            cell.push_back('"');
            ++at;
        } else {
            return at + 1;
        }
    }
    return at;
}

}  // namespace

std::vector<TableRow> parseTable(std::string_view text) {
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) text.remove_prefix(kByteOrderMark.size());
    std::vector<TableRow> rows;
    TableRow row;
    std::string cell;
    bool rowOpen = false;
    for (std::size_t at = 0; at < text.size();) {
        const char c = text[at];
        if (c == '"' && cell.empty()) {
            at = readQuoted(text, at, cell);
            rowOpen = true;
        } else if (c == '\t') {
            row.push_back(std::move(cell));
            cell.clear();
            rowOpen = true;
            ++at;
        } else if (c == '\n' || (c == '\r' && at + 1 < text.size() && text[at + 1] == '\n')) {
            row.push_back(std::move(cell));
            cell.clear();
            rows.push_back(std::move(row));
            row.clear();
            rowOpen = false;
            at += c == '\r' ? 2 : 1;
        } else {
            cell.push_back(c);
            rowOpen = true;
            ++at;
        }
    }
    if (rowOpen) {
        row.push_back(std::move(cell));
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string formatTable(const std::vector<TableRow>& rows) {
    std::string text;
    for (const TableRow& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c) text += (c == 0 ? "" : "\t") + row[c];
        text += '\n';
    }
    return text;
}

}  // namespace sporix::authoring

#include <algorithm>
#include <map>

#include "ByteBuffer.h"

#include "Cp1252.h"
#include "GenusTable.h"
#include "GenusTableCells.h"
#include "Limits.h"
#include "SpeciesFile.h"

namespace sporix::authoring {

namespace {

constexpr const char* kLineEnd = "\r\n";

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool emptyRow(const TableRow& row) {
    return std::all_of(row.begin(), row.end(), [](const std::string& cell) { return trimmed(cell).empty(); });
}

// The Windows-1252 bytes of a cell; nullopt when it holds a character they cannot.
std::optional<std::string> keyBytes(const std::string& cell) {
    std::string bytes = utf8ToCp1252(cell);
    if (cp1252ToUtf8(bytes) != cell) return std::nullopt;
    return bytes;
}

std::string stateList(const CharacterRow& character) {
    std::string list;
    for (const std::string& slot : character.slots) {
        if (hasStateCode(slot)) list += "\"" + cp1252ToUtf8(trimmedStateText(slot)) + "\", ";
    }
    return list + "or \"?\" alone";
}

// The code of the state whose text is `text`.
std::optional<char> codeOf(const CharacterRow& character, const std::string& text) {
    for (const std::string& slot : character.slots) {
        if (hasStateCode(slot) && trimmedStateText(slot) == text) return stateCode(slot);
    }
    return std::nullopt;
}

// The value line of one cell, or why the cell is refused.
std::optional<std::string> valueLine(const CharacterRow& character, const std::string& cell, std::string& why) {
    const auto bytes = keyBytes(cell);
    if (!bytes || trimmed(*bytes).empty()) {
        why = "the cell is empty or holds a character that Windows-1252 cannot";
        return std::nullopt;
    }
    if (trimmed(*bytes) == kNotKnownCell) return std::string(kNotKnownCell);
    std::string line;
    std::size_t from = 0;
    for (std::size_t bar = 0; bar != std::string::npos; from = bar + 1) {
        bar = bytes->find('|', from);
        const std::string token =
            trimmed(bytes->substr(from, bar == std::string::npos ? std::string::npos : bar - from));
        const std::size_t dots = std::min(token.find_first_not_of('.'), token.size());
        line.append(dots, '.');
        const std::string text = trimmed(token.substr(dots));
        if (text.empty() && dots > 0) continue;
        const auto code = codeOf(character, text);
        if (!code) {
            why = "\"" + cp1252ToUtf8(text) + "\" is no state of " + cp1252ToUtf8(character.name) + " (expected " +
                  stateList(character) + ")";
            return std::nullopt;
        }
        // The program's score counts a code as often as the line holds it.
        if (line.find(*code) != std::string::npos) {
            why = "\"" + cp1252ToUtf8(text) + "\" is named twice in the cell; name each state once";
            return std::nullopt;
        }
        line.push_back(*code);
    }
    return line;
}

// The offset of the first byte that does not belong to UTF-8 text, or npos.
std::size_t firstNonUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = lead < 0x80           ? 1
                                   : (lead >> 5) == 0x6  ? 2
                                   : (lead >> 4) == 0xE  ? 3
                                   : (lead >> 3) == 0x1E ? 4
                                                         : 0;
        if (length == 0 || at + length > text.size()) return at;
        for (std::size_t i = 1; i < length; ++i) {
            if ((static_cast<unsigned char>(text[at + i]) >> 6) != 0x2) return at;
        }
        at += length;
    }
    return std::string_view::npos;
}

// The display names of the species file as it is, by species code.
std::map<std::string, std::string> currentNames(const TableGenus& genus, std::string_view speciesFile) {
    std::map<std::string, std::string> names;
    if (speciesFile.empty()) return names;
    ByteBuffer buffer(speciesFile);
    SpeciesReader reader(buffer, {genus.characterCount, 0});
    std::string line;
    do {
        reader.readLine(line);
        if (line.size() > kSpeciesCodeWidth && line[kSpeciesCodeWidth] == '*')
            names.emplace(std::string(speciesCode(line)), std::string(displayName(line)));
        for (int k = 0; k < genus.characterCount; ++k) reader.readLine(line);
    } while (!reader.atEnd());
    return names;
}

// True when the species table ends at the empty row `r`: nothing but empty rows follows
// before the end or the characters' table.
bool tableEndsAt(const std::vector<TableRow>& rows, std::size_t r) {
    while (r < rows.size() && emptyRow(rows[r])) ++r;
    return r == rows.size() || rows[r] == characterHeaderRow();
}

std::optional<std::string> nameLine(const TableRow& row, std::string& why, int& column) {
    const auto code = keyBytes(trimmed(row[0]));
    const auto name = keyBytes(row.size() > 1 ? row[1] : std::string());
    column = 1;
    if (!code || code->empty() || code->size() > kSpeciesCodeWidth || !fitsCell(*code)) {
        why = "the species code must be 1 to 8 Windows-1252 characters, none a control character";
        return std::nullopt;
    }
    column = 2;
    if (!name || name->empty() || !fitsCell(*name)) {
        why =
            "the display name is empty, starts with a quote, or holds a line end, a tab or a character that "
            "Windows-1252 cannot";
        return std::nullopt;
    }
    std::string line = *code;
    line.resize(kSpeciesCodeWidth, ' ');
    return line + "*" + *name;
}

// A spreadsheet may give a display name back without the blanks it ended in; the species
// file keeps them, so that a table saved unchanged gives the same bytes.
void keepTrailingBlanks(std::string& nameLine, const std::map<std::string, std::string>& current, int row,
                        std::vector<TableProblem>& notes) {
    const auto found = current.find(std::string(speciesCode(nameLine)));
    if (found == current.end()) return;
    const std::string& before = found->second;
    const std::string name(displayName(nameLine));
    if (before == name || before.rfind(name, 0) != 0 || before.find_first_not_of(' ', name.size()) != std::string::npos)
        return;
    nameLine += before.substr(name.size());
    notes.push_back({row, 2, 0,
                     "the display name \"" + cp1252ToUtf8(name) + "\" ended in blanks in the species file, which the " +
                         "table lost; they are kept"});
}

}  // namespace

TableImport importGenusTable(const TableGenus& genus, std::string_view table, std::string_view current) {
    TableImport result;
    const auto refuse = [&result](int row, int column, std::string what) {
        result.problem = TableProblem{row, column, 0, std::move(what)};
        result.speciesFile.clear();
        return result;
    };
    if (const std::size_t bad = firstNonUtf8(table); bad != std::string_view::npos) {
        const int row =
            1 + static_cast<int>(std::count(table.begin(), table.begin() + static_cast<std::ptrdiff_t>(bad), '\n'));
        return refuse(row, 0,
                      "the table is not UTF-8 text (it may have been saved as Windows-1252); save it again as "
                      "tab-separated text in UTF-8");
    }
    const std::vector<TableRow> rows = parseTable(table);
    const auto names = currentNames(genus, current);
    const TableRow header = headerRow(genus);
    if (rows.empty() || rows.front() != header) {
        return refuse(1, 0,
                      "the first row must be the header: code, name and the " + std::to_string(genus.characterCount) +
                          " character names of the key, as exported");
    }
    const std::size_t columns = header.size();
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const TableRow& row = rows[r];
        const int rowNumber = static_cast<int>(r + 1);
        if (emptyRow(row)) {
            if (tableEndsAt(rows, r)) break;
            result.notes.push_back({rowNumber, 0, 0, "the row is empty; it is skipped"});
            continue;
        }
        if (row.size() != columns) {
            return refuse(
                rowNumber, 0,
                "the row has " + std::to_string(row.size()) + " cells, the header " + std::to_string(columns));
        }
        std::string why;
        int column = 0;
        auto name = nameLine(row, why, column);
        if (!name) return refuse(rowNumber, column, why);
        keepTrailingBlanks(*name, names, rowNumber, result.notes);
        result.speciesFile += *name + kLineEnd;
        for (int k = 0; k < genus.characterCount; ++k) {
            const auto line =
                valueLine(genus.characters[static_cast<std::size_t>(k)], row[static_cast<std::size_t>(k + 2)], why);
            if (!line) return refuse(rowNumber, k + 3, why);
            result.speciesFile += *line + kLineEnd;
        }
        ++result.species;
    }
    if (result.species == 0) return refuse(2, 0, "the table holds no species");
    return result;
}

}  // namespace sporix::authoring

#include "ByteBuffer.h"
#include "Cp1252.h"
#include "GenusTable.h"
#include "GenusTableCells.h"
#include "SpeciesFile.h"
#include "TableText.h"

namespace sporix::authoring {

namespace {

// The cell of one value line: the state text of each code after the dots before it.
std::optional<std::string> valueCell(const CharacterRow& character, const std::string& value) {
    if (value == kNotKnownCell) return value;
    std::string cell;
    std::string dots;
    for (const char symbol : value) {
        if (symbol == '.') {
            dots.push_back('.');
            continue;
        }
        const auto text = stateTextOf(character, symbol);
        if (!text) return std::nullopt;
        cell += (cell.empty() ? "" : kCellSeparator) + dots + *text;
        dots.clear();
    }
    if (!dots.empty()) cell += (cell.empty() ? "" : kCellSeparator) + dots;
    return cell.empty() ? std::nullopt : std::optional<std::string>(cell);
}

std::vector<TableRow> characterRows(const TableGenus& genus) {
    std::vector<TableRow> rows = {characterHeaderRow()};
    for (int k = 0; k < genus.characterCount; ++k) {
        const CharacterRow& row = genus.characters[static_cast<std::size_t>(k)];
        for (const std::string& slot : row.slots) {
            if (!hasStateCode(slot)) continue;
            rows.push_back({std::to_string(k + 1), cp1252ToUtf8(row.name), cp1252ToUtf8(trimmedStateText(slot)),
                            cp1252ToUtf8(std::string(1, stateCode(slot)))});
        }
    }
    return rows;
}

}  // namespace

TableExport exportGenusTable(const TableGenus& genus, std::string_view speciesFile) {
    TableExport result;
    if (auto problem = characterProblem(genus)) {
        result.problem = problem;
        return result;
    }
    std::vector<TableRow> rows = {headerRow(genus)};
    ByteBuffer buffer(speciesFile);
    SpeciesReader reader(buffer, {genus.characterCount, 0});
    std::string line;
    int lineNumber = 1;
    do {
        reader.readLine(line);
        if (line.size() <= kSpeciesCodeWidth || line[kSpeciesCodeWidth] != '*' || !fitsCell(line)) {
            result.problem =
                TableProblem{0, 0, lineNumber, "the name line has no \"*\" after an 8-byte code, or holds a tab"};
            return result;
        }
        TableRow& row = rows.emplace_back(TableRow{cp1252ToUtf8(speciesCode(line)), cp1252ToUtf8(displayName(line))});
        for (int k = 0; k < genus.characterCount; ++k) {
            reader.readLine(line);
            const auto cell = valueCell(genus.characters[static_cast<std::size_t>(k)], line);
            if (!cell) {
                result.problem = TableProblem{0, 0, lineNumber + 1 + k,
                                              "the value line holds no code, or one the character does not have"};
                return result;
            }
            row.push_back(cp1252ToUtf8(*cell));
        }
        lineNumber += 1 + genus.characterCount;
    } while (!reader.atEnd());
    rows.emplace_back();
    for (auto& row : characterRows(genus)) rows.push_back(std::move(row));
    result.table = formatTable(rows);
    return result;
}

}  // namespace sporix::authoring

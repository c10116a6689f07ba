#include "GenusTableCells.h"

#include <algorithm>
#include <set>

#include "Cp1252.h"
#include "ShortText.h"

namespace sporix::authoring {

std::string trimmedStateText(const std::string& slot) { return withoutTrailingBlanks(stateText(slot)); }

std::optional<std::string> stateTextOf(const CharacterRow& character, char code) {
    for (const std::string& slot : character.slots) {
        if (hasStateCode(slot) && stateCode(slot) == code) return trimmedStateText(slot);
    }
    return std::nullopt;
}

bool fitsCell(const std::string& text) {
    const bool control =
        std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
    return !control && (text.empty() || text.front() != '"');
}

std::optional<TableProblem> characterProblem(const TableGenus& genus) {
    for (int k = 0; k < genus.characterCount; ++k) {
        const CharacterRow& row = genus.characters[static_cast<std::size_t>(k)];
        const std::string where = "character " + std::to_string(k + 1) + " " + cp1252ToUtf8(row.name) + ": ";
        if (!fitsCell(row.name)) return TableProblem{0, k + 3, 0, where + "the name cannot stand in a table cell"};
        std::set<std::string> texts;
        for (const std::string& slot : row.slots) {
            if (!hasStateCode(slot)) continue;
            const std::string text = trimmedStateText(slot);
            const bool readsBack = !text.empty() && text != kNotKnownCell && text.front() != '.' &&
                                   text.front() != ' ' && text.find('|') == std::string::npos && fitsCell(text);
            if (!readsBack || !texts.insert(text).second) {
                return TableProblem{0, k + 3, 0,
                                    where + "the state text \"" + cp1252ToUtf8(text) +
                                        "\" is empty, used twice, or cannot be told apart in a cell"};
            }
        }
    }
    return std::nullopt;
}

TableRow headerRow(const TableGenus& genus) {
    TableRow header = {"code", "name"};
    for (int k = 0; k < genus.characterCount; ++k) {
        header.push_back(cp1252ToUtf8(genus.characters[static_cast<std::size_t>(k)].name));
    }
    return header;
}

TableRow characterHeaderRow() { return {"number", "character", "state", "code"}; }

}  // namespace sporix::authoring

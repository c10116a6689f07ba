#pragma once

#include <optional>
#include <string>

#include "GenusTable.h"
#include "TableText.h"

// What the table export and import share: how a cell is written and what may be in it.
namespace sporix::authoring {

inline constexpr const char* kNotKnownCell = "?";
inline constexpr const char* kCellSeparator = " | ";

// A state's text without the blanks that pad it to 25 bytes.
std::string trimmedStateText(const std::string& slot);
// The text of the state whose code is `code`, if the character has one.
std::optional<std::string> stateTextOf(const CharacterRow& character, char code);
// True when `text` can stand in a cell as it is and in a line of the key: no control
// byte (a tab, a line end, byte 26 that ends a key file), no opening quote.
bool fitsCell(const std::string& text);
// A character whose names or state texts a cell could not carry back unchanged: a text
// that a cell cannot hold, or that the reading of a cell would take differently (an
// empty text, "?", a leading "." or blank, a "|", two states of the same text).
std::optional<TableProblem> characterProblem(const TableGenus& genus);
// "code", "name", then the character names (UTF-8).
TableRow headerRow(const TableGenus& genus);
// The header of the characters' table that follows the species' after an empty row.
TableRow characterHeaderRow();

}  // namespace sporix::authoring

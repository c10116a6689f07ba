#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CharacterFile.h"

namespace sporix::authoring {

// A genus as the table export and import see it: its characters in one language and
// the bytes of its species file.
struct TableGenus {
    const CharacterTable& characters;
    int characterCount = 0;
};

// Where a table or a species file stops the conversion: a row and a column of the table
// (1-based; 0 when it concerns no one cell), or a line of the species file.
struct TableProblem {
    int row = 0;
    int column = 0;
    int line = 0;
    std::string what;  // UTF-8
};

// The genus as a tab-separated UTF-8 table: a header row of character names, one row per
// species (code, display name, then per character the state texts of its codes joined by
// " | ", each after the dots that precede its code, "?" for a state not known), an empty
// row, then the characters, their states and codes. Refused when the species file holds
// what the table cannot carry back to the same bytes.
struct TableExport {
    std::string table;
    std::optional<TableProblem> problem;
};
TableExport exportGenusTable(const TableGenus& genus, std::string_view speciesFile);

// The species file (Windows-1252, CR LF) that a table exported as above, perhaps edited,
// stands for. Refused at the first cell that the characters do not allow, at a state named
// twice in a cell, and at a table that is not UTF-8. A row whose cells were all cleared is
// skipped with a note; the species table ends at the end or at the characters' table.
// `current` is the species file as it is: a display name that a spreadsheet gave back
// without its trailing blanks keeps them, with a note.
struct TableImport {
    std::string speciesFile;
    int species = 0;
    std::optional<TableProblem> problem;
    std::vector<TableProblem> notes;  // what was written otherwise than the table has it
};
TableImport importGenusTable(const TableGenus& genus, std::string_view table, std::string_view current = {});

}  // namespace sporix::authoring

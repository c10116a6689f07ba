#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sporix::authoring {

// A tab-separated table as a spreadsheet saves it: rows end at LF or CR LF, a cell that
// starts with a double quote runs to the closing quote (a doubled quote inside stands
// for one, and tabs and line ends inside belong to the cell), and a byte order mark at
// the start is dropped. Cells are kept as their bytes.
using TableRow = std::vector<std::string>;
std::vector<TableRow> parseTable(std::string_view text);

// The rows written back: cells joined by tabs, each row ended by LF. Cells are written
// as they are: the caller keeps tabs and line ends out of them.
std::string formatTable(const std::vector<TableRow>& rows);

}  // namespace sporix::authoring

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Finding.h"
#include "WorkFolder.h"

namespace sporix::authoring {

// The lines of a key text file as the program's line reader splits them, uncut: line k
// of the result is line k + 1 of every finding.
std::vector<std::string> keyLines(std::string_view bytes);

// A lone LF does not end a line where lines end at CR: the program reads the two lines
// around it as one. One finding per line that holds one.
void checkLineEnds(const std::vector<std::string>& lines, const std::string& file, Findings& findings);

// The name of a key file in findings: its spelling on disk where it exists (with "/"
// between folders), else the name the program looks for.
std::string shownName(const WorkFolder& folder, std::string_view name);

// The bytes of a file the program looks for; an error finding (and nullopt) when it is
// missing or cannot be read. A missing file is told with `missing` as its severity.
struct Lookup {
    Severity missing = Severity::Error;
    std::string what;    // "the species file"
    std::string advice;  // what to do when it is missing
};
std::optional<std::string> readKeyFile(const WorkFolder& folder, std::string_view name, const Lookup& lookup,
                                       Findings& findings);

// True when a state or species code is an upper-case letter or a digit.
bool isKeyCode(char code);

}  // namespace sporix::authoring

#pragma once

#include <string>
#include <vector>

#include "CharacterFilesCheck.h"
#include "Finding.h"

namespace sporix::authoring {

// The records of a species file as the program reads them, with the line of each.
struct SpeciesRecords {
    std::string file;
    std::vector<std::string> nameLines;
    std::vector<std::vector<std::string>> values;  // per record, one line per character in use
    std::vector<int> lines;                        // the name line of each record

    std::size_t size() const { return nameLines.size(); }
    std::string code(std::size_t record) const;
};

// Reads the records that the program reads (at most 350) and checks each on its own:
// the name line, and every value line against the codes of its character.
SpeciesRecords checkSpeciesFile(const WorkFolder& folder, const std::string& name, const GenusCharacters& characters,
                                Findings& findings);

}  // namespace sporix::authoring

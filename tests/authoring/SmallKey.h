#pragma once

#include <string>
#include <vector>

#include "TempFolder.h"

namespace sporix::test {

// A whole key of one genus, TESTGEN, that "sporix-key check" finds no error in: six
// languages, four species (records at lines 1, 5, 9, 13 of TESTGEN.SPE) on the sample
// characters, their descriptions, drawings and slides.
class SmallKey {
public:
    SmallKey();

    TempFolder folder;
    std::string path() const { return folder.path().string(); }
};

// The interface and help texts of all six languages and NoFigs.Jpg: what a key needs
// beside its genera.
void writeLanguageFiles(const TempFolder& folder);

// The species file of the small key with one value line replaced: record (0-based) and
// character (0-based).
std::string smallSpeciesFile(int record = -1, int character = 0, const std::string& value = {});

// Runs sporix-key with `words`; the exit status and what it printed.
struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};
ToolRun runTool(const std::vector<std::string>& words);

}  // namespace sporix::test

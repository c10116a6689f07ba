#pragma once

#include <string>
#include <vector>

#include "FolderSnapshot.h"
#include "KeyFixture.h"

namespace sporix::test {

using Messages = std::vector<std::string>;

// A working folder with the three-species sample genus, and what a hostile-file case
// needs around it: a snapshot of the folder to show that nothing on disk changed.
class HostileFixture : public KeyFixture {
protected:
    // TESTGEN ("Tst", "Testgenus") with sampleCharacters() and the species
    // alpha (red, white, mild), beta (green, cream, acrid), gamma (red, cream, mild).
    void writeSample();

    FolderSnapshot snapshot() const { return snapshotOf(folder.path()); }
    // Index of `text` in the species list, -1 when it is not listed.
    int lineOf(const std::string& text) const;
};

// `count` records "S0000001*species 1" ... with the values red, white, mild, built in one
// allocation: big species files are made in memory, not line by line on disk.
std::string manySpecies(int count);

}  // namespace sporix::test

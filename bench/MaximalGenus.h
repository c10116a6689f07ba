#pragma once

#include <string>
#include <vector>

#include "KeyFixture.h"

namespace sporix::bench {

// The largest genus the tables hold: 350 species, 42 characters of 20 states, value lines
// of one to three codes, some after ".", as a rich real key has them.
std::string maximalSpeciesFile();
std::vector<test::CharacterSpec> maximalCharacters();

// A working folder with that genus, English texts and settings of the first kind.
void writeMaximalKey(const test::TempFolder& folder);

}  // namespace sporix::bench

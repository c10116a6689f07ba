#pragma once

#include "CharacterFilesCheck.h"
#include "Finding.h"
#include "SpeciesFileCheck.h"

namespace sporix::authoring {

// What the key can tell apart: species with the same values everywhere, pairs that only
// one character separates, characters that separate nothing or whose one state nearly
// every species shows, and states that no species shows.
void checkSeparation(const SpeciesRecords& records, const GenusCharacters& characters, Findings& findings);

// A state that this share of the species or more shows is suspect (filled in by default).
inline constexpr double kCommonStateShare = 0.9;

}  // namespace sporix::authoring

#pragma once

#include "CharacterFilesCheck.h"
#include "Finding.h"
#include "PictureProbe.h"
#include "SpeciesFileCheck.h"

namespace sporix::authoring {

// What a user can open from the genus: each species' descriptions, drawing and slide,
// and the pictures of the characters. Returns how many species have no drawing, for
// which the program shows NoFigs.Jpg.
int checkGenusFolder(const WorkFolder& folder, const GenusEntry& genus, const SpeciesRecords& records,
                     const GenusCharacters& characters, const PictureProbe& probe, Findings& findings);

// A picture that a user can reach, and its version in each language where the key has
// one: each must decode.
void checkPicture(const WorkFolder& folder, const std::string& name, const PictureProbe& probe, Findings& findings);

}  // namespace sporix::authoring

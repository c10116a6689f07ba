#pragma once

#include "Finding.h"
#include "GenusList.h"
#include "SpeciesFileCheck.h"
#include "WorkFolder.h"

namespace sporix::authoring {

// The genus's optional marks of danger, "<FOLDER>.TOX": what its reader refuses, marks
// for codes that name no species of the genus, marks on a code that two records share, and
// confusions that name no species or belong to a species that is not dangerous.
void checkToxicityFile(const WorkFolder& folder, const GenusEntry& genus, const SpeciesRecords& records,
                       Findings& findings);

}  // namespace sporix::authoring

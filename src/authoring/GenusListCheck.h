#pragma once

#include <vector>

#include "Finding.h"
#include "GenusList.h"
#include "WorkFolder.h"

namespace sporix::authoring {

inline constexpr const char* kGenusListName = "genuslst.txt";

// A genus of the list, as the program reads it, with the line its entry starts at.
struct ListedGenus {
    GenusEntry entry;
    int line = 0;
};

// Checks the genus list and returns the genera that can be checked further: those whose
// folder name names a place inside the working folder.
std::vector<ListedGenus> checkGenusList(const WorkFolder& folder, Findings& findings);

}  // namespace sporix::authoring

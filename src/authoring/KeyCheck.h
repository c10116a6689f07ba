#pragma once

#include <string>
#include <vector>

#include "Finding.h"
#include "PictureProbe.h"
#include "WorkFolder.h"

namespace sporix::authoring {

struct GenusSummary {
    std::string folder;
    std::string displayName;  // UTF-8
    int species = 0;
    int characters = 0;
    int languages = 0;
    int errors = 0;
    int warnings = 0;
};

struct CheckReport {
    Findings findings;
    std::vector<GenusSummary> genera;
};

// Reads the whole key in `folder` as the program reads it and reports what the program
// would not find, cut, refuse or read differently, and what the key cannot tell apart.
CheckReport checkKey(const WorkFolder& folder, const PictureProbe& probe);

}  // namespace sporix::authoring

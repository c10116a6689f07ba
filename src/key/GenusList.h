#pragma once

#include <array>
#include <streambuf>
#include <string>

#include "Limits.h"

namespace sporix {

// One genus of the genus list; an empty folder name means no genus.
struct GenusEntry {
    std::string code;         // at most 3 bytes
    std::string folder;       // at most 16 bytes
    std::string displayName;  // at most 16 bytes
};

using GenusList = std::array<GenusEntry, kMaxGenera>;

// Reads three lines per entry into entries 1, 2, ... and returns how many were read. The
// end of the file is tested only after a whole entry, so even an empty file yields one
// (empty) entry; at most 30 entries are read. Entries after those read keep what they held.
int readGenusList(std::streambuf& in, GenusList& list);

}  // namespace sporix

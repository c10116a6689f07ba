#pragma once

#include <string>

#include "DeltaConversion.h"
#include "WorkFolder.h"

namespace sporix::authoring::delta {

// Adds a converted genus to the key in `key`: its character and species files, its
// folder with the descriptions and NOTES.TXT (the character notes, which the program
// does not read), and last its entry at the end of the genus list, so that a failure
// on the way never lists a genus whose files are not all there. Refused, with nothing
// written, when the genus list already names the folder or its files exist.
// Why installGenus would refuse the genus, asked before anything else is written.
bool installRefused(const WorkFolder& key, const Conversion& conversion, std::string& why);

bool installGenus(const WorkFolder& key, const Conversion& conversion, std::string& why);

}  // namespace sporix::authoring::delta

#pragma once

#include <string>

namespace sporix {

// The message about the program in the interface language (English outside 1..6),
// Windows-1252 bytes.
std::string aboutText(int languageIndex);

}  // namespace sporix

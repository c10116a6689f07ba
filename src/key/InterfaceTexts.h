#pragma once

#include <array>
#include <streambuf>
#include <string>

#include "Limits.h"

namespace sporix {

// The 40 one-line interface texts of a language, numbered 0..39.
using InterfaceTexts = std::array<std::string, kInterfaceTexts>;

// Line k holds text k - 1; each line is taken whole; texts after the end are empty.
InterfaceTexts readInterfaceTexts(std::streambuf& in);

}  // namespace sporix

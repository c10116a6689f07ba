#pragma once

#include <array>
#include <streambuf>
#include <string>
#include <vector>

#include "Limits.h"

namespace sporix {

// The 40 one-line interface texts of a language, numbered 0..39.
using InterfaceTexts = std::array<std::string, kInterfaceTexts>;

// Line k holds text k - 1; each line is taken whole; texts after the end are empty.
InterfaceTexts readInterfaceTexts(std::streambuf& in);

// The same for a file of `count` texts; `lines` tells how many lines the file holds, at
// most `count`, so that a caller can supply its own text for the missing ones.
struct NumberedTexts {
    std::vector<std::string> texts;
    std::size_t lines = 0;
};
NumberedTexts readNumberedTexts(std::streambuf& in, std::size_t count);

}  // namespace sporix

#pragma once

#include <streambuf>
#include <string>
#include <vector>

namespace sporix {

// Splits a text for a text box the way it is shown: lines end at CR LF, a lone LF or a lone
// CR; a line end after the last line adds no empty line; byte 26 ends the file.
std::vector<std::string> readDisplayLines(std::streambuf& in);

}  // namespace sporix

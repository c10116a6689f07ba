#pragma once

#include <cstdint>
#include <streambuf>
#include <string>

namespace sporix {

inline constexpr const char* kSettingsFileName = "SpxInit.txt";

// The two values of "SpxInit.txt": line 1 the language, line 2 the kind of searching.
struct SettingsRead {
    int valuesRead = 0;            // values taken before the end or before a bad word
    std::uint16_t values[2] = {0, 0};
    bool invalidNumber = false;    // a word that is not an integer stopped the reading
};

// For each value: blanks, tabs and line ends are skipped, the first word (at most 32
// bytes) is read as a decimal integer, and the rest of its line is skipped. A value
// after the end of the file reads as 0. Only the low 16 bits are kept.
SettingsRead readSettings(std::streambuf& in);

// The exact bytes of the settings file: each value in decimal followed by CR LF.
std::string formatSettings(std::uint16_t languageIndex, std::uint16_t searchKind);

}  // namespace sporix

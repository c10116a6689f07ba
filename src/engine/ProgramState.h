#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "AccessibleTexts.h"
#include "Advice.h"
#include "AdviceTexts.h"
#include "CharacterFile.h"
#include "GenusList.h"
#include "InterfaceTexts.h"
#include "Limits.h"
#include "SearchState.h"
#include "SpeciesFile.h"
#include "Views.h"

namespace sporix {

// The two persistent settings.
struct Settings {
    std::uint16_t languageIndex = 0;  // 1..6 once read
    std::uint16_t searchKind = 0;     // 1 all species, 2 rest species; 0 until chosen
};

// The loaded genus: the names derived from it and its characters.
struct LoadedGenus {
    std::string folderPrefix;       // folder name + "\"
    std::string characterFileName;  // at most 12 bytes
    std::string speciesFileName;    // at most 12 bytes
    std::array<std::string, kMaxCharacters> illustrationNames;
    CharacterTable characters;
    int characterCount = 0;
    int unusedCharacters = 0;  // beyond the 42 of the table: their value lines are passed over
    int speciesCount = 0;
    bool speciesOverLimitTold = false;  // once per load

    RecordShape recordShape() const { return {characterCount, unusedCharacters}; }
};

// One row of the result of the search over all species.
struct ResultRow {
    std::string speciesCode;   // first 8 bytes of the name line
    std::string displayName;   // at most 45 bytes
    std::string percentText;   // "05", "85", "100"
};

struct SearchResults {
    std::array<ResultRow, kResultRows> rows;
    std::string listPrefix;  // first letter of the folder name and "."
};

// The species whose description is open, and its file names.
struct DescriptionState {
    std::string selectedLine;
    std::string selectedName;
    std::string speciesCode;
    std::string descriptionFileName;
    std::string drawingFileName;
    std::string slideFileName;
};

// The whole program-wide state, owned by one object for the run of the program.
struct ProgramState {
    Settings settings;
    std::string interfaceTextFileName;
    InterfaceTexts texts;
    AccessibleTexts accessibleTexts = englishAccessibleTexts();
    AdviceTexts adviceTexts = englishAdviceTexts();
    GenusList genusList;
    GenusEntry currentGenus;
    LoadedGenus genus;
    SearchState search;
    SearchResults results;
    DescriptionState description;
    Advice advice;  // after the last action that can change it
    WindowViews views;

    const std::string& text(int number) const { return texts.at(static_cast<std::size_t>(number)); }
};

}  // namespace sporix

#pragma once

#include <array>
#include <string>

#include "Languages.h"

namespace sporix {

// What a screen reader says for the controls that show no words of their own, in the
// interface language. The texts come from "Access<letters>.Txt" beside the interface texts,
// one per line; a key without that file, or a line it lacks, gives the English text.
enum AccessibleText {
    kPictureButton,  // "%1" is the character's name
    kUnusedRow,      // "%1" is the row number
    kSpeciesList,
    kPercentList,
    kTickList,
    kDescriptionText,
    kTickBox,           // "%1" is the species beside the tick box
    kSpeciesAgreement,  // "%1" is the species, "%2" its percentage
    kGreyedCharacter,   // said of a character that no longer tells the species apart
    kAccessibleTextCount
};

using AccessibleTexts = std::array<std::string, kAccessibleTextCount>;

AccessibleTexts englishAccessibleTexts();

}  // namespace sporix

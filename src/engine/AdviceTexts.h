#pragma once

#include <array>
#include <string>

#include "Languages.h"

namespace sporix {

// The captions and sentences of the advisor in the interface language. They come from
// "Advice<letters>.Txt" beside the interface texts, one per line; a key without that file,
// or a line it lacks, gives the English text. "%1", "%2", "%3" stand for what each names.
enum AdviceText {
    kAdvisorCaption,  // the menu item and the window
    kAdvisorWarning,  // what the menu item tells while a dangerous look-alike is close
    kNoGenus,
    kUnreadableSpecies,
    kEmptyGenus,
    kOneSpecies,
    kNothingToAdvise,
    kLookAlikeHeading,
    kDeadlyWord,
    kPoisonousWord,
    kCautionWord,
    kSpeciesWithMark,  // %1 species, %2 its mark
    kLookAlikeEntry,   // %1 species with its mark, %2 why it is close
    kStillRestSpecies,
    kNearlyFits,
    kPointsBehind,  // %1 points
    kAgreesWithAll,
    kDiffersIn,  // %1 character, %2 the chosen state, %3 the states the key gives
    kNotRecorded,
    kOrWord,  // between two states, blanks included
    kBestHeading,
    kExpectedLeft,   // %1 character, %2 species left on average
    kStateKeeps,     // %1 state, %2 species it keeps
    kListSeparator,  // between the states of one character, blanks included
    kDecimalSeparator,
    kNearMissHeading,
    kFirstPlaceHeading,
    kLeadsBy,     // %1 the first, %2 the second, %3 points
    kNotDecided,  // %1 points
    kRestsOn,     // %1 character, %2 state
    kRestsOnNoSingleChoice,
    // Added later: a file of the 31 lines above gives these in English.
    kIsMarked,       // %1 species, %2 its mark: a deadly or poisonous species that fits
    kAnswerWarning,  // what the menu item tells while such a species fits
    kNotExcluded,    // why close: removed only where the key records nothing
    kNotExcludedHeading,
    kDoesNotRecord,  // %1 species with its mark, %2 the characters
    kTakenFor,       // %1 species with its mark
    kToldApartBy,    // %1 character, %2 species, %3 its states, %4 the other, %5 its states
    kSharedFirstPlace,  // %1 species
    kOnlyOneListed,     // %1 species with its mark
    kAgreesLessTypically,
    kQuotedState,  // %1 state: one of several the key gives
    kAdviceTextCount
};

using AdviceTexts = std::array<std::string, kAdviceTextCount>;

AdviceTexts englishAdviceTexts();

}  // namespace sporix

#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ToxicityFile.h"

// The advice beside the two kinds of searching: which character to look at next, which
// species a choice or two removed, how firm the first place is, and which dangerous
// species is close. It is computed from the search state and never changes it.
namespace sporix {

enum class AdviceStatus { NoGenus, SpeciesFileUnreadable, EmptyGenus, OneSpecies, Ready };

inline constexpr int kBestCharacterCount = 5;
inline constexpr int kMaxNearMisses = 10;
inline constexpr int kMaxLookAlikes = 5;     // the most dangerous and closest; near misses show their marks too
inline constexpr int kMaxDisagreements = 2;  // a near miss disagrees with one or two choices
inline constexpr int kCandidateWindow = 15;  // first kind: listed species this close to the first
inline constexpr int kUndecidedWithin = 10;  // first kind: the first two this close are not decided
inline constexpr int kLookAlikeWindow = 20;  // first kind: listed species this close count as look-alikes

// A species the advice names: what it shows of it and what a click opens.
struct AdvisedSpecies {
    std::string code;  // the first 8 bytes of the name line
    std::string name;  // the display name
    Toxicity mark = Toxicity::Unmarked;
};

// A chosen state that a species does not show.
struct Disagreement {
    int row = 0;
    std::string character;
    std::string chosenState;         // its text without the padding blanks
    std::vector<std::string> given;  // the states the key gives the species; none: not recorded
};

struct StateKeeps {
    std::string state;
    int keeps = 0;  // candidates that show it
};

struct BestCharacter {
    int row = 0;
    std::string character;
    double expectedLeft = 0;
    std::vector<StateKeeps> states;  // those that keep a candidate, in the character's order
    int notRecorded = 0;             // candidates the key gives no state of the character
};

struct NearMiss {
    AdvisedSpecies species;
    std::vector<Disagreement> disagreements;
};

struct ChosenState {
    int row = 0;
    std::string character;
    std::string state;
};

struct FirstPlace {
    AdvisedSpecies first;
    AdvisedSpecies second;
    int firstPercent = 0;
    int secondPercent = 0;
    bool decided = true;
    std::vector<ChosenState> restsOn;  // without any one of these another species comes first
};

enum class LookAlikeReason { RestSpecies, NearMiss, CloseBehind };

struct LookAlike {
    AdvisedSpecies species;
    LookAlikeReason reason = LookAlikeReason::RestSpecies;
    int pointsBehind = 0;                   // CloseBehind: behind the first
    std::vector<Disagreement> differences;  // the chosen states it does not show
};

struct Advice {
    AdviceStatus status = AdviceStatus::NoGenus;
    std::vector<LookAlike> lookAlikes;
    std::vector<BestCharacter> bestCharacters;
    std::vector<NearMiss> nearMisses;      // second kind
    std::optional<FirstPlace> firstPlace;  // first kind, once a species is listed
};

struct AdviceInput;
Advice computeAdvice(const AdviceInput& input);

}  // namespace sporix

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
inline constexpr int kMaxToldApartBy = 4;    // characters named that tell a confused pair apart

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
    AdvisedSpecies second;  // none when the first is the only species listed
    int firstPercent = 0;
    int secondPercent = 0;
    int listed = 0;    // species the list shows
    int sharedBy = 1;  // listed species with the first's percentage
    bool decided = true;
    std::vector<ChosenState> restsOn;  // without any one of these another species comes first
};

// A character whose states, as the key gives them, tell two species apart: no state in common.
struct Distinction {
    int row = 0;
    std::string character;
    std::vector<std::string> dangerous;  // the states of the dangerous species
    std::vector<std::string> other;      // those of the species it is taken for
};

// A species that the marks file says the dangerous one is taken for, and which is now first
// or a rest species.
struct Confusion {
    AdvisedSpecies with;
    std::vector<Distinction> toldApartBy;  // characters without a choice, in row order
};

enum class LookAlikeReason {
    Answer,       // first kind: first; second kind: the only rest species
    RestSpecies,  // second kind: one of several rest species
    NearMiss,
    NotExcluded,  // second kind: removed only where the key records nothing
    CloseBehind,
    TakenFor  // only as a documented confusion
};

struct LookAlike {
    AdvisedSpecies species;
    LookAlikeReason reason = LookAlikeReason::RestSpecies;
    int pointsBehind = 0;                   // CloseBehind: behind the first
    std::vector<Disagreement> differences;  // the chosen states it does not show
    std::vector<Confusion> takenFor;
};

struct Advice {
    AdviceStatus status = AdviceStatus::NoGenus;
    // The deadly and poisonous species that fit: the first in the first kind (all that share
    // its place), the rest species in the second. They lead the advice.
    std::vector<LookAlike> dangerousAnswers;
    std::vector<LookAlike> lookAlikes;
    std::vector<BestCharacter> bestCharacters;
    std::vector<NearMiss> notExcluded;     // second kind: removed only by a "?"
    std::vector<NearMiss> nearMisses;      // second kind
    std::optional<FirstPlace> firstPlace;  // first kind, once a species is listed

    bool warns() const { return !dangerousAnswers.empty() || !lookAlikes.empty(); }
};

struct AdviceInput;
Advice computeAdvice(const AdviceInput& input);

}  // namespace sporix

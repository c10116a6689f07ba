#pragma once

#include <string>

#include "CharacterFile.h"

namespace sporix {

// The rules by which the search over all species scores a record, shared by the search and
// by the advice that weighs the same scores.

// A chosen code that is a letter or a digit counts as a chosen character.
bool countsAsChosen(char code);
// The search compares a chosen code in upper case: a letter a-z as its capital.
char upperCase(char code);
// The percentage of a record: its sum of weights divided by the number of chosen
// characters, held to 0..999 (its text has three digits). With no character counted the
// sum stays undivided.
int percentOf(long long sum, int chosenCount);

// The code of the state of `character` whose state text equals `chosenText`, or a space
// when none does. Only an entry with all 26 bytes has a code; the first match counts.
char chosenCode(const CharacterRow& character, const std::string& chosenText);

// A record's place in the ranking: higher percentage first; for equal ones the record
// that stands later in the file.
struct RankedRecord {
    int record;  // 1-based
    int percent;
};
inline bool ranksBefore(const RankedRecord& a, const RankedRecord& b) {
    return a.percent != b.percent ? a.percent > b.percent : a.record > b.record;
}

}  // namespace sporix

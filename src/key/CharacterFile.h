#pragma once

#include <array>
#include <streambuf>
#include <string>
#include <vector>

#include "Limits.h"

namespace sporix {

// One character: its name and its state entries in file order, closed by an entry ".".
// In a state entry bytes 1..25 are the state text and byte 26 the state code.
struct CharacterRow {
    std::string name;
    std::array<std::string, kStateSlots> slots;
};

using CharacterTable = std::array<CharacterRow, kMaxCharacters>;

// A state entry has a state code only when it holds all 26 bytes.
inline bool hasStateCode(const std::string& slot) { return slot.size() == kSlotWidth; }
inline std::string_view stateText(const std::string& slot) {
    return std::string_view(slot).substr(0, kStateTextWidth);
}
inline char stateCode(const std::string& slot) { return slot[kSlotWidth - 1]; }

// What a file beyond the table's limits lost while it was read.
struct CharacterFileCuts {
    std::vector<int> statesCut;          // characters that had more than 20 states
    bool charactersCut = false;          // blocks after the 42nd were not read
    int unfinishedCharacter = 0;         // the block that the end of the file cut short
    bool unfinishedKept = false;         // it had a name or states, so it was kept
    bool any() const { return !statesCut.empty() || charactersCut || unfinishedCharacter != 0; }
};

struct CharacterFileRead {
    int characterCount = 0;
    // Blocks after the 42nd: the species file still holds a value line for each of them.
    int unusedCharacters = 0;
    CharacterFileCuts cuts;
    // The line each block of the table starts at (its name line), for the key authors'
    // check: a finding names the line a key author has to change.
    std::vector<int> startLines;
};

// Reads character blocks into rows 1, 2, ... of `table` (which the caller has emptied):
// a name line, state lines, and the line "." that closes the block. Lines are cut to 26
// bytes. What does not fit the table is dropped and told in `cuts`: states after the
// 20th, blocks after the 42nd (which are still read, to be counted). A block that the end
// of the file cuts short is kept, with a closing "." added, when it has a name or a
// state; a block of empty lines only (such as a blank line after the last ".") is dropped.
CharacterFileRead readCharacterFile(std::streambuf& in, CharacterTable& table);

}  // namespace sporix

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Advice.h"
#include "WorkFolder.h"

namespace sporix {

struct ProgramState;

struct AdviceCharacter {
    std::string name;
    struct State {
        std::string text;  // without the padding blanks
        char code;
    };
    std::vector<State> states;

    // The text of the state with `code`; empty when the character has none.
    std::string stateText(char code) const;
    bool hasState(char code) const;
    // Whether a value line records any state of the character ("." and "?" record none).
    bool records(std::string_view value) const;
};

struct AdviceRecord {
    int record = 0;  // 1-based, in file order
    AdvisedSpecies species;
    std::size_t firstValue = 0;  // its value lines in AdviceInput, one per character in use
    bool rest = false;           // second kind: still a rest species
};

// What the advice is computed from: the loaded genus's characters, the species file read
// once, the marks file, and the user's choices as the drop-down lists show them.
struct AdviceInput {
    AdviceStatus status = AdviceStatus::Ready;  // anything else: nothing more to read
    int kind = 1;
    std::vector<AdviceCharacter> characters;
    std::string searchKey;  // one code per character, a space where none is chosen
    std::vector<AdviceRecord> records;
    std::vector<ToxicityConfusion> confusions;  // from the marks file
    // The value lines of all records one after the other, and where each begins (with the
    // end of the last one at the end): one buffer rather than a string per line.
    std::string valueText;
    std::vector<std::size_t> valueStarts;

    std::string_view value(const AdviceRecord& record, std::size_t character) const {
        const std::size_t line = record.firstValue + character;
        return std::string_view(valueText).substr(valueStarts[line], valueStarts[line + 1] - valueStarts[line]);
    }
    // The symbol that stands for `code` in a value line, as this kind of searching compares.
    char comparedCode(char code) const;
    // Whether `value` shows the state with `code`.
    bool shows(std::string_view value, char code) const {
        return value.find(comparedCode(code)) != std::string_view::npos;
    }
};

// Reads the species file (one pass) and the genus's marks file "<FOLDER>.TOX", which may be
// missing or faulty: what its reader refuses marks nothing.
AdviceInput readAdviceInput(const ProgramState& state, const WorkFolder& folder);

}  // namespace sporix

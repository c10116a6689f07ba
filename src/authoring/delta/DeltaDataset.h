#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A DELTA dataset as far as a multi-access key uses it: the characters with their types,
// states and notes, the items with their attributes, implicit values and dependencies.
// Texts are the files' own bytes (Windows-1252 as DELTA files are written).
namespace sporix::authoring::delta {

enum class CharacterType { UnorderedMultistate, OrderedMultistate, IntegerNumeric, RealNumeric, Text };

struct Character {
    int number = 0;
    std::string feature;              // as written, comments included
    std::vector<std::string> states;  // state 1 first, as written
    std::string units;                // of a numeric character
    CharacterType type = CharacterType::UnorderedMultistate;
    int stateCount = 0;  // from NUMBERS OF STATES, else the states listed
    std::string note;
    int implicitState = 0;  // 0: none
    bool multistate() const {
        return type == CharacterType::UnorderedMultistate || type == CharacterType::OrderedMultistate;
    }
};

// One state of an attribute's value, with the comment that qualifies it.
struct StateValue {
    int state = 0;
    std::string comment;
};

struct Attribute {
    int character = 0;
    std::string value;               // as written after the ",", comments included
    std::string comment;             // the comments right after the character number
    bool variable = false;           // "V"
    bool unknown = false;            // "U"
    bool inapplicable = false;       // "-"
    bool allTogether = false;        // states joined by "&" rather than "/"
    std::vector<StateValue> states;  // multistate characters: the states named, ranges taken apart
};

struct Item {
    std::string name;  // as written, comments included
    std::vector<Attribute> attributes;
    std::string file;
    int line = 0;
    std::vector<int> byCharacter;  // an attribute's index by character number, -1 for none; made once read
    const Attribute* attribute(int character) const;
};

// A state of `controlling` makes the `dependents` inapplicable.
struct Dependency {
    int controlling = 0;
    std::vector<int> states;
    std::vector<int> dependents;
};

struct Problem {
    std::string file;
    int line = 0;
    std::string what;
    int item = 0;  // the item (1-based) whose value is in doubt; 0 for the dataset as a whole
};

struct Dataset {
    std::vector<Character> characters;  // by number - 1
    std::vector<Item> items;
    std::vector<Dependency> dependencies;
    std::vector<Problem> problems;
    const Character* character(int number) const;
};

struct DatasetFile {
    std::string name;
    std::string bytes;
};

// Reads the directives that define the data from the files, in any order and split over
// files in any way; every other directive is passed over. What cannot be read is a
// problem with its file and line; the rest is still read.
Dataset readDataset(const std::vector<DatasetFile>& files);

// At most this many characters and items are read: a dataset beyond them is refused.
inline constexpr int kMaxDeltaCharacters = 1000;
inline constexpr int kMaxDeltaItems = 10000;
inline constexpr int kMaxDeltaStates = 100;

}  // namespace sporix::authoring::delta

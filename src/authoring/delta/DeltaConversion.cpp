#include "DeltaConversion.h"

#include <algorithm>
#include <set>

#include "Cp1252.h"
#include "DeltaDescription.h"
#include "DeltaText.h"
#include "Limits.h"
#include "ShortText.h"

namespace sporix::authoring::delta {

namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr const char* kNotKnown = "?";
constexpr const char* kCodes = "ABCDEFGHIJKLMNOPQRST";

const char* typeName(CharacterType type) {
    switch (type) {
        case CharacterType::IntegerNumeric:
            return "integer numeric";
        case CharacterType::RealNumeric:
            return "real numeric";
        case CharacterType::Text:
            return "text";
        default:
            return "multistate";
    }
}

// The characters that become rows, in order; the others are told in `skipped`.
std::vector<const Character*> chooseRows(const Dataset& dataset, const ConversionOptions& options,
                                         std::vector<LeftOut>& skipped) {
    std::vector<int> wanted = options.characters;
    if (wanted.empty()) {
        for (const Character& c : dataset.characters) {
            if (c.number != 0) wanted.push_back(c.number);
        }
    }
    std::vector<const Character*> rows;
    for (const int number : wanted) {
        const Character* c = dataset.character(number);
        const auto skip = [&](std::string why) {
            skipped.push_back({number, c ? featureName(*c) : "", std::move(why)});
        };
        if (c == nullptr) {
            skip("not in the character list");
        } else if (!c->multistate()) {
            skip(std::string(typeName(c->type)) + ", not multistate (it goes into the descriptions)");
        } else if (c->stateCount < 1 || c->stateCount > kMaxStates ||
                   static_cast<int>(c->states.size()) != c->stateCount) {
            skip(std::to_string(c->states.size()) + " states listed, " + std::to_string(c->stateCount) +
                 " declared; the key takes 1 to 20");
        } else if (rows.size() == static_cast<std::size_t>(kMaxCharacters)) {
            skip("beyond the 42 rows of the key");
        } else {
            rows.push_back(c);
        }
    }
    return rows;
}

// The state texts cut to the key's 25 bytes, no two alike: a text that the cut makes equal
// to another ends in its state number instead, since the program and the table tell the
// states apart by their texts.
std::vector<std::string> stateTexts(const Character& c, std::vector<std::string>& remarks) {
    std::vector<std::string> texts;
    for (std::size_t s = 0; s < c.states.size(); ++s) {
        std::string text = withoutTrailingBlanks(cut(plainText(c.states[s]), kStateTextWidth));
        if (std::find(texts.begin(), texts.end(), text) != texts.end()) {
            const std::string number = " " + std::to_string(s + 1);
            text = cut(text, kStateTextWidth - number.size()) + number;
            remarks.push_back("character " + std::to_string(c.number) + " " + cp1252ToUtf8(featureName(c)) +
                              ": state " + std::to_string(s + 1) +
                              " is alike another in its first 25 bytes; written as \"" + cp1252ToUtf8(text) + "\"");
        }
        texts.push_back(text);
    }
    return texts;
}

std::string characterBlock(const Character& c, std::vector<std::string>& remarks) {
    std::string block = cut(featureName(c), kSlotWidth) + kLineEnd;
    const auto texts = stateTexts(c, remarks);
    for (std::size_t s = 0; s < texts.size(); ++s) {
        std::string text = texts[s];
        text.resize(kStateTextWidth, ' ');
        block += text + kCodes[s] + kLineEnd;
    }
    return block + "." + kLineEnd;
}

bool inapplicableByDependency(const Dataset& dataset, const Item& item, int character) {
    for (const Dependency& d : dataset.dependencies) {
        if (std::find(d.dependents.begin(), d.dependents.end(), character) == d.dependents.end()) continue;
        const Attribute* controlling = item.attribute(d.controlling);
        std::vector<int> states;
        if (controlling != nullptr) {
            for (const StateValue& s : controlling->states) states.push_back(s.state);
        } else if (const Character* c = dataset.character(d.controlling); c != nullptr && c->implicitState != 0) {
            states.push_back(c->implicitState);
        }
        const auto among = [&d](int s) { return std::find(d.states.begin(), d.states.end(), s) != d.states.end(); };
        if (!states.empty() && std::all_of(states.begin(), states.end(), among)) return true;
    }
    return false;
}

// The codes an attribute gives: every state where the taxon varies, the states named
// (those in doubt after a "." that lowers their weight), "?" where nothing is known.
std::string valueLine(const Dataset& dataset, const Item& item, const Character& c) {
    const Attribute* attribute = item.attribute(c.number);
    if (attribute == nullptr) {
        if (inapplicableByDependency(dataset, item, c.number) || c.implicitState < 1 ||
            c.implicitState > c.stateCount) {
            return kNotKnown;
        }
        return std::string(1, kCodes[c.implicitState - 1]);
    }
    if (attribute->variable) return std::string(kCodes, static_cast<std::size_t>(c.stateCount));
    std::string sure;
    std::string doubtful;
    for (const StateValue& s : attribute->states) {
        std::string& line = marksDoubt(s.comment) ? doubtful : sure;
        const char code = kCodes[s.state - 1];
        if (sure.find(code) == std::string::npos && doubtful.find(code) == std::string::npos) line.push_back(code);
    }
    if (sure.empty() && doubtful.empty()) return kNotKnown;
    return doubtful.empty() ? sure : sure + "." + doubtful;
}

}  // namespace

bool marksDoubt(const std::string& comment) {
    static const char* const kDoubts[] = {"?", "rarely", "occasionally", "seldom", "uncertain", "doubtful"};
    return std::any_of(std::begin(kDoubts), std::end(kDoubts),
                       [&comment](const char* word) { return comment.rfind(word, 0) == 0; });
}

Conversion convertDataset(const Dataset& dataset, const ConversionOptions& options) {
    Conversion conversion;
    conversion.genus = {cut(options.code, kGenusCodeWidth), options.folder, cut(options.displayName, kGenusNameWidth)};
    const auto rows = chooseRows(dataset, options, conversion.skippedCharacters);
    for (const Character* c : rows) {
        conversion.rows.push_back(c->number);
        conversion.characterFile += characterBlock(*c, conversion.remarks);
    }
    const auto names = speciesNames(dataset.items);
    std::set<std::string> codes;
    for (std::size_t i = 0; i < dataset.items.size(); ++i) {
        const Item& item = dataset.items[i];
        if (i >= static_cast<std::size_t>(kMaxSpecies)) {
            conversion.skippedItems.push_back(
                {static_cast<int>(i) + 1, plainText(item.name), "beyond the 350 species of a genus"});
            continue;
        }
        const std::string code = uniqueSpeciesCode(plainText(item.name), codes);
        conversion.speciesFile += code + "*" + names[i] + kLineEnd;
        for (const Character* c : rows) conversion.speciesFile += valueLine(dataset, item, *c) + kLineEnd;
        conversion.items.push_back({code, describeItem(dataset, item)});
    }
    for (const Character& c : dataset.characters) {
        if (c.number != 0 && !plainText(c.note).empty()) {
            conversion.notes += std::to_string(c.number) + ". " + featureName(c) + ": " + plainText(c.note) + kLineEnd;
        }
    }
    return conversion;
}

}  // namespace sporix::authoring::delta

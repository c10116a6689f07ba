#include "DeltaDescription.h"

#include <algorithm>

#include "DeltaText.h"
#include "Limits.h"
#include "ShortText.h"

namespace sporix::authoring::delta {

namespace {

constexpr const char* kLineEnd = "\r\n";

bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
char upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::string firstWord(const std::string& name) { return name.substr(0, name.find(' ')); }

// The letters of a word, upper-case, at most `count`.
std::string letters(const std::string& word, std::size_t count) {
    std::string kept;
    for (const char c : word) {
        if (isLetter(c) && kept.size() < count) kept.push_back(upper(c));
    }
    return kept;
}

std::string stateWords(const Character& c, const Attribute& attribute) {
    if (attribute.variable) return "variable";
    if (attribute.unknown) return "not known";
    if (attribute.inapplicable) return "not applicable";
    std::string words;
    for (const StateValue& s : attribute.states) {
        if (!words.empty()) words += attribute.allTogether ? " and " : " or ";
        const auto index = static_cast<std::size_t>(s.state - 1);
        words += index < c.states.size() ? plainText(c.states[index]) : "state " + std::to_string(s.state);
        if (!s.comment.empty()) words += " (" + s.comment + ")";
    }
    return words;
}

// The words of one attribute; empty when it says nothing.
std::string valueWords(const Character& c, const Attribute& attribute) {
    std::string words;
    const std::string plain = plainText(attribute.value, Comments::InValues);
    if (c.multistate() || plain == "V" || plain == "U" || plain == "-") {
        Attribute pseudo = attribute;
        pseudo.variable = pseudo.variable || plain == "V";
        pseudo.unknown = pseudo.unknown || plain == "U";
        pseudo.inapplicable = pseudo.inapplicable || plain == "-";
        words = stateWords(c, pseudo);
    } else if (c.type == CharacterType::Text) {
        // A text character's value is its comment, written right after the number.
        const std::string value = commentsOf(attribute.value, Comments::InValues);
        return attribute.comment + (attribute.comment.empty() || value.empty() ? "" : "; ") + value;
    } else {
        words = plain;
        if (!words.empty() && !plainText(c.units).empty()) words += " " + plainText(c.units);
        const std::string comments = commentsOf(attribute.value, Comments::InValues);
        if (!comments.empty()) words += " (" + comments + ")";
    }
    if (!attribute.comment.empty()) words += (words.empty() ? "" : " ") + std::string("(") + attribute.comment + ")";
    return words;
}

}  // namespace

std::string featureName(const Character& character) {
    const std::string plain = plainText(character.feature);
    return plain.empty() ? commentsOf(character.feature) : plain;
}

std::vector<std::string> speciesNames(const std::vector<Item>& items) {
    std::vector<std::string> names;
    for (const Item& item : items) names.push_back(plainText(item.name));
    const bool sharedGenus =
        names.size() > 1 && std::all_of(names.begin(), names.end(), [&names](const std::string& n) {
            return n.find(' ') != std::string::npos && firstWord(n) == firstWord(names.front());
        });
    for (std::string& name : names) {
        if (sharedGenus) name = name.substr(name.find(' ') + 1);
        name = cut(name, kResultNameWidth);
    }
    return names;
}

std::string uniqueSpeciesCode(const std::string& name, std::set<std::string>& taken) {
    constexpr std::size_t kEpithetLetters = kSpeciesCodeWidth - 2;
    const auto space = name.find(' ');
    std::string code = letters(name, kSpeciesCodeWidth);
    if (space != std::string::npos) {
        // Two letters of the genus at least, more where the epithet is short: FUNALBUS.
        const std::string epithet = letters(name.substr(space + 1), kEpithetLetters);
        code = letters(name.substr(0, space), kSpeciesCodeWidth - epithet.size()) + epithet;
    }
    if (code.empty()) code = "SPECIES";
    code.resize(kSpeciesCodeWidth, 'X');
    for (int n = 2; taken.count(code) != 0; ++n) {
        const std::string number = std::to_string(n);
        code = code.substr(0, kSpeciesCodeWidth - number.size()) + number;
    }
    taken.insert(code);
    return code;
}

std::string describeItem(const Dataset& dataset, const Item& item) {
    std::string text = plainText(item.name) + kLineEnd;
    const std::string comments = commentsOf(item.name);
    if (!comments.empty()) text += comments + kLineEnd;
    text += kLineEnd;
    for (const Character& c : dataset.characters) {
        if (c.number == 0) continue;
        const Attribute* attribute = item.attribute(c.number);
        std::string words;
        if (attribute != nullptr) {
            words = valueWords(c, *attribute);
        } else if (c.multistate() && c.implicitState >= 1 && c.implicitState <= static_cast<int>(c.states.size())) {
            words = plainText(c.states[static_cast<std::size_t>(c.implicitState - 1)]);
        }
        if (!words.empty()) text += featureName(c) + ": " + words + "." + kLineEnd;
    }
    return text;
}

}  // namespace sporix::authoring::delta

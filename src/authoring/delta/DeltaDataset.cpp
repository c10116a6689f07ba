#include "DeltaDataset.h"

#include <algorithm>
#include <map>

#include "DeltaDirectives.h"
#include "DeltaValues.h"

namespace sporix::authoring::delta {

namespace {

// What every reading of one directive needs: its file, for the lines of its problems.
struct Source {
    const DatasetFile& file;
    const LineIndex& lines;
    Dataset& dataset;
    void problem(std::size_t offset, std::string what, int item = 0) const {
        dataset.problems.push_back({file.name, lines.lineAt(offset), std::move(what), item});
    }
};

// "#12. text": the number before the full stop, and the text after it.
bool readNumbered(const Piece& piece, int& number, Piece& rest) {
    const std::string_view text = piece.text;
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    const std::size_t dot = text.find('.', start == std::string_view::npos ? 0 : start);
    if (start == std::string_view::npos || dot == std::string_view::npos ||
        !readWholeNumber(text.substr(start, dot - start), number)) {
        return false;
    }
    rest = {text.substr(dot + 1), piece.offset + dot + 1};
    return true;
}

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1));
}

Character& characterAt(Dataset& dataset, int number) {
    if (dataset.characters.size() < static_cast<std::size_t>(number))
        dataset.characters.resize(static_cast<std::size_t>(number));
    Character& character = dataset.characters[static_cast<std::size_t>(number - 1)];
    character.number = number;
    return character;
}

bool validCharacter(const Source& source, int number, std::size_t offset) {
    if (number >= 1 && number <= kMaxDeltaCharacters) return true;
    source.problem(
        offset, "character number " + std::to_string(number) + " is outside 1.." + std::to_string(kMaxDeltaCharacters));
    return false;
}

void readCharacterList(const Source& source, Piece data) {
    for (const Piece& block : splitAtMarks(data, '#')) {
        int number = 0;
        Piece rest;
        if (!readNumbered(block, number, rest)) {
            source.problem(block.offset,
                           "a character starts with its number and a full stop, as in \"#1. cap colour/\"");
            continue;
        }
        if (!validCharacter(source, number, block.offset)) continue;
        Character& character = characterAt(source.dataset, number);
        const auto parts = splitParts(rest);
        if (parts.empty()) {
            source.problem(block.offset, "character " + std::to_string(number) + " has no feature text");
            continue;
        }
        character.feature = trimmed(parts.front().text);
        for (std::size_t p = 1; p < parts.size(); ++p) {
            int state = 0;
            Piece text;
            if (readNumbered(parts[p], state, text) && state == static_cast<int>(character.states.size()) + 1 &&
                state <= kMaxDeltaStates) {
                character.states.push_back(trimmed(text.text));
            } else if (p == 1 && parts.size() == 2) {
                character.units = trimmed(parts[p].text);  // a numeric character's units
            } else {
                source.problem(parts[p].offset, "character " + std::to_string(number) + ": expected state " +
                                                    std::to_string(character.states.size() + 1) + ", as in \"" +
                                                    std::to_string(character.states.size() + 1) + ". red/\"");
            }
        }
    }
}

void readCharacterNotes(const Source& source, Piece data) {
    for (const Piece& block : splitAtMarks(data, '#')) {
        int number = 0;
        Piece rest;
        if (!readNumbered(block, number, rest) || !validCharacter(source, number, block.offset)) continue;
        characterAt(source.dataset, number).note = std::string(rest.text);
    }
}

// "c,v" words, each character number or range with its value, as in "1-3,OM 5,2".
template <class Apply>
void readPairs(const Source& source, Piece data, const char* expected, Apply apply) {
    for (const Piece& word : splitWords(data)) {
        const auto comma = word.text.find(',');
        std::vector<int> numbers;
        if (comma == std::string_view::npos ||
            !readNumberList(word.text.substr(0, comma), kMaxDeltaCharacters, numbers) ||
            !apply(numbers, word.text.substr(comma + 1))) {
            source.problem(word.offset,
                           std::string("expected ") + expected + ", not \"" + std::string(word.text) + "\"");
        }
    }
}

void readCharacterTypes(const Source& source, Piece data) {
    static const std::map<std::string_view, CharacterType> kTypes = {{"UM", CharacterType::UnorderedMultistate},
                                                                     {"OM", CharacterType::OrderedMultistate},
                                                                     {"IN", CharacterType::IntegerNumeric},
                                                                     {"RN", CharacterType::RealNumeric},
                                                                     {"TE", CharacterType::Text}};
    readPairs(source, data, "character numbers, a comma and UM, OM, IN, RN or TE",
              [&](const std::vector<int>& numbers, std::string_view type) {
                  const auto found = kTypes.find(type);
                  if (found == kTypes.end()) return false;
                  for (const int n : numbers) characterAt(source.dataset, n).type = found->second;
                  return true;
              });
}

void readNumbersOfStates(const Source& source, Piece data) {
    readPairs(source, data, "character numbers, a comma and a number of states",
              [&](const std::vector<int>& numbers, std::string_view count) {
                  int states = 0;
                  if (!readWholeNumber(count, states) || states < 1 || states > kMaxDeltaStates) return false;
                  for (const int n : numbers) characterAt(source.dataset, n).stateCount = states;
                  return true;
              });
}

void readImplicitValues(const Source& source, Piece data) {
    readPairs(source, data, "a character number, a comma and a state",
              [&](const std::vector<int>& numbers, std::string_view value) {
                  int state = 0;
                  // "c,i:j" gives the value for natural-language descriptions after the colon; a key uses the first.
                  if (!readWholeNumber(value.substr(0, value.find(':')), state) || state < 1) return false;
                  for (const int n : numbers) characterAt(source.dataset, n).implicitState = state;
                  return true;
              });
}

void readDependencies(const Source& source, Piece data) {
    readPairs(source, data, "a character, a comma, its states and the dependent characters, as in 1,2:3-5",
              [&](const std::vector<int>& numbers, std::string_view rule) {
                  const auto colon = rule.find(':');
                  if (numbers.size() != 1 || colon == std::string_view::npos) return false;
                  Dependency dependency{numbers.front(), {}, {}};
                  std::string states(rule.substr(0, colon));
                  std::replace(states.begin(), states.end(), '/', ',');
                  std::string dependents(rule.substr(colon + 1));
                  std::replace(dependents.begin(), dependents.end(), ':', ',');
                  if (!readNumberList(states, kMaxDeltaStates, dependency.states) ||
                      !readNumberList(dependents, kMaxDeltaCharacters, dependency.dependents)) {
                      return false;
                  }
                  source.dataset.dependencies.push_back(std::move(dependency));
                  return true;
              });
}

void readItems(const Source& source, Piece data) {
    for (const Piece& block : splitItems(data)) {
        if (source.dataset.items.size() == static_cast<std::size_t>(kMaxDeltaItems)) {
            source.problem(block.offset,
                           "more than " + std::to_string(kMaxDeltaItems) + " items; the rest is not read");
            return;
        }
        const auto parts = splitParts(block);
        Item item;
        item.file = source.file.name;
        item.line = source.lines.lineAt(block.offset);
        item.name = parts.empty() ? std::string() : std::string(parts.front().text);
        if (plainText(item.name).empty()) {
            source.problem(block.offset, "an item starts with its name and \"/\", as in \"# Amanita muscaria/\"");
            continue;
        }
        const std::size_t nameEnd = parts.front().offset - block.offset + parts.front().text.size() + 1;
        const Piece attributes{block.text.substr(std::min(nameEnd, block.text.size())), block.offset + nameEnd};
        for (const Piece& word : splitWords(attributes)) {
            std::string why;
            auto attribute = readAttribute(word.text, why);
            if (!attribute) {
                source.problem(word.offset, plainText(item.name) + ": " + why,
                               static_cast<int>(source.dataset.items.size()) + 1);
                continue;
            }
            item.attributes.push_back(std::move(*attribute));
        }
        source.dataset.items.push_back(std::move(item));
    }
}

void readDirective(const Source& source, const Directive& directive) {
    switch (directive.kind) {
        case DirectiveKind::CharacterList:
            readCharacterList(source, directive.data);
            break;
        case DirectiveKind::CharacterNotes:
            readCharacterNotes(source, directive.data);
            break;
        case DirectiveKind::CharacterTypes:
            readCharacterTypes(source, directive.data);
            break;
        case DirectiveKind::NumbersOfStates:
            readNumbersOfStates(source, directive.data);
            break;
        case DirectiveKind::ImplicitValues:
            readImplicitValues(source, directive.data);
            break;
        case DirectiveKind::DependentCharacters:
            readDependencies(source, directive.data);
            break;
        case DirectiveKind::ItemDescriptions:
            readItems(source, directive.data);
            break;
        case DirectiveKind::NumberOfCharacters:
        case DirectiveKind::InputFile:
        case DirectiveKind::Other:
            break;
    }
}

// States of multistate values are taken apart only once every character's type and
// number of states is known, whatever the order of the files.
void resolveStates(Dataset& dataset) {
    for (Character& character : dataset.characters) {
        if (character.stateCount == 0) character.stateCount = static_cast<int>(character.states.size());
    }
    for (std::size_t i = 0; i < dataset.items.size(); ++i) {
        Item& item = dataset.items[i];
        int most = 0;
        for (const Attribute& attribute : item.attributes) most = std::max(most, attribute.character);
        item.byCharacter.assign(static_cast<std::size_t>(most) + 1, -1);
        for (std::size_t a = item.attributes.size(); a-- > 0;) {
            item.byCharacter[static_cast<std::size_t>(item.attributes[a].character)] = static_cast<int>(a);
        }
        for (Attribute& attribute : item.attributes) {
            const Character* character = dataset.character(attribute.character);
            if (character == nullptr) {
                dataset.problems.push_back({item.file, item.line,
                                            plainText(item.name) + ": character " +
                                                std::to_string(attribute.character) +
                                                " is not in the character list; its value is left out",
                                            static_cast<int>(i) + 1});
                continue;
            }
            if (!character->multistate()) continue;
            std::string why;
            if (!readStates(attribute, character->stateCount, why)) {
                attribute.states.clear();
                attribute.unknown = true;
                dataset.problems.push_back({item.file, item.line,
                                            plainText(item.name) + ": character " +
                                                std::to_string(attribute.character) + ": " + why +
                                                "; taken as not known",
                                            static_cast<int>(i) + 1});
            }
        }
    }
}

}  // namespace

const Attribute* Item::attribute(int character) const {
    const int index = character >= 1 && static_cast<std::size_t>(character) < byCharacter.size()
                          ? byCharacter[static_cast<std::size_t>(character)]
                          : -1;
    return index < 0 ? nullptr : &attributes[static_cast<std::size_t>(index)];
}

const Character* Dataset::character(int number) const {
    if (number < 1 || static_cast<std::size_t>(number) > characters.size()) return nullptr;
    const Character& c = characters[static_cast<std::size_t>(number - 1)];
    return c.number == 0 ? nullptr : &c;
}

Dataset readDataset(const std::vector<DatasetFile>& files) {
    Dataset dataset;
    for (const DatasetFile& file : files) {
        const LineIndex lines(file.bytes);
        const Source source{file, lines, dataset};
        for (const std::size_t at : unclosedComments(file.bytes)) {
            source.problem(at, "this \"<\" opens a comment that never closes; it is read as text");
        }
        for (const Directive& directive : splitDirectives(file.bytes)) readDirective(source, directive);
    }
    resolveStates(dataset);
    return dataset;
}

}  // namespace sporix::authoring::delta

#include "DeltaDirectives.h"

#include <algorithm>
#include <array>

namespace sporix::authoring::delta {

namespace {

constexpr std::size_t kSignificantLetters = 3;
constexpr std::size_t kMaxPhraseWords = 4;

struct KnownPhrase {
    std::array<const char*, 4> words;
    DirectiveKind kind;
};

// Longer phrases first, so that a phrase that begins another is not taken for it.
const KnownPhrase kKnown[] = {
    {{"NUMBER", "OF", "CHARACTERS", nullptr}, DirectiveKind::NumberOfCharacters},
    {{"NUMBERS", "OF", "STATES", nullptr}, DirectiveKind::NumbersOfStates},
    {{"CHARACTER", "TYPES", nullptr, nullptr}, DirectiveKind::CharacterTypes},
    {{"CHARACTER", "LIST", nullptr, nullptr}, DirectiveKind::CharacterList},
    {{"CHARACTER", "NOTES", nullptr, nullptr}, DirectiveKind::CharacterNotes},
    {{"IMPLICIT", "VALUES", nullptr, nullptr}, DirectiveKind::ImplicitValues},
    {{"DEPENDENT", "CHARACTERS", nullptr, nullptr}, DirectiveKind::DependentCharacters},
    {{"INPUT", "FILE", nullptr, nullptr}, DirectiveKind::InputFile},
    {{"ITEM", "DESCRIPTIONS", nullptr, nullptr}, DirectiveKind::ItemDescriptions},
};

bool isUpperWord(std::string_view word) {
    if (word.empty()) return false;
    for (const char c : word) {
        if (c < 'A' || c > 'Z') return false;
    }
    return true;
}

bool sameWord(std::string_view written, const char* known) {
    const std::string_view full(known);
    return written.substr(0, kSignificantLetters) == full.substr(0, kSignificantLetters);
}

// The known phrase that the words written begin with, and how many words it takes.
DirectiveKind phraseKind(const std::vector<Piece>& words, std::size_t& taken) {
    for (const KnownPhrase& known : kKnown) {
        std::size_t n = 0;
        while (n < known.words.size() && known.words[n] != nullptr && n < words.size() &&
               sameWord(words[n].text, known.words[n]))
            ++n;
        if (n < known.words.size() && known.words[n] != nullptr) continue;
        taken = n;
        return known.kind;
    }
    taken = 0;
    return DirectiveKind::Other;
}

// The "*" that starts the next directive at or after `from`, or the end. In item
// descriptions a "<" after a value opens a comment, and a "*" in it starts nothing.
std::size_t nextDirective(std::string_view file, std::size_t from, bool items) {
    bool inName = false;
    for (std::size_t at = from; at < file.size();) {
        const char c = file[at];
        const bool afterBlank = at == 0 || isBlank(file[at - 1]);
        if (c == '*' && afterBlank) return at;
        if (items && c == '#' && afterBlank) {
            inName = true;
        } else if (items && inName && c == '/' && (at + 1 == file.size() || isBlank(file[at + 1]))) {
            inName = false;
        }
        at = stepOver(file, at, items && !inName ? Comments::InValues : Comments::InText);
    }
    return file.size();
}

// The directive whose "*" is at `start`, its data up to the next one.
Directive readDirective(std::string_view file, std::size_t start) {
    const Piece body{file.substr(start + 1), start + 1};
    std::vector<Piece> words;
    for (const Piece& word : splitWords(body, Comments::InText, kMaxPhraseWords + 1)) {
        if (words.size() == kMaxPhraseWords || !isUpperWord(word.text)) break;
        words.push_back(word);
    }
    std::size_t taken = 0;
    Directive directive;
    directive.kind = phraseKind(words, taken);
    const std::size_t dataStart = taken == 0 ? body.offset : words[taken - 1].offset + words[taken - 1].text.size();
    const std::size_t end = nextDirective(file, dataStart, directive.kind == DirectiveKind::ItemDescriptions);
    directive.data = {file.substr(dataStart, end - dataStart), dataStart};
    return directive;
}

}  // namespace

std::vector<Directive> splitDirectives(std::string_view file) {
    std::vector<Directive> directives;
    for (std::size_t at = nextDirective(file, 0, false); at < file.size();) {
        directives.push_back(readDirective(file, at));
        const Piece& data = directives.back().data;
        at = nextDirective(file, std::max(data.offset + data.text.size(), at + 1), false);
    }
    return directives;
}

std::vector<std::string> inputFileNames(std::string_view file) {
    std::vector<std::string> names;
    for (const Directive& directive : splitDirectives(file)) {
        if (directive.kind != DirectiveKind::InputFile) continue;
        const auto words = splitWords(directive.data, Comments::InText, 1);
        if (!words.empty()) names.push_back(plainText(words.front().text));
    }
    return names;
}

}  // namespace sporix::authoring::delta

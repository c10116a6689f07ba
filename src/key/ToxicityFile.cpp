#include "ToxicityFile.h"

#include <algorithm>
#include <array>
#include <optional>

#include "LineReader.h"
#include "Limits.h"

namespace sporix {

namespace {

constexpr std::array<Toxicity, 3> kMarks = {Toxicity::Caution, Toxicity::Poisonous, Toxicity::Deadly};
constexpr const char* kBlanks = " \t";

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// A code as the species file holds it: its bytes without the blanks around them, padded with
// blanks to the full width; nothing when it is empty or too wide.
std::optional<std::string> paddedCode(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return std::nullopt;
    std::string code(text.substr(first, text.find_last_not_of(kBlanks) - first + 1));
    if (code.size() > kSpeciesCodeWidth) return std::nullopt;
    code.resize(kSpeciesCodeWidth, ' ');
    return code;
}

// Where the word `word` stands in `line` between blanks, or npos.
std::size_t wordAt(const std::string& line, std::string_view word) {
    for (auto at = line.find(word); at != std::string::npos; at = line.find(word, at + 1)) {
        const auto after = at + word.size();
        const bool blankBefore = at > 0 && isBlank(line[at - 1]);
        const bool blankAfter = after == line.size() || isBlank(line[after]);
        if (blankBefore && blankAfter) return at;
    }
    return std::string::npos;
}

void readConfusion(const std::string& line, std::size_t wordStart, int number, ToxicityFileRead& read) {
    const auto code = paddedCode(std::string_view(line).substr(0, wordStart));
    const auto other = paddedCode(std::string_view(line).substr(wordStart + std::string_view(kTakenForWord).size()));
    const auto problem = [&](std::string what, ToxicityProblemKind kind) {
        read.problems.push_back({number, std::move(what), kind});
    };
    if (!code || !other) {
        problem("a line holds a species code of at most 8 bytes, taken-for and another such code",
                ToxicityProblemKind::ConfusionLine);
    } else if (*code == *other) {
        problem("species \"" + *code + "\" is taken for itself", ToxicityProblemKind::SelfConfusion);
    } else if (std::any_of(read.confusions.begin(), read.confusions.end(), [&](const ToxicityConfusion& c) {
                   return c.speciesCode == *code && c.takenFor == *other;
               })) {
        problem("species \"" + *code + "\" is taken for \"" + *other + "\" twice", ToxicityProblemKind::ConfusionLine);
    } else {
        read.confusions.push_back({*code, *other, number});
    }
}

// A line of code, blanks and mark; the code itself may hold blanks (it is the first 8
// bytes of a name line), so the mark is the last word.
void readMark(const std::string& line, int number, ToxicityFileRead& read) {
    const auto end = line.find_last_not_of(kBlanks);
    const auto wordStart = line.find_last_of(kBlanks, end);
    if (wordStart == std::string::npos) {
        read.problems.push_back({number, "a line holds a species code, blanks and a mark"});
        return;
    }
    const std::string word = line.substr(wordStart + 1, end - wordStart);
    const auto code = paddedCode(std::string_view(line).substr(0, wordStart));
    const auto mark = std::find_if(kMarks.begin(), kMarks.end(), [&word](Toxicity m) { return word == toxicityWord(m); });
    if (!code) {
        read.problems.push_back({number, "a species code of 1 to 8 bytes comes before the mark"});
    } else if (mark == kMarks.end()) {
        read.problems.push_back({number, "unknown mark \"" + word + "\" (deadly, poisonous or caution)"});
    } else if (toxicityOf(read, *code) != Toxicity::Unmarked) {
        read.problems.push_back({number, "species \"" + *code + "\" is marked twice; the first mark counts"});
    } else {
        read.entries.push_back({*code, *mark, number});
    }
}

}  // namespace

const char* toxicityWord(Toxicity mark) {
    switch (mark) {
    case Toxicity::Caution: return "caution";
    case Toxicity::Poisonous: return "poisonous";
    case Toxicity::Deadly: return "deadly";
    case Toxicity::Unmarked: break;
    }
    return "";
}

ToxicityFileRead readToxicityFile(std::streambuf& in) {
    ToxicityFileRead read;
    LineReader reader(in);
    for (int number = 1; !reader.atEnd(); ++number) {
        if (number > kMaxToxicityLines) {
            read.problems.push_back({number, "more than " + std::to_string(kMaxToxicityLines) + " lines; the rest is not read"});
            break;
        }
        const std::string line = reader.readLine(kMaxToxicityLineWidth + 1);
        // A code is read without the blanks before it, so "#" after blanks opens a comment
        // too: a code starting with "#" could not be written back as a mark.
        const auto first = line.find_first_not_of(kBlanks);
        if (first == std::string::npos || line[first] == '#') continue;
        if (line.size() > kMaxToxicityLineWidth) {
            read.problems.push_back(
                {number, "a line of more than " + std::to_string(kMaxToxicityLineWidth) + " bytes"});
            continue;
        }
        const auto takenFor = wordAt(line, kTakenForWord);
        if (takenFor != std::string::npos) {
            readConfusion(line, takenFor, number, read);
        } else {
            readMark(line, number, read);
        }
    }
    return read;
}

Toxicity toxicityOf(const ToxicityFileRead& read, std::string_view speciesCode) {
    const auto found = std::find_if(read.entries.begin(), read.entries.end(),
                                    [speciesCode](const ToxicityEntry& e) { return e.speciesCode == speciesCode; });
    return found == read.entries.end() ? Toxicity::Unmarked : found->mark;
}

}  // namespace sporix

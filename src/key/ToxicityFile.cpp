#include "ToxicityFile.h"

#include <algorithm>
#include <array>

#include "LineReader.h"

namespace sporix {

namespace {

constexpr std::array<Toxicity, 3> kMarks = {Toxicity::Caution, Toxicity::Poisonous, Toxicity::Deadly};

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// A line of code, blanks and mark; the code itself may hold blanks (it is the first 8
// bytes of a name line), so the mark is the last word.
void readEntry(const std::string& line, int number, ToxicityFileRead& read) {
    const auto end = line.find_last_not_of(" \t");
    const auto wordStart = line.find_last_of(" \t", end);
    if (wordStart == std::string::npos) {
        read.problems.push_back({number, "a line holds a species code, blanks and a mark"});
        return;
    }
    const std::string word = line.substr(wordStart + 1, end - wordStart);
    auto codeEnd = wordStart;
    while (codeEnd > 0 && isBlank(line[codeEnd - 1])) --codeEnd;
    const std::string code = line.substr(0, codeEnd);
    const auto mark = std::find_if(kMarks.begin(), kMarks.end(), [&word](Toxicity m) { return word == toxicityWord(m); });
    if (code.empty()) {
        read.problems.push_back({number, "no species code before the mark"});
    } else if (mark == kMarks.end()) {
        read.problems.push_back({number, "unknown mark \"" + word + "\" (deadly, poisonous or caution)"});
    } else if (toxicityOf(read, code) != Toxicity::Unmarked) {
        read.problems.push_back({number, "species " + code + " is marked twice; the first mark counts"});
    } else {
        read.entries.push_back({code, *mark, number});
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
        if (line.find_first_not_of(" \t") == std::string::npos || line.front() == '#') continue;
        if (line.size() > kMaxToxicityLineWidth) {
            read.problems.push_back(
                {number, "a line of more than " + std::to_string(kMaxToxicityLineWidth) + " bytes"});
            continue;
        }
        readEntry(line, number, read);
    }
    return read;
}

Toxicity toxicityOf(const ToxicityFileRead& read, std::string_view speciesCode) {
    const auto found = std::find_if(read.entries.begin(), read.entries.end(),
                                    [speciesCode](const ToxicityEntry& e) { return e.speciesCode == speciesCode; });
    return found == read.entries.end() ? Toxicity::Unmarked : found->mark;
}

}  // namespace sporix

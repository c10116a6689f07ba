#pragma once

#include <cstddef>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

namespace sporix {

// How dangerous a species is, as the key's optional file "<FOLDER>.TOX" marks it. The
// order is the order of danger, so marks compare with < and >.
enum class Toxicity { Unmarked, Caution, Poisonous, Deadly };

// The mark's word in the file ("caution", "poisonous", "deadly"); empty for Unmarked.
const char* toxicityWord(Toxicity mark);

struct ToxicityEntry {
    std::string speciesCode;  // the first 8 bytes of the species' name line
    Toxicity mark = Toxicity::Unmarked;
    int line = 0;
};

struct ToxicityProblem {
    int line = 0;
    std::string what;  // English, for the key authors' check
};

struct ToxicityFileRead {
    std::vector<ToxicityEntry> entries;
    std::vector<ToxicityProblem> problems;
};

// At most this many lines are read: a key marks each of its species at most once.
inline constexpr int kMaxToxicityLines = 2000;
// A line holds a code of 8 bytes, blanks and a word; a longer one is kept to this many
// bytes, so that no file, however large, takes more than a bounded room.
inline constexpr std::size_t kMaxToxicityLineWidth = 256;

// Reads the marks: one species per line, its code, one or more blanks or tabs, and its
// mark. Empty lines and lines starting with "#" are passed over. A line that is not of
// that form, names an unknown mark or is longer than kMaxToxicityLineWidth is a problem and
// marks nothing; so is every line after the first kMaxToxicityLines. A code marked twice keeps its first mark.
ToxicityFileRead readToxicityFile(std::streambuf& in);

// The mark of `speciesCode` in `read`, Unmarked when the file does not name it.
Toxicity toxicityOf(const ToxicityFileRead& read, std::string_view speciesCode);

}  // namespace sporix

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

// The word between two codes that says the first species is taken for the second.
inline constexpr const char* kTakenForWord = "taken-for";

struct ToxicityEntry {
    std::string speciesCode;  // the first 8 bytes of the species' name line, blanks included
    Toxicity mark = Toxicity::Unmarked;
    int line = 0;
};

// A documented confusion: the species of `speciesCode` is taken for that of `takenFor`.
struct ToxicityConfusion {
    std::string speciesCode;
    std::string takenFor;
    int line = 0;
};

enum class ToxicityProblemKind { MarkLine, ConfusionLine, SelfConfusion };

struct ToxicityProblem {
    int line = 0;
    std::string what;  // English, for the key authors' check
    ToxicityProblemKind kind = ToxicityProblemKind::MarkLine;
};

struct ToxicityFileRead {
    std::vector<ToxicityEntry> entries;
    std::vector<ToxicityConfusion> confusions;
    std::vector<ToxicityProblem> problems;
};

// At most this many lines are read: a key marks each of its species at most once and names
// a few confusions for each dangerous one.
inline constexpr int kMaxToxicityLines = 2000;
// A line holds two codes of 8 bytes, blanks and a word; a longer one is kept to this many
// bytes, so that no file, however large, takes more than a bounded room.
inline constexpr std::size_t kMaxToxicityLineWidth = 256;

// Reads the marks: one species per line, its code, one or more blanks or tabs, and its
// mark; or a code, "taken-for" and another code. A code shorter than 8 bytes stands for
// itself padded with blanks, as the species file holds it. Empty lines and lines starting
// with "#", after any blanks, are passed over. A line that is not of either form, names an unknown mark, a
// code of more than 8 bytes or a species taken for itself, or is longer than
// kMaxToxicityLineWidth is a problem and counts for nothing; so is every line after the
// first kMaxToxicityLines. A code marked twice keeps its first mark.
ToxicityFileRead readToxicityFile(std::streambuf& in);

// The mark of `speciesCode` in `read`, Unmarked when the file does not name it.
Toxicity toxicityOf(const ToxicityFileRead& read, std::string_view speciesCode);

}  // namespace sporix

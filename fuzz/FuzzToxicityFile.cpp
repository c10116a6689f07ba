// The file of marks: whatever it holds, every entry has a code of a bounded size and a known
// mark, no code is marked twice, every confusion names two different codes of the species
// code's width, and the entries written back one per CR LF line read the same again.
#include <set>

#include "ByteBuffer.h"
#include "FuzzSupport.h"
#include "Limits.h"
#include "ToxicityFile.h"

using namespace sporix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ByteBuffer buffer(bytes);
    const ToxicityFileRead read = readToxicityFile(buffer);
    std::set<std::string> codes;
    std::string written;
    int previousLine = 0;
    for (const ToxicityEntry& entry : read.entries) {
        fuzz::require(!entry.speciesCode.empty() && entry.speciesCode.size() < kMaxToxicityLineWidth,
                      "a code of " + std::to_string(entry.speciesCode.size()) + " bytes");
        fuzz::require(entry.mark != Toxicity::Unmarked, "an entry without a mark");
        fuzz::require(codes.insert(entry.speciesCode).second, "the code " + entry.speciesCode + " is marked twice");
        fuzz::require(entry.line > previousLine && entry.line <= kMaxToxicityLines, "entry lines out of order");
        fuzz::require(toxicityOf(read, entry.speciesCode) == entry.mark,
                      "the mark of " + entry.speciesCode + " is not found");
        previousLine = entry.line;
        written += entry.speciesCode + " " + toxicityWord(entry.mark) + "\r\n";
    }
    for (const ToxicityConfusion& confusion : read.confusions) {
        fuzz::require(confusion.speciesCode.size() == kSpeciesCodeWidth && confusion.takenFor.size() == kSpeciesCodeWidth,
                      "a confusion of codes that are not 8 bytes");
        fuzz::require(confusion.speciesCode != confusion.takenFor, "a species taken for itself");
    }
    for (const ToxicityProblem& problem : read.problems) {
        fuzz::require(problem.line >= 1 && problem.line <= kMaxToxicityLines + 1,
                      "a problem at line " + std::to_string(problem.line));
    }
    ByteBuffer again(written);
    const ToxicityFileRead reread = readToxicityFile(again);
    fuzz::require(reread.problems.empty(), "the entries written back hold a problem");
    fuzz::require(reread.entries.size() == read.entries.size(), "the entries written back read differently");
    for (std::size_t k = 0; k < read.entries.size(); ++k) {
        fuzz::require(reread.entries[k].speciesCode == read.entries[k].speciesCode &&
                          reread.entries[k].mark == read.entries[k].mark,
                      "the entry " + read.entries[k].speciesCode + " written back reads differently");
    }
    return 0;
}

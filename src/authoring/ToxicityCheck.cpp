#include "ToxicityCheck.h"

#include <algorithm>

#include "ByteBuffer.h"
#include "CharacterFilesCheck.h"
#include "KeyText.h"
#include "ToxicityFile.h"

namespace sporix::authoring {

void checkToxicityFile(const WorkFolder& folder, const GenusEntry& genus, const SpeciesRecords& records,
                       Findings& findings) {
    const std::string name = genusFileName(genus, ".TOX");
    if (!folder.find(name)) return;
    const auto bytes = readKeyFile(folder, name, {Severity::Error, "the marks file", ""}, findings);
    if (!bytes) return;
    const std::string file = shownName(folder, name);
    checkLineEnds(keyLines(*bytes), file, findings);
    ByteBuffer buffer(*bytes);
    const ToxicityFileRead read = readToxicityFile(buffer);
    for (const ToxicityProblem& problem : read.problems) {
        findings.error("mark-refused", file, problem.line, problem.what,
                       "write one species per line: its code, blanks, and deadly, poisonous or caution");
    }
    for (const ToxicityEntry& entry : read.entries) {
        std::vector<int> lines;
        for (std::size_t r = 0; r < records.size(); ++r) {
            if (records.code(r) == entry.speciesCode) lines.push_back(records.lines[r]);
        }
        if (lines.empty()) {
            findings.error("mark-no-species", file, entry.line,
                           "no species of the genus has the code " + quoted(entry.speciesCode) + "; the mark " +
                               toxicityWord(entry.mark) + " marks nothing",
                           "use the first 8 bytes of the species' name line");
        } else if (lines.size() > 1) {
            findings.warning("mark-shared-code", file, entry.line,
                             "the code " + quoted(entry.speciesCode) + " names " + std::to_string(lines.size()) +
                                 " records of " + records.file + "; the mark applies to each",
                             "give each species its own code");
        }
    }
}

}  // namespace sporix::authoring

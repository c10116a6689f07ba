#include "ToxicityCheck.h"

#include <algorithm>
#include <map>
#include <vector>

#include "ByteBuffer.h"
#include "CharacterFilesCheck.h"
#include "KeyText.h"
#include "ToxicityFile.h"

namespace sporix::authoring {

namespace {

const char* findingOf(ToxicityProblemKind kind) {
    switch (kind) {
        case ToxicityProblemKind::ConfusionLine:
            return "confusion-refused";
        case ToxicityProblemKind::SelfConfusion:
            return "confusion-self";
        case ToxicityProblemKind::MarkLine:
            break;
    }
    return "mark-refused";
}

// The lines of the records of each species code, gathered once for all entries.
using RecordLines = std::map<std::string, std::vector<int>>;

RecordLines recordLinesByCode(const SpeciesRecords& records) {
    RecordLines lines;
    for (std::size_t r = 0; r < records.size(); ++r) lines[records.code(r)].push_back(records.lines[r]);
    return lines;
}

std::size_t recordCount(const RecordLines& lines, const std::string& code) {
    const auto found = lines.find(code);
    return found == lines.end() ? 0 : found->second.size();
}

void checkMarks(const ToxicityFileRead& read, const RecordLines& lines, const std::string& speciesFile,
                const std::string& file, Findings& findings) {
    for (const ToxicityEntry& entry : read.entries) {
        const std::size_t count = recordCount(lines, entry.speciesCode);
        if (count == 0) {
            findings.error("mark-no-species", file, entry.line,
                           "no species of the genus has the code " + quoted(entry.speciesCode) + "; the mark " +
                               toxicityWord(entry.mark) + " marks nothing",
                           "use the first 8 bytes of the species' name line");
        } else if (count > 1) {
            findings.warning("mark-shared-code", file, entry.line,
                             "the code " + quoted(entry.speciesCode) + " names " + std::to_string(count) +
                                 " records of " + speciesFile + "; the mark applies to each",
                             "give each species its own code");
        }
    }
}

// A confusion counts only between two species of the genus, and only the advice on a deadly
// or poisonous species names it.
void checkConfusions(const ToxicityFileRead& read, const RecordLines& lines, const std::string& file,
                     Findings& findings) {
    for (const ToxicityConfusion& confusion : read.confusions) {
        for (const std::string* code : {&confusion.speciesCode, &confusion.takenFor}) {
            if (recordCount(lines, *code) == 0) {
                findings.error("confusion-no-species", file, confusion.line,
                               "no species of the genus has the code " + quoted(*code) + "; the confusion names nothing",
                               "use the first 8 bytes of the species' name line; both species belong to this genus");
            }
        }
        if (toxicityOf(read, confusion.speciesCode) < Toxicity::Poisonous) {
            findings.warning("confusion-not-dangerous", file, confusion.line,
                             "species " + quoted(confusion.speciesCode) +
                                 " is not marked deadly or poisonous; the advisor names none of its confusions",
                             "mark it, or leave the confusion out");
        }
    }
}

}  // namespace

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
        findings.error(findingOf(problem.kind), file, problem.line, problem.what,
                       "write one species per line: its code, blanks, and deadly, poisonous or caution; or its "
                       "code, taken-for and the code of another species");
    }
    const RecordLines lines = recordLinesByCode(records);
    checkMarks(read, lines, records.file, file, findings);
    checkConfusions(read, lines, file, findings);
}

}  // namespace sporix::authoring

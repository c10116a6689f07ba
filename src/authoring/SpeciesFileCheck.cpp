#include "SpeciesFileCheck.h"

#include <algorithm>
#include <map>

#include "ByteBuffer.h"
#include "KeyText.h"
#include "SpeciesFile.h"

namespace sporix::authoring {

namespace {

constexpr const char* kNotKnown = "?";

SpeciesRecords readRecords(const std::string& bytes, const RecordShape& shape) {
    SpeciesRecords records;
    ByteBuffer buffer(bytes);
    SpeciesReader reader(buffer, shape);
    const int recordLines = 1 + shape.characterCount + shape.unusedValueLines;
    do {
        if (records.size() == static_cast<std::size_t>(kMaxSpecies)) break;
        records.lines.push_back(1 + static_cast<int>(records.size()) * recordLines);
        reader.readLine(records.nameLines.emplace_back());
        auto& values = records.values.emplace_back(static_cast<std::size_t>(shape.characterCount));
        for (auto& line : values) reader.readLine(line);
        reader.skipUnusedValueLines();
    } while (!reader.atEnd());
    return records;
}

void checkNameLine(const SpeciesRecords& records, std::size_t r, std::map<std::string, int>& codes,
                   Findings& findings) {
    const std::string& nameLine = records.nameLines[r];
    const int line = records.lines[r];
    if (nameLine.size() <= kSpeciesCodeWidth || nameLine[kSpeciesCodeWidth] != '*') {
        findings.error("no-marker", records.file, line,
                       "name line " + quoted(nameLine) + " has no \"*\" after its 8-byte species code",
                       "write the 8-byte code, \"*\" and the display name, e.g. RUEMETIC*emetica");
        return;
    }
    const std::string name(displayName(nameLine));
    if (name.empty()) {
        findings.error("no-display-name", records.file, line,
                       "the species " + quoted(records.code(r)) + " has no display name",
                       "write the name after the \"*\"");
    } else if (name.size() > kResultNameWidth) {
        findings.warning("display-name-width", records.file, line,
                         "display name " + quoted(name) + " is longer than " + std::to_string(kResultNameWidth) +
                             " bytes; the result list cuts it",
                         "shorten the display name");
    }
    const auto [earlier, first] = codes.emplace(records.code(r), line);
    if (!first) {
        findings.error("species-code-twice", records.file, line,
                       "species code " + quoted(records.code(r)) + " is also used on line " +
                           std::to_string(earlier->second) + "; both records share one description and pictures",
                       "give each species its own code");
    }
}

void checkValueLine(const std::string& value, const CharacterRow& character, int index, const std::string& file,
                    int line, Findings& findings) {
    const std::string where = "character " + std::to_string(index + 1) + " " + quoted(character.name) + ": ";
    if (value == kNotKnown) return;
    if (value.empty()) {
        findings.error("empty-value", file, line, where + "the value line is empty and matches no state",
                       "write the codes of the states, or \"?\" when the state is not known");
        return;
    }
    if (value.find_first_not_of('.') == std::string::npos) {
        findings.error("dots-only", file, line,
                       where + "the value line " + quoted(value) + " holds no code and matches no state",
                       "write the codes of the states, or \"?\" when the state is not known");
        return;
    }
    const std::string codes = stateCodes(character);
    for (const char symbol : value) {
        if (symbol == '.' || codes.find(symbol) != std::string::npos) continue;
        findings.error(
            "unknown-code", file, line,
            where + quoted(std::string(1, symbol)) + " in " + quoted(value) + " is no state code of the character",
            "use the codes " + quoted(codes) + ", or the line \"?\" alone when the state is not known");
        return;
    }
    for (std::size_t at = 0; at < value.size(); ++at) {
        if (value[at] == '.' || value.find(value[at], at + 1) == std::string::npos) continue;
        findings.error("code-twice", file, line,
                       where + "code " + quoted(std::string(1, value[at])) + " stands twice in " + quoted(value) +
                           "; the program's score counts it, with its weight, each time",
                       "write each code once");
        return;
    }
}

void checkUnknownShare(const SpeciesRecords& records, std::size_t r, Findings& findings) {
    const auto& values = records.values[r];
    if (values.empty()) return;
    const auto unknown = std::count(values.begin(), values.end(), kNotKnown);
    if (unknown * 2 < static_cast<std::ptrdiff_t>(values.size())) return;
    findings.warning("mostly-unknown", records.file, records.lines[r],
                     "species " + quoted(records.code(r)) + " has \"?\" in " + std::to_string(unknown) + " of its " +
                         std::to_string(values.size()) + " characters",
                     "code the states the sources give");
}

}  // namespace

std::string SpeciesRecords::code(std::size_t record) const { return std::string(speciesCode(nameLines[record])); }

SpeciesRecords checkSpeciesFile(const WorkFolder& folder, const std::string& name, const GenusCharacters& characters,
                                Findings& findings) {
    const auto bytes =
        readKeyFile(folder, name, {Severity::Error, "the species file", "write the species file"}, findings);
    if (!bytes) return {};
    const RecordShape shape{characters.read.characterCount, characters.read.unusedCharacters};
    SpeciesRecords records = readRecords(*bytes, shape);
    records.file = shownName(folder, name);
    const auto lines = keyLines(*bytes);
    checkLineEnds(lines, records.file, findings);
    const std::size_t recordLines = 1 + static_cast<std::size_t>(shape.characterCount + shape.unusedValueLines);
    ByteBuffer counted(*bytes);
    if (countSpeciesRecords(counted, shape).overLimit) {
        findings.error("too-many-species", records.file, static_cast<int>(kMaxSpecies * recordLines + 1),
                       "the file holds more than 350 species; the program reads only the first 350",
                       "keep to 350 species, or split the genus");
    } else if (lines.size() % recordLines != 0) {
        findings.error("record-cut", records.file, static_cast<int>(lines.size()),
                       "the last record has " + std::to_string(lines.size() % recordLines) + " of its " +
                           std::to_string(recordLines) + " lines (a name line and one value line per character)",
                       "give every species one value line per character");
    }
    std::map<std::string, int> codes;
    for (std::size_t r = 0; r < records.size(); ++r) {
        checkNameLine(records, r, codes, findings);
        for (int k = 0; k < shape.characterCount; ++k) {
            checkValueLine(records.values[r][static_cast<std::size_t>(k)], characters.row(k), k, records.file,
                           records.lines[r] + 1 + k, findings);
        }
        checkUnknownShare(records, r, findings);
    }
    return records;
}

}  // namespace sporix::authoring

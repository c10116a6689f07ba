#include "SeparationCheck.h"

#include "GenusTableCells.h"

#include <algorithm>
#include <map>

namespace sporix::authoring {

namespace {

// The characters in which two records differ, up to `enough` of them.
std::vector<int> differences(const std::vector<std::string>& a, const std::vector<std::string>& b, std::size_t enough) {
    std::vector<int> differing;
    for (std::size_t k = 0; k < a.size() && differing.size() < enough; ++k) {
        if (a[k] != b[k]) differing.push_back(static_cast<int>(k));
    }
    return differing;
}

void checkPairs(const SpeciesRecords& records, const GenusCharacters& characters, Findings& findings) {
    std::map<std::vector<std::string>, std::size_t> firstWithValues;
    for (std::size_t r = 0; r < records.size(); ++r) {
        const auto [first, isNew] = firstWithValues.emplace(records.values[r], r);
        if (isNew) continue;
        findings.warning("inseparable", records.file, records.lines[r],
                         "species " + quoted(records.code(r)) + " has the same values as " +
                             quoted(records.code(first->second)) + " (line " +
                             std::to_string(records.lines[first->second]) +
                             ") in every character: no choice tells them apart",
                         "code a character in which they differ");
    }
    for (std::size_t a = 0; a < records.size(); ++a) {
        for (std::size_t b = a + 1; b < records.size(); ++b) {
            const auto differing = differences(records.values[a], records.values[b], 2);
            if (differing.size() != 1) continue;
            const int k = differing.front();
            findings.note("one-character-apart", records.file, records.lines[b],
                          "species " + quoted(records.code(b)) + " differs from " + quoted(records.code(a)) +
                              " only in character " + std::to_string(k + 1) + " " + quoted(characters.row(k).name),
                          "check that character in both, or code another one in which they differ");
        }
    }
}

// How many records show each code of character `k`.
std::map<char, std::size_t> codeCounts(const SpeciesRecords& records, int k) {
    std::map<char, std::size_t> counts;
    for (const auto& values : records.values) {
        std::string seen;
        for (const char symbol : values[static_cast<std::size_t>(k)]) {
            if (symbol != '.' && symbol != '?' && seen.find(symbol) == std::string::npos) {
                seen.push_back(symbol);
                ++counts[symbol];
            }
        }
    }
    return counts;
}

void checkCharacter(const SpeciesRecords& records, const GenusCharacters& characters, int k, Findings& findings) {
    const CharacterRow& row = characters.row(k);
    const int line = characters.read.startLines[static_cast<std::size_t>(k)];
    const std::string label = "character " + std::to_string(k + 1) + " " + quoted(row.name);
    const auto counts = codeCounts(records, k);
    for (std::size_t slot = 0; slot < kMaxStates; ++slot) {
        if (!hasStateCode(row.slots[slot]) || counts.count(stateCode(row.slots[slot])) != 0) continue;
        findings.warning("unused-state", characters.file, characters.stateLine(k, slot),
                         label + ": no species shows the state " + quoted(trimmedStateText(row.slots[slot])),
                         "code the species that show it, or remove the state");
    }
    if (records.size() < 2) return;
    const auto differs = [&](const std::vector<std::string>& v) { return v[k] != records.values.front()[k]; };
    if (std::none_of(records.values.begin(), records.values.end(), differs)) {
        findings.warning("separates-nothing", characters.file, line,
                         label + ": every species has the same value, so the character separates nothing",
                         "code the species' real states, or remove the character");
        return;
    }
    for (const auto& [code, count] : counts) {
        if (static_cast<double>(count) < kCommonStateShare * static_cast<double>(records.size())) continue;
        findings.warning("common-state", characters.file, line,
                         label + ": " + std::to_string(count) + " of " + std::to_string(records.size()) +
                             " species show the code " + quoted(std::string(1, code)) +
                             "; a value filled in by default rather than observed?",
                         "check the sources of those species");
    }
}

}  // namespace

void checkSeparation(const SpeciesRecords& records, const GenusCharacters& characters, Findings& findings) {
    if (records.size() == 0) return;
    checkPairs(records, characters, findings);
    for (int k = 0; k < characters.read.characterCount; ++k) checkCharacter(records, characters, k, findings);
}

}  // namespace sporix::authoring

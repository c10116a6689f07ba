#include "AdviceInput.h"

#include <algorithm>

#include "ProgramState.h"
#include "Scoring.h"
#include "ShortText.h"
#include "SpeciesFile.h"

namespace sporix {

namespace {

std::vector<AdviceCharacter> charactersOf(const LoadedGenus& genus) {
    std::vector<AdviceCharacter> characters(static_cast<std::size_t>(genus.characterCount));
    for (std::size_t i = 0; i < characters.size(); ++i) {
        const CharacterRow& row = genus.characters[i];
        characters[i].name = withoutTrailingBlanks(row.name);
        for (const std::string& slot : row.slots) {
            if (hasStateCode(slot)) characters[i].states.push_back({withoutTrailingBlanks(stateText(slot)), stateCode(slot)});
        }
    }
    return characters;
}

// The choices as the drop-down lists show them: Clear all empties the lists at once, while
// the chosen texts of the search state follow only at the next search.
std::string searchKeyOf(const ProgramState& state) {
    std::string key;
    for (int i = 0; i < state.genus.characterCount; ++i) {
        const auto row = static_cast<std::size_t>(i);
        key.push_back(
            chosenCode(state.genus.characters[row], cut(state.views.main.rows[row].comboText, kStateTextWidth)));
    }
    return key;
}

ToxicityFileRead readMarks(const ProgramState& state, const WorkFolder& folder) {
    auto file = folder.openForReading(cut(state.currentGenus.folder + ".TOX", kDataFileNameWidth));
    return file ? readToxicityFile(*file) : ToxicityFileRead{};
}

// Every record to the end of the file, as the search over all species reads it. A record
// is a rest species when the rest-species list would show it.
void readRecords(const ProgramState& state, std::streambuf& file, const ToxicityFileRead& marks, AdviceInput& input) {
    SpeciesReader reader(file, state.genus.recordShape());
    std::string nameLine;
    std::string valueLine;
    input.valueStarts.push_back(0);
    do {
        if (static_cast<int>(input.records.size()) == kMaxSpecies) break;
        AdviceRecord& record = input.records.emplace_back();
        record.record = static_cast<int>(input.records.size());
        record.firstValue = input.valueStarts.size() - 1;
        reader.readLine(nameLine);
        for (int i = 0; i < state.genus.characterCount; ++i) {
            reader.readLine(valueLine);
            input.valueText += valueLine;
            input.valueStarts.push_back(input.valueText.size());
        }
        reader.skipUnusedValueLines();
        record.species = {std::string(speciesCode(nameLine)), std::string(displayName(nameLine)),
                          toxicityOf(marks, speciesCode(nameLine))};
        record.rest = input.kind == 2 && state.search.mark(0, record.record) == 1 && !record.species.name.empty();
    } while (!reader.atEnd());
}

}  // namespace

std::string AdviceCharacter::stateText(char code) const {
    for (const State& state : states) {
        if (state.code == code) return state.text;
    }
    return {};
}

bool AdviceCharacter::hasState(char code) const {
    return std::any_of(states.begin(), states.end(), [code](const State& state) { return state.code == code; });
}

bool AdviceCharacter::records(std::string_view value) const {
    return std::any_of(value.begin(), value.end(), [this](char symbol) { return hasState(symbol); });
}

char AdviceInput::comparedCode(char code) const { return kind == 1 ? upperCase(code) : code; }

AdviceInput readAdviceInput(const ProgramState& state, const WorkFolder& folder) {
    AdviceInput input;
    if (state.currentGenus.folder.empty()) {
        input.status = AdviceStatus::NoGenus;
        return input;
    }
    auto file = folder.openForReading(state.genus.speciesFileName);
    if (!file) {
        input.status = AdviceStatus::SpeciesFileUnreadable;
        return input;
    }
    // The drop-down lists start the kind that is checked.
    input.kind = state.views.main.usingRestSpecies.checked ? 2 : 1;
    input.characters = charactersOf(state.genus);
    input.searchKey = searchKeyOf(state);
    // Room for as many records as the genus was counted with, and lines of a few codes.
    const auto records = static_cast<std::size_t>(std::clamp(state.genus.speciesCount, 1, kMaxSpecies));
    const auto lines = records * static_cast<std::size_t>(state.genus.characterCount);
    input.records.reserve(records);
    input.valueStarts.reserve(lines + 1);
    input.valueText.reserve(lines * 4);
    ToxicityFileRead marks = readMarks(state, folder);
    readRecords(state, *file, marks, input);
    input.confusions = std::move(marks.confusions);
    return input;
}

}  // namespace sporix

#include "RestSearch.h"

#include <algorithm>
#include <vector>

#include "ClearAll.h"
#include "GenusLoader.h"
#include "NameCollation.h"
#include "Search.h"
#include "ShortText.h"
#include "SpeciesFile.h"
#include "StartUp.h"

namespace sporix {

namespace {

constexpr int kStepBackFloor = 3;        // below it a step back is a Clear all
constexpr std::uint16_t kShiftAtStep = 10;

struct NewChoice {
    int character = 0;  // the row of the state applied now; 0 = none
    char code = 0;
};

// Applies the first state of each chosen text that was not applied before. The flags of
// every row go into the snapshot first, so that a step back restores all of them.
NewChoice applyNewChoice(Context& c) {
    SearchState& search = c.state.search;
    const LoadedGenus& genus = c.state.genus;
    const int step = search.stepNumber;
    NewChoice choice;
    for (int i = 1; i <= genus.characterCount; ++i) {
        for (int s = 1; s <= kMaxStates; ++s) search.usedState(step, i, s) = search.usedState(0, i, s);
        const std::string& chosen = search.chosenText(0, i);
        if (chosen.empty()) continue;
        const CharacterRow& character = genus.characters[static_cast<std::size_t>(i - 1)];
        for (int s = 1; s <= kMaxStates; ++s) {
            const std::string& slot = character.slots[static_cast<std::size_t>(s - 1)];
            if (hasStateCode(slot) && stateText(slot) == chosen && search.usedState(0, i, s) == 0) {
                search.usedState(0, i, s) = 1;
                choice = {i, stateCode(slot)};
            }
        }
    }
    return choice;
}

struct RestSpecies {
    std::vector<std::string> names;                  // in file order
    std::array<bool, kMaxCharacters> distinguishing{};
};

// Compares the value lines of each rest species with those of the first one.
class DistinguishingTest {
public:
    explicit DistinguishingTest(RestSpecies& rest) : rest_(rest) {}

    void add(const std::vector<std::string>& valueLines) {
        if (!haveReference_) {
            reference_ = valueLines;
            haveReference_ = true;
            return;
        }
        for (std::size_t k = 0; k < valueLines.size(); ++k) {
            if (valueLines[k] != reference_[k]) rest_.distinguishing[k] = true;
        }
    }

private:
    RestSpecies& rest_;
    std::vector<std::string> reference_;
    bool haveReference_ = false;
};

// One pass over the file filters by the new choice, lists the rest species and finds the
// characters that still tell them apart. Filtering and the test see records
// 1..SpeciesCount; the listing goes on to the end of the file.
RestSpecies filterAndList(Context& c, std::streambuf& file, const NewChoice& choice) {
    SearchState& search = c.state.search;
    const int speciesCount = c.state.genus.speciesCount;
    const int step = search.stepNumber;
    SpeciesReader reader(file, c.state.genus.recordShape());
    RestSpecies rest;
    DistinguishingTest test(rest);
    std::string nameLine;
    std::vector<std::string> valueLines(static_cast<std::size_t>(c.state.genus.characterCount));
    int record = 0;
    do {
        if (record == kMaxSpecies) {
            noteSpeciesOverLimit(c);
            break;
        }
        ++record;
        reader.readLine(nameLine);
        for (auto& line : valueLines) reader.readLine(line);
        reader.skipUnusedValueLines();
        const bool filtered = record <= speciesCount;
        if (filtered) {
            search.mark(step, record) = search.mark(0, record);
            const bool agrees = choice.character != 0 &&
                                valueLines[static_cast<std::size_t>(choice.character - 1)].find(choice.code) != std::string::npos;
            if (!agrees) search.mark(0, record) = 0;
        }
        const std::string_view name = displayName(nameLine);
        if (search.mark(0, record) != 1 || name.empty()) continue;
        if (rest.names.size() < kCompareSlots) search.compareNames[rest.names.size()] = std::string(name);
        rest.names.emplace_back(name);
        if (filtered) test.add(valueLines);
    } while (!reader.atEnd());
    // Records that the file no longer holds read as empty lines and agree with nothing.
    for (int k = record + 1; k <= std::min(speciesCount, kMaxSpecies); ++k) {
        search.mark(step, k) = search.mark(0, k);
        search.mark(0, k) = 0;
    }
    return rest;
}

void showRestSpecies(Context& c, RestSpecies& rest) {
    MainWindowView& main = c.main();
    const auto n = static_cast<std::uint16_t>(rest.names.size());
    std::stable_sort(rest.names.begin(), rest.names.end(), collatesBefore);
    main.listBox1 = std::move(rest.names);
    main.label43Enabled = true;
    main.label43Caption = c.text(10) + " " + std::to_string(n);
    c.state.search.listedCount = n;
    if (n < 2) main.speedButton1Enabled = true;
    if (n == 0) {
        main.listBox1.assign(1, c.text(8));
        main.speedButton1Caption = c.text(11);
    }
    if (n == 1) main.speedButton1Caption = c.text(12);
    labelReset(c);
    for (std::size_t k = 0; k < kMaxCharacters; ++k) {
        if (!rest.distinguishing[k]) main.rows[k].labelEnabled = false;
    }
}

}  // namespace

void restSpeciesSearch(Context& c) {
    MainWindowView& main = c.main();
    SearchState& search = c.state.search;
    main.image1Visible = false;
    main.checkListVisible = true;
    main.listBox1Visible = true;
    main.listBox2Visible = true;
    checkListReset(c);
    search.compareNames = {};
    auto file = c.folder.openForReading(c.state.genus.speciesFileName);
    if (!file) {
        c.messages.showMessage("Spc-file cannot open " + c.state.genus.speciesFileName);
        return;
    }
    if (!search.steppingBack) ++search.stepNumber;
    if (search.steppingBack && search.stepNumber < kStepBackFloor) {
        main.stepback1.enabled = false;
        clearAll(c);
        ++search.stepNumber;
        return;
    }
    if (search.stepNumber == kShiftAtStep) shiftHistory(c);
    main.stepback1.enabled = true;
    captureChosenStates(c);
    const NewChoice choice = applyNewChoice(c);
    RestSpecies rest = filterAndList(c, *file, choice);
    file.reset();
    showRestSpecies(c, rest);
    for (int i = 1; i <= c.state.genus.characterCount; ++i) {
        search.chosenText(search.stepNumber, i) = search.chosenText(0, i);
    }
    if (search.listedCount < kMaxListed) {
        fillCheckList(c);
        if (search.listedCount == 0) checkListReset(c);
    }
}

void restoreFromHistory(Context& c) {
    SearchState& search = c.state.search;
    const int slot = search.stepNumber - 1;
    if (slot < 1) return;  // no snapshot below layer 1
    search.copyLayer(slot, 0, std::min(c.state.genus.speciesCount, kMaxSpecies), c.state.genus.characterCount);
    for (int row = 1; row <= kMaxCharacters; ++row) {
        c.main().rows[static_cast<std::size_t>(row - 1)].comboText = search.chosenText(0, row);
    }
}

void shiftHistory(Context& c) {
    SearchState& search = c.state.search;
    for (int slot = 1; slot < kHistorySlots; ++slot) {
        search.copyLayer(slot + 1, slot, kMaxSpecies, c.state.genus.characterCount);
    }
    search.stepNumber = kHistorySlots;
}

void stepback1Click(Context& c) {
    if (!c.main().stepback1.enabled) return;
    c.main().speedButton1Enabled = false;
    c.state.search.steppingBack = true;
    restSpeciesSearch(c);
    // A search that could not open the file leaves the step alone; never go below 0.
    if (c.state.search.stepNumber > 0) --c.state.search.stepNumber;
}

void speedButton1Click(Context& c) {
    c.main().speedButton1Enabled = false;
    c.main().label43Enabled = false;
    c.state.search.markAllSpecies();
    usingRestSpeciesClick(c);
    labelReset(c);
    c.state.search.stepNumber = 1;
}

void usingRestSpeciesClick(Context& c) {
    c.state.search.markAllSpecies();
    clearAll(c);
    c.state.search.clearUsedStates(c.state.genus.characterCount);
    checkListReset(c);
    c.state.settings.searchKind = 2;
    applySearchKindTexts(c);
    saveSettings(c);
    c.state.search.stepNumber = 1;
}

void usingAllSpeciesClick(Context& c) {
    clearAll(c);
    c.state.search.steppingBack = false;
    c.state.settings.searchKind = 1;
    applySearchKindTexts(c);
    saveSettings(c);
}

}  // namespace sporix

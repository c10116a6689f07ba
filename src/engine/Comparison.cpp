#include "Comparison.h"

#include <algorithm>

#include "Description.h"
#include "Search.h"
#include "ShortText.h"
#include "SpeciesFile.h"

namespace sporix {

namespace {

constexpr int kFirstSpeciesColumn = 2;  // Label3 / Memo3

std::string withoutMarker(const std::string& line) {
    return line.size() > kSpeciesCodeWidth && line[kSpeciesCodeWidth] == '*' ? fromPosition(line, 10) : line;
}

// The ticked lines, at most three, read only as far as the list really has lines.
void takeTickedLines(Context& c, const std::vector<bool>& ticks) {
    const auto& lines = c.main().listBox1;
    auto& names = c.state.search.compareNames;
    const std::size_t limit = std::min({std::size_t{c.state.search.listedCount}, lines.size(), ticks.size()});
    std::size_t taken = 0;
    for (std::size_t i = 0; i < limit && taken < kCompareSlots; ++i) {
        if (!ticks[i]) continue;
        if (taken == 0) names = {};
        std::string name = withoutMarker(lines[i]);
        if (listShowsAllSpecies(c)) name = withoutMarker(fromPosition(name, 3));
        names[taken++] = std::move(name);
    }
}

// The state texts that one value line shows: those of its first code, after any dots.
void addStates(const CharacterRow& character, const std::string& line, std::vector<std::string>& column) {
    const auto addMatching = [&](char code) {
        for (std::size_t s = 0; s < kMaxStates; ++s) {
            const std::string& slot = character.slots[s];
            if (hasStateCode(slot) && stateCode(slot) == code) column.emplace_back(stateText(slot));
        }
    };
    if (line.empty()) return;
    addMatching(line.front());
    if (line == "?") column.emplace_back("?");
    if (line.front() == '.') {
        const auto first = line.find_first_not_of('.');
        if (first != std::string::npos) addMatching(line[first]);
    }
}

void fillColumn(Context& c, const std::string& speciesFile, int slot) {
    auto& window = c.state.views.comparison;
    const auto column = static_cast<std::size_t>(kFirstSpeciesColumn + slot);
    const std::string& wanted = c.state.search.compareNames[static_cast<std::size_t>(slot)];
    // An unmatched heading is reset too, so that no heading names a species whose column
    // stays empty; an empty slot matches no record.
    window.labels[column].clear();
    if (wanted.empty()) return;
    const LoadedGenus& genus = c.state.genus;
    auto file = c.folder.openOrThrow(speciesFile);
    SpeciesReader reader(*file, genus.recordShape());
    std::string line;
    do {
        reader.readLine(line);
        if (displayName(line) != wanted) {
            reader.skipValueLines();
            continue;
        }
        window.labels[column] = wanted;
        for (int k = 0; k < genus.characterCount; ++k) {
            reader.readLine(line);
            addStates(genus.characters[static_cast<std::size_t>(k)], line, window.memos[column]);
        }
        return;
    } while (!reader.atEnd());
}

}  // namespace

void comparespecies1Click(Context& c, const std::vector<bool>& ticks) {
    MainWindowView& main = c.main();
    main.checkListVisible = true;
    main.listBox1Visible = true;
    main.listBox2Visible = true;
    main.image1Visible = false;
    if (listShowsAllSpecies(c)) {
        for (std::size_t j = 0; j < kCompareSlots; ++j) c.state.search.compareNames[j] = c.state.results.rows[j].displayName;
    }
    takeTickedLines(c, ticks);
    auto& window = c.state.views.comparison;
    window.caption = " " + c.text(29);
    for (auto& memo : window.memos) memo.clear();
    const std::string speciesFile = cut(c.state.currentGenus.folder + ".Spe", kCompareFileNameWidth);
    c.folder.openOrThrow(speciesFile);  // a missing file ends the comparison here
    const LoadedGenus& genus = c.state.genus;
    for (int k = 0; k < genus.characterCount; ++k) {
        window.memos[0].push_back(genus.characters[static_cast<std::size_t>(k)].name);
        window.memos[1].push_back(c.state.search.chosenText(0, k + 1));
    }
    for (int slot = 0; slot < kCompareSlots; ++slot) fillColumn(c, speciesFile, slot);
    window.show();
    ++window.scrollToTopCount;
}

void headingClick(Context& c, int column) {
    if (column < 1 || column > kCompareSlots) return;
    const std::string& heading = c.state.views.comparison.labels[static_cast<std::size_t>(kFirstSpeciesColumn + column - 1)];
    if (heading.empty()) return;  // a reset heading names no species
    c.state.description.selectedLine = heading;
    openSpeciesDescription(c, DescriptionEntry::Heading);
}

}  // namespace sporix

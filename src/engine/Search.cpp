#include "Search.h"

#include "RestSearch.h"
#include "Scoring.h"
#include "ShortText.h"

namespace sporix {

void searchautomatic1Click(Context& c) {
    if (c.state.currentGenus.folder.empty()) {
        c.messages.showMessage(c.text(13));
        return;
    }
    if (c.main().usingAllSpecies.checked) {
        const std::string key = buildSearchKey(c);
        searchAllSpecies(c, key);
    }
    if (c.main().usingRestSpecies.checked) {
        c.state.search.steppingBack = false;
        restSpeciesSearch(c);
    }
}

void captureChosenStates(Context& c) {
    if (c.state.search.steppingBack) restoreFromHistory(c);
    for (int row = 1; row <= kMaxCharacters; ++row) {
        c.state.search.chosenText(0, row) = cut(c.main().rows[static_cast<std::size_t>(row - 1)].comboText, kStateTextWidth);
    }
    if (c.state.settings.searchKind == 1) c.main().comparespecies1.enabled = true;
}

std::string buildSearchKey(Context& c) {
    captureChosenStates(c);
    const LoadedGenus& genus = c.state.genus;
    std::string key;
    for (int i = 1; i <= genus.characterCount; ++i) {
        const std::string& chosen = c.state.search.chosenText(0, i);
        // One letter per character, so that the key's letters line up with the characters.
        key.push_back(chosenCode(genus.characters[static_cast<std::size_t>(i - 1)], chosen));
    }
    return key;
}

void fillCheckList(Context& c) {
    MainWindowView& main = c.main();
    main.image1Visible = false;
    main.comparespecies1.enabled = true;
    main.checkListVisible = true;
    main.checkListItems = c.state.search.listedCount;
    ++main.checkListFills;
}

bool listShowsAllSpecies(const Context& c) { return !c.state.views.main.usingRestSpecies.checked; }

}  // namespace sporix

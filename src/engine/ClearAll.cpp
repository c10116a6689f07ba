#include "ClearAll.h"

namespace sporix {

void clearAll(Context& c) {
    MainWindowView& main = c.main();
    main.image1Visible = false;
    main.caption = " " + c.text(6) + c.state.currentGenus.displayName;
    for (auto& row : main.rows) row.comboText.clear();
    main.listBox1.clear();
    main.listBox2.clear();
    main.label43Enabled = false;
    if (c.state.settings.searchKind == 2) {
        SearchState& search = c.state.search;
        search.clearUsedStates(c.state.genus.characterCount);
        search.markAllSpecies();
        main.speedButton1Enabled = false;
        main.label43Enabled = false;
        main.stepback1.enabled = false;
        search.stepNumber = 1;
        checkListReset(c);
    }
    labelReset(c);
}

void labelReset(Context& c) {
    for (auto& row : c.main().rows) row.labelEnabled = true;
}

void checkListReset(Context& c) {
    c.main().checkListVisible = false;
    c.main().comparespecies1.enabled = false;
}

}  // namespace sporix

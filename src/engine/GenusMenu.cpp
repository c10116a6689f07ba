#include "GenusMenu.h"

#include "GenusLoader.h"

namespace sporix {

void genera1Click(Context& c) {
    c.state.currentGenus.code.clear();
    MainWindowView& main = c.main();
    main.image1Visible = false;
    main.listBox1.clear();
    main.listBox2.clear();
    main.label43Enabled = false;
    main.label44Enabled = false;
    auto file = c.folder.openForReading(kGenusListFileName);
    if (!file) {
        c.messages.showMessage(c.text(5));
        return;
    }
    const int read = readGenusList(*file, c.state.genusList);
    file.reset();
    for (std::size_t k = 0; k < kMaxGenera; ++k) main.genusItems[k] = c.state.genusList[k].displayName;
    if (read == kMaxGenera) {
        c.messages.showMessage(std::string(kGenusListFileName) + " holds " + std::to_string(kMaxGenera) +
                               " or more genera; only the first " + std::to_string(kMaxGenera) +
                               " are offered in the menu.");
    }
}

void genusItemClick(Context& c, int item) {
    if (item < 1 || item > kMaxGenera) return;
    const GenusEntry& entry = c.state.genusList[static_cast<std::size_t>(item - 1)];
    if (!WorkFolder::staysInside(entry.folder)) {
        c.messages.showMessage("The genus \"" + entry.displayName + "\" is not loaded: its folder name \"" +
                               entry.folder + "\" leads out of the working folder.");
        return;
    }
    c.state.currentGenus = entry;
    loadGenus(c);
}

}  // namespace sporix

#include "HelpInfo.h"

#include <array>

#include "AboutTexts.h"
#include "DisplayLines.h"

namespace sporix {

namespace {

struct HelpFile {
    const char* tested;  // the name whose existence is tested
    const char* loaded;  // the name it is loaded by (the same file, in other letters)
};

constexpr std::array<HelpFile, 6> kHelpFiles = {{
    {"InfoUK.Txt", "InfoUK.TXT"},
    {"InfoNL.Txt", "InfoNL.TXT"},
    {"InfoD.Txt", "InfoD.TXT"},
    {"InfoF.Txt", "InfoF.TXT"},
    {"InfoI.Txt", "InfoI.TXT"},
    {"InfoS.Txt", "InfoS.TXT"},
}};

}  // namespace

void helpItemClick(Context& c, int language) {
    if (language < 1 || language > static_cast<int>(kHelpFiles.size())) return;
    const HelpFile& help = kHelpFiles[static_cast<std::size_t>(language - 1)];
    HelpWindowView& window = c.state.views.help;
    window.caption = " " + c.text(14);
    window.memoLines.clear();
    if (!c.folder.fileExists(help.tested)) {
        c.messages.showMessage(std::string(help.tested) + " " + c.text(7));
        return;
    }
    auto file = c.folder.openOrThrow(help.loaded);
    window.memoLines = readDisplayLines(*file);
    window.show();
}

void howtostart1Click(Context& c) { c.messages.showMessage(c.text(2) + "\n" + c.text(3) + "\n" + c.text(4)); }

void aboutProgram1Click(Context& c) { c.messages.showMessage(aboutText(c.state.settings.languageIndex)); }

}  // namespace sporix

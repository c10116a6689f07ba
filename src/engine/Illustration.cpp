#include "Illustration.h"

#include "LanguagePicture.h"

namespace sporix {

std::optional<std::string> illustrationPath(const Context& c, int row) {
    const LoadedGenus& loaded = c.state.genus;
    return pictureInLanguage(c.folder,
                             loaded.folderPrefix + loaded.illustrationNames[static_cast<std::size_t>(row - 1)],
                             c.state.settings.languageIndex);
}

void showCharacterIllustration(Context& c, int row) {
    if (row < 1 || row > kMaxCharacters) return;
    const auto index = static_cast<std::size_t>(row - 1);
    MainWindowView& main = c.main();
    if (!main.rows[index].buttonEnabled) return;
    const auto path = illustrationPath(c, row);
    if (!path) {
        c.messages.showMessage(c.text(32) + "\n" + c.text(33));
        main.image1Visible = false;
        return;
    }
    showIllustrationArea(c);
    // The old picture goes first, so a picture that fails to decode leaves no picture of
    // another character on show.
    main.image1.reset();
    main.image1 = c.pictures.load(*path);
}

void showIllustrationArea(Context& c) {
    MainWindowView& main = c.main();
    main.checkListVisible = false;
    main.listBox1Visible = false;
    main.listBox2Visible = false;
    main.image1Visible = true;
}

}  // namespace sporix

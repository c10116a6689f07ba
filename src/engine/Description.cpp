#include "Description.h"

#include "DisplayLines.h"
#include "LanguagePicture.h"
#include "Languages.h"
#include "Search.h"
#include "ShortText.h"
#include "SpeciesFile.h"

namespace sporix {

namespace {

// The kind-2 list shows bare display names: the code comes from the species file; the
// last record whose display name matches counts.
void lookUpSpeciesCode(Context& c) {
    DescriptionState& d = c.state.description;
    auto file = c.folder.openOrThrow(c.state.genus.speciesFileName);
    SpeciesReader reader(*file, c.state.genus.recordShape());
    std::string nameLine;
    do {
        reader.readLine(nameLine);
        reader.skipValueLines();
        if (fromPosition(nameLine, 10) == d.selectedName) d.speciesCode = cut(nameLine, kSpeciesCodeWidth);
    } while (!reader.atEnd());
}

void findSpecies(Context& c, DescriptionEntry entry) {
    DescriptionState& d = c.state.description;
    if (entry == DescriptionEntry::Advisor) {
        d.selectedName = d.selectedLine;
    } else if (entry == DescriptionEntry::ResultList && listShowsAllSpecies(c)) {
        d.selectedName = fromPosition(d.selectedLine, 3);  // without the genus prefix
    } else {
        // A heading shows a display name, as the rest-species list does: for a name written
        // as code, "*", name, only the species file knows the code.
        d.selectedName = d.selectedLine;
        d.speciesCode = cut(d.selectedName, kSpeciesCodeWidth);
        lookUpSpeciesCode(c);
    }
}

void formFileNames(Context& c) {
    DescriptionState& d = c.state.description;
    const std::string& prefix = c.state.genus.folderPrefix;
    std::string extension = descriptionExtension(c.state.settings.languageIndex);
    if (extension.empty()) extension = kEnglishDescriptionExtension;
    d.descriptionFileName = cut(d.speciesCode + extension, kDataFileNameWidth);
    if (!c.folder.fileExists(prefix + d.descriptionFileName)) d.descriptionFileName = d.speciesCode + kEnglishDescriptionExtension;
    d.drawingFileName = cut(d.speciesCode + ".BMP", kDataFileNameWidth);
    d.slideFileName = cut(d.speciesCode + ".JPG", kDataFileNameWidth);
}

void showText(Context& c) {
    const DescriptionState& d = c.state.description;
    const std::string path = c.state.genus.folderPrefix + d.descriptionFileName;
    auto& lines = c.state.views.description.memoLines;
    if (c.folder.fileExists(path)) {
        auto file = c.folder.openOrThrow(path);
        lines = readDisplayLines(*file);
        return;
    }
    lines = {c.state.currentGenus.displayName + " " + d.selectedName + c.text(25), "Filename: " + d.speciesCode + ".*"};
}

// The species' picture in the interface language where the key has one, else the common
// one; nothing when neither is there.
std::optional<std::string> speciesPicture(const Context& c, const std::string& fileName) {
    return pictureInLanguage(c.folder, c.state.genus.folderPrefix + fileName, c.state.settings.languageIndex);
}

void showDrawing(Context& c) {
    const auto drawing = speciesPicture(c, c.state.description.drawingFileName);
    // Without a placeholder either its common name is loaded, so that the failure names it.
    c.state.views.description.image1 = c.pictures.load(
        drawing ? *drawing
                : pictureInLanguage(c.folder, kPlaceholderPicture, c.state.settings.languageIndex)
                      .value_or(kPlaceholderPicture));
}

}  // namespace

void species1Click(Context& c, int selectedIndex) {
    MainWindowView& main = c.main();
    main.image1Visible = false;
    if (selectedIndex < 0 || static_cast<std::size_t>(selectedIndex) >= main.listBox1.size()) return;
    // Only the first 42 lines have a row in the result table; the rest-species list,
    // which can be longer, finds its codes in the species file instead.
    if (selectedIndex < kResultRows) {
        c.state.description.speciesCode =
            cut(c.state.results.rows[static_cast<std::size_t>(selectedIndex)].speciesCode, kSpeciesCodeWidth);
    }
    const std::string& line = main.listBox1[static_cast<std::size_t>(selectedIndex)];
    if (line.empty()) return;
    c.state.description.selectedLine = line;
    openSpeciesDescription(c, DescriptionEntry::ResultList);
}

void openSpeciesDescription(Context& c, DescriptionEntry entry) {
    DescriptionWindowView& window = c.state.views.description;
    window.slideEnabled = false;
    window.memoLines.clear();
    window.memoSilver = true;
    findSpecies(c, entry);
    formFileNames(c);
    showText(c);
    showDrawing(c);
    window.slideEnabled = speciesPicture(c, c.state.description.slideFileName).has_value();
    window.caption = " " + c.text(1);
    window.slideCaption = c.text(15);
    window.closeCaption = c.text(16);
    window.show();
}

void slideButtonClick(Context& c) {
    DescriptionWindowView& description = c.state.views.description;
    if (!description.slideEnabled) return;
    SlideWindowView& slide = c.state.views.slide;
    slide.caption = " " + c.text(15) + " " + c.state.description.selectedLine;
    const std::string& slideName = c.state.description.slideFileName;
    slide.image1 = c.pictures.load(speciesPicture(c, slideName).value_or(c.state.genus.folderPrefix + slideName));
    slide.show();
    description.slideEnabled = false;
}

void closeButtonClick(Context& c) {
    c.state.views.description.visible = false;
    c.state.views.slide.visible = false;
    slideWindowClosed(c);
}

void slideWindowClosed(Context& c) {
    c.state.views.slide.visible = false;
    c.state.views.description.slideEnabled = true;
}

}  // namespace sporix

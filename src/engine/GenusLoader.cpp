#include "GenusLoader.h"

#include "ClearAll.h"
#include "Illustration.h"
#include "Languages.h"
#include "ShortText.h"
#include "SpeciesFile.h"

namespace sporix {

namespace {

void formNames(Context& c) {
    const GenusEntry& genus = c.state.currentGenus;
    LoadedGenus& loaded = c.state.genus;
    loaded.characterFileName = cut(genus.folder + characterFileExtension(c.state.settings.languageIndex), kDataFileNameWidth);
    loaded.speciesFileName = cut(genus.folder + ".SPE", kDataFileNameWidth);
    for (int k = 1; k <= kMaxCharacters; ++k) {
        loaded.characters[static_cast<std::size_t>(k - 1)] = CharacterRow{};
        loaded.illustrationNames[static_cast<std::size_t>(k - 1)] = genus.code + "Pic" + std::to_string(k) + ".Jpg";
    }
}

void enableIllustrationButtons(Context& c) {
    for (int k = 1; k <= kMaxCharacters; ++k) {
        c.main().rows[static_cast<std::size_t>(k - 1)].buttonEnabled = illustrationPath(c, k).has_value();
    }
}

std::string describeCuts(const std::string& fileName, const CharacterFileCuts& cuts) {
    std::string text = fileName + " goes beyond the limits of the key and was cut:";
    for (const int character : cuts.statesCut) {
        text += "\ncharacter " + std::to_string(character) + " has more than " + std::to_string(kMaxStates) +
                " states; only the first " + std::to_string(kMaxStates) + " are used.";
    }
    if (cuts.charactersCut) {
        text += "\nthe file holds more than " + std::to_string(kMaxCharacters) + " characters; only the first " +
                std::to_string(kMaxCharacters) + " are used.";
    }
    if (cuts.unfinishedCharacter != 0) {
        text += "\nthe file ends inside character " + std::to_string(cuts.unfinishedCharacter) +
                " (no closing \".\" line); " +
                (cuts.unfinishedKept ? "it is used as far as it goes." : "it holds only empty lines and is left out.");
    }
    return text;
}

// Labels, drop-down lists and their colours from the character table.
void showCharacters(Context& c) {
    LoadedGenus& loaded = c.state.genus;
    MainWindowView& main = c.main();
    for (std::size_t k = 0; k < kMaxCharacters; ++k) main.rows[k].labelCaption = loaded.characters[k].name;
    labelReset(c);
    for (auto& row : main.rows) {
        row.comboText.clear();
        row.comboItems.clear();
    }
    for (int i = 1; i <= loaded.characterCount; ++i) {
        c.state.search.chosenText(c.state.search.stepNumber, i).clear();
        const CharacterRow& character = loaded.characters[static_cast<std::size_t>(i - 1)];
        auto& items = main.rows[static_cast<std::size_t>(i - 1)].comboItems;
        for (std::size_t s = 0; s < kMaxStates; ++s) {
            if (character.slots[s].size() > 1) items.push_back(cut(character.slots[s], kStateTextWidth));
        }
    }
    for (int k = 1; k <= kMaxCharacters; ++k) main.rows[static_cast<std::size_t>(k - 1)].comboSilver = k > loaded.characterCount;
    ++main.characterFills;
}

// The character file of the language, or the English one; a file that cannot be opened
// leaves the rows as they were.
void readCharacters(Context& c) {
    LoadedGenus& loaded = c.state.genus;
    if (!c.folder.fileExists(loaded.characterFileName)) {
        loaded.characterFileName = cut(c.state.currentGenus.folder + kEnglishCharacterExtension, kDataFileNameWidth);
    }
    auto file = c.folder.openForReading(loaded.characterFileName);
    if (!file) {
        c.messages.showMessage(loaded.characterFileName + " " + c.text(7) + "; " + c.text(13));
        return;
    }
    const CharacterFileRead read = readCharacterFile(*file, loaded.characters);
    file.reset();
    loaded.characterCount = read.characterCount;
    loaded.unusedCharacters = read.unusedCharacters;
    if (read.cuts.any()) c.messages.showMessage(describeCuts(loaded.characterFileName, read.cuts));
    showCharacters(c);
}

// The number of species; false when the species file could not be opened.
bool countSpecies(Context& c) {
    LoadedGenus& loaded = c.state.genus;
    auto file = c.folder.openForReading(loaded.speciesFileName);
    if (!file) {
        // The message has room for 34 bytes in all.
        c.messages.showMessage("SPC-file " + cut("cannot open " + loaded.speciesFileName, 25));
        return false;
    }
    const RecordCount count = countSpeciesRecords(*file, loaded.recordShape());
    loaded.speciesCount = count.records;
    if (count.overLimit) noteSpeciesOverLimit(c);
    return true;
}

}  // namespace

void loadGenus(Context& c) {
    LoadedGenus& loaded = c.state.genus;
    loaded.speciesOverLimitTold = false;
    clearAll(c);
    loaded.folderPrefix = c.state.currentGenus.folder + "\\";
    c.main().caption = " " + c.text(6) + c.state.currentGenus.displayName;
    checkListReset(c);
    formNames(c);
    enableIllustrationButtons(c);
    readCharacters(c);
    if (!countSpecies(c)) return;
    if (c.state.settings.searchKind == 2) c.main().stepback1.caption = c.text(26);
}

void noteSpeciesOverLimit(Context& c) {
    LoadedGenus& loaded = c.state.genus;
    if (loaded.speciesOverLimitTold) return;
    loaded.speciesOverLimitTold = true;
    c.messages.showMessage(loaded.speciesFileName + " holds more than " + std::to_string(kMaxSpecies) +
                           " species; only the first " + std::to_string(kMaxSpecies) +
                           " are used and the rest of the file is left out.");
}

}  // namespace sporix

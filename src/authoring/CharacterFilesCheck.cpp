#include "CharacterFilesCheck.h"

#include <algorithm>

#include "ByteBuffer.h"
#include "GenusTableCells.h"
#include "KeyText.h"
#include "Languages.h"
#include "ShortText.h"

namespace sporix::authoring {

namespace {

const char* const kLanguageNames[] = {"English", "Dutch", "German", "French", "Italian", "Spanish"};

struct LanguageFile {
    std::unique_ptr<CharacterTable> table = std::make_unique<CharacterTable>();
    CharacterFileRead read;
    std::vector<std::string> lines;
    std::string file;
};

std::string characterLabel(int index, const CharacterRow& row) {
    return "character " + std::to_string(index + 1) + " " + quoted(row.name);
}

void checkCuts(const LanguageFile& lf, Findings& findings) {
    for (const int character : lf.read.cuts.statesCut) {
        findings.error(
            "too-many-states", lf.file, lf.read.startLines[static_cast<std::size_t>(character - 1)],
            "character " + std::to_string(character) + " has more than 20 states; the program drops the rest",
            "keep to 20 states");
    }
    if (lf.read.cuts.charactersCut) {
        findings.error("too-many-characters", lf.file, 0,
                       "the file holds " + std::to_string(kMaxCharacters + lf.read.unusedCharacters) +
                           " characters; the program shows only the first 42",
                       "keep to 42 characters");
    }
    if (lf.read.cuts.unfinishedCharacter != 0) {
        findings.error("unclosed-character", lf.file, static_cast<int>(lf.lines.size()),
                       "the file ends inside character " + std::to_string(lf.read.cuts.unfinishedCharacter) +
                           " (no closing \".\" line)",
                       "close every character with a line holding only \".\"");
    }
}

void checkStateLine(const LanguageFile& lf, int index, std::size_t slot, std::string& codes, Findings& findings) {
    const int line = lf.read.startLines[static_cast<std::size_t>(index)] + 1 + static_cast<int>(slot);
    const std::string& raw = lf.lines[static_cast<std::size_t>(line - 1)];
    const CharacterRow& row = (*lf.table)[static_cast<std::size_t>(index)];
    const std::string where = characterLabel(index, row) + ", state " + quoted(raw) + ": ";
    if (raw.size() < kSlotWidth) {
        findings.error("state-line-short", lf.file, line,
                       where + "the line has " + std::to_string(raw.size()) + " bytes, so it holds no state code",
                       "pad the state text with blanks to 25 bytes and put the code in byte 26");
        return;
    }
    if (raw.size() > kSlotWidth) {
        findings.error("state-line-long", lf.file, line,
                       where + "the line has " + std::to_string(raw.size()) + " bytes; the program takes byte 26 " +
                           quoted(raw.substr(kSlotWidth - 1, 1)) + " as the code and drops the rest",
                       "keep the state text to 25 bytes and put the code in byte 26");
        return;
    }
    const char code = stateCode(raw);
    if (!isKeyCode(code)) {
        findings.error("state-code-form", lf.file, line,
                       where + "code " + quoted(std::string(1, code)) + " is not an upper-case letter or a digit",
                       "use A..Z or 0..9 as state codes");
    }
    if (codes.find(code) != std::string::npos) {
        findings.error("state-code-twice", lf.file, line,
                       where + "code " + quoted(std::string(1, code)) + " is used twice in this character",
                       "give each state of a character its own code");
    }
    codes.push_back(code);
}

// Two states of one text (often texts that were cut to 25 bytes) look alike in the
// drop-down list, and a table cannot tell them apart.
void checkStateText(const LanguageFile& lf, int index, const CharacterRow& row, std::size_t slot,
                    std::vector<std::string>& texts, Findings& findings) {
    if (!hasStateCode(row.slots[slot])) return;
    const std::string text = trimmedStateText(row.slots[slot]);
    if (std::find(texts.begin(), texts.end(), text) != texts.end()) {
        findings.error("state-text-twice", lf.file,
                       lf.read.startLines[static_cast<std::size_t>(index)] + 1 + static_cast<int>(slot),
                       characterLabel(index, row) + ": the state text " + quoted(text) +
                           " is used twice; the list shows two states alike",
                       "make the first 25 bytes of every state text of a character differ");
    }
    texts.push_back(text);
}

void checkBlocks(const LanguageFile& lf, Findings& findings) {
    for (int index = 0; index < lf.read.characterCount; ++index) {
        const CharacterRow& row = (*lf.table)[static_cast<std::size_t>(index)];
        const int line = lf.read.startLines[static_cast<std::size_t>(index)];
        const std::string& name = lf.lines[static_cast<std::size_t>(line - 1)];
        if (name.size() > kSlotWidth) {
            findings.warning(
                "character-name-width", lf.file, line,
                "character name " + quoted(name) + " is longer than 26 bytes; the program shows " + quoted(row.name),
                "shorten the name");
        }
        std::string codes;
        std::vector<std::string> texts;
        for (std::size_t slot = 0; slot < kMaxStates && row.slots[slot] != "."; ++slot) {
            checkStateLine(lf, index, slot, codes, findings);
            checkStateText(lf, index, row, slot, texts, findings);
        }
    }
}

void compareWithEnglish(const LanguageFile& lf, const GenusCharacters& english, const char* language,
                        Findings& findings) {
    if (lf.read.characterCount != english.read.characterCount) {
        findings.error("language-characters", lf.file, 0,
                       std::string(language) + " has " + std::to_string(lf.read.characterCount) +
                           " characters, English " + std::to_string(english.read.characterCount),
                       "give every language the same characters in the same order");
        return;
    }
    for (int index = 0; index < lf.read.characterCount; ++index) {
        const std::string codes = stateCodes((*lf.table)[static_cast<std::size_t>(index)]);
        const std::string englishCodes = stateCodes(english.row(index));
        if (codes == englishCodes) continue;
        findings.error("language-states", lf.file, lf.read.startLines[static_cast<std::size_t>(index)],
                       std::string(language) + " character " + std::to_string(index + 1) + " has the codes " +
                           quoted(codes) + ", English " + quoted(englishCodes),
                       "give every language the same states with the same codes");
    }
}

std::optional<LanguageFile> readLanguage(const WorkFolder& folder, const std::string& name, Findings& findings) {
    auto bytes = folder.readAll(name);
    LanguageFile lf;
    lf.file = shownName(folder, name);
    if (!bytes) {
        findings.error("unreadable-file", lf.file, 0, "the character file cannot be read", "make it a readable file");
        return std::nullopt;
    }
    lf.lines = keyLines(*bytes);
    ByteBuffer buffer(*bytes);
    lf.read = readCharacterFile(buffer, *lf.table);
    checkLineEnds(lf.lines, lf.file, findings);
    checkCuts(lf, findings);
    checkBlocks(lf, findings);
    return lf;
}

}  // namespace

int GenusCharacters::stateLine(int index, std::size_t slot) const {
    return read.startLines.at(static_cast<std::size_t>(index)) + 1 + static_cast<int>(slot);
}

std::string genusFileName(const GenusEntry& genus, const std::string& extension) {
    return cut(genus.folder + extension, kDataFileNameWidth);
}

std::string stateCodes(const CharacterRow& row) {
    std::string codes;
    for (const std::string& slot : row.slots) {
        if (hasStateCode(slot)) codes.push_back(stateCode(slot));
    }
    return codes;
}

GenusCharacters checkCharacterFiles(const WorkFolder& folder, const GenusEntry& genus, Findings& findings) {
    GenusCharacters english;
    for (int language = 1; language <= kLanguageCount; ++language) {
        const std::string name = genusFileName(genus, characterFileExtension(language));
        const char* languageName = kLanguageNames[language - 1];
        if (!folder.find(name)) {
            if (language == 1) {
                findings.error("missing-file", shownName(folder, name), 0,
                               "the English character file is missing; the genus cannot be opened",
                               "write the character file");
                return english;
            }
            findings.warning("language-falls-back", shownName(folder, name), 0,
                             std::string("the ") + languageName + " character file is missing; " + languageName +
                                 " shows the English characters",
                             "translate the character file");
            continue;
        }
        auto lf = readLanguage(folder, name, findings);
        if (!lf) continue;
        ++english.languages;
        if (language == 1) {
            english.table = std::move(lf->table);
            english.read = std::move(lf->read);
            english.file = lf->file;
            english.readable = true;
        } else if (english.readable) {
            compareWithEnglish(*lf, english, languageName, findings);
        }
    }
    if (english.readable && english.read.characterCount == 0) {
        findings.error("no-characters", english.file, 0, "the genus has no characters; nothing can be chosen in it",
                       "write the characters and their states");
    }
    return english;
}

}  // namespace sporix::authoring

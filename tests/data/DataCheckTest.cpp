// The bundled key read with the program's own readers: every file it names is there, in
// the form the readers expect, and every species can be identified by its own features.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>

#include "AccessibleTexts.h"
#include "BundledKey.h"
#include "ByteBuffer.h"
#include "CharacterFile.h"
#include "DisplayLines.h"
#include "GenusList.h"
#include "KeyFixture.h"
#include "LineReader.h"
#include "QtPictures.h"
#include "SpeciesFile.h"

namespace sporix {
namespace {

namespace fs = std::filesystem;

const fs::path kData = test::bundledKeyFolder();
const char* const kCharacterExtensions[] = {".FEA", ".FEN", ".FED", ".FEF", ".FEI", ".FES"};
const char* const kTranslations[] = {".TXN", ".TXD", ".TXF", ".TXI", ".TXS"};

std::string readFile(const fs::path& path) { return test::readKeyFile(path); }

// The length of a well-formed UTF-8 sequence of two or more bytes at `at`, or 0.
std::size_t utf8SequenceAt(const std::string& bytes, std::size_t at) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3 : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
    if (length == 0 || at + length > bytes.size()) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(bytes[at + i]) & 0xC0) != 0x80) return 0;
    }
    return length;
}

// Windows-1252 text with CR LF line ends only: no undefined byte, no UTF-8 sequence, no
// lone CR or LF.
std::string textProblem(const std::string& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D) return "undefined byte at " + std::to_string(i);
        if (byte == 26) return "byte 26 at " + std::to_string(i);
        const auto next = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0;
        if (utf8SequenceAt(bytes, i) != 0) return "UTF-8 sequence at " + std::to_string(i);
        if (byte == '\r' && next != '\n') return "lone CR at " + std::to_string(i);
        if (byte == '\n' && (i == 0 || bytes[i - 1] != '\r')) return "lone LF at " + std::to_string(i);
    }
    return {};
}

struct Genus {
    GenusEntry entry;
    CharacterTable characters;
    int characterCount = 0;
    std::vector<std::string> nameLines;
    std::vector<std::vector<std::string>> valueLines;
};

std::vector<Genus> bundledGenera() {
    GenusList list;
    const std::string bytes = readFile(kData / "genuslst.txt");
    ByteBuffer buffer(bytes);
    const int count = readGenusList(buffer, list);
    std::vector<Genus> genera;
    for (int i = 0; i < count; ++i) {
        Genus genus;
        genus.entry = list[static_cast<std::size_t>(i)];
        const std::string characters = readFile(kData / (genus.entry.folder + ".FEA"));
        ByteBuffer characterBuffer(characters);
        genus.characterCount = readCharacterFile(characterBuffer, genus.characters).characterCount;
        const std::string species = readFile(kData / (genus.entry.folder + ".SPE"));
        ByteBuffer speciesBuffer(species);
        SpeciesReader reader(speciesBuffer, {genus.characterCount, 0});
        do {
            std::string line;
            reader.readLine(line);
            genus.nameLines.push_back(line);
            genus.valueLines.emplace_back();
            for (int c = 0; c < genus.characterCount; ++c) {
                reader.readLine(line);
                genus.valueLines.back().push_back(line);
            }
        } while (!reader.atEnd());
        genera.push_back(std::move(genus));
    }
    return genera;
}

const std::vector<Genus>& genera() {
    static const std::vector<Genus> all = bundledGenera();
    return all;
}

TEST(BundledKey, HoldsAtLeastFourGenera) { EXPECT_GE(genera().size(), 4u); }

TEST(BundledKey, TextFilesAreWindows1252WithCrLf) {
    for (const auto& entry : fs::recursive_directory_iterator(kData)) {
        const auto extension = entry.path().extension().string();
        if (!entry.is_regular_file() || extension == ".BMP" || extension == ".JPG" || extension == ".Jpg") continue;
        EXPECT_EQ(textProblem(readFile(entry.path())), "") << entry.path();
    }
}

TEST(BundledKey, InterfaceTextsHaveFortyLinesAndHelpFilesExist) {
    for (const char* language : {"UK", "NL", "D", "F", "I", "S"}) {
        const std::string texts = readFile(kData / (std::string("Init") + language + ".Txt"));
        EXPECT_EQ(std::count(texts.begin(), texts.end(), '\r'), 40) << language;
        EXPECT_GT(readFile(kData / (std::string("Info") + language + ".Txt")).size(), 2000u) << language;
    }
}

// French puts a space before ":", ";", "!", "?" and "»" and after "«"; a no-break space
// there keeps the sign on the line of its word, in the windows and in the help.
TEST(BundledKey, FrenchTextsKeepTheirSignsBesideTheirWords) {
    std::vector<fs::path> french = {kData / "InitF.Txt", kData / "InfoF.Txt", kData / "AccessF.Txt",
                                    kData / "AdviceF.Txt"};
    for (const auto& entry : fs::recursive_directory_iterator(kData)) {
        const auto extension = entry.path().extension().string();
        if (extension == ".FEF" || extension == ".TXF") french.push_back(entry.path());
    }
    for (const fs::path& path : french) {
        const std::string text = readFile(path);
        for (std::size_t i = 0; i + 1 < text.size(); ++i) {
            const auto next = static_cast<unsigned char>(text[i + 1]);
            const bool spaceBeforeSign = text[i] == ' ' && (next == ':' || next == ';' || next == '!' || next == '?' || next == 0xBB);
            const bool spaceAfterQuote = static_cast<unsigned char>(text[i]) == 0xAB && next == ' ';
            EXPECT_FALSE(spaceBeforeSign || spaceAfterQuote) << path << " at byte " << i << ": \"" << text.substr(i > 20 ? i - 20 : 0, 30) << "\"";
        }
    }
}

TEST(BundledKey, AccessibleNamesComeInEveryLanguage) {
    for (const char* language : {"UK", "NL", "D", "F", "I", "S"}) {
        const std::string texts = readFile(kData / (std::string("Access") + language + ".Txt"));
        EXPECT_EQ(std::count(texts.begin(), texts.end(), '\r'), kAccessibleTextCount) << language;
    }
}

TEST(BundledKey, AdvisorTextsComeInEveryLanguage) {
    for (const char* language : {"UK", "NL", "D", "F", "I", "S"}) {
        const std::string texts = readFile(kData / (std::string("Advice") + language + ".Txt"));
        EXPECT_EQ(std::count(texts.begin(), texts.end(), '\r'), kAdviceTextCount) << language;
    }
}

TEST(BundledKey, CharacterFilesAgreeInEveryLanguage) {
    for (const Genus& genus : genera()) {
        EXPECT_GE(genus.characterCount, 15) << genus.entry.folder;
        for (const char* extension : kCharacterExtensions) {
            const fs::path path = kData / (genus.entry.folder + extension);
            ASSERT_TRUE(fs::exists(path)) << path;
            const std::string bytes = readFile(path);
            ByteBuffer buffer(bytes);
            CharacterTable table;
            const auto read = readCharacterFile(buffer, table);
            EXPECT_FALSE(read.cuts.any()) << path;
            ASSERT_EQ(read.characterCount, genus.characterCount) << path;
            for (int c = 0; c < genus.characterCount; ++c) {
                const auto& row = table[static_cast<std::size_t>(c)];
                const auto& english = genus.characters[static_cast<std::size_t>(c)];
                std::set<char> codes;
                for (std::size_t s = 0; row.slots[s] != "."; ++s) {
                    ASSERT_EQ(row.slots[s].size(), kSlotWidth) << path << " character " << c + 1 << " state " << s + 1;
                    EXPECT_TRUE(codes.insert(stateCode(row.slots[s])).second) << path << " character " << c + 1 << ": code twice";
                    EXPECT_EQ(stateCode(row.slots[s]), stateCode(english.slots[s])) << path << " character " << c + 1;
                }
            }
        }
    }
}

TEST(BundledKey, SpeciesRecordsAreWholeAndUseOnlyKnownCodes) {
    for (const Genus& genus : genera()) {
        const std::string bytes = readFile(kData / (genus.entry.folder + ".SPE"));
        ByteBuffer buffer(bytes);
        EXPECT_EQ(countSpeciesRecords(buffer, {genus.characterCount, 0}).records, static_cast<int>(genus.nameLines.size())) << genus.entry.folder;
        std::set<std::string> names;
        for (std::size_t k = 0; k < genus.nameLines.size(); ++k) {
            const std::string& nameLine = genus.nameLines[k];
            ASSERT_GT(nameLine.size(), 9u) << genus.entry.folder << " record " << k + 1;
            EXPECT_EQ(nameLine[8], '*') << nameLine;
            EXPECT_TRUE(names.insert(std::string(displayName(nameLine))).second) << nameLine;
            for (int c = 0; c < genus.characterCount; ++c) {
                const std::string& line = genus.valueLines[k][static_cast<std::size_t>(c)];
                if (line == "?") continue;
                EXPECT_FALSE(line.empty()) << nameLine << " character " << c + 1;
                for (const char symbol : line) {
                    if (symbol == '.') continue;
                    const auto& slots = genus.characters[static_cast<std::size_t>(c)].slots;
                    const bool known = std::any_of(slots.begin(), slots.end(), [symbol](const std::string& slot) {
                        return hasStateCode(slot) && stateCode(slot) == symbol;
                    });
                    EXPECT_TRUE(known) << nameLine << " character " << c + 1 << ": code " << symbol;
                }
            }
        }
    }
}

// The species whose drawing and slide the drawing parameters make; empty when the key has no
// parameters file, and then every species must bring its own pictures.
std::set<std::string> drawnSpecies(const std::string& folder) {
    std::set<std::string> drawn;
    std::istringstream lines(readFile(test::drawingParamsFolder() / (folder + ".txt")));
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("species;", 0) == 0) drawn.insert(line.substr(8, line.find(';', 8) - 8));
    }
    return drawn;
}

// A species with no sourced microscopy has no drawing: the program then shows NoFigs.Jpg.
TEST(BundledKey, DescriptionsAndPicturesNamedAreThere) {
    for (const Genus& genus : genera()) {
        const fs::path folder = kData / genus.entry.folder;
        const std::set<std::string> drawn = drawnSpecies(genus.entry.folder);
        for (const std::string& nameLine : genus.nameLines) {
            const std::string code(speciesCode(nameLine));
            EXPECT_TRUE(fs::exists(folder / (code + ".TXT"))) << folder / (code + ".TXT");
            for (const char* extension : kTranslations) EXPECT_TRUE(fs::exists(folder / (code + extension))) << folder / (code + extension);
            const bool isDrawn = drawn.empty() || drawn.count(code) != 0;
            for (const char* extension : {".BMP", ".JPG"}) {
                EXPECT_EQ(fs::exists(folder / (code + extension)), isDrawn) << folder / (code + extension);
            }
        }
    }
    EXPECT_TRUE(fs::exists(kData / "NoFigs.Jpg"));
}

// Each description holds its title, then per part an empty line, a heading and the part's
// paragraph on one line, which the window wraps as a whole.
TEST(BundledKey, DescriptionsHoldEachParagraphOnOneLine) {
    int descriptions = 0;
    for (const auto& entry : fs::recursive_directory_iterator(kData)) {
        const std::string extension = entry.path().extension().string();
        if (extension.size() != 4 || extension.rfind(".TX", 0) != 0 || entry.path().parent_path() == kData) continue;
        ++descriptions;
        std::istringstream bytes(readFile(entry.path()));
        const std::vector<std::string> lines = readDisplayLines(*bytes.rdbuf());
        ASSERT_GE(lines.size(), 4u) << entry.path();
        EXPECT_EQ(lines.size() % 3, 1u) << entry.path();
        for (std::size_t i = 0; i < lines.size(); ++i)
            EXPECT_EQ(lines[i].empty(), i % 3 == 1) << entry.path() << " line " << i + 1;
    }
    EXPECT_EQ(descriptions, 243 * 6);
}

TEST(BundledKey, EveryPictureDecodes) {
    int argc = 1;
    char name[] = "data_check";
    char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);
    const WorkFolder folder(kData);
    QtPictureLoader loader(folder);
    int pictures = 0;
    for (const auto& entry : fs::recursive_directory_iterator(kData)) {
        const auto extension = entry.path().extension().string();
        if (extension != ".BMP" && extension != ".JPG" && extension != ".Jpg") continue;
        const std::string relative = fs::relative(entry.path(), kData).string();
        EXPECT_NO_THROW(loader.load(relative)) << relative;
        ++pictures;
    }
    EXPECT_GT(pictures, 0);
}

// For each species, its first code of every known character: what a user sees on it.
std::vector<std::pair<int, char>> profileOf(const Genus& genus, std::size_t record) {
    std::vector<std::pair<int, char>> profile;
    for (int c = 0; c < genus.characterCount; ++c) {
        const std::string& line = genus.valueLines[record][static_cast<std::size_t>(c)];
        const auto first = line.find_first_not_of('.');
        if (line == "?" || first == std::string::npos) continue;
        profile.emplace_back(c + 1, line[first]);
    }
    return profile;
}

std::string itemFor(const Genus& genus, int character, char code) {
    for (const auto& slot : genus.characters[static_cast<std::size_t>(character - 1)].slots) {
        if (hasStateCode(slot) && stateCode(slot) == code) return std::string(stateText(slot));
    }
    return {};
}

class Identification : public test::KeyFixture {
protected:
    // The key's text files in a working folder of the test's own, which it may write.
    void copyGenus(const Genus& genus) {
        for (const char* name : {"genuslst.txt", "InitUK.Txt"}) folder.write(name, readFile(kData / name));
        folder.write(genus.entry.folder + ".FEA", readFile(kData / (genus.entry.folder + ".FEA")));
        folder.write(genus.entry.folder + ".SPE", readFile(kData / (genus.entry.folder + ".SPE")));
    }
    void openBundledGenus(std::size_t index, int kind) {
        folder.write("SpxInit.txt", "1\r\n" + std::to_string(kind) + "\r\n");
        program.N31Click();
        program.Genera1Click();
        program.GenusItemClick(static_cast<int>(index) + 1);
        messages.take();
    }
    std::vector<std::string> texts(const Genus& genus, const std::vector<std::pair<int, char>>& profile, std::size_t count) {
        std::vector<std::string> chosen(kMaxCharacters);
        for (std::size_t i = 0; i < count; ++i) chosen[static_cast<std::size_t>(profile[i].first - 1)] = itemFor(genus, profile[i].first, profile[i].second);
        return chosen;
    }
};

TEST_F(Identification, EverySpeciesRanksFirstOnItsOwnFeaturesAndStaysARestSpecies) {
    for (std::size_t g = 0; g < genera().size(); ++g) {
        const Genus& genus = genera()[g];
        copyGenus(genus);
        for (std::size_t k = 0; k < genus.nameLines.size(); ++k) {
            const std::string name(displayName(genus.nameLines[k]));
            const auto profile = profileOf(genus, k);
            openBundledGenus(g, 1);
            program.ComboBoxChange(texts(genus, profile, profile.size()));
            ASSERT_FALSE(main().listBox1.empty());
            EXPECT_EQ(main().listBox1.front(), state().results.listPrefix + name) << genus.entry.folder;
            openBundledGenus(g, 2);
            for (std::size_t chosen = 1; chosen <= profile.size(); ++chosen) program.ComboBoxChange(texts(genus, profile, chosen));
            const auto& rest = main().listBox1;
            EXPECT_NE(std::find(rest.begin(), rest.end(), name), rest.end()) << genus.entry.folder << " " << name;
        }
    }
}

}  // namespace
}  // namespace sporix

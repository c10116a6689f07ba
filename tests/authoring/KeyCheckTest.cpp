// "sporix-key check" on a small key that holds one defect each: the finding, its file
// and line, and the exit status.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "KeyFixture.h"
#include "SmallKey.h"
#include "ToxicityFile.h"

namespace sporix::test {
namespace {

struct DefectCase {
    const char* name;
    std::function<void(const TempFolder&)> spoil;
    std::string expected;  // the start of the finding's line after the folder, through the severity
    const char* code;
    int status;
};

std::string stateBlock(const std::string& name, const std::vector<std::string>& lines) {
    std::string block = name + "\r\n";
    for (const auto& line : lines) block += line + "\r\n";
    return block + ".\r\n";
}

// Character 1 of the sample genus written with other state lines; characters 2 and 3 as they are.
std::string firstCharacterAs(const std::vector<std::string>& lines) {
    auto rest = sampleCharacters();
    rest.erase(rest.begin());
    return stateBlock("Cap colour", lines) + characterFile(rest);
}

const DefectCase kDefects[] = {
    {"MissingSpeciesFile", [](const TempFolder& f) { f.remove("TESTGEN.SPE"); }, "TESTGEN.SPE: error:", "missing-file",
     1},
    {"StateCodeTwice",
     [](const TempFolder& f) {
         f.write("TESTGEN.FEA",
                 firstCharacterAs({stateLine("red", 'R'), stateLine("green", 'R'), stateLine("yellow", 'Y')}));
     },
     "TESTGEN.FEA:3: error:", "state-code-twice", 1},
    {"StateLineShort",
     [](const TempFolder& f) {
         f.write("TESTGEN.FEA", firstCharacterAs({stateLine("red", 'R'), "green   G", stateLine("yellow", 'Y')}));
     },
     "TESTGEN.FEA:3: error:", "state-line-short", 1},
    {"StateCodeLowerCase",
     [](const TempFolder& f) {
         f.write("TESTGEN.FEA",
                 firstCharacterAs({stateLine("red", 'R'), stateLine("green", 'g'), stateLine("yellow", 'Y')}));
     },
     "TESTGEN.FEA:3: error:", "state-code-form", 1},
    {"TooManyStates",
     [](const TempFolder& f) {
         std::vector<std::string> lines;
         for (char code = 'A'; code <= 'U'; ++code) lines.push_back(stateLine(std::string("state ") + code, code));
         f.write("TESTGEN.FEA", firstCharacterAs(lines));
     },
     "TESTGEN.FEA:1: error:", "too-many-states", 1},
    {"LanguageFileWithOtherCodes",
     [](const TempFolder& f) {
         f.write("TESTGEN.FEN", firstCharacterAs({stateLine("rood", 'R'), stateLine("groen", 'G')}));
     },
     "TESTGEN.FEN:1: error:", "language-states", 1},
    {"LanguageFileMissing", [](const TempFolder& f) { f.remove("TESTGEN.FED"); },
     "TESTGEN.FED: warning:", "language-falls-back", 0},
    {"CodeThatIsNoState", [](const TempFolder& f) { f.write("TESTGEN.SPE", smallSpeciesFile(1, 0, "GX")); },
     "TESTGEN.SPE:6: error:", "unknown-code", 1},
    {"ValueOfDotsOnly", [](const TempFolder& f) { f.write("TESTGEN.SPE", smallSpeciesFile(2, 1, ".")); },
     "TESTGEN.SPE:11: error:", "dots-only", 1},
    {"EmptyValue", [](const TempFolder& f) { f.write("TESTGEN.SPE", smallSpeciesFile(3, 2, "")); },
     "TESTGEN.SPE:16: error:", "empty-value", 1},
    {"LoneLineFeed", [](const TempFolder& f) { f.write("TESTGEN.SPE", smallSpeciesFile(0, 1, "A\nB")); },
     "TESTGEN.SPE:3: error:", "lone-lf", 1},
    {"NameLineWithoutMarker",
     [](const TempFolder& f) {
         std::string file = smallSpeciesFile();
         file.replace(file.find("TEGAMMAS*"), 9, "TEGAMMAS ");
         f.write("TESTGEN.SPE", file);
     },
     "TESTGEN.SPE:9: error:", "no-marker", 1},
    {"SpeciesCodeTwice",
     [](const TempFolder& f) {
         std::string file = smallSpeciesFile();
         file.replace(file.find("TEDELTAS"), 8, "TEBETASP");
         f.write("TESTGEN.SPE", file);
     },
     "TESTGEN.SPE:13: error:", "species-code-twice", 1},
    {"SpeciesNoCharacterSeparates",
     [](const TempFolder& f) {
         std::string file = smallSpeciesFile();
         file.replace(file.find("Y\r\nC\r\nM"), 7, "R\r\nA\r\nM");
         f.write("TESTGEN.SPE", file);
     },
     "TESTGEN.SPE:9: warning:", "inseparable", 0},
    {"PairOneCharacterApart", [](const TempFolder& f) { f.write("TESTGEN.SPE", smallSpeciesFile(3, 0, "R")); },
     "TESTGEN.SPE:13: note:", "one-character-apart", 0},
    {"MostlyUnknown",
     [](const TempFolder& f) {
         std::string file = smallSpeciesFile(2, 0, "?");
         file.replace(file.find("C\r\nM"), 4, "?\r\nM");
         f.write("TESTGEN.SPE", file);
     },
     "TESTGEN.SPE:9: warning:", "mostly-unknown", 0},
    {"StateNoSpeciesShows", [](const TempFolder& f) { f.write("TESTGEN.SPE", smallSpeciesFile(2, 0, "R")); },
     "TESTGEN.FEA:4: warning:", "unused-state", 0},
    {"CharacterSeparatesNothing",
     [](const TempFolder& f) {
         std::string file = smallSpeciesFile(1, 2, "M");
         file.replace(file.rfind("H\r\n"), 3, "M\r\n");
         f.write("TESTGEN.SPE", file);
     },
     "TESTGEN.FEA:11: warning:", "separates-nothing", 0},
    {"FolderLeadsOut",
     [](const TempFolder& f) {
         f.write("genuslst.txt", crlf({"Tst", "../TESTGEN", "Testgenus"}));
     },
     "genuslst.txt:2: error:", "folder-outside", 1},
    {"FolderNameOverEight",
     [](const TempFolder& f) {
         f.write("genuslst.txt", crlf({"Tst", "TESTGENUS", "Testgenus"}));
     },
     "genuslst.txt:2: error:", "folder-width", 1},
    {"DisplayNameOverSixteen",
     [](const TempFolder& f) {
         f.write("genuslst.txt", crlf({"Tst", "TESTGEN", "Testgenus of many names"}));
     },
     "genuslst.txt:3: warning:", "genus-name-width", 0},
    {"MoreThanThirtyGenera", [](const TempFolder& f) { f.write("genuslst.txt", genusListText(31)); },
     "genuslst.txt:91: error:", "too-many-genera", 1},
    {"DrawingThatDoesNotDecode", [](const TempFolder& f) { f.write("TESTGEN/TEBETASP.BMP", "BM not a bitmap"); },
     "TESTGEN/TEBETASP.BMP: error:", "picture-broken", 1},
    {"LanguageDrawingThatDoesNotDecode",
     [](const TempFolder& f) { f.write("TESTGEN/s/TEBETASP.BMP", "BM not a bitmap"); },
     "TESTGEN/s/TEBETASP.BMP: error:", "picture-broken", 1},
    {"SlideCutShort", [](const TempFolder& f) { f.write("TESTGEN/TEALPHAS.JPG", makeJpeg(8, 8).substr(0, 200)); },
     "TESTGEN/TEALPHAS.JPG: error:", "picture-broken", 1},
    {"DescriptionMissing", [](const TempFolder& f) { f.remove("TESTGEN/TEGAMMAS.TXT"); },
     "TESTGEN.SPE:9: warning:", "no-description", 0},
    {"MarkForNoSpecies",
     [](const TempFolder& f) { f.write("TESTGEN.TOX", "# marks\r\nTEALPHAS deadly\r\nTEOMEGAS poisonous\r\n"); },
     "TESTGEN.TOX:3: error:", "mark-no-species", 1},
    {"StateTextOverTwentyFive",
     [](const TempFolder& f) {
         f.write("TESTGEN.FEA",
                 firstCharacterAs({stateLine("red", 'R'), "green and yellow and brownG", stateLine("yellow", 'Y')}));
     },
     "TESTGEN.FEA:3: error:", "state-line-long", 1},
    {"SpeciesDisplayNameOverSixteen",
     [](const TempFolder& f) {
         std::string file = smallSpeciesFile();
         const auto marker = file.find("TEGAMMAS*") + 9;
         file.replace(marker, file.find('\r', marker) - marker, std::string(46, 'g'));
         f.write("TESTGEN.SPE", file);
     },
     "TESTGEN.SPE:9: warning:", "display-name-width", 0},
    {"LanguageFileWithFewerCharacters",
     [](const TempFolder& f) {
         auto characters = sampleCharacters();
         characters.pop_back();
         f.write("TESTGEN.FEI", characterFile(characters));
     },
     "TESTGEN.FEI:", "language-characters", 1},
    {"LoneLineFeedInCharacterFile",
     [](const TempFolder& f) {
         std::string file = characterFile(sampleCharacters());
         file.replace(file.find("\r\n"), 2, "\n");
         f.write("TESTGEN.FEA", file);
     },
     "TESTGEN.FEA:1: error:", "lone-lf", 1},
    {"DrawingMissing", [](const TempFolder& f) { f.remove("TESTGEN/TEBETASP.BMP"); },
     "TESTGEN.SPE:5: note:", "no-drawing", 0},
    {"TranslationMissing", [](const TempFolder& f) { f.remove("TESTGEN/TEALPHAS.TXD"); },
     "TESTGEN.SPE: note:", "description-falls-back", 0},
    {"UnknownMark", [](const TempFolder& f) { f.write("TESTGEN.TOX", "TEALPHAS tasty\r\n"); },
     "TESTGEN.TOX:1: error:", "mark-refused", 1},
    {"MarkMarkedTwice", [](const TempFolder& f) { f.write("TESTGEN.TOX", "TEALPHAS deadly\r\nTEALPHAS caution\r\n"); },
     "TESTGEN.TOX:2: error:", "mark-refused", 1},
    {"MarkInCapitals", [](const TempFolder& f) { f.write("TESTGEN.TOX", "TEALPHAS deadly\r\nTEBETASP Deadly\r\n"); },
     "TESTGEN.TOX:2: error:", "mark-refused", 1},
    {"MarksFileTooLong",
     [](const TempFolder& f) {
         std::string marks;
         for (int k = 0; k < kMaxToxicityLines; ++k) marks += "# a line\r\n";
         f.write("TESTGEN.TOX", marks + "TEALPHAS deadly\r\n");
     },
     "TESTGEN.TOX:2001: error:", "mark-refused", 1},
    {"ConfusionWithNoSpecies",
     [](const TempFolder& f) { f.write("TESTGEN.TOX", "TEALPHAS deadly\r\nTEALPHAS taken-for TEOMEGAS\r\n"); },
     "TESTGEN.TOX:2: error:", "confusion-no-species", 1},
    {"ConfusionWithItself",
     [](const TempFolder& f) { f.write("TESTGEN.TOX", "TEALPHAS deadly\r\nTEALPHAS taken-for TEALPHAS\r\n"); },
     "TESTGEN.TOX:2: error:", "confusion-self", 1},
    {"ConfusionWithoutSecondCode",
     [](const TempFolder& f) { f.write("TESTGEN.TOX", "TEALPHAS deadly\r\nTEALPHAS taken-for\r\n"); },
     "TESTGEN.TOX:2: error:", "confusion-refused", 1},
    {"ConfusionOfASpeciesNotDangerous",
     [](const TempFolder& f) { f.write("TESTGEN.TOX", "TEALPHAS caution\r\nTEALPHAS taken-for TEBETASP\r\n"); },
     "TESTGEN.TOX:2: warning:", "confusion-not-dangerous", 0},
    {"MarkLineWithLoneLineFeed",
     [](const TempFolder& f) { f.write("TESTGEN.TOX", "TEGAMMAS caution\r\nTEALPHAS deadly\nTEBETASP poisonous\r\n"); },
     "TESTGEN.TOX:2: error:", "lone-lf", 1},
    {"CodeTwiceInAValue", [](const TempFolder& f) { f.write("TESTGEN.SPE", smallSpeciesFile(1, 0, "G.G")); },
     "TESTGEN.SPE:6: error:", "code-twice", 1},
    {"StateTextsAlike",
     [](const TempFolder& f) {
         f.write("TESTGEN.FEA",
                 firstCharacterAs({stateLine("red", 'R'), stateLine("green", 'G'), stateLine("red", 'Y')}));
     },
     "TESTGEN.FEA:4: error:", "state-text-twice", 1},
    {"NoCharacters", [](const TempFolder& f) { f.write("TESTGEN.FEA", ""); }, "TESTGEN.FEA: error:", "no-characters",
     1},
};

class KeyCheckDefect : public ::testing::TestWithParam<DefectCase> {};

TEST(KeyCheck, SmallKeyIsClean) {
    SmallKey key;
    const ToolRun run = runTool({"check", key.path()});
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out.find("error:"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("TESTGEN (Testgenus): 4 species, 3 characters, 6 languages, 0 errors"), std::string::npos)
        << run.out;
}

TEST_P(KeyCheckDefect, IsFoundAtItsFileAndLine) {
    const DefectCase& defect = GetParam();
    SmallKey key;
    defect.spoil(key.folder);
    const ToolRun run = runTool({"check", key.path()});
    const std::string prefix = key.path() + "/" + defect.expected;
    const std::string code = std::string(" [") + defect.code + "]";
    std::istringstream lines(run.out);
    bool found = false;
    for (std::string line; std::getline(lines, line) && !found;) {
        found = line.rfind(prefix, 0) == 0 && line.size() > code.size() &&
                line.compare(line.size() - code.size(), code.size(), code) == 0;
    }
    EXPECT_TRUE(found) << "no \"" << prefix << " ..." << code << "\" in\n" << run.out;
    EXPECT_EQ(run.status, defect.status) << run.out;
}

INSTANTIATE_TEST_SUITE_P(OneDefectEach, KeyCheckDefect, ::testing::ValuesIn(kDefects),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(KeyCheck, AShortCodeInTheMarksFileIsTheSpeciesCodeWithItsBlanks) {
    SmallKey key;
    std::string species = smallSpeciesFile();
    species.replace(species.find("TEGAMMAS*"), 9, "TEGAM   *");
    key.folder.write("TESTGEN.SPE", species);
    key.folder.write("TESTGEN.TOX", "TEGAM  deadly\r\nTEGAM taken-for TEALPHAS\r\n");
    const ToolRun run = runTool({"check", key.path()});
    EXPECT_NE(run.out.find("TESTGEN (Testgenus): 4 species"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("TESTGEN.TOX"), std::string::npos) << run.out;
}

TEST(KeyCheck, StrictTurnsWarningsIntoErrors) {
    SmallKey key;
    key.folder.remove("TESTGEN.FED");
    EXPECT_EQ(runTool({"check", key.path()}).status, 0);
    const ToolRun strict = runTool({"check", "--strict", key.path()});
    EXPECT_EQ(strict.status, 1);
    EXPECT_NE(strict.out.find("TESTGEN.FED: error:"), std::string::npos) << strict.out;
}

TEST(KeyCheck, JsonHoldsTheSameFindings) {
    SmallKey key;
    key.folder.write("TESTGEN.SPE", smallSpeciesFile(1, 0, "GX"));
    const ToolRun run = runTool({"check", "--json", key.path()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("{\"severity\": \"error\", \"code\": \"unknown-code\", \"file\": \"" + key.path() +
                           "/TESTGEN.SPE\", \"line\": 6,"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\"errors\": 1,"), std::string::npos) << run.out;
}

// The program cuts a genus file's name to 12 bytes: the finding names what it looks for.
TEST(KeyCheck, LongFolderNameFindingNamesTheFileLookedFor) {
    SmallKey key;
    key.folder.write("genuslst.txt", crlf({"Tst", "TESTGENUSXY", "Testgenus"}));
    const ToolRun run = runTool({"check", key.path()});
    EXPECT_NE(run.out.find("the program looks for \"TESTGENUSXY.\" instead of \"TESTGENUSXY.FEA\", and for the "
                           "species file under the same name"),
              std::string::npos)
        << run.out;
}

TEST(KeyCheck, FolderThatCannotBeReadIsStatusTwo) {
    SmallKey key;
    const ToolRun run = runTool({"check", key.path() + "/no-such-folder"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("cannot read the folder"), std::string::npos);
}

}  // namespace
}  // namespace sporix::test

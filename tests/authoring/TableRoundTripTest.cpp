// The spreadsheet round trip: every genus of the bundled key exported and imported again
// gives its species file byte for byte; a table with a wrong state text is refused and
// the species file stays whole.
#include <gtest/gtest.h>

#include <filesystem>

#include "BundledKey.h"
#include "ByteBuffer.h"
#include "GenusList.h"
#include "KeyFixture.h"
#include "SmallKey.h"

namespace sporix::test {
namespace {

namespace fs = std::filesystem;

// The bundled key's text files (no pictures) in a folder of their own.
void copyKeyTexts(const TempFolder& into) {
    for (const auto& entry : fs::directory_iterator(bundledKeyFolder())) {
        if (entry.is_regular_file() && entry.path().extension() != ".Jpg") {
            fs::copy_file(entry.path(), into.path() / entry.path().filename());
        }
    }
}

TEST(TableRoundTrip, EveryBundledGenusComesBackByteForByte) {
    TempFolder key;
    copyKeyTexts(key);
    const std::string list = key.read("genuslst.txt");
    ByteBuffer buffer(list);
    GenusList genera;
    const int count = readGenusList(buffer, genera);
    ASSERT_GE(count, 4);
    for (int i = 0; i < count; ++i) {
        const std::string genus = genera[static_cast<std::size_t>(i)].folder;
        const std::string speciesFile = genus + ".SPE";
        const std::string before = key.read(speciesFile);
        const std::string table = (key.path() / "table.tsv").string();
        const ToolRun exported = runTool({"export", genus, "--key", key.path().string(), "--output", table});
        ASSERT_EQ(exported.status, 0) << exported.err;
        const ToolRun imported = runTool({"import", genus, table, "--key", key.path().string()});
        ASSERT_EQ(imported.status, 0) << imported.err;
        EXPECT_EQ(key.read(speciesFile), before) << genus;
    }
}

TEST(TableRoundTrip, ExportShowsStateTextsWithTheirWeights) {
    SmallKey key;
    const ToolRun run = runTool({"export", "Testgenus", "--key", key.path()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find("\n\n")),
              "code\tname\tCap colour\tSpore print\tTaste\n"
              "TEALPHAS\talpha\tred\twhite\tmild\n"
              "TEBETASP\tbeta\tgreen\tcream\tacrid\n"
              "TEGAMMAS\tgamma\tyellow\tochre\tmild\n"
              "TEDELTAS\tdelta\tred | .green\tcream\tacrid");
    EXPECT_NE(run.out.find("\n\nnumber\tcharacter\tstate\tcode\n1\tCap colour\tred\tR\n"), std::string::npos);
}

TEST(TableRoundTrip, ChangedStatesAndTranslatedTextsAreWritten) {
    SmallKey key;
    key.folder.write("edited.tsv",
                     "\xEF\xBB\xBF"
                     "code\tname\tKleur hoed\tSporenpoeder\tSmaak\r\n"
                     "TEBETASP\t\"beta \"\"nova\"\"\"\t? \tcreme | ..wit\tscherp\r\n");
    key.folder.write("TESTGEN.FEN", characterFile({{"Kleur hoed", {{"rood", 'R'}, {"groen", 'G'}, {"geel", 'Y'}}},
                                                   {"Sporenpoeder", {{"wit", 'A'}, {"creme", 'B'}, {"oker", 'C'}}},
                                                   {"Smaak", {{"mild", 'M'}, {"scherp", 'H'}}}}));
    const ToolRun run = runTool(
        {"import", "TESTGEN", (key.folder.path() / "edited.tsv").string(), "--language", "nl", "--key", key.path()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(key.folder.read("TESTGEN.SPE"), "TEBETASP*beta \"nova\"\r\n?\r\nB..A\r\nH\r\n");
}

TEST(TableRoundTrip, WrongStateTextIsRefusedAndTheFileStaysWhole) {
    SmallKey key;
    const std::string before = key.folder.read("TESTGEN.SPE");
    key.folder.write("edited.tsv",
                     "code\tname\tCap colour\tSpore print\tTaste\n"
                     "TEALPHAS\talpha\tred\twhite\tmild\n"
                     "TEBETASP\tbeta\tgreen\tcreamy\tacrid\n");
    const ToolRun run =
        runTool({"import", "TESTGEN", (key.folder.path() / "edited.tsv").string(), "--key", key.path()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("row 3, column 4, \"creamy\" is no state of Spore print (expected \"white\", \"cream\", "
                           "\"ochre\", or \"?\" alone)"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(key.folder.read("TESTGEN.SPE"), before);
    EXPECT_FALSE(key.folder.exists("TESTGEN.SPE.new"));
}

// Tables that would give another number of records, or a file the program stops reading
// early (byte 26 ends a key file), are refused at the row and column of the fault.
TEST(TableRoundTrip, TableThatWouldBreakTheRecordsIsRefused) {
    SmallKey key;
    const std::string before = key.folder.read("TESTGEN.SPE");
    const std::string header = "code\tname\tCap colour\tSpore print\tTaste\n";
    const std::pair<std::string, std::string> tables[] = {
        {header + "TEALPHAS\talpha\tred\twhite\n", "row 2, the row has 4 cells"},
        {"code\tname\tCap colour\tTaste\tSpore print\n", "row 1, the first row must be the header"},
        {header + "TE\x1A"
                  "ALPHA\talpha\tred\twhite\tmild\n",
         "row 2, column 1, "},
        {header + "TEALPHAS\t\"al\npha\"\tred\twhite\tmild\n", "row 2, column 2, "},
    };
    for (const auto& [table, refusal] : tables) {
        key.folder.write("edited.tsv", table);
        const ToolRun run =
            runTool({"import", "TESTGEN", (key.folder.path() / "edited.tsv").string(), "--key", key.path()});
        EXPECT_EQ(run.status, 1) << table;
        EXPECT_NE(run.err.find(refusal), std::string::npos) << run.err;
    }
    EXPECT_EQ(key.folder.read("TESTGEN.SPE"), before);
}

// A row whose cells were cleared is skipped with a note, and the rows after it are written;
// the species table ends only at the characters' table.
TEST(TableRoundTrip, ClearedRowIsSkippedAndTheRestWritten) {
    SmallKey key;
    const ToolRun exported = runTool({"export", "TESTGEN", "--key", key.path()});
    ASSERT_EQ(exported.status, 0) << exported.err;
    std::string table = exported.out;
    const auto beta = table.find("TEBETASP");
    table.replace(beta, table.find('\n', beta) - beta, "\t\t\t\t");
    key.folder.write("edited.tsv", table);
    const ToolRun run =
        runTool({"import", "TESTGEN", (key.folder.path() / "edited.tsv").string(), "--key", key.path()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("row 3, the row is empty; it is skipped"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("3 species written"), std::string::npos) << run.err;
    std::string withoutBeta = smallSpeciesFile();
    withoutBeta.erase(withoutBeta.find("TEBETASP"), withoutBeta.find("TEGAMMAS") - withoutBeta.find("TEBETASP"));
    EXPECT_EQ(key.folder.read("TESTGEN.SPE"), withoutBeta);
}

// A state named twice would count twice in the score; a Windows-1252 table is refused for
// its encoding; a display name's trailing blanks that the spreadsheet dropped are kept.
TEST(TableRoundTrip, CellsThatWouldWriteAnotherRecord) {
    SmallKey key;
    std::string species = smallSpeciesFile();
    species.replace(species.find("*alpha") + 6, 0, "  ");
    key.folder.write("TESTGEN.SPE", species);
    const std::string header = "code\tname\tCap colour\tSpore print\tTaste\n";
    const std::pair<std::string, std::string> refused[] = {
        {header + "TEALPHAS\talpha\tred | red\twhite\tmild\n", "row 2, column 3, \"red\" is named twice"},
        {header + "TEALPHAS\talpha\tred\twhite\tmild\nTEBETASP\tb\xEAta\tred\twhite\tmild\n",
         "row 3, the table is not UTF-8 text"},
    };
    for (const auto& [table, refusal] : refused) {
        key.folder.write("edited.tsv", table);
        const ToolRun run =
            runTool({"import", "TESTGEN", (key.folder.path() / "edited.tsv").string(), "--key", key.path()});
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find(refusal), std::string::npos) << run.err;
        EXPECT_EQ(key.folder.read("TESTGEN.SPE"), species);
    }
    key.folder.write("edited.tsv", header + "TEALPHAS\talpha\tred\twhite\tmild\n");
    const ToolRun run =
        runTool({"import", "TESTGEN", (key.folder.path() / "edited.tsv").string(), "--key", key.path()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("row 2, column 2, the display name \"alpha\" ended in blanks"), std::string::npos)
        << run.err;
    EXPECT_EQ(key.folder.read("TESTGEN.SPE"), crlf({"TEALPHAS*alpha  ", "R", "A", "M"}));
}

}  // namespace
}  // namespace sporix::test

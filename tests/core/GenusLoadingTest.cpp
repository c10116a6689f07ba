// The genus menu and loading a genus into the 42 rows.
#include "KeyFixture.h"

namespace sporix {
namespace {

using test::characterFile;
using test::CharacterSpec;
using test::crlf;
using test::stateLine;

class GenusLoading : public test::KeyFixture {
protected:
    void writeFiveCharacters() {
        std::vector<CharacterSpec> characters;
        for (int k = 1; k <= 5; ++k) characters.push_back({"Character " + std::to_string(k), {{"first", 'A'}, {"second", 'B'}}});
        writeGenus("TESTGEN", characters, {{"TGSPEC01*one", "A", "A", "A", "A", "A"}}, "Tst", "Testgenus");
    }
};

TEST_F(GenusLoading, MenuShowsTheGeneraAndEmptyCaptionsAfterThem) {
    start();
    folder.write("genuslst.txt", test::genusListText(12));
    program.Genera1Click();
    EXPECT_EQ(main().genusItems[0], "Genus 1");
    EXPECT_EQ(main().genusItems[11], "Genus 12");
    EXPECT_EQ(main().genusItems[12], "");
    EXPECT_EQ(main().genusItems[29], "");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(GenusLoading, ThirtyGeneraReadAreTold) {
    start();
    folder.write("genuslst.txt", test::genusListText(31));
    program.Genera1Click();
    EXPECT_EQ(main().genusItems[29], "Genus 30");
    EXPECT_EQ(messages.take(), std::vector<std::string>{"genuslst.txt holds 30 or more genera; only the first 30 are offered in the menu."});
}

TEST_F(GenusLoading, MissingGenusListShowsTextFiveAndKeepsTheItems) {
    start();
    program.Genera1Click();
    EXPECT_EQ(messages.take(), std::vector<std::string>{"[5]"});
    EXPECT_EQ(main().genusItems[0], "-");
}

TEST_F(GenusLoading, OpeningTheMenuWithoutAChoiceEmptiesTheCodeAndListsOnly) {
    start();
    writeFiveCharacters();
    openGenus();
    pick(1, "first");
    ASSERT_FALSE(main().listBox1.empty());
    program.Genera1Click();
    EXPECT_EQ(state().currentGenus.code, "");
    EXPECT_EQ(state().currentGenus.folder, "TESTGEN");
    EXPECT_TRUE(main().listBox1.empty());
    EXPECT_TRUE(main().listBox2.empty());
    EXPECT_FALSE(main().label43Enabled);
    EXPECT_EQ(main().rows[0].labelCaption, "Character 1");
    // A language switch then forms the picture names without the code.
    program.LanguageClick(1);
    EXPECT_EQ(state().genus.illustrationNames[0], "Pic1.Jpg");
}

TEST_F(GenusLoading, FiveCharactersFillFiveRowsAndGreyTheRest) {
    start();
    writeFiveCharacters();
    folder.write("TESTGEN/TstPic2.Jpg", "picture");
    folder.write("TESTGEN/TstPic40.Jpg", "picture");
    openGenus();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(main().caption, " [6]Testgenus");
    EXPECT_EQ(state().genus.folderPrefix, "TESTGEN\\");
    EXPECT_EQ(state().genus.characterCount, 5);
    EXPECT_EQ(state().genus.speciesCount, 1);
    for (int k = 1; k <= 42; ++k) {
        const auto& row = main().rows[static_cast<std::size_t>(k - 1)];
        EXPECT_EQ(row.labelCaption, k <= 5 ? "Character " + std::to_string(k) : "") << k;
        EXPECT_TRUE(row.labelEnabled) << k;
        EXPECT_EQ(row.comboItems.size(), k <= 5 ? 2u : 0u) << k;
        EXPECT_EQ(row.comboSilver, k > 5) << k;
        EXPECT_EQ(row.buttonEnabled, k == 2 || k == 40) << k;
    }
    EXPECT_EQ(main().rows[0].comboItems[0], stateLine("first", ' ').substr(0, 25));
    EXPECT_EQ(state().genus.illustrationNames[6], "TstPic7.Jpg");
    EXPECT_EQ(state().genus.illustrationNames[41], "TstPic42.Jpg");
}

TEST_F(GenusLoading, ShortAndEmptyStateLinesKeepTheirSlotButAreNotListed) {
    start();
    folder.write("genuslst.txt", crlf({"Tst", "TESTGEN", "Testgenus"}));
    folder.write("TESTGEN.FEA", crlf({"Odd", "x", "", stateLine("full", 'F'), std::string(24, 'y') + "z", "."}));
    folder.write("TESTGEN.SPE", crlf({"TGSPEC01*one", "F"}));
    openGenus();
    EXPECT_EQ(state().genus.characters[0].slots[0], "x");
    EXPECT_EQ(state().genus.characters[0].slots[1], "");
    EXPECT_EQ(main().rows[0].comboItems, (std::vector<std::string>{stateLine("full", 'F').substr(0, 25), std::string(24, 'y') + "z"}));
}

TEST_F(GenusLoading, DutchFallsBackToTheEnglishCharacterFileSilently) {
    start();
    writeFiveCharacters();
    folder.write("InitNL.Txt", test::numberedTexts());
    openGenus();
    program.LanguageClick(2);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(state().genus.characterFileName, "TESTGEN.FEA");
    EXPECT_EQ(main().rows[0].labelCaption, "Character 1");
    folder.write("TESTGEN.FEN", characterFile({{"Hoedkleur", {{"rood", 'A'}}}, {"Sporen", {{"wit", 'A'}}}}));
    program.LanguageClick(2);
    EXPECT_EQ(state().genus.characterFileName, "TESTGEN.FEN");
    EXPECT_EQ(main().rows[0].labelCaption, "Hoedkleur");
    EXPECT_EQ(main().rows[2].labelCaption, "");
}

TEST_F(GenusLoading, LongFolderNamesGiveCutFileNames) {
    start();
    folder.write("genuslst.txt", crlf({"Lng", "LONGFOLDE", "Long"}));
    program.Genera1Click();
    program.GenusItemClick(1);
    EXPECT_EQ(messages.take(), (std::vector<std::string>{"LONGFOLDE.FE [7]; [13]", "SPC-file cannot open LONGFOLDE.SP"}));
}

TEST_F(GenusLoading, MissingCharacterFileKeepsRowsAndCountsWithTheOldCount) {
    start();
    writeFiveCharacters();
    openGenus();
    folder.remove("TESTGEN.FEA");
    folder.write("TESTGEN.SPE", crlf({"A", "1", "2", "3", "4", "5", "B", "1", "2", "3", "4", "5"}));
    openGenus();
    EXPECT_EQ(messages.take(), std::vector<std::string>{"TESTGEN.FEA [7]; [13]"});
    EXPECT_EQ(state().genus.characterCount, 5);
    EXPECT_EQ(state().genus.speciesCount, 2);
    EXPECT_EQ(main().rows[0].labelCaption, "Character 1");
    EXPECT_EQ(state().genus.characters[0].name, "");  // the table was emptied
}

TEST_F(GenusLoading, MissingSpeciesFileKeepsTheCountAndTheStepBackCaption) {
    start(1);
    writeFiveCharacters();
    openGenus();
    folder.remove("TESTGEN.SPE");
    openGenus();
    const auto shown = messages.take();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].rfind("SPC-file ", 0), 0u);
    EXPECT_LE(shown[0].size(), 34u);
    EXPECT_EQ(state().genus.speciesCount, 1);
}

TEST_F(GenusLoading, OverLimitCharacterFileIsCutAndToldOnce) {
    start();
    std::string characters;
    for (int k = 1; k <= 43; ++k) {
        characters += "C" + std::to_string(k) + "\r\n";
        const int states = k == 3 ? 21 : 1;
        for (int s = 0; s < states; ++s) characters += stateLine("s" + std::to_string(s), 'A') + "\r\n";
        characters += ".\r\n";
    }
    folder.write("genuslst.txt", crlf({"Tst", "TESTGEN", "Testgenus"}));
    folder.write("TESTGEN.FEA", characters);
    folder.write("TESTGEN.SPE", "");
    openGenus();
    const auto shown = messages.take();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "TESTGEN.FEA goes beyond the limits of the key and was cut:\n"
                        "character 3 has more than 20 states; only the first 20 are used.\n"
                        "the file holds more than 42 characters; only the first 42 are used.");
    EXPECT_EQ(state().genus.characterCount, 42);
    EXPECT_EQ(main().rows[2].comboItems.size(), 20u);
    EXPECT_EQ(main().rows[41].labelCaption, "C42");
}

TEST_F(GenusLoading, FolderNameLeadingOutOfTheWorkingFolderIsRefused) {
    start();
    folder.write("genuslst.txt", crlf({"Bad", "..\\OUTSIDE", "Outside", "Abs", "/etc/x", "Absolute"}));
    program.Genera1Click();
    program.GenusItemClick(1);
    program.GenusItemClick(2);
    EXPECT_EQ(messages.take(), (std::vector<std::string>{
                                   "The genus \"Outside\" is not loaded: its folder name \"..\\OUTSIDE\" leads out of the working folder.",
                                   "The genus \"Absolute\" is not loaded: its folder name \"/etc/x\" leads out of the working folder."}));
    EXPECT_EQ(state().currentGenus.folder, "");
}

TEST_F(GenusLoading, EmptyCharacterFileCountsSpeciesInGroupsOfOneLine) {
    start();
    folder.write("genuslst.txt", crlf({"Tst", "TESTGEN", "Testgenus"}));
    folder.write("TESTGEN.FEA", "");
    folder.write("TESTGEN.SPE", crlf({"A", "B", "C"}));
    openGenus();
    EXPECT_EQ(state().genus.characterCount, 0);
    EXPECT_EQ(state().genus.speciesCount, 3);
    EXPECT_TRUE(main().rows[0].comboSilver);
}

TEST_F(GenusLoading, KindTwoSetsTheStepBackCaption) {
    start(2);
    writeFiveCharacters();
    openGenus();
    EXPECT_EQ(main().stepback1.caption, "[26]");
    EXPECT_EQ(state().search.stepNumber, 1);
}

}  // namespace
}  // namespace sporix

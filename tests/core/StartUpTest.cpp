// Reading the settings and the interface texts at activation, saving the settings, and
// switching the language.
#include "KeyFixture.h"

namespace sporix {
namespace {

using test::crlf;
using test::numberedTexts;

class StartUp : public test::KeyFixture {};

TEST_F(StartUp, FirstStartWithoutSettingsShowsTheBareFileNameThenEnglish) {
    folder.write("InitUK.Txt", numberedTexts());
    program.N31Click();
    EXPECT_EQ(messages.take(), std::vector<std::string>{"SpxInit.txt "});
    EXPECT_EQ(state().settings.languageIndex, 1);
    EXPECT_EQ(state().settings.searchKind, 0);
    EXPECT_EQ(main().caption, " [0]");
    EXPECT_FALSE(main().image1Visible);
    EXPECT_FALSE(folder.exists("SpxInit.txt"));  // the step never creates the file
    program.N31Click();  // every later return shows it again, now with text 7
    EXPECT_EQ(messages.take(), std::vector<std::string>{"SpxInit.txt [7]"});
}

TEST_F(StartUp, KindZeroKeepsTheMenuCaptionAndCheckMarks) {
    folder.write("InitUK.Txt", numberedTexts());
    program.N31Click();
    EXPECT_EQ(main().kindofsearching1Caption, "Kind of searching:");
    EXPECT_TRUE(main().usingAllSpecies.checked);
    EXPECT_FALSE(main().usingRestSpecies.checked);
    EXPECT_EQ(main().usingAllSpecies.caption, "[20]");
    EXPECT_EQ(main().usingRestSpecies.caption, "[21]");
}

TEST_F(StartUp, CaptionsInBothKindsOfSearching) {
    start(2);
    EXPECT_EQ(main().kindofsearching1Caption, "[19]: 2");
    EXPECT_TRUE(main().usingRestSpecies.checked);
    EXPECT_FALSE(main().usingAllSpecies.checked);
    EXPECT_EQ(main().stepback1.caption, "[26]");
    EXPECT_FALSE(main().label44Enabled);
    EXPECT_EQ(main().comparespecies1.caption, "[29]");
    EXPECT_EQ(main().n31Caption, "[32]");
    EXPECT_EQ(program.views().comparison.labels[0], "[30]");
    EXPECT_EQ(program.views().comparison.labels[1], "[31]");
    EXPECT_EQ(main().genera1Caption, "[23]");
    EXPECT_EQ(main().info1Caption, "[24]");
    EXPECT_EQ(main().howtostart1Caption, "[17]");
    EXPECT_EQ(main().clearAll1Caption, "[18]");
    EXPECT_EQ(main().languageCaption, "[22]");
    EXPECT_EQ(main().aboutProgram1Caption, "[28]");
    start(1);
    EXPECT_EQ(main().kindofsearching1Caption, "[19]: 1");
    EXPECT_EQ(main().stepback1.caption, "");
    EXPECT_EQ(main().speedButton1Caption, "");
    EXPECT_TRUE(main().usingAllSpecies.checked);
}

TEST_F(StartUp, GermanAndKindTwoFromTheSettingsFile) {
    folder.write("SpxInit.txt", crlf({"3", "2", "9", "garbage"}));
    folder.write("InitD.Txt", "Pilzbestimmung\r\n");
    program.N31Click();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(state().settings.languageIndex, 3);
    EXPECT_EQ(state().settings.searchKind, 2);
    EXPECT_EQ(main().caption, " Pilzbestimmung");
}

TEST_F(StartUp, LanguageOutsideOneToSixIsEnglish) {
    folder.write("SpxInit.txt", "");
    folder.write("InitUK.Txt", numberedTexts());
    program.N31Click();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(state().settings.languageIndex, 1);
    EXPECT_EQ(state().settings.searchKind, 0);
    EXPECT_EQ(main().caption, " [0]");
}

TEST_F(StartUp, InvalidNumberStopsTheStep) {
    folder.write("SpxInit.txt", crlf({"2", "two"}));
    folder.write("InitNL.Txt", numberedTexts());
    program.N31Click();
    EXPECT_EQ(messages.take(), std::vector<std::string>{"ERROR: Invalid numeric input"});
    EXPECT_EQ(state().settings.languageIndex, 2);  // the first value was read before
    EXPECT_EQ(main().caption, " Indentification of Fungi");
    EXPECT_TRUE(main().image1Visible);
}

TEST_F(StartUp, MissingTextFileAtFirstStartNamesTheFileAlone) {
    folder.write("SpxInit.txt", crlf({"1", "1"}));
    program.N31Click();
    EXPECT_EQ(messages.take(), std::vector<std::string>{"InitUK.Txt "});
    EXPECT_EQ(main().caption, " Indentification of Fungi");
    EXPECT_EQ(main().genera1Caption, "Genera");
}

TEST_F(StartUp, FewerThanFortyLinesLeaveTheRestEmpty) {
    folder.write("SpxInit.txt", crlf({"1", "1"}));
    folder.write("InitUK.Txt", crlf({"Fungi"}));
    program.N31Click();
    EXPECT_EQ(main().caption, " Fungi");
    EXPECT_EQ(main().genera1Caption, "");
}

TEST_F(StartUp, SwitchingWritesTheSettingsAndReadsTheNewTexts) {
    start(2);
    folder.write("InitI.Txt", crlf({"Funghi"}));
    program.LanguageClick(5);
    EXPECT_EQ(folder.read("SpxInit.txt"), "5\r\n2\r\n");
    EXPECT_EQ(state().settings.languageIndex, 5);
    EXPECT_EQ(state().texts[0], "Funghi");
}

TEST_F(StartUp, KindZeroIsSavedAsZero) {
    folder.write("InitUK.Txt", numberedTexts());
    program.N31Click();  // no settings file: English, kind 0
    messages.take();
    folder.write("InitI.Txt", numberedTexts());
    program.LanguageClick(5);
    EXPECT_EQ(folder.read("SpxInit.txt"), "5\r\n0\r\n");
}

TEST_F(StartUp, SwitchToALanguageWithoutTextsKeepsTheOldTexts) {
    start(1);
    program.LanguageClick(2);
    const auto shown = messages.take();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.front(), "InitNL.Txt [7]");
    EXPECT_EQ(state().texts[0], "[0]");
}

TEST_F(StartUp, SwitchBeforeAnyGenusReportsTheEmptyNames) {
    start(1);
    folder.write("InitUK.Txt", numberedTexts());
    program.LanguageClick(1);
    EXPECT_EQ(messages.take(), (std::vector<std::string>{".FEA [7]; [13]", "SPC-file cannot open .SPE"}));
    EXPECT_TRUE(main().listBox1.empty());
    EXPECT_EQ(main().label43Caption, "");
}

TEST_F(StartUp, UnwritableSettingsBringBackTheStoredLanguage) {
    start(1);
    folder.write("InitD.Txt", numberedTexts());
    std::filesystem::create_directory(folder.path() / "SpxInit.txt.new");  // the new file cannot be made
    program.LanguageClick(3);
    EXPECT_EQ(folder.read("SpxInit.txt"), "1\r\n1\r\n");
    EXPECT_EQ(state().settings.languageIndex, 1);
}

}  // namespace
}  // namespace sporix

// Key files edited by hand or copied between machines: beyond every table limit, with
// huge lines or none at all, with NUL and end-of-file bytes, or empty. Each case asserts
// what the user reads, the state afterwards, and that the files on disk are unchanged.
#include <algorithm>
#include <chrono>

#include "HostileFixture.h"

namespace sporix {
namespace {

using namespace std::string_literals;
using test::characterFile;
using test::CharacterSpec;
using test::crlf;
using test::Messages;
using test::numberedTexts;
using test::sampleCharacters;
using test::stateLine;

constexpr std::size_t kTenMegabytes = std::size_t{10} << 20;
const std::string kSpeciesOverLimit =
    "TESTGEN.SPE holds more than 350 species; only the first 350 are used and the rest of the file is left out.";

std::string item(const std::string& state) { return stateLine(state, ' ').substr(0, 25); }

class HostileKeyFiles : public test::HostileFixture {};

// ---------------------------------------------------------------------------------------
// Beyond the table limits

TEST_F(HostileKeyFiles, ThirtyOneGeneraOfferTheFirstThirty) {
    start();
    writeSample();
    std::string list;
    for (int i = 1; i <= 29; ++i)
        list += crlf({"G" + std::to_string(i), "F" + std::to_string(i), "Genus " + std::to_string(i)});
    list += crlf({"Tst", "TESTGEN", "Testgenus", "Lst", "LASTGEN", "Last genus"});
    folder.write("genuslst.txt", list);
    const auto before = snapshot();
    program.Genera1Click();
    EXPECT_EQ(messages.take(),
              Messages{"genuslst.txt holds 30 or more genera; only the first 30 are offered in the menu."});
    EXPECT_EQ(main().genusItems[29], "Testgenus");
    EXPECT_EQ(std::count(main().genusItems.begin(), main().genusItems.end(), "Last genus"), 0);
    program.GenusItemClick(30);
    EXPECT_TRUE(messages.take().empty());
    EXPECT_EQ(main().caption, " [6]Testgenus");
    EXPECT_EQ(state().genus.characterCount, 3);
    EXPECT_EQ(snapshot(), before);
}

// A key written for 43 characters has records of 1 + 43 lines. Only 42 characters fit
// the rows, but the records must still be read whole, or every record after the first
// is shifted and value lines turn up as species names.
TEST_F(HostileKeyFiles, FortyThreeCharactersAreCutButTheSpeciesRecordsStayWhole) {
    start(2);
    std::vector<CharacterSpec> characters;
    for (int k = 1; k <= 43; ++k) characters.push_back({"C" + std::to_string(k), {{"first", 'A'}, {"second", 'B'}}});
    std::vector<std::vector<std::string>> records;
    for (const std::string name : {"TGONE001*one", "TGTWO001*two", "TGTHREE1*three"}) {
        records.push_back({name});
        for (int k = 1; k <= 43; ++k) records.back().push_back(name == "TGTWO001*two" ? "B" : "A");
    }
    writeGenus("TESTGEN", characters, records);
    const auto before = snapshot();
    openGenus();
    EXPECT_EQ(messages.take(), Messages{"TESTGEN.FEA goes beyond the limits of the key and was cut:\n"
                                        "the file holds more than 42 characters; only the first 42 are used."});
    EXPECT_EQ(state().genus.characterCount, 42);
    EXPECT_EQ(state().genus.speciesCount, 3);
    pick(42, "second");
    EXPECT_EQ(listed(), Messages{"two"});
    EXPECT_EQ(main().label43Caption, "[10] 1");
    EXPECT_EQ(snapshot(), before);
}

TEST_F(HostileKeyFiles, TwentyOneStatesLeaveTheFirstTwentyToChoose) {
    start(2);
    std::vector<test::StateSpec> states;
    for (int s = 1; s <= 21; ++s) states.push_back({"state " + std::to_string(s), static_cast<char>('A' + s - 1)});
    writeGenus("TESTGEN", {{"Many", states}, {"Taste", {{"mild", 'M'}}}},
               {{"TGTWENTY*twentieth", "T", "M"}, {"TGTWENT1*twenty-first", "U", "M"}});
    const auto before = snapshot();
    openGenus();
    EXPECT_EQ(messages.take(), Messages{"TESTGEN.FEA goes beyond the limits of the key and was cut:\n"
                                        "character 1 has more than 20 states; only the first 20 are used."});
    EXPECT_EQ(main().rows[0].comboItems.size(), 20u);
    EXPECT_EQ(main().rows[0].comboItems.back(), item("state 20"));
    EXPECT_EQ(main().rows[1].labelCaption, "Taste");  // the next block still starts its own row
    EXPECT_EQ(state().genus.speciesCount, 2);
    pick(1, "state 20");
    EXPECT_EQ(listed(), Messages{"twentieth"});
    type(1, item("state 21"));  // typed by hand: the dropped state has no code
    EXPECT_EQ(listed(), Messages{"[8]"});
    EXPECT_TRUE(messages.take().empty());
    EXPECT_EQ(snapshot(), before);
}

TEST_F(HostileKeyFiles, ThreeHundredFiftyOneSpeciesAreCutAtTheLimitAndToldOnce) {
    start(1);
    writeGenus("TESTGEN", sampleCharacters(), {});
    folder.write("TESTGEN.SPE", test::manySpecies(350));
    openGenus();
    EXPECT_TRUE(messages.take().empty());  // exactly at the limit: nothing to tell
    EXPECT_EQ(state().genus.speciesCount, 350);

    folder.write("TESTGEN.SPE", test::manySpecies(351));
    openGenus();
    EXPECT_EQ(messages.take(), Messages{kSpeciesOverLimit});
    EXPECT_EQ(state().genus.speciesCount, 350);
    pick(1, "red");  // every species is red: equal scores list the later record first
    EXPECT_TRUE(messages.take().empty());
    ASSERT_EQ(listed().size(), 37u);
    EXPECT_EQ(listed().front(), "T.species 350");
    EXPECT_EQ(listed().back(), "T.species 314");

    program.Usingrestspeciesafterlastcharacter1Click();
    const auto before = snapshot();
    pick(1, "red");
    EXPECT_TRUE(messages.take().empty());
    EXPECT_EQ(main().label43Caption, "[10] 350");
    EXPECT_EQ(listed().size(), 350u);
    EXPECT_EQ(lineOf("species 351"), -1);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(HostileKeyFiles, HundredThousandSpeciesAreReadNoFurtherThanTheLimit) {
    start(2);
    writeGenus("TESTGEN", sampleCharacters(), {});
    folder.write("TESTGEN.SPE", test::manySpecies(100000));
    folder.write("TESTGEN/S0000002.TXT", "Second\r\n");
    folder.write("NoFigs.Jpg", test::makeJpeg(4, 4));
    const auto before = snapshot();
    const auto started = std::chrono::steady_clock::now();
    openGenus();
    EXPECT_EQ(messages.take(), Messages{kSpeciesOverLimit});
    EXPECT_EQ(state().genus.speciesCount, 350);
    pick(1, "red");
    EXPECT_EQ(main().label43Caption, "[10] 350");
    program.Species1Click(lineOf("species 2"));
    EXPECT_EQ(state().description.speciesCode, "S0000002");
    EXPECT_EQ(program.views().description.memoLines, Messages{"Second"});
    program.Usingallspeciesallcharcters1Click();
    pick(2, "white");
    EXPECT_EQ(listed().size(), 37u);
    EXPECT_TRUE(messages.take().empty());  // told once per load
    // Each pass stops at record 350 or reads the file once; a pass per species would not
    // end in this time.
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
    const auto after = snapshot();
    EXPECT_EQ(after.entries.at("TESTGEN.SPE"), before.entries.at("TESTGEN.SPE"));
}

// ---------------------------------------------------------------------------------------
// Lines of 10 MB, and files without a single line end

TEST_F(HostileKeyFiles, TenMegabyteLinesInTheGenusListAndCharacterFileAreCut) {
    start(1);
    writeSample();
    folder.write("genuslst.txt", std::string(kTenMegabytes, 'X') + "\r\nTESTGEN\r\n" + std::string(kTenMegabytes, 'N'));
    std::string characters = characterFile(sampleCharacters());
    characters.insert(characters.find("\r\n"), std::string(kTenMegabytes, '~'));                      // the name
    characters.insert(characters.find(stateLine("red", 'R')) + 26, std::string(kTenMegabytes, 'z'));  // a state
    folder.write("TESTGEN.FEA", characters);
    const auto before = snapshot();
    program.Genera1Click();
    EXPECT_TRUE(messages.take().empty());
    EXPECT_EQ(state().genusList[0].code, "XXX");
    EXPECT_EQ(main().genusItems[0], std::string(16, 'N'));
    program.GenusItemClick(1);
    EXPECT_TRUE(messages.take().empty());
    EXPECT_EQ(main().rows[0].labelCaption, "Cap colour" + std::string(16, '~'));
    EXPECT_EQ(state().genus.characters[0].slots[0], stateLine("red", 'R'));
    EXPECT_EQ(state().genus.illustrationNames[0], "XXXPic1.Jpg");
    pick(1, "red");
    EXPECT_EQ(listed(), (Messages{"T.gamma", "T.alpha"}));
    EXPECT_EQ(snapshot(), before);
}

// Each 10 MB case reads its long line in as few passes as the operation needs, so that
// it stays quick in the sanitizer build too.
TEST_F(HostileKeyFiles, TenMegabyteSpeciesNameIsCutInTheResults) {
    start(1);
    writeGenus("TESTGEN", sampleCharacters(), {});
    const std::string longName = "alpha" + std::string(kTenMegabytes, 'a');
    folder.write("TESTGEN.SPE", crlf({"TGALPHA1*" + longName, "R", "A", "M", "TGBETA01*beta", "G", "B", "H"}));
    const auto before = snapshot();
    openGenus();
    EXPECT_EQ(state().genus.speciesCount, 2);
    pick(1, "red");
    EXPECT_EQ(listed(), Messages{"T." + longName.substr(0, 45)});
    EXPECT_EQ(state().results.rows[0].speciesCode, "TGALPHA1");
    EXPECT_TRUE(messages.take().empty());
    EXPECT_EQ(snapshot(), before);
}

TEST_F(HostileKeyFiles, TenMegabyteSpeciesNameIsListedWholeAmongTheRestSpecies) {
    start(2);
    writeGenus("TESTGEN", sampleCharacters(), {});
    const std::string longName = "alpha" + std::string(kTenMegabytes, 'a');
    folder.write("TESTGEN.SPE", crlf({"TGALPHA1*" + longName, "R", "A", "M", "TGBETA01*beta", "G", "B", "H"}));
    const auto before = snapshot();
    openGenus();
    pick(1, "red");
    ASSERT_EQ(listed().size(), 1u);
    EXPECT_TRUE(listed()[0] == longName);  // compared, not printed: ten megabytes
    EXPECT_EQ(main().label43Caption, "[10] 1");
    EXPECT_TRUE(messages.take().empty());
    EXPECT_EQ(snapshot(), before);
}

TEST_F(HostileKeyFiles, TenMegabyteValueLineWeighsFarBelowZero) {
    start(1);
    writeGenus("TESTGEN", sampleCharacters(), {});
    // Gamma's red follows ten million full stops.
    folder.write("TESTGEN.SPE", crlf({"TGALPHA1*alpha", "R", "A", "M", "TGGAMMA1*gamma",
                                      std::string(kTenMegabytes, '.') + "R", "B", "M"}));
    const auto before = snapshot();
    openGenus();
    pick(1, "red");
    EXPECT_EQ(listed(), Messages{"T.alpha"});
    EXPECT_EQ(main().listBox2, Messages{"100"});
    EXPECT_TRUE(messages.take().empty());
    EXPECT_EQ(snapshot(), before);
}

TEST_F(HostileKeyFiles, TenMegabyteValueLineStillHoldsItsCodeForTheRestSpecies) {
    start(2);
    writeGenus("TESTGEN", sampleCharacters(), {});
    folder.write("TESTGEN.SPE", crlf({"TGALPHA1*alpha", "R", "A", "M", "TGGAMMA1*gamma",
                                      std::string(kTenMegabytes, 'x') + "R", "B", "M"}));
    const auto before = snapshot();
    openGenus();
    pick(1, "red");
    EXPECT_EQ(listed(), (Messages{"alpha", "gamma"}));
    EXPECT_EQ(main().label43Caption, "[10] 2");
    EXPECT_TRUE(main().rows[0].labelEnabled);  // their cap colour lines differ
    EXPECT_FALSE(main().rows[2].labelEnabled);
    EXPECT_TRUE(messages.take().empty());
    EXPECT_EQ(snapshot(), before);
}

TEST_F(HostileKeyFiles, TenMegabyteLinesInSettingsAndTexts) {
    folder.write("SpxInit.txt", "3 " + std::string(kTenMegabytes, '#') + "\r\n2\r\n");
    std::string texts = numberedTexts();
    texts.replace(0, 3, std::string(kTenMegabytes, 'T'));  // text 0, the window caption
    folder.write("InitD.Txt", texts);
    const auto before = snapshot();
    program.N31Click();
    EXPECT_TRUE(messages.take().empty());
    EXPECT_EQ(state().settings.languageIndex, 3);
    EXPECT_EQ(state().settings.searchKind, 2);
    EXPECT_EQ(main().caption.size(), 1 + kTenMegabytes);
    EXPECT_EQ(main().genera1Caption, "[23]");
    EXPECT_EQ(snapshot(), before);
}

TEST_F(HostileKeyFiles, TenMegabyteHelpLine) {
    start(2);
    folder.write("InfoUK.Txt", std::string(kTenMegabytes, 'h'));
    const auto before = snapshot();
    program.HelpItemClick(1);
    EXPECT_TRUE(messages.take().empty());
    EXPECT_TRUE(program.views().help.visible);
    ASSERT_EQ(program.views().help.memoLines.size(), 1u);
    EXPECT_EQ(program.views().help.memoLines[0].size(), kTenMegabytes);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(HostileKeyFiles, TenMegabyteDescriptionLine) {
    start(2);
    writeSample();
    folder.write("TESTGEN/TGALPHA1.TXT", std::string(kTenMegabytes, 'd') + "\r\nend\r\n");
    folder.write("NoFigs.Jpg", test::makeJpeg(4, 4));
    const auto before = snapshot();
    openGenus();
    pick(2, "white");
    program.Species1Click(lineOf("alpha"));
    EXPECT_TRUE(messages.take().empty());
    ASSERT_EQ(program.views().description.memoLines.size(), 2u);
    EXPECT_EQ(program.views().description.memoLines[0].size(), kTenMegabytes);
    EXPECT_EQ(program.views().description.memoLines[1], "end");
    EXPECT_EQ(snapshot(), before);
}

// Copied from a machine that ends lines with LF alone, the genus list is one line; a
// conversion done twice gives CR CR LF, an empty line after every line.
TEST_F(HostileKeyFiles, GenusListWithForeignLineEndsGivesGeneraWithoutFiles) {
    start(1);
    writeSample();
    folder.write("genuslst.txt", "Tst\nTESTGEN\nTestgenus\n");
    const auto before = snapshot();
    program.Genera1Click();
    EXPECT_TRUE(messages.take().empty());
    EXPECT_EQ(state().genusList[0].code, "Tst");
    EXPECT_EQ(state().genusList[0].folder, "");
    EXPECT_EQ(main().genusItems[0], "");
    program.GenusItemClick(1);
    EXPECT_EQ(messages.take(), (Messages{".FEA [7]; [13]", "SPC-file cannot open .SPE"}));
    EXPECT_EQ(state().genus.characterCount, 0);
    EXPECT_EQ(snapshot(), before);

    folder.write("genuslst.txt", "Tst\r\r\nTESTGEN\r\r\nTestgenus\r\r\n");
    const auto converted = snapshot();
    program.Genera1Click();
    EXPECT_TRUE(messages.take().empty());
    EXPECT_EQ(main().genusItems[0], "TESTGEN");  // the folder line became the display name
    EXPECT_EQ(main().genusItems[1], "");
    program.GenusItemClick(1);
    EXPECT_EQ(messages.take(), (Messages{".FEA [7]; [13]", "SPC-file cannot open .SPE"}));
    EXPECT_EQ(snapshot(), converted);
}

TEST_F(HostileKeyFiles, CharacterFileWithoutLineEndsIsOneUnfinishedCharacter) {
    start(1);
    writeSample();
    std::string characters = characterFile(sampleCharacters());
    for (auto at = characters.find("\r\n"); at != std::string::npos; at = characters.find("\r\n", at))
        characters.erase(at, 1);
    folder.write("TESTGEN.FEA", characters);
    const auto before = snapshot();
    openGenus();
    EXPECT_EQ(messages.take(),
              Messages{"TESTGEN.FEA goes beyond the limits of the key and was cut:\n"
                       "the file ends inside character 1 (no closing \".\" line); it is used as far as it goes."});
    EXPECT_EQ(state().genus.characterCount, 1);
    EXPECT_EQ(main().rows[0].labelCaption, "Cap colour\n" + stateLine("red", 'R').substr(0, 15));
    EXPECT_TRUE(main().rows[0].comboItems.empty());
    EXPECT_TRUE(main().rows[1].comboSilver);
    EXPECT_EQ(state().genus.speciesCount, 6);  // twelve lines in records of two
    EXPECT_EQ(snapshot(), before);

    folder.write("TESTGEN.FEA", "Cap colour" + std::string(kTenMegabytes, ' '));  // no line end at all
    openGenus();
    EXPECT_EQ(messages.take(),
              Messages{"TESTGEN.FEA goes beyond the limits of the key and was cut:\n"
                       "the file ends inside character 1 (no closing \".\" line); it is used as far as it goes."});
    EXPECT_EQ(main().rows[0].labelCaption, "Cap colour" + std::string(16, ' '));
    EXPECT_EQ(snapshot().entries.at("TESTGEN.SPE"), before.entries.at("TESTGEN.SPE"));
}

TEST_F(HostileKeyFiles, SpeciesFileWithoutLineEndsIsOneRecordThatMatchesNothing) {
    start(1);
    writeSample();
    folder.write("TESTGEN.SPE", "TGALPHA1*alpha\nR\nA\nM\nTGBETA01*beta\nG\nB\nH\n");
    openGenus();
    EXPECT_TRUE(messages.take().empty());
    EXPECT_EQ(state().genus.speciesCount, 1);
    pick(1, "red");
    EXPECT_EQ(listed(), Messages{"[8]"});
    program.Usingrestspeciesafterlastcharacter1Click();
    const auto before = snapshot();
    pick(1, "red");
    EXPECT_EQ(listed(), Messages{"[8]"});
    EXPECT_EQ(main().label43Caption, "[10] 0");
    EXPECT_TRUE(messages.take().empty());
    EXPECT_EQ(snapshot(), before);
}

TEST_F(HostileKeyFiles, SettingsAndTextsWithoutLineEnds) {
    folder.write("SpxInit.txt", "3\n2\n");  // the lone LF does not end line 1: its "2" is skipped with it
    std::string texts = numberedTexts();
    for (auto at = texts.find('\r'); at != std::string::npos; at = texts.find('\r', at)) texts.erase(at, 1);
    folder.write("InitD.Txt", texts);
    const auto before = snapshot();
    program.N31Click();
    EXPECT_TRUE(messages.take().empty());
    EXPECT_EQ(state().settings.languageIndex, 3);
    EXPECT_EQ(state().settings.searchKind, 0);
    EXPECT_EQ(state().texts[0], texts);
    EXPECT_EQ(state().texts[1], "");
    EXPECT_EQ(main().caption, " " + texts);
    EXPECT_EQ(main().kindofsearching1Caption, "Kind of searching:");  // kind 0 sets no kind captions
    EXPECT_EQ(snapshot(), before);
}

// ---------------------------------------------------------------------------------------
// Byte 26 and NUL bytes in odd places

TEST_F(HostileKeyFiles, ByteTwentySixEndsEachFileWhereItStands) {
    folder.write("SpxInit.txt",
                 "\x1A"
                 "3\r\n2\r\n");
    folder.write("InitUK.Txt", "[0]\r\n[1]\r\n\x1A[2]\r\n");
    folder.write("InfoUK.Txt", "Help\x1Ahidden");
    writeSample();
    folder.write("genuslst.txt",
                 crlf({"Tst", "TESTGEN", "Testgenus"}) + "\x1A" + crlf({"Lst", "LASTGEN", "Last genus"}));
    folder.write("TESTGEN/TGALPHA1.TXT", "Alpha\r\n\x1Ahidden\r\n");
    folder.write("NoFigs.Jpg", test::makeJpeg(4, 4));
    const auto before = snapshot();

    program.N31Click();
    EXPECT_TRUE(messages.take().empty());
    EXPECT_EQ(state().settings.languageIndex, 1);  // 0 read before the mark, taken as English
    EXPECT_EQ(state().settings.searchKind, 0);
    EXPECT_EQ(state().texts[1], "[1]");
    EXPECT_EQ(state().texts[2], "");
    program.HelpItemClick(1);
    EXPECT_EQ(program.views().help.memoLines, Messages{"Help"});
    program.Genera1Click();
    EXPECT_EQ(main().genusItems[0], "Testgenus");
    EXPECT_EQ(main().genusItems[1], "");
    program.GenusItemClick(1);
    pick(2, "white");
    program.Species1Click(lineOf("T.alpha"));
    EXPECT_EQ(program.views().description.memoLines, Messages{"Alpha"});
    EXPECT_TRUE(messages.take().empty());
    EXPECT_EQ(snapshot(), before);

    std::string characters = characterFile(sampleCharacters());
    characters.insert(characters.find(stateLine("cream", 'B')), "\x1A");
    folder.write("TESTGEN.FEA", characters);
    folder.write("TESTGEN.SPE", crlf({"TGALPHA1*alpha", "R", "A", "TGBETA01*beta", "G", "B"}));
    const auto cutCharacters = snapshot();
    program.GenusItemClick(1);
    EXPECT_EQ(messages.take(),
              Messages{"TESTGEN.FEA goes beyond the limits of the key and was cut:\n"
                       "the file ends inside character 2 (no closing \".\" line); it is used as far as it goes."});
    EXPECT_EQ(state().genus.characterCount, 2);
    EXPECT_EQ(main().rows[1].comboItems, Messages{item("white")});
    EXPECT_EQ(main().rows[2].labelCaption, "");
    EXPECT_EQ(snapshot(), cutCharacters);

    folder.write("TESTGEN.FEA", characterFile(sampleCharacters()));
    folder.write("TESTGEN.SPE",
                 crlf({"TGALPHA1*alpha", "R", "A", "M", "TGGAMMA1*gamma", "R"}) + "\x1A" + crlf({"B", "M"}));
    const auto cutSpecies = snapshot();
    program.GenusItemClick(1);
    EXPECT_TRUE(messages.take().empty());
    EXPECT_EQ(state().genus.speciesCount, 2);
    pick(1, "red");
    EXPECT_EQ(listed(), (Messages{"T.gamma", "T.alpha"}));
    pick(2, "white");  // gamma's spore print lies after the mark: it reads as empty
    EXPECT_EQ(listed(), (Messages{"T.alpha", "T.gamma"}));
    EXPECT_EQ(main().listBox2, (Messages{"100", "50"}));
    EXPECT_TRUE(messages.take().empty());
    EXPECT_EQ(snapshot(), cutSpecies);
}

TEST_F(HostileKeyFiles, NulBytesAreOrdinaryBytesInTheKeysTexts) {
    start(2);
    writeGenus("TESTGEN",
               {{"Cap\0colour"s, {{"red", 'R'}, {"green", 'G'}}}, {"Taste", {{"mild", 'M'}, {"n\0l"s, '\0'}}}},
               {{"TGALPHA1*al\0pha"s, "R", "M"}, {"TGBETA01*beta", "G", "\0"s}, {"TGGAMMA1*gamma", "R\0"s, "M\0"s}},
               "Tst", "Test\0genus"s);
    const auto before = snapshot();
    program.Genera1Click();
    EXPECT_EQ(main().genusItems[0], "Test\0genus"s);
    program.GenusItemClick(1);
    EXPECT_TRUE(messages.take().empty());
    EXPECT_EQ(main().rows[0].labelCaption, "Cap\0colour"s);
    pick(1, "red");
    EXPECT_EQ(listed(), (Messages{"al\0pha"s, "gamma"}));
    pick(2, "n\0l"s);  // the state code is a NUL byte
    EXPECT_EQ(listed(), Messages{"gamma"});
    EXPECT_TRUE(messages.take().empty());
    EXPECT_EQ(snapshot(), before);
}

// What a crash during a copy can leave: the settings file's size, all of it NUL bytes.
TEST_F(HostileKeyFiles, NulFilledSettingsFileIsAnInvalidNumberUntilALanguageIsChosen) {
    folder.write("SpxInit.txt", std::string(6, '\0'));
    folder.write("InitUK.Txt", numberedTexts());
    program.N31Click();
    EXPECT_EQ(messages.take(), Messages{"ERROR: Invalid numeric input"});
    EXPECT_EQ(main().caption, " Indentification of Fungi");  // the step stopped before the texts
    EXPECT_EQ(folder.read("SpxInit.txt"), std::string(6, '\0'));
    program.N31Click();
    EXPECT_EQ(messages.take(), Messages{"ERROR: Invalid numeric input"});
    program.LanguageClick(1);  // writing the settings repairs the file
    EXPECT_EQ(messages.take(), (Messages{".FEA [7]; [13]", "SPC-file cannot open .SPE"}));
    EXPECT_EQ(folder.read("SpxInit.txt"), "1\r\n0\r\n");
    EXPECT_EQ(main().genera1Caption, "[23]");
}

// The system reads a name only up to a NUL byte. A folder line "TESTGEN.FEA" followed by
// a NUL must not make the genus's character and species files both the existing
// TESTGEN.FEA.
TEST_F(HostileKeyFiles, NulByteInAFolderNameNamesNoFile) {
    start(1);
    writeSample();
    folder.write("genuslst.txt", "Nul\r\n" + "TESTGEN.FEA\0"s + "\r\nNul genus\r\n");
    const auto before = snapshot();
    program.Genera1Click();
    program.GenusItemClick(1);
    EXPECT_EQ(messages.take(), (Messages{"TESTGEN.FEA\0 [7]; [13]"s, "SPC-file cannot open TESTGEN.FEA\0"s}));
    EXPECT_EQ(state().genus.characterCount, 0);
    EXPECT_EQ(main().rows[0].labelCaption, "");
    EXPECT_EQ(snapshot(), before);
}

// ---------------------------------------------------------------------------------------
// Empty files of every kind

TEST_F(HostileKeyFiles, EmptyStartUpFilesLeaveEveryTextEmpty) {
    folder.write("SpxInit.txt", "");
    folder.write("InitUK.Txt", "");
    folder.write("InfoUK.Txt", "");
    folder.write("genuslst.txt", "");
    const auto before = snapshot();
    program.N31Click();
    EXPECT_TRUE(messages.take().empty());
    EXPECT_EQ(state().settings.languageIndex, 1);
    EXPECT_EQ(state().settings.searchKind, 0);
    EXPECT_EQ(main().caption, " ");
    EXPECT_EQ(main().genera1Caption, "");
    program.HelpItemClick(1);
    EXPECT_TRUE(program.views().help.visible);
    EXPECT_TRUE(program.views().help.memoLines.empty());
    program.Howtostart1Click();
    EXPECT_EQ(messages.take(), Messages{"\n\n"});
    program.Genera1Click();
    EXPECT_TRUE(messages.take().empty());
    EXPECT_EQ(main().genusItems[0], "");
    program.GenusItemClick(1);
    EXPECT_EQ(messages.take(), (Messages{".FEA ; ", "SPC-file cannot open .SPE"}));
    EXPECT_EQ(snapshot(), before);
}

TEST_F(HostileKeyFiles, EmptyGenusFilesGiveAKeyWithoutCharactersOrSpecies) {
    start(1);
    writeSample();
    folder.write("TESTGEN.FEA", "");
    auto before = snapshot();
    openGenus();
    EXPECT_TRUE(messages.take().empty());
    EXPECT_EQ(state().genus.characterCount, 0);
    EXPECT_TRUE(main().rows[0].comboSilver);
    EXPECT_EQ(state().genus.speciesCount, 12);  // twelve lines in records of one
    type(1, "red");
    EXPECT_EQ(listed(), Messages{"[8]"});
    EXPECT_EQ(snapshot(), before);

    folder.write("TESTGEN.FEA", characterFile(sampleCharacters()));
    folder.write("TESTGEN.SPE", "");
    program.Usingrestspeciesafterlastcharacter1Click();
    before = snapshot();
    openGenus();
    EXPECT_TRUE(messages.take().empty());
    EXPECT_EQ(state().genus.speciesCount, 1);  // one record of empty lines
    pick(1, "red");
    EXPECT_EQ(listed(), Messages{"[8]"});
    EXPECT_EQ(main().label43Caption, "[10] 0");
    EXPECT_TRUE(messages.take().empty());
    EXPECT_EQ(snapshot(), before);
}

TEST_F(HostileKeyFiles, EmptyDescriptionShowsAnEmptyText) {
    start(1);
    writeSample();
    folder.write("TESTGEN/TGALPHA1.TXT", "");
    folder.write("NoFigs.Jpg", test::makeJpeg(20, 10));
    const auto before = snapshot();
    openGenus();
    pick(2, "white");
    program.Species1Click(lineOf("T.alpha"));
    EXPECT_TRUE(messages.take().empty());
    EXPECT_TRUE(program.views().description.visible);
    EXPECT_TRUE(program.views().description.memoLines.empty());
    ASSERT_TRUE(program.views().description.image1);
    EXPECT_EQ(program.views().description.image1->width(), 20);
    EXPECT_EQ(snapshot(), before);
}

}  // namespace
}  // namespace sporix

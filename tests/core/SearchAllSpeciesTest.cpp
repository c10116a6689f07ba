// The search over all species: scores, percentages, order and the lists it fills.
#include "KeyFixture.h"

namespace sporix {
namespace {

using test::crlf;
using test::sampleCharacters;

class SearchAllSpecies : public test::KeyFixture {
protected:
    void openWith(const std::vector<std::vector<std::string>>& records) { openSampleGenus(1, records); }
};

TEST_F(SearchAllSpecies, FullHalfAndDottedAgreement) {
    openWith({{"TGFULL01*full", "R", "A", "M"},
              {"TGHALF01*half", "R", "C", "M"},
              {"TGDOT001*dotted", "R", ".A", "H"},
              {"TGNONE01*none", "G", "C", "M"}});
    pick(1, "red");
    pick(2, "white");
    EXPECT_EQ(listed(), (std::vector<std::string>{"T.full", "T.dotted", "T.half"}));
    EXPECT_EQ(main().listBox2, (std::vector<std::string>{"100", "95", "50"}));
    EXPECT_EQ(state().results.rows[3].speciesCode, "TGNONE01");
    EXPECT_EQ(state().results.rows[3].percentText, "00");
    EXPECT_EQ(state().search.listedCount, 3);
    EXPECT_TRUE(main().checkListVisible);
    EXPECT_EQ(main().checkListItems, 3);
    EXPECT_EQ(main().label43Caption, "[9]");
    EXPECT_TRUE(main().label43Enabled);
    EXPECT_TRUE(main().label44Enabled);
    EXPECT_TRUE(main().comparespecies1.enabled);
    EXPECT_FALSE(main().stepback1.enabled);
}

TEST_F(SearchAllSpecies, IntegerDivisionDropsTheRemainder) {
    openWith({{"TGSUM190*sum", "R", ".A", "H"}});
    pick(1, "red");
    pick(2, "white");
    pick(3, "mild");
    EXPECT_EQ(main().listBox2, std::vector<std::string>{"63"});  // (100 + 90 + 0) / 3
}

TEST_F(SearchAllSpecies, EqualPercentagesListTheLaterRecordFirst) {
    std::vector<std::vector<std::string>> records;
    for (int r = 1; r <= 7; ++r) records.push_back({"TGREC00" + std::to_string(r) + "*rec" + std::to_string(r), r % 2 ? "R" : "G", "A", "M"});
    openWith(records);
    pick(1, "red");
    EXPECT_EQ(listed(), (std::vector<std::string>{"T.rec7", "T.rec5", "T.rec3", "T.rec1"}));
}

TEST_F(SearchAllSpecies, AtMostThirtySevenListedButFortyTwoRowsKept) {
    std::vector<std::vector<std::string>> records;
    for (int r = 1; r <= 45; ++r) records.push_back({"TG" + std::to_string(100 + r) + "XXX*sp" + std::to_string(r), "R", "A", "M"});
    openWith(records);
    pick(1, "red");
    EXPECT_EQ(listed().size(), 37u);
    EXPECT_EQ(listed().front(), "T.sp45");
    EXPECT_EQ(state().results.rows[41].displayName, "sp4");
    EXPECT_EQ(state().results.rows[41].percentText, "100");
}

TEST_F(SearchAllSpecies, CodeTwiceGivesMoreThanHundredAndSortsFirst) {
    openWith({{"TGONCE01*once", "R", "A", "M"}, {"TGTWICE1*twice", "RR", "A", "M"}});
    pick(1, "red");
    EXPECT_EQ(listed(), (std::vector<std::string>{"T.twice", "T.once"}));
    EXPECT_EQ(main().listBox2, (std::vector<std::string>{"200", "100"}));
}

TEST_F(SearchAllSpecies, ScoresBeyondThreeDigitsAreClampedAndNegativeOnesNotListed) {
    openWith({{"TGMANY01*many", std::string(11, 'R'), "A", "M"},
              {"TGNEG001*negative", std::string(12, '.') + "R", "A", "M"},
              {"TGPLAIN1*plain", "R", "A", "M"}});
    pick(1, "red");
    EXPECT_EQ(listed(), (std::vector<std::string>{"T.many", "T.plain"}));
    EXPECT_EQ(main().listBox2, (std::vector<std::string>{"999", "100"}));
}

TEST_F(SearchAllSpecies, LowerCaseCodeMatchesTheCapitalOnly) {
    start(1);
    writeGenus("TESTGEN", {{"Ring", {{"present", 'r'}, {"absent", 'a'}}}},
               {{"TGCAP001*capital", "R"}, {"TGLOW001*lower", "r"}});
    openGenus();
    pick(1, "present");
    EXPECT_EQ(listed(), std::vector<std::string>{"T.capital"});
}

TEST_F(SearchAllSpecies, TypedTextMatchesOnlyWithItsTrailingBlanks) {
    openWith({{"TGRED001*red one", "R", "A", "M"}});
    type(1, "red");
    EXPECT_EQ(listed(), std::vector<std::string>{"[8]"});
    type(1, "red" + std::string(22, ' '));
    EXPECT_EQ(listed(), std::vector<std::string>{"T.red one"});
}

TEST_F(SearchAllSpecies, CodeThatIsNoLetterOrDigitIsNotCountedButScores) {
    start(1);
    writeGenus("TESTGEN", {{"Odd", {{"dash", '-'}}}, {"Colour", {{"red", 'R'}}}},
               {{"TGDASH01*dash", "-", "R"}});
    openGenus();
    pick(1, "dash");
    EXPECT_EQ(main().listBox2, std::vector<std::string>{"100"});  // n is 0: the sum stays undivided
    pick(2, "red");
    EXPECT_EQ(main().listBox2, std::vector<std::string>{"200"});  // 200 / 1
}

TEST_F(SearchAllSpecies, EntriesWithoutACodeNeverMatchSoTheKeyStaysAligned) {
    start(1);
    // Character 1 has an empty state line: left unchosen, it must still give a space.
    folder.write("genuslst.txt", crlf({"Tst", "TESTGEN", "Testgenus"}));
    folder.write("TESTGEN.FEA", crlf({"Gappy", "", test::stateLine("one", 'X'), ".", "Colour", test::stateLine("red", 'R'),
                                      test::stateLine("green", 'G'), "."}));
    folder.write("TESTGEN.SPE", crlf({"TGRED001*red", "X", "R", "TGGRN001*green", "X", "G"}));
    openGenus();
    pick(2, "red");
    EXPECT_EQ(listed(), std::vector<std::string>{"T.red"});
    EXPECT_EQ(main().listBox2, std::vector<std::string>{"100"});
}

TEST_F(SearchAllSpecies, BlankInAValueLineCountsForAnUnchosenCharacter) {
    openWith({{"TGBLANK1*blank", " ", "A", "M"}});
    pick(2, "white");
    EXPECT_EQ(main().listBox2, std::vector<std::string>{"200"});
}

TEST_F(SearchAllSpecies, NothingAboveZeroShowsTextEight) {
    openWith({{"TGGRN001*green", "G", "C", "M"}});
    pick(1, "red");
    EXPECT_EQ(listed(), std::vector<std::string>{"[8]"});
    EXPECT_TRUE(main().listBox2.empty());
    EXPECT_TRUE(main().checkListVisible);
    EXPECT_EQ(main().checkListItems, 0);
    EXPECT_TRUE(main().comparespecies1.enabled);
}

TEST_F(SearchAllSpecies, RowsBeyondTheSpeciesCountKeepWhatTheyHeld) {
    openWith({{"TGA00001*a", "R", "A", "M"}, {"TGB00001*b", "R", "A", "M"}, {"TGC00001*c", "R", "A", "M"}});
    pick(1, "red");
    writeGenus("OTHER", sampleCharacters(), {{"OTX00001*x", "R", "A", "M"}});
    openGenus();
    pick(1, "red");
    EXPECT_EQ(listed(), std::vector<std::string>{"O.x"});
    EXPECT_EQ(state().results.rows[1].displayName, "b");
    EXPECT_EQ(state().results.rows[2].displayName, "a");
}

TEST_F(SearchAllSpecies, NoGenusAndMissingFile) {
    start(1);
    type(1, "anything");
    EXPECT_EQ(messages.take(), std::vector<std::string>{"[13]"});
    writeGenus("TESTGEN", sampleCharacters(), {{"TGA00001*a", "R", "A", "M"}});
    openGenus();
    pick(1, "red");
    folder.remove("TESTGEN.SPE");
    pick(1, "green");
    EXPECT_EQ(messages.take(), std::vector<std::string>{"TESTGEN.SPE [7]"});
    EXPECT_EQ(listed(), std::vector<std::string>{"T.a"});  // the lists keep their lines
}

TEST_F(SearchAllSpecies, OnlyTheFirst350RecordsAreScoredAndTheRestIsToldOnce) {
    std::string records;
    for (int r = 1; r <= 400; ++r) records += crlf({"TG" + std::to_string(1000 + r) + "XX*n" + std::to_string(r), r == 400 ? "R" : "G", "A", "M"});
    start(1);
    writeGenus("TESTGEN", sampleCharacters(), {});
    folder.write("TESTGEN.SPE", records);
    openGenus();
    EXPECT_EQ(messages.take(), std::vector<std::string>{
                                   "TESTGEN.SPE holds more than 350 species; only the first 350 are used and the rest of the file is left out."});
    EXPECT_EQ(state().genus.speciesCount, 350);
    pick(1, "red");
    EXPECT_TRUE(messages.take().empty());
    EXPECT_EQ(listed(), std::vector<std::string>{"[8]"});  // record 400 was not scored
    pick(2, "white");
    EXPECT_EQ(listed().size(), 37u);
    EXPECT_EQ(listed().front(), "T.n350");
}

TEST_F(SearchAllSpecies, KindZeroSearchesTheFirstKind) {
    folder.write("InitUK.Txt", test::numberedTexts());
    program.N31Click();  // no settings file: kind 0
    messages.take();
    writeGenus("TESTGEN", sampleCharacters(), {{"TGA00001*a", "R", "A", "M"}});
    openGenus();
    pick(1, "red");
    EXPECT_EQ(listed(), std::vector<std::string>{"T.a"});
}

}  // namespace
}  // namespace sporix

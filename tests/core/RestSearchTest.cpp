// The rest-species search, its step back and the kind-of-searching menu.
#include "KeyFixture.h"

namespace sporix {
namespace {

using test::CharacterSpec;
using test::crlf;
using test::sampleCharacters;

constexpr int kLadderCharacters = 10;

// Species k (0..10) shows "yes" for characters 1..k and "no" for the others, so choosing
// "yes" for characters 1..j leaves the species j..10.
std::vector<CharacterSpec> ladderCharacters() {
    std::vector<CharacterSpec> characters;
    for (int c = 1; c <= kLadderCharacters; ++c) characters.push_back({"Step " + std::to_string(c), {{"yes", 'A'}, {"no", 'B'}}});
    return characters;
}

std::vector<std::vector<std::string>> ladderSpecies() {
    std::vector<std::vector<std::string>> records;
    for (int k = 0; k <= kLadderCharacters; ++k) {
        std::vector<std::string> record = {"LADDER" + std::string(k < 10 ? "0" : "") + std::to_string(k) + "*k" +
                                           std::string(k < 10 ? "0" : "") + std::to_string(k)};
        for (int c = 1; c <= kLadderCharacters; ++c) record.push_back(c <= k ? "A" : "B");
        records.push_back(record);
    }
    return records;
}

// The names of species from..10.
std::vector<std::string> ladderFrom(int from) {
    std::vector<std::string> names;
    for (int k = from; k <= kLadderCharacters; ++k) names.push_back("k" + std::string(k < 10 ? "0" : "") + std::to_string(k));
    return names;
}

class RestSearch : public test::KeyFixture {
protected:
    void openLadder() {
        start(2);
        writeGenus("LADDER", ladderCharacters(), ladderSpecies(), "Lad", "Ladder");
        openGenus();
        messages.take();
    }
    void openSample(const std::vector<std::vector<std::string>>& records) { openSampleGenus(2, records); }
};

TEST_F(RestSearch, NewChoiceRemovesTheSpeciesThatLackTheState) {
    openSample({{"TGB00001*beta", "R", "A", "M"},
                {"TGA00001*alpha", ".R", "B", "M"},
                {"TGL00001*lower", "r", "A", "M"},
                {"TGG00001*gamma", "G", "A", "H"}});
    pick(1, "red");
    EXPECT_EQ(listed(), (std::vector<std::string>{"alpha", "beta"}));  // a code after "." stays
    EXPECT_EQ(main().label43Caption, "[10] 2");
    EXPECT_EQ(state().search.compareNames[0], "beta");  // file order
    EXPECT_EQ(state().search.compareNames[1], "alpha");
    EXPECT_EQ(state().search.stepNumber, 2);
    EXPECT_TRUE(main().stepback1.enabled);
    EXPECT_TRUE(main().checkListVisible);
    EXPECT_EQ(main().checkListItems, 2);
    EXPECT_TRUE(main().comparespecies1.enabled);
    EXPECT_TRUE(main().listBox2.empty());
    // Only the characters whose lines differ between the rest species stay enabled; the
    // lines are compared as texts, so ".R" and "R" differ.
    EXPECT_TRUE(main().rows[0].labelEnabled);
    EXPECT_TRUE(main().rows[1].labelEnabled);
    EXPECT_FALSE(main().rows[2].labelEnabled);
    EXPECT_FALSE(main().rows[3].labelEnabled);
}

TEST_F(RestSearch, AnotherStateForTheSameCharacterFiltersAgain) {
    openSample({{"TGB00001*beta", "RG", "A", "M"}, {"TGA00001*alpha", "G", "B", "M"}, {"TGC00001*gamma", "R", "A", "H"}});
    pick(1, "red");
    EXPECT_EQ(listed(), (std::vector<std::string>{"beta", "gamma"}));
    pick(1, "green");
    EXPECT_EQ(listed(), std::vector<std::string>{"beta"});  // alpha stays removed
    EXPECT_TRUE(main().speedButton1Enabled);
    EXPECT_EQ(main().speedButton1Caption, "[12]");
    for (const auto& row : main().rows) EXPECT_FALSE(row.labelEnabled);
}

TEST_F(RestSearch, ChangeThatAppliesNothingLeavesNoSpecies) {
    openSample({{"TGB00001*beta", "R", "A", "M"}});
    pick(1, "red");
    pick(1, "red");  // applied before: no new state
    EXPECT_EQ(listed(), std::vector<std::string>{"[8]"});
    EXPECT_EQ(main().speedButton1Caption, "[11]");
    EXPECT_TRUE(main().speedButton1Enabled);
    EXPECT_FALSE(main().checkListVisible);
    EXPECT_FALSE(main().comparespecies1.enabled);
    EXPECT_EQ(state().search.listedCount, 0);
}

TEST_F(RestSearch, EmptyDisplayNamesAreKeptButNotListed) {
    openSample({{"TGB00001*beta", "R", "A", "M"}, {"TGNONAME*", "R", "B", "M"}});
    pick(1, "red");
    EXPECT_EQ(listed(), std::vector<std::string>{"beta"});
    EXPECT_EQ(state().search.mark(0, 2), 1);
}

TEST_F(RestSearch, ListSortsAsAReaderExpects) {
    openSample({{"TGB00001*\xE9mile", "R", "A", "M"},
                {"TGA00001*Zebra", "R", "A", "M"},
                {"TGC00001*apple", "R", "A", "M"},
                {"TGD00001*Apple", "R", "A", "M"},
                {"TGE00001*eagle", "R", "A", "M"}});
    pick(1, "red");
    EXPECT_EQ(listed(), (std::vector<std::string>{"apple", "Apple", "eagle", "\xE9mile", "Zebra"}));
}

TEST_F(RestSearch, ThirtySevenSpeciesHideTheCheckList) {
    std::vector<std::vector<std::string>> records;
    for (int k = 0; k < 37; ++k) records.push_back({"TG" + std::to_string(100 + k) + "XXX*s" + std::to_string(100 + k), "R", "A", "M"});
    openSample(records);
    pick(1, "red");
    EXPECT_EQ(listed().size(), 37u);
    EXPECT_FALSE(main().checkListVisible);
    EXPECT_FALSE(main().comparespecies1.enabled);
    EXPECT_EQ(main().label43Caption, "[10] 37");
}

TEST_F(RestSearch, TwoChoicesThenStepBackTwice) {
    openLadder();
    pick(1, "yes");
    pick(2, "yes");
    EXPECT_EQ(listed(), ladderFrom(2));
    program.Stepback1Click();
    EXPECT_EQ(listed(), ladderFrom(1));
    EXPECT_EQ(main().rows[1].comboText, "");
    EXPECT_EQ(main().rows[0].comboText.substr(0, 3), "yes");
    EXPECT_EQ(state().search.stepNumber, 2);
    program.Stepback1Click();
    EXPECT_TRUE(listed().empty());
    EXPECT_EQ(main().rows[0].comboText, "");
    EXPECT_FALSE(main().stepback1.enabled);
    EXPECT_EQ(state().search.stepNumber, 1);
}

TEST_F(RestSearch, EightChoicesThenStepsBackToTheFirstAndThenClearAll) {
    openLadder();
    for (int c = 1; c <= 8; ++c) pick(c, "yes");
    EXPECT_EQ(state().search.stepNumber, 9);
    for (int back = 1; back <= 7; ++back) {
        program.Stepback1Click();
        EXPECT_EQ(listed(), ladderFrom(8 - back)) << "step back " << back;
    }
    program.Stepback1Click();
    EXPECT_TRUE(listed().empty());
    EXPECT_EQ(state().search.stepNumber, 1);
}

TEST_F(RestSearch, NineChoicesDropTheOldestSnapshot) {
    openLadder();
    for (int c = 1; c <= 9; ++c) pick(c, "yes");
    EXPECT_EQ(state().search.stepNumber, 9);  // shifted at 10
    EXPECT_EQ(listed(), ladderFrom(9));
    for (int back = 1; back <= 7; ++back) {
        program.Stepback1Click();
        EXPECT_EQ(listed(), ladderFrom(9 - back)) << "step back " << back;
    }
    EXPECT_EQ(listed(), ladderFrom(2));
    program.Stepback1Click();
    EXPECT_TRUE(listed().empty());
}

TEST_F(RestSearch, StepBackRestoresEveryAppliedFlag) {
    openLadder();
    for (int c = 1; c <= 4; ++c) pick(c, "yes");
    for (int back = 0; back < 3; ++back) program.Stepback1Click();
    EXPECT_EQ(listed(), ladderFrom(1));
    for (int c = 3; c <= 6; ++c) pick(c, "yes");
    program.Stepback1Click();
    EXPECT_EQ(listed(), ladderFrom(5));
    pick(2, "yes");  // chosen at the very start, undone since
    EXPECT_EQ(listed(), ladderFrom(5));
}

TEST_F(RestSearch, MissingFileLeavesTheStepAndNeverGoesBelowZero) {
    openLadder();
    pick(1, "yes");
    folder.remove("LADDER.SPE");
    pick(2, "yes");
    EXPECT_EQ(messages.take(), std::vector<std::string>{"Spc-file cannot open LADDER.SPE"});
    EXPECT_EQ(state().search.stepNumber, 2);
    EXPECT_FALSE(main().checkListVisible);
    EXPECT_EQ(listed(), ladderFrom(1));  // the lists keep their lines
    for (int back = 0; back < 4; ++back) program.Stepback1Click();
    EXPECT_EQ(state().search.stepNumber, 0);
}

TEST_F(RestSearch, StartAgainMakesEverySpeciesARestSpecies) {
    openLadder();
    pick(1, "yes");
    pick(2, "no");  // only species 1 lacks yes for step 2
    EXPECT_EQ(listed(), std::vector<std::string>{"k01"});
    program.SpeedButton1Click();
    EXPECT_EQ(state().search.stepNumber, 1);
    EXPECT_FALSE(main().speedButton1Enabled);
    EXPECT_TRUE(main().rows[0].labelEnabled);
    EXPECT_EQ(main().rows[0].comboText, "");
    EXPECT_EQ(folder.read("SpxInit.txt"), "1\r\n2\r\n");
    pick(3, "yes");
    EXPECT_EQ(listed(), ladderFrom(3));
}

TEST_F(RestSearch, KindMenuItemsClearAndSave) {
    openLadder();
    pick(1, "yes");
    program.Usingallspeciesallcharcters1Click();
    EXPECT_EQ(folder.read("SpxInit.txt"), "1\r\n1\r\n");
    EXPECT_EQ(main().kindofsearching1Caption, "[19]: 1");
    EXPECT_TRUE(main().usingAllSpecies.checked);
    EXPECT_EQ(main().rows[0].comboText, "");
    pick(1, "yes");
    EXPECT_EQ(listed().front().substr(0, 2), "L.");
    program.Usingrestspeciesafterlastcharacter1Click();
    EXPECT_EQ(folder.read("SpxInit.txt"), "1\r\n2\r\n");
    EXPECT_EQ(state().search.stepNumber, 1);
    EXPECT_FALSE(main().checkListVisible);
    pick(1, "yes");
    EXPECT_EQ(listed(), ladderFrom(1));
}

}  // namespace
}  // namespace sporix

// The layers of the search state and what Clear all does to them and to the window.
#include <stdexcept>

#include "KeyFixture.h"
#include "SearchState.h"

namespace sporix {
namespace {

using test::sampleCharacters;

TEST(SearchStateTables, EveryIndexIsCheckedAgainstItsTable) {
    SearchState search;
    EXPECT_NO_THROW(search.chosenText(9, 42));
    EXPECT_NO_THROW(search.mark(0, 350));
    EXPECT_NO_THROW(search.usedState(9, 42, 20));
    EXPECT_THROW(search.chosenText(10, 1), std::out_of_range);
    EXPECT_THROW(search.chosenText(-1, 1), std::out_of_range);
    EXPECT_THROW(search.chosenText(0, 43), std::out_of_range);
    EXPECT_THROW(search.mark(0, 0), std::out_of_range);
    EXPECT_THROW(search.mark(0, 351), std::out_of_range);
    EXPECT_THROW(search.usedState(0, 1, 21), std::out_of_range);
}

TEST(SearchStateTables, CopyTakesOnlyTheNamedEntries) {
    SearchState search;
    search.mark(3, 1) = 1;
    search.mark(3, 2) = 1;
    search.chosenText(3, 1) = "one";
    search.chosenText(3, 2) = "two";
    search.usedState(3, 2, 5) = 1;
    search.copyLayer(3, 4, 1, 1);
    EXPECT_EQ(search.mark(4, 1), 1);
    EXPECT_EQ(search.mark(4, 2), 0);
    EXPECT_EQ(search.chosenText(4, 1), "one");
    EXPECT_EQ(search.chosenText(4, 2), "");
    EXPECT_EQ(search.usedState(4, 2, 5), 0);
}

class ClearAll : public test::KeyFixture {
protected:
    void openSample(int kind) { openSampleGenus(kind, {{"TGA00001*a", "R", "A", "M"}, {"TGB00001*b", "R", "B", "M"}}); }
};

TEST_F(ClearAll, LoadingBeforeAnyResetEmptiesTheWorkingStateAfterOneLayerOne) {
    start(1);
    writeGenus("TESTGEN", sampleCharacters(), {{"TGA00001*a", "R", "A", "M"}});
    openGenus();
    pick(1, "red");
    ASSERT_FALSE(state().search.chosenText(0, 1).empty());
    openGenus();  // still step 0: layer 0 is emptied
    EXPECT_EQ(state().search.chosenText(0, 1), "");
    program.Usingrestspeciesafterlastcharacter1Click();
    pick(1, "red");
    ASSERT_FALSE(state().search.chosenText(0, 1).empty());
    openGenus();  // Clear all of kind 2 set step 1 first: layer 1 is emptied, layer 0 not
    EXPECT_EQ(state().search.stepNumber, 1);
    EXPECT_FALSE(state().search.chosenText(0, 1).empty());
    EXPECT_EQ(state().search.chosenText(1, 1), "");
}

TEST_F(ClearAll, KindOneEmptiesTheListsButKeepsTheTicksAndCompare) {
    openSample(1);
    pick(1, "red");
    program.ClearAll1Click();
    EXPECT_TRUE(main().listBox1.empty());
    EXPECT_TRUE(main().listBox2.empty());
    EXPECT_EQ(main().rows[0].comboText, "");
    EXPECT_TRUE(main().checkListVisible);
    EXPECT_EQ(main().checkListItems, 2);
    EXPECT_TRUE(main().comparespecies1.enabled);
    EXPECT_FALSE(main().label43Enabled);
    EXPECT_EQ(main().label43Caption, "[9]");  // left as it was
    EXPECT_EQ(state().search.listedCount, 2);
    EXPECT_FALSE(state().search.chosenText(0, 1).empty());
    EXPECT_EQ(main().caption, " [6]Testgenus");
}

TEST_F(ClearAll, KindTwoResetsMarksFlagsAndStep) {
    openSample(2);
    pick(2, "white");
    EXPECT_EQ(state().search.mark(0, 2), 0);
    program.ClearAll1Click();
    EXPECT_EQ(state().search.stepNumber, 1);
    for (int layer = 0; layer <= 9; ++layer) {
        EXPECT_EQ(state().search.mark(layer, 2), 1) << layer;
        EXPECT_EQ(state().search.usedState(layer, 2, 1), 0) << layer;
    }
    EXPECT_FALSE(main().stepback1.enabled);
    EXPECT_FALSE(main().speedButton1Enabled);
    EXPECT_FALSE(main().checkListVisible);
    EXPECT_FALSE(main().comparespecies1.enabled);
    for (const auto& row : main().rows) EXPECT_TRUE(row.labelEnabled);
    pick(2, "white");  // the next choice runs at step 2
    EXPECT_EQ(state().search.stepNumber, 2);
    EXPECT_EQ(listed(), std::vector<std::string>{"a"});
}

TEST_F(ClearAll, WithoutAGenusTheCaptionIsTextSixAlone) {
    start(1);
    program.ClearAll1Click();
    EXPECT_EQ(main().caption, " [6]");
}

}  // namespace
}  // namespace sporix

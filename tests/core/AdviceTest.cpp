// The advice on small keys whose numbers are worked out by hand: the best next character,
// the near misses, how firm the first place is, and the dangerous look-alikes.
#include "KeyFixture.h"

namespace sporix {
namespace {

using test::stateLine;

// The marks of the look-alike keys below.
constexpr const char* kMarks = "# test marks\r\nTEDEATH1 deadly\r\nTEBAD001 poisonous\r\nTECARE01 caution\r\n";

// Characters C1 .. C6, each of the states yes (A) and no (B).
std::vector<test::CharacterSpec> sixYesNoCharacters() {
    std::vector<test::CharacterSpec> characters;
    for (const char* name : {"C1", "C2", "C3", "C4", "C5", "C6"}) characters.push_back({name, {{"yes", 'A'}, {"no", 'B'}}});
    return characters;
}

class AdviceOnSmallKeys : public test::KeyFixture {
protected:
    const Advice& advice() const { return state().advice; }

    std::vector<int> bestRows() const {
        std::vector<int> rows;
        for (const BestCharacter& best : advice().bestCharacters) rows.push_back(best.row);
        return rows;
    }
    std::vector<std::string> nearMissNames() const {
        std::vector<std::string> names;
        for (const NearMiss& near : advice().nearMisses) names.push_back(near.species.name);
        return names;
    }
    static std::vector<std::string> namesOf(const std::vector<LookAlike>& found) {
        std::vector<std::string> names;
        for (const LookAlike& lookAlike : found) names.push_back(lookAlike.species.name);
        return names;
    }
    std::vector<std::string> lookAlikeNames() const { return namesOf(advice().lookAlikes); }
    std::vector<std::string> answerNames() const { return namesOf(advice().dangerousAnswers); }
    std::vector<std::string> notExcludedNames() const {
        std::vector<std::string> names;
        for (const NearMiss& near : advice().notExcluded) names.push_back(near.species.name);
        return names;
    }
    bool shows(const std::string& text) const { return lineOf(text) != static_cast<int>(lineTexts().size()); }
    std::vector<std::string> lineTexts() const {
        std::vector<std::string> texts;
        for (const AdviceLine& line : state().views.advisor.lines) texts.push_back(line.text);
        return texts;
    }
    int lineOf(const std::string& text) const {
        const auto texts = lineTexts();
        return static_cast<int>(std::find(texts.begin(), texts.end(), text) - texts.begin());
    }
};

TEST_F(AdviceOnSmallKeys, BestCharacterLeavesTheFewestCandidatesOnAverage) {
    // Cap colour halves the four species: (2·2 + 2·2) / 4 = 2.0 left on average. Spore print
    // splits off one: (3·3 + 1·1) / 4 = 2.5. Taste is the same for all and tells nothing.
    openSampleGenus(2, {{"TEALPHA1*alpha", "R", "A", "M"},
                        {"TEBETA01*beta", "R", "A", "M"},
                        {"TEGAMMA1*gamma", "G", "A", "M"},
                        {"TEDELTA1*delta", "G", "B", "M"}});
    ASSERT_EQ(advice().status, AdviceStatus::Ready);
    EXPECT_EQ(bestRows(), (std::vector<int>{1, 2}));
    const BestCharacter& capColour = advice().bestCharacters[0];
    EXPECT_DOUBLE_EQ(capColour.expectedLeft, 2.0);
    ASSERT_EQ(capColour.states.size(), 2u);  // yellow keeps none and is left out
    EXPECT_EQ(capColour.states[0].state, "red");
    EXPECT_EQ(capColour.states[0].keeps, 2);
    EXPECT_EQ(capColour.states[1].state, "green");
    EXPECT_DOUBLE_EQ(advice().bestCharacters[1].expectedLeft, 2.5);
    EXPECT_EQ(lineOf("Cap colour: 2.0 species left on average") + 1, lineOf("red: 2; green: 2"));

    // After white the three rest species split red 2, green 1: (4 + 1) / 3; a chosen
    // character is not proposed again.
    pick(2, "white");
    EXPECT_EQ(bestRows(), std::vector<int>{1});
    EXPECT_DOUBLE_EQ(advice().bestCharacters[0].expectedLeft, 5.0 / 3.0);
}

TEST_F(AdviceOnSmallKeys, SeveralCodesCountUnderEachAndUnrecordedOnesLeaveAll) {
    // Spore print: alpha shows white and cream and counts under both, so white keeps 2,
    // cream 2, ochre 1: (4 + 4 + 1) / 5 = 1.8. Cap colour: red 3, green 1, (9 + 1) / 4 = 2.5.
    // Taste is recorded for two only: mild 1, acrid 1, and two species that no pick can be
    // foretold for count as leaving all four: (1 + 1 + 2·4) / (1 + 1 + 2) = 2.5, placed
    // after cap colour, which the key records for every species.
    openSampleGenus(2, {{"TEALPHA1*alpha", "R", "AB", "M"},
                        {"TEBETA01*beta", "R", "A", "H"},
                        {"TEGAMMA1*gamma", "R", "B", "?"},
                        {"TEDELTA1*delta", "G", "C", "?"}});
    EXPECT_EQ(bestRows(), (std::vector<int>{2, 1, 3}));
    EXPECT_DOUBLE_EQ(advice().bestCharacters[0].expectedLeft, 1.8);
    EXPECT_DOUBLE_EQ(advice().bestCharacters[1].expectedLeft, 2.5);
    EXPECT_DOUBLE_EQ(advice().bestCharacters[2].expectedLeft, 2.5);
    EXPECT_EQ(advice().bestCharacters[2].notRecorded, 2);
    EXPECT_NE(lineOf("mild: 1; acrid: 1; not recorded: 2"), static_cast<int>(lineTexts().size()));
}

TEST_F(AdviceOnSmallKeys, FirstKindProposesFromTheSpeciesWithinFifteenPointsOfTheFirst) {
    // Mild gives alpha 100, beta 90 and gamma 80: only alpha and beta are within 15
    // points, and only cap colour tells those two apart.
    openSampleGenus(1, {{"TEALPHA1*alpha", "R", "A", "M"},
                        {"TEBETA01*beta", "G", "A", ".M"},
                        {"TEGAMMA1*gamma", "Y", "B", "..M"},
                        {"TEDELTA1*delta", "Y", "C", "H"}});
    // Before any choice every species counts: cap colour and spore print (1 + 1 + 4) / 4,
    // taste (9 + 1) / 4.
    EXPECT_EQ(bestRows(), (std::vector<int>{1, 2, 3}));
    pick(3, "mild");
    EXPECT_EQ(main().listBox2, (std::vector<std::string>{"100", "90", "80"}));
    EXPECT_EQ(bestRows(), std::vector<int>{1});
    EXPECT_DOUBLE_EQ(advice().bestCharacters[0].expectedLeft, 1.0);
    EXPECT_TRUE(advice().nearMisses.empty());  // the first kind removes no species
}

TEST_F(AdviceOnSmallKeys, NearMissesDisagreeWithOneChoiceThenWithTwo) {
    openSampleGenus(2, {{"TEALPHA1*alpha", "R", "A", "M"},
                        {"TEGAMMA1*gamma", "GY", "B", "M"},
                        {"TEEPSIL1*epsilon", "G", "B", "H"},
                        {"TEDELTA1*delta", "?", "A", "M"},
                        {"TEBETA01*beta", "G", "A", "M"}});
    pick(1, "red");
    pick(2, "white");
    const std::vector<std::string> afterTwo = nearMissNames();
    pick(3, "mild");
    // beta misses cap colour only; gamma misses two; epsilon misses all three and is no near
    // miss; delta was removed only where the key records nothing and stands apart.
    ASSERT_EQ(nearMissNames(), (std::vector<std::string>{"beta", "gamma"}));
    EXPECT_EQ(notExcludedNames(), std::vector<std::string>{"delta"});
    const NearMiss& beta = advice().nearMisses[0];
    ASSERT_EQ(beta.disagreements.size(), 1u);
    EXPECT_EQ(beta.disagreements[0].row, 1);
    EXPECT_EQ(beta.disagreements[0].chosenState, "red");
    EXPECT_EQ(beta.disagreements[0].given, std::vector<std::string>{"green"});
    const NearMiss& gamma = advice().nearMisses[1];
    ASSERT_EQ(gamma.disagreements.size(), 2u);
    EXPECT_EQ(gamma.disagreements[0].given, (std::vector<std::string>{"green", "yellow"}));
    EXPECT_EQ(gamma.disagreements[1].character, "Spore print");
    EXPECT_EQ(gamma.disagreements[1].given, std::vector<std::string>{"cream"});
    // Several states are set apart one by one; a state's own text may hold "or".
    EXPECT_TRUE(shows("Cap colour: you chose red; the key gives \x93green\x94 or \x93yellow\x94"));

    program.Stepback1Click();
    EXPECT_EQ(nearMissNames(), afterTwo);
    EXPECT_EQ(afterTwo, (std::vector<std::string>{"beta", "epsilon", "gamma"}));
}

TEST_F(AdviceOnSmallKeys, SpeciesRemovedOnlyWhereTheKeyRecordsNothingStandBeforeTheNearMisses) {
    folder.write("TESTGEN.TOX", "TEDEATH1 deadly\r\n");
    openSampleGenus(2, {{"TEALPHA1*alpha", "R", "A", "M"},
                        {"TEBETA01*beta", "G", "A", "M"},
                        {"TEDEATH1*death", "?", "?", "?"},
                        {"TEDELTA1*delta", "?", "A", "H"}});
    pick(1, "red");
    pick(2, "white");
    pick(3, "mild");
    // death lacks a record of all three choices: no near miss, and still not excluded.
    EXPECT_EQ(notExcludedNames(), std::vector<std::string>{"death"});
    EXPECT_EQ(nearMissNames(), (std::vector<std::string>{"beta", "delta"}));
    const auto apart = lineOf("death (deadly): the key does not record Cap colour; Spore print; Taste");
    EXPECT_EQ(lineOf("Not excluded by what you saw") + 1, apart);
    EXPECT_LT(apart, lineOf("Nearly fitting species"));
    ASSERT_EQ(lookAlikeNames(), std::vector<std::string>{"death"});
    EXPECT_EQ(advice().lookAlikes[0].reason, LookAlikeReason::NotExcluded);
    EXPECT_TRUE(shows("death (deadly): not excluded by what you saw"));
}

TEST_F(AdviceOnSmallKeys, FirstPlaceRestsOnTheChoiceWithoutWhichAnotherComesFirst) {
    // Red and white: alpha 100, beta 50. Without white both have 100 and beta, the later
    // record, comes first; without red alpha keeps 100 against 0.
    openSampleGenus(1, {{"TEALPHA1*alpha", "R", "A", "M"}, {"TEBETA01*beta", "R", "B", "M"}});
    pick(1, "red");
    pick(2, "white");
    ASSERT_TRUE(advice().firstPlace.has_value());
    const FirstPlace& place = *advice().firstPlace;
    EXPECT_EQ(place.first.name, "alpha");
    EXPECT_EQ(place.second.name, "beta");
    EXPECT_EQ(place.firstPercent - place.secondPercent, 50);
    EXPECT_TRUE(place.decided);
    ASSERT_EQ(place.restsOn.size(), 1u);
    EXPECT_EQ(place.restsOn[0].character, "Spore print");
    EXPECT_EQ(place.restsOn[0].state, "white");
    EXPECT_NE(lineOf("The first place rests on Spore print: white"), static_cast<int>(lineTexts().size()));

    // Beta's white after one "." gives (100 + 90 + 100) / 3 = 96 against 100: 4 points.
    openSampleGenus(1, {{"TEALPHA1*alpha", "R", "A", "M"}, {"TEBETA01*beta", "R", ".A", "M"}});
    pick(1, "red");
    pick(2, "white");
    pick(3, "mild");
    EXPECT_EQ(advice().firstPlace->secondPercent, 96);
    EXPECT_FALSE(advice().firstPlace->decided);
    EXPECT_EQ(advice().firstPlace->restsOn.size(), 1u);
    EXPECT_NE(lineOf("Not decided: the first two are within 10 points."), static_cast<int>(lineTexts().size()));
}

TEST_F(AdviceOnSmallKeys, DangerousRestSpeciesLeadTheAdviceAndNearMissesAreLookAlikes) {
    folder.write("TESTGEN.TOX", kMarks);
    openSampleGenus(2, {{"TEALPHA1*alpha", "R", "A", "M"},
                        {"TEDEATH1*death", "R", "A", "H"},
                        {"TEBAD001*bad", "G", "A", "M"},
                        {"TECARE01*care", "R", "B", "M"}});
    EXPECT_FALSE(main().advisor1Warns);  // nothing chosen yet: nothing is being identified
    pick(1, "red");
    // death is a rest species and leads, bad a near miss; care is only edible with care.
    EXPECT_EQ(answerNames(), std::vector<std::string>{"death"});
    EXPECT_EQ(advice().dangerousAnswers[0].reason, LookAlikeReason::RestSpecies);
    EXPECT_EQ(lookAlikeNames(), std::vector<std::string>{"bad"});
    EXPECT_TRUE(main().advisor1Warns);
    EXPECT_EQ(main().advisor1Warning, "A deadly or poisonous species fits your choices");
    EXPECT_EQ(lineTexts()[0], "death is deadly");
    EXPECT_EQ(lineTexts()[1], "still one of the rest species");
    EXPECT_EQ(state().views.advisor.lines[0].section, AdviceSection::LookAlikes);
    pick(3, "mild");
    EXPECT_TRUE(advice().dangerousAnswers.empty());
    ASSERT_EQ(lookAlikeNames(), (std::vector<std::string>{"death", "bad"}));
    EXPECT_EQ(advice().lookAlikes[0].reason, LookAlikeReason::NearMiss);
    ASSERT_EQ(advice().lookAlikes[0].differences.size(), 1u);
    EXPECT_EQ(advice().lookAlikes[0].differences[0].given, std::vector<std::string>{"acrid"});
    EXPECT_TRUE(shows("death (deadly): nearly fits your choices"));
    EXPECT_EQ(main().advisor1Warning, "A dangerous look-alike is close");
}

TEST_F(AdviceOnSmallKeys, ADeadlyAnswerIsSaidFirst) {
    folder.write("TESTGEN.TOX", kMarks);
    openSampleGenus(2, {{"TEALPHA1*alpha", "R", "A", "M"},
                        {"TEDEATH1*death", "R", "A", "H"},
                        {"TEBAD001*bad", "R", "B", "H"}});
    pick(1, "red");
    pick(3, "acrid");
    pick(2, "white");
    // The one species left is deadly: the menu item warns and the advice leads with it; bad,
    // removed by the spore print alone, is still named after it.
    ASSERT_EQ(main().listBox1, std::vector<std::string>{"death"});
    ASSERT_EQ(answerNames(), std::vector<std::string>{"death"});
    EXPECT_EQ(advice().dangerousAnswers[0].reason, LookAlikeReason::Answer);
    EXPECT_EQ(lineTexts().front(), "death is deadly");
    EXPECT_EQ(lookAlikeNames(), std::vector<std::string>{"bad"});
    EXPECT_TRUE(main().advisor1Warns);
    EXPECT_EQ(main().advisor1Warning, "A deadly or poisonous species fits your choices");

    // In the first kind a deadly first leads the same way, and every species is named with its mark.
    openSampleGenus(1, {{"TECARE01*care", "R", ".A", "M"}, {"TEDEATH1*death", "R", "A", "M"}});
    pick(1, "red");
    pick(2, "white");
    EXPECT_EQ(answerNames(), std::vector<std::string>{"death"});
    EXPECT_EQ(lineTexts().front(), "death is deadly");
    EXPECT_TRUE(shows("death (deadly) leads care (edible with care) by 5 points"));
    EXPECT_TRUE(main().advisor1Warns);
}

TEST_F(AdviceOnSmallKeys, FirstKindWarnsOfDangerousSpeciesWithinTwentyPoints) {
    folder.write("TESTGEN.TOX", "TEBAD001 poisonous\r\nTEDEATH1 deadly\r\n");
    openSampleGenus(
        1, {{"TEALPHA1*alpha", "R", "A", "M"}, {"TEBAD001*bad", "R", ".A", "M"}, {"TEDEATH1*death", "R", "A", "H"}});
    // alpha 100, bad 96 (4 behind), death 66 (34 behind, beyond 20).
    pick(1, "red");
    pick(2, "white");
    pick(3, "mild");
    ASSERT_EQ(lookAlikeNames(), std::vector<std::string>{"bad"});
    EXPECT_EQ(advice().lookAlikes[0].reason, LookAlikeReason::CloseBehind);
    EXPECT_EQ(advice().lookAlikes[0].pointsBehind, 4);
    EXPECT_TRUE(shows("bad (poisonous): 4 points behind the first"));
    // It shares every choice, one as less typical: it is not said to agree with all of them.
    EXPECT_EQ(lineOf("bad (poisonous): 4 points behind the first") + 1,
              lineOf("shows all your choices, some only as less typical"));
    EXPECT_FALSE(shows("agrees with all your choices"));
    // Without taste alpha and death share the first place with 100, bad 95: death leads the
    // advice as a first, and the margin of 0 points is no margin.
    type(3, "");
    EXPECT_EQ(answerNames(), std::vector<std::string>{"death"});
    EXPECT_EQ(lookAlikeNames(), std::vector<std::string>{"bad"});
    EXPECT_TRUE(shows("Not decided: 2 species share the first place."));
    EXPECT_EQ(lineOf("How firm the first place is") + 2, lineOf("Look next at"));
}

TEST_F(AdviceOnSmallKeys, FirstKindRanksLookAlikesByPointsBehindTheFirst) {
    // Six two-state characters, all chosen "yes". bad differs in one: 500 / 6 = 83, 17 behind.
    // The five others share every choice, but less typically: 490 / 6 = 81, 19 behind. Ranked
    // by choices not shared, bad would be the sixth and left out.
    std::vector<std::vector<std::string>> records = {{"TEALPHA1*alpha", "A", "A", "A", "A", "A", "A"},
                                                     {"TEBAD001*bad", "B", "A", "A", "A", "A", "A"}};
    std::string marks = "TEBAD001 poisonous\r\n";
    for (const char k : std::string("12345")) {
        records.push_back({std::string("TEFAR00") + k + "*far" + k, ".....A", ".....A", ".A", "A", "A", "A"});
        marks += std::string("TEFAR00") + k + " poisonous\r\n";
    }
    start(1);
    writeGenus("TESTGEN", sixYesNoCharacters(), records);
    folder.write("TESTGEN.TOX", marks);
    openGenus();
    for (int row = 1; row <= 6; ++row) pick(row, "yes");
    ASSERT_EQ(lookAlikeNames().size(), static_cast<std::size_t>(kMaxLookAlikes));
    EXPECT_EQ(lookAlikeNames().front(), "bad");
    EXPECT_EQ(advice().lookAlikes[0].pointsBehind, 17);
    EXPECT_EQ(advice().lookAlikes[1].pointsBehind, 19);
}

TEST_F(AdviceOnSmallKeys, ADocumentedConfusionIsNamedHoweverFarApartTheyScore) {
    // death is taken for eddy, yet differs from every choice: no near miss, no rest species.
    const std::vector<std::vector<std::string>> records = {{"TEEDDY01*eddy", "A", "A", "A", "A", "AB", "A"},
                                                           {"TEOTHER1*other", "B", "A", "A", "A", "A", "A"},
                                                           {"TEDEATH1*death", "B", "B", "B", "B", "B", "?"}};
    folder.write("TESTGEN.TOX", "TEDEATH1 deadly\r\nTEEDDY01 caution\r\nTEDEATH1 taken-for TEEDDY01\r\n");
    start(2);
    writeGenus("TESTGEN", sixYesNoCharacters(), records);
    openGenus();
    for (int row = 1; row <= 3; ++row) pick(row, "yes");
    ASSERT_EQ(main().listBox1, std::vector<std::string>{"eddy"});
    ASSERT_EQ(lookAlikeNames(), std::vector<std::string>{"death"});
    const LookAlike& death = advice().lookAlikes[0];
    EXPECT_EQ(death.reason, LookAlikeReason::TakenFor);
    ASSERT_EQ(death.takenFor.size(), 1u);
    EXPECT_EQ(death.takenFor[0].with.name, "eddy");
    // C4 tells them apart; C5 does not (eddy shows both), nor C6 (death unrecorded), nor the
    // chosen C1-C3, which the differences already name.
    ASSERT_EQ(death.takenFor[0].toldApartBy.size(), 1u);
    EXPECT_EQ(death.takenFor[0].toldApartBy[0].row, 4);
    EXPECT_TRUE(shows("death (deadly): often taken for eddy (edible with care)"));
    EXPECT_TRUE(shows("C4: death (deadly) shows no; eddy (edible with care) shows yes"));
    EXPECT_TRUE(main().advisor1Warns);

    // The first kind names it too while eddy is first, though death scores 0 and is not listed.
    start(1);
    openGenus();
    for (int row = 1; row <= 3; ++row) pick(row, "yes");
    ASSERT_EQ(main().listBox1.front(), "T.eddy");
    EXPECT_EQ(lookAlikeNames(), std::vector<std::string>{"death"});
    EXPECT_TRUE(shows("eddy (edible with care) leads other by 34 points"));
}

TEST_F(AdviceOnSmallKeys, AGenusWithNothingToAdviseOnSaysSoAlone) {
    openSampleGenus(2, {{"TEALPHA1*alpha", "R", "A", "M"}});
    EXPECT_EQ(advice().status, AdviceStatus::OneSpecies);
    EXPECT_EQ(lineTexts(),
              std::vector<std::string>{"This genus holds only one species: there is nothing to tell apart."});
    folder.write("TESTGEN.SPE", "");
    program.ClearAll1Click();
    EXPECT_EQ(lineTexts(), std::vector<std::string>{"This genus holds no species."});
    folder.remove("TESTGEN.SPE");
    program.ClearAll1Click();
    EXPECT_EQ(lineTexts(), std::vector<std::string>{"The species file of this genus cannot be read."});
    EXPECT_TRUE(messages.take().empty());  // the advice itself reports nothing
}

TEST_F(AdviceOnSmallKeys, AFaultyMarksFileMarksWhatItCanAndFailsNothing) {
    // A code of no species, an unknown mark, a code marked twice, a line with a lone LF, and
    // past the line limit a mark that is not read and a line of 100 000 bytes.
    std::string marks = "TENOPE00 deadly\r\nTEALPHA1 lethal\r\nTEDEATH1 deadly\r\nTEDEATH1 caution\r\nno mark\n\r\n";
    for (int k = 0; k < kMaxToxicityLines; ++k) marks += "# filler\r\n";
    folder.write("TESTGEN.TOX", marks + "TEALPHA1 deadly\r\n" + std::string(100000, 'x'));
    openSampleGenus(2, {{"TEALPHA1*alpha", "R", "A", "M"}, {"TEDEATH1*death", "R", "A", "H"}});
    pick(1, "red");
    EXPECT_TRUE(messages.take().empty());
    EXPECT_EQ(answerNames(), std::vector<std::string>{"death"});
    EXPECT_EQ(advice().dangerousAnswers[0].species.mark, Toxicity::Deadly);  // the first mark counts
}

TEST_F(AdviceOnSmallKeys, AShortCodeIsMarkedWithItsPaddingBlanks) {
    // The species file holds the code "TEDEAD" padded to 8 bytes; the marks file may write it
    // with one blank or several before the mark.
    folder.write("TESTGEN.TOX", "TEDEAD  deadly\r\nTEBAD poisonous\r\n");
    openSampleGenus(2, {{"TEALPHA1*alpha", "R", "A", "M"},
                        {"TEDEAD  *dead", "R", "A", "M"},
                        {"TEBAD   *bad", "R", "B", "M"}});
    pick(1, "red");
    EXPECT_EQ(answerNames(), (std::vector<std::string>{"dead", "bad"}));
    EXPECT_TRUE(main().advisor1Warns);
}

TEST_F(AdviceOnSmallKeys, OneListedSpeciesIsNotLedByAnUnlistedOne) {
    openSampleGenus(1, {{"TEALPHA1*alpha", "R", "A", "M"}, {"TEBETA01*beta", "G", "B", "H"}});
    pick(1, "red");
    ASSERT_EQ(main().listBox1.size(), 1u);
    ASSERT_TRUE(advice().firstPlace.has_value());
    EXPECT_EQ(advice().firstPlace->listed, 1);
    EXPECT_TRUE(shows("alpha is the only species listed"));
    for (const std::string& text : lineTexts()) EXPECT_EQ(text.find("beta"), std::string::npos) << text;
}

TEST_F(AdviceOnSmallKeys, AClickOnALineOpensItsDropDownListOrItsSpecies) {
    openSampleGenus(2, {{"TEALPHA1*alpha", "R", "A", "M"}, {"TEBETA01*beta", "G", "A", "M"}});
    folder.write("TESTGEN/TEBETA01.TXT", "Beta, by its code\r\n");
    folder.write("NoFigs.Jpg", test::makeJpeg(8, 8));
    program.Advisor1Click();
    EXPECT_TRUE(state().views.advisor.visible);
    program.AdvisorLineClick(lineOf("Cap colour: 1.0 species left on average"));
    EXPECT_EQ(main().dropDownRow, 1);
    EXPECT_EQ(main().dropDownOpenings, 1);
    pick(1, "red");
    program.AdvisorLineClick(lineOf("beta"));
    EXPECT_TRUE(state().views.description.visible);
    EXPECT_EQ(state().views.description.memoLines, std::vector<std::string>{"Beta, by its code"});
    EXPECT_EQ(main().dropDownOpenings, 1);
    EXPECT_TRUE(messages.take().empty());
}

TEST_F(AdviceOnSmallKeys, TextsComeFromTheLanguageFileWithEnglishWhereALineIsMissing) {
    folder.write("AdviceUK.Txt", "Helper\r\nHelper: watch out\r\n\r\nUnread\r\n");
    openSampleGenus(2, {{"TEALPHA1*alpha", "R", "A", "M"}, {"TEDEATH1*death", "G", "A", "M"}});
    folder.write("TESTGEN.TOX", "TEDEATH1 deadly\r\n");
    EXPECT_EQ(main().advisor1.caption, "Helper");
    EXPECT_EQ(state().views.advisor.caption, " Helper");
    pick(1, "red");  // death a near miss: a look-alike
    EXPECT_EQ(main().advisor1.caption, "Helper");
    EXPECT_EQ(main().advisor1Warning, "Helper: watch out");
    EXPECT_EQ(lineTexts().front(), "Dangerous look-alikes");
}

}  // namespace
}  // namespace sporix

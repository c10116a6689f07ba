// Descriptions, slides, character pictures and the comparison of species.
#include <array>
#include <set>

#include "AboutTexts.h"
#include "KeyFixture.h"

namespace sporix {
namespace {

using test::crlf;
using test::makeBitmap;
using test::makeJpeg;
using test::sampleCharacters;
using test::TestPicture;

class SpeciesInformation : public test::KeyFixture {
protected:
    void openSample(int kind) {
        start(kind);
        writeGenus("TESTGEN", sampleCharacters(),
                   {{"TGALPHA1*alpha", "R", "A", "M"},
                    {"TGBETA01*beta", "R", "B.C", "?"},
                    {"TGGAMMA1*gamma", "G", ".C", "HM"},
                    {"TGDELTA*", "R", "A", "M"},
                    {"TGEPSIL", "R", "A", "M"}});
        folder.write("NoFigs.Jpg", makeJpeg(20, 10));
        openGenus();
        messages.take();
    }
    const DescriptionWindowView& description() const { return program.views().description; }
    const ComparisonWindowView& comparison() const { return program.views().comparison; }
    int lineOf(const std::string& text) const {
        for (std::size_t i = 0; i < listed().size(); ++i) {
            if (listed()[i] == text) return static_cast<int>(i);
        }
        return -1;
    }
};

TEST_F(SpeciesInformation, KindOneLineOpensTheDescriptionOfItsCode) {
    openSample(1);
    folder.write("TESTGEN/TGALPHA1.TXT", "Alpha\r\nsecond line\r\n");
    folder.write("TESTGEN/TGALPHA1.BMP", makeBitmap(30, 40));
    folder.write("TESTGEN/TGALPHA1.JPG", makeJpeg(16, 8));
    pick(2, "white");
    program.Species1Click(lineOf("T.alpha"));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(description().visible);
    EXPECT_EQ(description().memoLines, (std::vector<std::string>{"Alpha", "second line"}));
    EXPECT_TRUE(description().memoSilver);
    ASSERT_TRUE(description().image1);
    EXPECT_EQ(description().image1->width(), 30);
    EXPECT_TRUE(description().slideEnabled);
    EXPECT_EQ(description().caption, " [1]");
    EXPECT_EQ(description().slideCaption, "[15]");
    EXPECT_EQ(description().closeCaption, "[16]");
    program.SlideClick();
    EXPECT_EQ(program.views().slide.caption, " [15] T.alpha");
    ASSERT_TRUE(program.views().slide.image1);
    EXPECT_EQ(program.views().slide.image1->width(), 16);
    EXPECT_FALSE(description().slideEnabled);
    program.SlideFormClose();
    EXPECT_TRUE(description().slideEnabled);
}

TEST_F(SpeciesInformation, MissingDescriptionShowsTwoLinesAndThePlaceholder) {
    openSample(1);
    pick(2, "white");
    program.Species1Click(lineOf("T.alpha"));
    EXPECT_EQ(description().memoLines, (std::vector<std::string>{"Testgenus alpha[25]", "Filename: TGALPHA1.*"}));
    ASSERT_TRUE(description().image1);
    EXPECT_EQ(description().image1->width(), 20);  // NoFigs.Jpg
    EXPECT_FALSE(description().slideEnabled);
}

TEST_F(SpeciesInformation, GermanDescriptionOrTheEnglishOne) {
    openSample(1);
    folder.write("TESTGEN/TGALPHA1.TXT", "English\r\n");
    folder.write("InitD.Txt", test::numberedTexts());
    program.LanguageClick(3);
    pick(2, "white");
    program.Species1Click(lineOf("T.alpha"));
    EXPECT_EQ(description().memoLines, std::vector<std::string>{"English"});
    folder.write("TESTGEN/TGALPHA1.TXD", "Deutsch\r\n");
    program.Species1Click(lineOf("T.alpha"));
    EXPECT_EQ(description().memoLines, std::vector<std::string>{"Deutsch"});
    EXPECT_EQ(state().description.descriptionFileName, "TGALPHA1.TXD");
}

TEST_F(SpeciesInformation, KindTwoFindsTheCodeInTheSpeciesFile) {
    openSample(2);
    folder.write("TESTGEN/TGBETA01.TXT", "Beta\r\n");
    folder.write("TESTGEN/TGEPSIL.TXT", "Epsilon\r\n");
    pick(1, "red");
    program.Species1Click(lineOf("beta"));
    EXPECT_EQ(state().description.speciesCode, "TGBETA01");
    EXPECT_EQ(description().memoLines, std::vector<std::string>{"Beta"});
    program.Species1Click(lineOf("TGEPSIL"));  // a short name line is its own code
    EXPECT_EQ(state().description.speciesCode, "TGEPSIL");
    EXPECT_EQ(state().description.descriptionFileName, "TGEPSIL.TXT");
    EXPECT_EQ(description().memoLines, std::vector<std::string>{"Epsilon"});
}

TEST_F(SpeciesInformation, NoSpeciesLineAndNoSelection) {
    openSample(2);
    pick(1, "yellow");
    ASSERT_EQ(listed(), std::vector<std::string>{"[8]"});
    program.Species1Click(0);
    EXPECT_EQ(state().description.speciesCode, "[8]");
    EXPECT_EQ(description().memoLines[1], "Filename: [8].*");
    const int shows = description().showCount;
    program.Species1Click(-1);
    program.Species1Click(5);
    EXPECT_EQ(description().showCount, shows);
}

TEST_F(SpeciesInformation, CloseWithoutSlideLeavesSlideEnabled) {
    openSample(1);
    pick(2, "white");
    program.Species1Click(lineOf("T.alpha"));
    program.Species1Click(lineOf("T.alpha"));
    EXPECT_EQ(description().memoLines.size(), 2u);  // filled once, not twice
    program.CloseClick();
    EXPECT_FALSE(description().visible);
    EXPECT_FALSE(program.views().slide.visible);
    EXPECT_TRUE(description().slideEnabled);
}

TEST_F(SpeciesInformation, UndecodableDrawingGoesToTheErrorHandler) {
    openSample(1);
    folder.write("TESTGEN/TGALPHA1.BMP", "not a picture");
    folder.write("TESTGEN/TGALPHA1.JPG", makeJpeg(4, 4));
    pick(2, "white");
    program.Species1Click(lineOf("T.alpha"));
    const auto shown = messages.take();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "ERROR: Cannot show the picture \"TESTGEN\\TGALPHA1.BMP\": not a bitmap");
    EXPECT_FALSE(description().visible);  // the steps after the drawing were skipped
    EXPECT_FALSE(description().slideEnabled);
}

TEST_F(SpeciesInformation, MissingPlaceholderNamesIt) {
    openSample(1);
    folder.remove("NoFigs.Jpg");
    pick(2, "white");
    program.Species1Click(lineOf("T.alpha"));
    const auto shown = messages.take();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].find("NoFigs.Jpg"), std::string::npos);
}

TEST_F(SpeciesInformation, CharacterPicturesReplaceTheLists) {
    start(1);
    writeGenus("TESTGEN", sampleCharacters(), {{"TGALPHA1*alpha", "R", "A", "M"}});
    folder.write("TESTGEN/TstPic2.Jpg", makeJpeg(9, 9, true));
    folder.write("TESTGEN/TstPic3.Jpg", makeJpeg(3, 3));
    openGenus();
    EXPECT_FALSE(main().rows[0].buttonEnabled);
    EXPECT_TRUE(main().rows[1].buttonEnabled);
    program.ButtonClick(2);
    EXPECT_TRUE(main().image1Visible);
    EXPECT_FALSE(main().listBox1Visible);
    EXPECT_FALSE(main().listBox2Visible);
    EXPECT_FALSE(main().checkListVisible);
    ASSERT_TRUE(main().image1);
    EXPECT_EQ(main().image1->width(), 9);
    folder.remove("TESTGEN/TstPic3.Jpg");
    program.ButtonClick(3);
    EXPECT_EQ(messages.take(), std::vector<std::string>{"[32]\n[33]"});
    EXPECT_FALSE(main().image1Visible);
    EXPECT_FALSE(main().listBox1Visible);  // the area stays empty until the next search
    pick(1, "red");
    EXPECT_TRUE(main().listBox1Visible);
    EXPECT_FALSE(main().image1Visible);
}

// A picture in the interface language's folder comes first; the common picture is the
// fallback, for the character pictures, the drawing, the slide and the placeholder alike.
TEST_F(SpeciesInformation, PictureOfTheInterfaceLanguageOrTheCommonOne) {
    openSample(1);
    folder.write("TESTGEN/TstPic2.Jpg", makeJpeg(9, 9));
    folder.write("TESTGEN/s/tstpic2.jpg", makeJpeg(5, 5));  // folder and name in any case
    folder.write("TESTGEN/s/TstPic3.Jpg", makeJpeg(7, 7));  // Spanish only
    folder.write("TESTGEN/TstPic1.Jpg", makeJpeg(4, 4));    // common only
    folder.write("TESTGEN/TGALPHA1.BMP", makeBitmap(30, 40));
    folder.write("TESTGEN/s/TGALPHA1.BMP", makeBitmap(12, 40));
    folder.write("TESTGEN/TGALPHA1.JPG", makeJpeg(16, 8));
    folder.write("S/NoFigs.Jpg", makeJpeg(11, 10));
    folder.write("D/NoFigs.Jpg", makeJpeg(13, 10));  // another language's is never shown
    folder.write("InitS.Txt", test::numberedTexts());
    const auto widthShownForRow = [this](int row) {
        program.ButtonClick(row);
        return main().image1 ? main().image1->width() : 0;
    };
    const auto drawingWidthOf = [this](const std::string& line, const std::string& sporePrint) {
        pick(2, sporePrint);
        program.Species1Click(lineOf(line));
        return description().image1 ? description().image1->width() : 0;
    };

    program.LanguageClick(6);
    messages.take();
    EXPECT_EQ(widthShownForRow(2), 5);
    EXPECT_EQ(widthShownForRow(1), 4);
    EXPECT_TRUE(main().rows[2].buttonEnabled);
    EXPECT_EQ(widthShownForRow(3), 7);
    EXPECT_EQ(drawingWidthOf("T.alpha", "white"), 12);
    EXPECT_TRUE(description().slideEnabled);  // the common slide
    program.SlideClick();
    ASSERT_TRUE(program.views().slide.image1);
    EXPECT_EQ(program.views().slide.image1->width(), 16);
    program.SlideFormClose();
    EXPECT_EQ(drawingWidthOf("T.beta", "cream"), 11);  // no drawing: the Spanish placeholder

    program.LanguageClick(1);
    messages.take();
    EXPECT_EQ(widthShownForRow(2), 9);
    EXPECT_FALSE(main().rows[2].buttonEnabled);
    EXPECT_EQ(drawingWidthOf("T.alpha", "white"), 30);
    EXPECT_EQ(drawingWidthOf("T.beta", "cream"), 20);
}

TEST_F(SpeciesInformation, CompareTheThreeBestWithoutTicks) {
    openSample(1);
    pick(1, "red");
    pick(2, "cream");
    program.Comparespecies1Click({});
    EXPECT_TRUE(comparison().visible);
    EXPECT_EQ(comparison().caption, " [29]");
    EXPECT_EQ(comparison().labels[2], "beta");
    EXPECT_EQ(comparison().memos[0], (std::vector<std::string>{"Cap colour", "Spore print", "Taste"}));
    EXPECT_EQ(comparison().memos[1][1], test::stateLine("cream", ' ').substr(0, 25));
    // beta: red; "B.C" gives its first code only; "?" stays "?".
    EXPECT_EQ(comparison().memos[2], (std::vector<std::string>{test::stateLine("red", ' ').substr(0, 25),
                                                               test::stateLine("cream", ' ').substr(0, 25), "?"}));
}

TEST_F(SpeciesInformation, TickedLinesChooseTheColumnsInListOrder) {
    openSample(1);
    pick(1, "red");
    ASSERT_GE(listed().size(), 4u);
    std::vector<bool> ticks(listed().size(), true);
    program.Comparespecies1Click(ticks);
    for (int j = 0; j < 3; ++j) EXPECT_EQ("T." + comparison().labels[static_cast<std::size_t>(2 + j)], listed()[static_cast<std::size_t>(j)]);
    std::vector<bool> one(listed().size(), false);
    one[static_cast<std::size_t>(lineOf("T.alpha"))] = true;
    program.Comparespecies1Click(one);
    EXPECT_EQ(comparison().labels[2], "alpha");
    EXPECT_EQ(comparison().labels[3], "");  // an empty slot matches nothing and is reset
    EXPECT_TRUE(comparison().memos[3].empty());
}

TEST_F(SpeciesInformation, DottedLinesShowTheirFirstCode) {
    openSample(2);
    pick(2, "ochre");
    std::vector<bool> ticks(listed().size(), false);
    ticks[static_cast<std::size_t>(lineOf("gamma"))] = true;
    program.Comparespecies1Click(ticks);
    EXPECT_EQ(comparison().labels[2], "gamma");
    EXPECT_EQ(comparison().memos[2], (std::vector<std::string>{test::stateLine("green", ' ').substr(0, 25),
                                                               test::stateLine("ochre", ' ').substr(0, 25),
                                                               test::stateLine("acrid", ' ').substr(0, 25)}));
}

TEST_F(SpeciesInformation, TicksAreReadOnlyAsFarAsTheListHasLines) {
    openSample(1);
    pick(1, "red");
    program.ClearAll1Click();  // the list is empty, the ticks and the count are not
    program.Comparespecies1Click(std::vector<bool>(4, true));
    EXPECT_TRUE(messages.take().empty());
    EXPECT_EQ(comparison().labels[2], state().results.rows[0].displayName);
}

TEST_F(SpeciesInformation, HeadingOpensTheDescriptionOfItsSpecies) {
    openSample(2);
    folder.write("TESTGEN/TGBETA01.TXT", "Beta\r\n");
    pick(1, "red");
    program.Comparespecies1Click({});
    ASSERT_EQ(comparison().labels[3], "beta");
    program.HeadingClick(2);
    EXPECT_EQ(state().description.speciesCode, "TGBETA01");
    EXPECT_EQ(description().memoLines, std::vector<std::string>{"Beta"});
    EXPECT_EQ(state().description.selectedLine, "beta");
}

TEST_F(SpeciesInformation, MissingSpeciesFileStopsTheComparison) {
    openSample(1);
    pick(1, "red");
    folder.remove("TESTGEN.SPE");
    program.Comparespecies1Click({});
    const auto shown = messages.take();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].rfind("ERROR: Cannot open file \"TESTGEN.Spe\"", 0), 0u);
    EXPECT_FALSE(comparison().visible);
}

TEST_F(SpeciesInformation, HelpItemsAndMessages) {
    start(1);
    folder.write("InfoUK.Txt", "Help\r\nmore\nlines\r\n");
    program.HelpItemClick(1);
    program.HelpItemClick(1);
    EXPECT_EQ(program.views().help.memoLines, (std::vector<std::string>{"Help", "more", "lines"}));
    EXPECT_EQ(program.views().help.caption, " [14]");
    EXPECT_TRUE(program.views().help.visible);
    program.HelpItemClick(6);
    EXPECT_EQ(messages.take(), std::vector<std::string>{"InfoS.Txt [7]"});
    EXPECT_TRUE(program.views().help.memoLines.empty());
    EXPECT_TRUE(program.views().help.visible);
    program.Howtostart1Click();
    EXPECT_EQ(messages.take(), std::vector<std::string>{"[2]\n[3]\n[4]"});
    program.AboutProgram1Click();
    const auto about = messages.take();
    ASSERT_EQ(about.size(), 1u);
    EXPECT_EQ(std::count(about[0].begin(), about[0].end(), '\n'), 14);
    EXPECT_EQ(about[0].front(), '\n');
}

// The about message speaks the interface language, names the Dutch translation among the
// others, and keeps the key's licence on a short line of its own, which no window breaks.
TEST(AboutMessage, SpeaksEachLanguageAndNamesEveryTranslation) {
    const std::array<std::string, 6> dutch = {"Dutch:", "Nederlands:", "Niederl\xE4ndisch:", "N\xE9" "erlandais\xA0:",
                                              "Olandese:", "Neerland\xE9s:"};
    std::set<std::string> texts;
    for (int language = 1; language <= 6; ++language) {
        const std::string text = aboutText(language);
        texts.insert(text);
        EXPECT_EQ(text.front(), '\n');
        EXPECT_NE(text.find("\n" + dutch[static_cast<std::size_t>(language - 1)]), std::string::npos) << language;
        const auto licence = text.find("CC BY-SA 4.0");
        ASSERT_NE(licence, std::string::npos) << language;
        const auto lineStart = text.rfind('\n', licence) + 1;
        EXPECT_LE(licence + 12 - lineStart, 24u) << language;
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 14) << language;
    }
    EXPECT_EQ(texts.size(), 6u);
    EXPECT_EQ(aboutText(0), aboutText(1));
}

}  // namespace
}  // namespace sporix

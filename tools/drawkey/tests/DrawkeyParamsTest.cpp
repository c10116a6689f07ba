// The parameters file against the key: every state of a character gets its panel, and
// what a panel is written with (keywords, colours, tints) is checked where it is read.
#include "colour_notation.h"
#include "key_files.h"
#include "params.h"
#include "state_labels.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

ParamsReadResult parse(const char* charpicLines) {
    return parseParams(QByteArray("genus;Tst;TESTGEN\n") + charpicLines, QStringLiteral("TESTGEN.txt"));
}

TEST(DrawkeyParams, EveryStateOfTheCharacterNeedsItsPanelLabelledInTheLanguage) {
    const ParamsReadResult result = parse(
        "charpic;1;cap-shape;convex=convex|flat=flat|funnel=funnel\n"
        "charpic;2;ring;none|membranous\n"
        "# a comment line counts too\n"
        "charpic;4;gill-spacing;crowded=crowded|distant=distant\n");
    ASSERT_TRUE(result.genus) << result.errors.join('\n').toStdString();
    QStringList errors;
    const std::vector<QStringList> spanish = {{"convexo", "plano", "embudo", "umbonado"},
                                              {"ausente", "membranoso"},
                                              {"apretadas", "espaciadas", "distantes"}};
    const auto labelled = labelledPictures(*result.genus, spanish, "TESTGEN.FES", "TESTGEN.txt", errors);
    ASSERT_EQ(errors.size(), 2) << errors.join('\n').toStdString();
    EXPECT_TRUE(errors[0].startsWith("TESTGEN.txt:2: character 1 has 4 states in TESTGEN.FES"))
        << errors[0].toStdString();
    EXPECT_TRUE(errors[0].contains("the picture 3 panels")) << errors[0].toStdString();
    EXPECT_TRUE(errors[1].startsWith("TESTGEN.txt:5: TESTGEN.FES has 3 characters, no character 4"))
        << errors[1].toStdString();
    ASSERT_EQ(labelled.size(), 1u);
    EXPECT_EQ(labelled[0].panels[0].label, "ausente");
    EXPECT_EQ(labelled[0].panels[1].label, "membranoso");
    EXPECT_EQ(labelled[0].panels[1].keyword, "membranous");
}

// A panel's English text is only a note for the reader, but it must name its own state:
// a colour scale's colours out of the states' order would show under the wrong labels.
TEST(DrawkeyParams, PanelNoteNamesItsEnglishState) {
    const ParamsReadResult result = parse(
        "charpic;1;colour-scale;#FFFFFF=white|#F5EBD0=cream|#C0302A\n"
        "charpic;2;spore-ornament;smooth=smooth|high-crests=over 1\xC2\xA0\xC2\xB5m\n");
    ASSERT_TRUE(result.genus) << result.errors.join('\n').toStdString();
    EXPECT_TRUE(result.genus->charPics[0].panels[2].note.isEmpty());
    const QStringList errors = checkPanelNotes(
        *result.genus, {{"white", "ivory", "red"}, {"smooth", QStringLiteral("over 1 \u00B5m")}}, "TESTGEN.txt");
    ASSERT_EQ(errors.size(), 1) << errors.join('\n').toStdString();
    EXPECT_EQ(errors[0], "TESTGEN.txt:2: panel 2 says \"cream\", but state 2 of character 1 is \"ivory\"");
    EXPECT_FALSE(parse("charpic;1;cap-shape;convex=|flat=flat\n").genus);
}

// A number keeps its unit on its line in every language; other blanks still break.
TEST(DrawkeyParams, LabelKeepsANumberWithItsUnit) {
    EXPECT_EQ(labelOfState(QStringLiteral("over 1 \u00B5m, 2 mm or 10 %")),
              QStringLiteral("over 1\u00A0\u00B5m, 2\u00A0mm or 10\u00A0%"));
    EXPECT_EQ(labelOfState("3 to 5 cm wide"), QStringLiteral("3 to 5\u00A0cm wide"));
}

TEST(DrawkeyParams, StateTextsComeFromTheCharacterFileOfTheLanguage) {
    QTemporaryDir folder;
    const auto write = [&](const char* name, const QByteArray& bytes) {
        QFile file(QDir(folder.path()).filePath(name));  // names match whatever their case
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    write("testgen.fea",
          "Cap shape\r\nconvex                   A\r\nflat                     B\r\n.\r\n"
          "Ring\r\nabsent                   A\r\n.\r\n\x1a");
    write("TESTGEN.FED", "Hutform\r\ngew\xF6lbt                  A\r\nflach, 1 \xB5m breit        B\r\n.\r\n");
    EXPECT_EQ(readStateTexts(folder.path(), "TESTGEN", ".FEA"),
              (std::vector<QStringList>{{"convex", "flat"}, {"absent"}}));
    EXPECT_EQ(readStateTexts(folder.path(), "TESTGEN", ".FED"),
              (std::vector<QStringList>{{QStringLiteral("gew\u00F6lbt"), QStringLiteral("flach, 1 \u00B5m breit")}}));
    EXPECT_FALSE(readStateTexts(folder.path(), "TESTGEN", ".FES"));
    EXPECT_FALSE(readStateTexts(folder.path(), "OTHER", ".FEA"));
}

TEST(DrawkeyParams, ColourNotationsAreColoursPatternsOrChanges) {
    const auto plain = parseColourNotation("#F5EBD0");
    ASSERT_TRUE(plain);
    ASSERT_EQ(plain->size(), 1u);
    EXPECT_EQ(plain->front().pattern, SwatchPattern::Plain);
    EXPECT_EQ(plain->front().first, QColor(0xF5, 0xEB, 0xD0));

    const auto change = parseColourNotation("#FFFFFF>#C0504D/#9A4A5E>#2B2B2B");
    ASSERT_TRUE(change);
    ASSERT_EQ(change->size(), 3u);
    EXPECT_EQ((*change)[1].pattern, SwatchPattern::SideBySide);
    EXPECT_EQ((*change)[1].second, QColor(0x9A, 0x4A, 0x5E));
    EXPECT_EQ(parseColourNotation("#FFFFFF*#B0302A")->front().pattern, SwatchPattern::Speckled);
    EXPECT_EQ(parseColourNotation("#F0D040:#C0302A")->front().pattern, SwatchPattern::AboveBelow);
    const auto none = parseColourNotation("#FFFFFF~#8C8C8C");
    ASSERT_TRUE(none);
    EXPECT_EQ(none->front().pattern, SwatchPattern::Crossed);
    EXPECT_EQ(none->front().second, QColor(0x8C, 0x8C, 0x8C));

    for (const char* wrong : {"#FFF", "FFFFFF", "#GGGGGG", "#FFFFFF/", "#FFFFFF/#000000/#111111", "#FFFFFF>",
                              "#FFFFFF>#000000>#111111>#222222", "#FFFFFF=#000000"})
        EXPECT_FALSE(parseColourNotation(wrong)) << wrong;
}

TEST(DrawkeyParams, PanelWordsAreCheckedWithTheirLine) {
    const ParamsReadResult colours = parse("\ncharpic;5;colour-scale;#FFFFFF=white|#FFFFF=cream\n");
    ASSERT_EQ(colours.errors.size(), 1);
    EXPECT_TRUE(colours.errors[0].startsWith("TESTGEN.txt:3: \"#FFFFF\" is not a colour"))
        << colours.errors[0].toStdString();

    const ParamsReadResult tinted = parse("charpic;2;stem-surface;reticulate@#5E3A22=brown net|smooth=smooth\n");
    ASSERT_TRUE(tinted.genus);
    const PicturePanel& net = tinted.genus->charPics.front().panels.front();
    EXPECT_EQ(net.keyword, "reticulate");
    EXPECT_EQ(net.tint, QColor(0x5E, 0x3A, 0x22));
    EXPECT_FALSE(tinted.genus->charPics.front().panels.back().tint.isValid());

    const ParamsReadResult untintable = parse("charpic;2;cap-shape;convex@#5E3A22=convex|flat=flat\n");
    ASSERT_EQ(untintable.errors.size(), 1);
    EXPECT_TRUE(untintable.errors[0].contains("cap-shape has no keyword")) << untintable.errors[0].toStdString();

    const ParamsReadResult badTint = parse("charpic;2;stem-surface;dotted@#12=dots|smooth=smooth\n");
    ASSERT_EQ(badTint.errors.size(), 1);
    EXPECT_TRUE(badTint.errors[0].contains("tint \"#12\" is not #RRGGBB")) << badTint.errors[0].toStdString();
}

TEST(DrawkeyParams, PictureHasTwoToTwentyPanels) {
    QByteArray twentyOne = "charpic;1;colour-scale;#FFFFFF=white";
    for (int i = 0; i < 20; ++i) twentyOne += "|#FFFFFF=white";
    EXPECT_FALSE(parse(twentyOne + "\n").genus);
    EXPECT_FALSE(parse("charpic;1;colour-scale;#FFFFFF=white\n").genus);
}

}  // namespace

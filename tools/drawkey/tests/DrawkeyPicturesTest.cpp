// The character pictures fit the box the program shows them in, with every label whole,
// for any number of states a character may have.
#include "charpic.h"
#include "vocabulary.h"

#include <QColor>

#include <gtest/gtest.h>

namespace {

// A state text at the edge of what the key's drop-down field shows.
const QString longLabel = QStringLiteral("pinkish buff to salmon");

CharPicParams pictureOf(std::string_view kind, const QString& keyword, int panels, const QString& label) {
    CharPicParams picture;
    picture.character = 3;
    picture.kind = charPicKindNamed(kind);
    for (int i = 0; i < panels; ++i) picture.panels.push_back({keyword, label, QColor()});
    return picture;
}

void expectFitsTheBox(const CharPicParams& picture) {
    const QImage image = drawCharPicture(picture, QStringLiteral("Tst"));
    EXPECT_EQ(image.width(), charPicWidth);
    EXPECT_GT(image.height(), 0);
    EXPECT_LE(image.height(), charPicMaxHeight);
    EXPECT_TRUE(charPictureProblems(picture).isEmpty()) << charPictureProblems(picture).join('\n').toStdString();
}

TEST(DrawkeyPictures, EveryCountOfStatesFitsTheBoxWithLabelsWhole) {
    for (int panels = 2; panels <= 20; ++panels) {
        SCOPED_TRACE(panels);
        expectFitsTheBox(pictureOf("stem-base", QStringLiteral("volva-sac"), panels, longLabel));
        expectFitsTheBox(
            pictureOf("colour-scale", QStringLiteral("#FFFFFF>#C0504D/#9A4A5E>#2B2B2B"), panels, longLabel));
    }
}

TEST(DrawkeyPictures, LabelThatCannotBeShownWholeIsReported) {
    const QString tooLong = QStringLiteral("a state text far longer than any panel could hold whole, ").repeated(3);
    const QStringList problems = charPictureProblems(pictureOf("ring", QStringLiteral("none"), 12, tooLong));
    ASSERT_FALSE(problems.isEmpty());
    EXPECT_TRUE(problems.front().contains("does not fit")) << problems.front().toStdString();
    EXPECT_FALSE(charPictureProblems(pictureOf("colour-scale", QStringLiteral("#FFFFFF"), 20, tooLong)).isEmpty());
}

// A swatch shows its state's colour: the middle of a plain cream swatch is cream.
TEST(DrawkeyPictures, SwatchShowsTheColourGiven) {
    const QImage image = drawCharPicture(pictureOf("colour-scale", QStringLiteral("#F5EBD0"), 2, "cream"), "Tst");
    const QRgb middleOfFirstSwatch = image.pixel(30, image.height() / 4);
    EXPECT_EQ(QColor(middleOfFirstSwatch), QColor(0xF5, 0xEB, 0xD0));
}

}  // namespace

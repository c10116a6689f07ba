// The character pictures fit the box the program shows them in, with every label whole,
// for any number of states a character may have.
#include "charpic.h"
#include "picture_language.h"
#include "stroke_font.h"
#include "vocabulary.h"

#include <QColor>
#include <QHash>

#include <map>

#include <gtest/gtest.h>

namespace {

// A state text at the edge of what the key's drop-down field shows.
const QString longLabel = QStringLiteral("pinkish buff to salmon");

CharPicParams pictureOf(std::string_view kind, const QString& keyword, int panels, const QString& label) {
    CharPicParams picture;
    picture.character = 3;
    picture.kind = charPicKindNamed(kind);
    for (int i = 0; i < panels; ++i) picture.panels.push_back({keyword, label, QColor(), QString()});
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

// A letter the font lacks would be drawn as "?": the German and French letters are there,
// others are reported before anything is drawn.
TEST(DrawkeyPictures, LabelWithALetterTheFontLacksIsReported) {
    for (const char* kind : {"ring", "colour-scale"}) {
        const QString keyword = kind == std::string_view("ring") ? "none" : "#FFFFFF";
        EXPECT_TRUE(charPictureProblems(pictureOf(kind, keyword, 3, QStringLiteral("wei\u00DF, c\u0153ur, na\u00EFf")))
                        .isEmpty())
            << kind;
        const QStringList problems = charPictureProblems(pictureOf(kind, keyword, 3, QStringLiteral("\u0142upek")));
        ASSERT_EQ(problems.size(), 3) << kind;
        EXPECT_EQ(problems[0], QStringLiteral("label \"\u0142upek\" has letters the font cannot draw: \u0142"));
    }
}

// A drawing's words exist in every language, in letters the font draws.
TEST(DrawkeyPictures, DrawingWordsComeInEveryLanguage) {
    for (const PictureLanguage& language : pictureLanguages())
        for (const QString& word :
             {language.spores, language.basidia, language.cystidia, language.hyphae, language.noDrawing})
            EXPECT_TRUE(!word.isEmpty() && lettersNotDrawn(word).isEmpty())
                << language.characterExtension.toStdString() << ": \"" << word.toStdString() << "\"";
}

QColor swatchPixel(const QString& notation, double acrossShare, double downShare) {
    const QImage image = drawCharPicture(pictureOf("colour-scale", notation, 2, "a state"), "Tst");
    const double rowHeight = image.height() / 2.0;  // the first row's swatch spans x 7..67, y 4..rowHeight-4
    return image.pixelColor(int(7 + 60 * acrossShare), int(4 + (rowHeight - 8) * downShare));
}

// A swatch shows its state's colours where the notation puts them.
TEST(DrawkeyPictures, SwatchShowsTheColoursWhereTheNotationPutsThem) {
    const QColor cream(0xF5, 0xEB, 0xD0), red(0xC0, 0x30, 0x2A);
    EXPECT_EQ(swatchPixel("#F5EBD0", 0.5, 0.5), cream);
    EXPECT_EQ(swatchPixel("#F5EBD0/#C0302A", 0.2, 0.5), cream);
    EXPECT_EQ(swatchPixel("#F5EBD0/#C0302A", 0.8, 0.5), red);
    EXPECT_EQ(swatchPixel("#F5EBD0:#C0302A", 0.5, 0.2), cream);
    EXPECT_EQ(swatchPixel("#F5EBD0:#C0302A", 0.5, 0.8), red);
    EXPECT_EQ(swatchPixel("#F5EBD0_#C0302A", 0.5, 0.5), cream);
    EXPECT_EQ(swatchPixel("#F5EBD0_#C0302A", 0.5, 0.95), red);
    EXPECT_EQ(swatchPixel("#F5EBD0^#C0302A", 0.5, 0.05), red);
    // A change: the first stage on the left, the last on the right.
    EXPECT_EQ(swatchPixel("#F5EBD0>#C0302A", 0.15, 0.5), cream);
    EXPECT_EQ(swatchPixel("#F5EBD0>#C0302A", 1.0, 0.5), red);
}

// A keyword the drawing does not handle falls back on some other drawing: every keyword
// of a kind must give a picture of its own.
TEST(DrawkeyPictures, EveryKeywordDrawsAPictureOfItsOwn) {
    for (const CharPicKind& kind : charPicKinds()) {
        if (kind.takesColours) continue;
        std::map<std::size_t, std::string_view> drawn;
        for (std::string_view keyword : kind.keywords) {
            const QImage image = drawCharPicture(
                pictureOf(kind.name, QString::fromLatin1(keyword.data(), qsizetype(keyword.size())), 2, "a state"),
                "Tst");
            const std::size_t hash =
                qHashBits(image.constBits(), std::size_t(image.sizeInBytes()));  // same pixels, same hash
            const auto [other, added] = drawn.emplace(hash, keyword);
            EXPECT_TRUE(added) << kind.name << ": " << keyword << " looks like " << other->second;
        }
    }
}

}  // namespace

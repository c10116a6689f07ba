// Microscopical drawings (.BMP) with lying headers, cut short or empty, decoded by the
// program's real bitmap reader. Each costs one error box that names the file and says
// why; no drawing is shown from memory the file never filled.
#include <gtest/gtest.h>

#include <cstdint>

#include "FolderSnapshot.h"
#include "KeyFixture.h"
#include "KeyProgram.h"
#include "QtPictures.h"
#include "RecordingMessages.h"
#include "TempFolder.h"
#include "WorkFolder.h"

namespace sporix {
namespace {

using Messages = std::vector<std::string>;

void put(std::string& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A bitmap with a 40-byte header whose every field can lie.
struct Bitmap {
    std::int32_t width = 8;
    std::int32_t height = 8;
    int bits = 24;
    std::uint32_t compression = 0;
    std::uint32_t coloursUsed = 0;
    int paletteEntries = 0;     // written after the header
    long long pixelBytes = -1;  // -1: as many as the rows need
    long long dataOffset = -1;  // -1: right after header and palette
    unsigned char fill = 0x7F;

    std::string bytes() const {
        const long long rowBytes = (static_cast<long long>(width < 0 ? -width : width) * bits + 31) / 32 * 4;
        const long long rows = height < 0 ? -static_cast<long long>(height) : height;
        const long long pixels = pixelBytes >= 0 ? pixelBytes : rowBytes * rows;
        const long long offset = dataOffset >= 0 ? dataOffset : 54 + 4 * paletteEntries;
        std::string out = "BM";
        put(out, static_cast<std::uint32_t>(offset + pixels), 4);
        put(out, 0, 4);
        put(out, static_cast<std::uint32_t>(offset), 4);
        put(out, 40, 4);
        put(out, static_cast<std::uint32_t>(width), 4);
        put(out, static_cast<std::uint32_t>(height), 4);
        put(out, 1, 2);
        put(out, static_cast<std::uint32_t>(bits), 2);
        put(out, compression, 4);
        put(out, static_cast<std::uint32_t>(pixels), 4);
        put(out, 2835, 4);
        put(out, 2835, 4);
        put(out, coloursUsed, 4);
        put(out, 0, 4);
        for (int i = 0; i < paletteEntries; ++i) put(out, 0x00102030u + static_cast<std::uint32_t>(i), 4);
        out.append(static_cast<std::size_t>(pixels), static_cast<char>(fill));
        return out;
    }
};

Bitmap sized(std::int32_t width, std::int32_t height) {
    Bitmap bitmap;
    bitmap.width = width;
    bitmap.height = height;
    bitmap.pixelBytes = 64;  // a lying header comes with little data
    return bitmap;
}

Bitmap cut(Bitmap bitmap, long long pixelBytes) {
    bitmap.pixelBytes = pixelBytes;
    return bitmap;
}

std::string refused(const std::string& reason) {
    return "ERROR: Cannot show the picture \"TESTGEN\\TGALPHA1.BMP\": " + reason;
}

class HostileBitmaps : public ::testing::Test {
protected:
    HostileBitmaps() : work(folder.path()), pictures(work), program(work, messages, pictures) {}

    void SetUp() override {
        folder.write("SpxInit.txt", "1\r\n1\r\n");
        folder.write("InitUK.Txt", test::numberedTexts());
        folder.write("genuslst.txt", test::crlf({"Tst", "TESTGEN", "Testgenus"}));
        folder.write("TESTGEN.FEA", test::characterFile(test::sampleCharacters()));
        folder.write("TESTGEN.SPE", test::speciesFile({{"TGALPHA1*alpha", "R", "A", "M"}}));
        program.N31Click();
        program.Genera1Click();
        program.GenusItemClick(1);
        std::vector<std::string> texts(kMaxCharacters);
        texts[0] = test::stateLine("red", ' ').substr(0, 25);
        program.ComboBoxChange(texts);
        ASSERT_EQ(program.views().main.listBox1, Messages{"T.alpha"});
        ASSERT_TRUE(messages.take().empty());
    }

    // Opens alpha's description, whose drawing is `bytes`.
    void openWithDrawing(const std::string& bytes) {
        folder.write("TESTGEN/TGALPHA1.BMP", bytes);
        program.CloseClick();
        const auto before = test::snapshotOf(folder.path());
        program.Species1Click(0);
        EXPECT_EQ(test::snapshotOf(folder.path()), before);
    }
    const DescriptionWindowView& description() const { return program.views().description; }

    void expectShown(const Bitmap& bitmap, int width, int height) {
        openWithDrawing(bitmap.bytes());
        EXPECT_EQ(messages.take(), Messages{});
        EXPECT_TRUE(description().visible);
        ASSERT_TRUE(description().image1);
        EXPECT_EQ(description().image1->width(), width);
        EXPECT_EQ(description().image1->height(), height);
    }
    void expectRefused(const std::string& bytes, const std::string& reason) {
        openWithDrawing(bytes);
        EXPECT_EQ(messages.take(), Messages{refused(reason)});
        EXPECT_FALSE(description().visible);
    }

    test::TempFolder folder;
    WorkFolder work;
    test::RecordingMessages messages;
    QtPictureLoader pictures;
    KeyProgram program;
};

// The bitmaps that are whole must still be shown, whatever their form.
TEST_F(HostileBitmaps, WholeBitmapsAreShown) {
    Bitmap padded;
    padded.width = 5;  // 15 bytes of pixels padded to 16 in every row
    padded.height = 3;
    expectShown(padded, 5, 3);
    Bitmap topDown;
    topDown.height = -4;
    expectShown(topDown, 8, 4);
    Bitmap indexed;
    indexed.bits = 8;
    indexed.paletteEntries = 256;
    expectShown(indexed, 8, 8);
    Bitmap twoColours;
    twoColours.bits = 1;
    twoColours.paletteEntries = 2;
    expectShown(twoColours, 8, 8);
    Bitmap trailing = cut(Bitmap{}, 8 * 24 + 100);  // more bytes than the rows need
    expectShown(trailing, 8, 8);
    ASSERT_TRUE(description().image1);
    const auto& shown = dynamic_cast<const QtPicture&>(*description().image1).image();
    EXPECT_EQ(shown.pixel(0, 0), 0xFF7F7F7Fu);
    EXPECT_EQ(shown.pixel(7, 7), 0xFF7F7F7Fu);
}

TEST_F(HostileBitmaps, LyingSizeIsRefusedFromTheHeader) {
    expectRefused(sized(30000, 30000).bytes(), "the picture is too large (30000 x 30000 pixels)");
    expectRefused(sized(10000, 10000).bytes(), "the picture is too large (10000 x 10000 pixels)");
    expectRefused(sized(8193, 4096).bytes(), "the picture is too large (8193 x 4096 pixels)");
    expectRefused(sized(1, 0x7FFFFFFF).bytes(), "the picture is too large (1 x 2147483647 pixels)");
    expectRefused(sized(8, INT32_MIN).bytes(), "the picture is too large (8 x 2147483648 pixels)");
    expectRefused(sized(-8, 8).bytes(), "the file is no bitmap");
    expectRefused(sized(0, 8).bytes(), "the file is no bitmap");
}

// Rows that the file does not hold would show whatever memory held before.
TEST_F(HostileBitmaps, CutPixelDataIsRefused) {
    const std::string reason = "the file ends before the last row of the picture";
    expectRefused(cut(Bitmap{}, 4 * 24).bytes(), reason);
    expectRefused(cut(Bitmap{}, 8 * 24 - 1).bytes(), reason);
    Bitmap deep;
    deep.bits = 32;
    expectRefused(cut(deep, 4 * 32).bytes(), reason);
    Bitmap high;
    high.bits = 16;
    expectRefused(cut(high, 4 * 16).bytes(), reason);
    Bitmap indexed;
    indexed.bits = 8;
    indexed.paletteEntries = 256;
    expectRefused(cut(indexed, 4 * 8).bytes(), reason);
    expectRefused(cut(sized(2000, 2000), 0).bytes(), reason);  // a header and nothing else
    Bitmap farOffset;
    farOffset.dataOffset = 100000;  // the rows would start beyond the end of the file
    expectRefused(farOffset.bytes().substr(0, 54 + 8 * 24), reason);
}

TEST_F(HostileBitmaps, LyingPaletteAndBitDepthAreRefused) {
    Bitmap palette;
    palette.bits = 8;
    palette.coloursUsed = 0x7FFFFFFF;
    palette.paletteEntries = 256;
    expectRefused(palette.bytes(), "Unable to read image data");
    Bitmap oddDepth;
    oddDepth.bits = 7;
    expectRefused(oddDepth.bytes(), "the file is no bitmap");
}

TEST_F(HostileBitmaps, EmptyAndHeaderOnlyFilesAreNoBitmaps) {
    expectRefused("", "the file is no bitmap");
    expectRefused("BM", "the file is no bitmap");
    expectRefused(Bitmap{}.bytes().substr(0, 14), "the file is no bitmap");
    expectRefused(Bitmap{}.bytes().substr(0, 30), "the file is no bitmap");
}

}  // namespace
}  // namespace sporix

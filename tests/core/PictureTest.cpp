// Decoding JPEG pictures through libjpeg, and refusing what cannot be shown.
#include <gtest/gtest.h>

#include "JpegDecoder.h"
#include "KeyError.h"
#include "TempFolder.h"
#include "TestPictures.h"

namespace sporix {
namespace {

using test::makeJpeg;

// JPEG is lossy: a pixel is checked within a tolerance per channel.
void expectNear(std::uint32_t pixel, unsigned red, unsigned green, unsigned blue) {
    const auto near = [](unsigned a, unsigned b) { return (a > b ? a - b : b - a) <= 6; };
    EXPECT_TRUE(near((pixel >> 16) & 0xFF, red) && near((pixel >> 8) & 0xFF, green) && near(pixel & 0xFF, blue))
        << std::hex << pixel << " is not near " << red << "," << green << "," << blue;
}

TEST(JpegDecoder, BaselineColourPicture) {
    const RgbImage image = decodeJpeg(makeJpeg(24, 16));
    ASSERT_EQ(image.width, 24);
    ASSERT_EQ(image.height, 16);
    expectNear(image.pixels[0], 0, 0, 128);
    expectNear(image.pixels[5 * 24 + 10], 80, 40, 128);
}

TEST(JpegDecoder, ProgressiveAndGreyPictures) {
    const RgbImage progressive = decodeJpeg(makeJpeg(24, 16, false, true));
    EXPECT_EQ(progressive.width, 24);
    expectNear(progressive.pixels[3 * 24 + 12], 96, 24, 128);
    const RgbImage grey = decodeJpeg(makeJpeg(24, 16, true));
    EXPECT_EQ(grey.height, 16);
    expectNear(grey.pixels[20], 160, 160, 160);
}

TEST(JpegDecoder, CmykPictureIsDecoded) {
    const RgbImage image = decodeJpeg(test::makeCmykJpeg(8, 8));
    ASSERT_EQ(image.width, 8);
    expectNear(image.pixels[0], 255, 0, 0);
}

TEST(JpegDecoder, DamagedPicturesAreRefusedWithTheReason) {
    const std::string whole = makeJpeg(64, 64);
    EXPECT_THROW(decodeJpeg(whole.substr(0, whole.size() / 2)), PictureDecodeError);
    EXPECT_THROW(decodeJpeg("this is not a picture at all"), PictureDecodeError);
    EXPECT_THROW(decodeJpeg(""), PictureDecodeError);
}

TEST(JpegDecoder, AbsurdSizeIsRefusedFromTheHeader) {
    std::string bytes = makeJpeg(8, 8);
    // The start-of-frame segment holds the height and width after FF C0, length, precision.
    const auto frame = bytes.find("\xFF\xC0");
    ASSERT_NE(frame, std::string::npos);
    for (const std::size_t at : {frame + 5, frame + 7}) {  // 30000 x 30000
        bytes[at] = '\x75';
        bytes[at + 1] = '\x30';
    }
    try {
        decodeJpeg(bytes);
        FAIL() << "a 30000 x 30000 picture was decoded";
    } catch (const PictureDecodeError& error) {
        EXPECT_NE(std::string(error.what()).find("too large"), std::string::npos);
    }
}

TEST(PictureFiles, TypeComesFromTheExtensionAndFailuresNameTheFile) {
    test::TempFolder folder;
    folder.write("G/a.JPG", makeJpeg(5, 6));
    folder.write("G/b.bmp", test::makeBitmap(7, 3));
    folder.write("G/c.Jpg", "garbage");
    folder.write("G/d.png", makeJpeg(5, 6));
    const WorkFolder work(folder.path());
    test::TestPictureLoader loader(work);
    EXPECT_EQ(loader.load("g\\A.jpg")->height(), 6);
    EXPECT_EQ(loader.load("G\\b.BMP")->width(), 7);
    for (const char* name : {"G\\c.Jpg", "G\\d.png", "G\\missing.JPG"}) {
        try {
            loader.load(name);
            ADD_FAILURE() << name << " was shown";
        } catch (const KeyError& error) {
            EXPECT_NE(std::string(error.what()).find(name), std::string::npos) << error.what();
        }
    }
}

}  // namespace
}  // namespace sporix

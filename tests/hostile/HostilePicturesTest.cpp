// JPEG pictures that are cut short, empty, or whose header claims an absurd size, met
// where the user sees pictures: the slide, a character's "?" picture and the placeholder
// of a species without a drawing. Each costs one error box naming the file, shows no
// half picture and no picture of something else; an absurd size is refused from the
// header before the pixels are allocated.
#include "AllocationCap.h"
#include "HostileFixture.h"

namespace sporix {
namespace {

using test::Messages;

const std::string kStartOfFrame("\xFF\xC0", 2);
const std::string kStartOfScan("\xFF\xDA", 2);

// The baseline picture with another width and height in its frame header (FF C0, length,
// precision, then height and width, two bytes each); the coded data stay those of 8 x 8.
std::string withClaimedSize(unsigned width, unsigned height) {
    std::string bytes = test::makeJpeg(8, 8);
    const auto frame = bytes.find(kStartOfFrame);
    bytes[frame + 5] = static_cast<char>(height >> 8);
    bytes[frame + 6] = static_cast<char>(height & 0xFF);
    bytes[frame + 7] = static_cast<char>(width >> 8);
    bytes[frame + 8] = static_cast<char>(width & 0xFF);
    return bytes;
}

std::string refused(const std::string& name, const std::string& reason) {
    return "ERROR: Cannot show the picture \"" + name + "\": " + reason;
}

class HostilePictures : public test::HostileFixture {
protected:
    void SetUp() override {
        start(1);
        writeSample();
        folder.write("NoFigs.Jpg", test::makeJpeg(20, 10));
        folder.write("TESTGEN/TstPic1.Jpg", test::makeJpeg(6, 6));  // the "?" of row 1 is enabled at loading
        openGenus();
        pick(2, "white");
        messages.take();
    }
    const DescriptionWindowView& description() const { return program.views().description; }
    const SlideWindowView& slide() const { return program.views().slide; }
};

TEST_F(HostilePictures, CutJpegsAreRefusedWhereverTheyAreShown) {
    const std::string whole = test::makeJpeg(64, 48);
    const std::size_t scan = whole.find(kStartOfScan);
    for (const std::size_t cut :
         {std::size_t{1}, std::size_t{2}, scan, scan + 20, whole.size() / 2, whole.size() - 2}) {
        SCOPED_TRACE("cut after " + std::to_string(cut) + " of " + std::to_string(whole.size()) + " bytes");
        const std::string part = whole.substr(0, cut);
        folder.write("TESTGEN/TGALPHA1.JPG", part);
        folder.write("TESTGEN/TstPic1.Jpg", part);
        const auto before = snapshot();

        program.Species1Click(lineOf("T.alpha"));
        ASSERT_TRUE(description().slideEnabled);
        const int slideShows = slide().showCount;
        program.SlideClick();
        EXPECT_EQ(messages.take(), Messages{refused("TESTGEN\\TGALPHA1.JPG", "Premature end of JPEG file")});
        EXPECT_EQ(slide().showCount, slideShows);
        EXPECT_FALSE(slide().image1);
        EXPECT_TRUE(description().slideEnabled);  // the user may try again
        program.CloseClick();

        program.ButtonClick(1);
        EXPECT_EQ(messages.take(), Messages{refused("TESTGEN\\TstPic1.Jpg", "Premature end of JPEG file")});
        EXPECT_FALSE(main().image1);  // no picture of another character stays on show
        EXPECT_FALSE(main().listBox1Visible);
        EXPECT_EQ(snapshot(), before);
    }
}

// A language's picture that exists is the one shown: a broken one is refused with its
// name, never swapped silently for the common picture.
TEST_F(HostilePictures, CutLanguagePictureIsRefusedWithItsName) {
    const std::string whole = test::makeJpeg(64, 48);
    folder.write("InitD.Txt", test::numberedTexts());
    folder.write("TESTGEN/D/TstPic1.Jpg", whole.substr(0, whole.size() / 2));
    folder.write("D/NoFigs.Jpg", whole.substr(0, whole.size() / 2));
    program.LanguageClick(3);
    messages.take();
    pick(2, "white");
    const auto before = snapshot();
    program.ButtonClick(1);
    EXPECT_EQ(messages.take(), Messages{refused("TESTGEN\\D\\TstPic1.Jpg", "Premature end of JPEG file")});
    EXPECT_FALSE(main().image1);
    program.Species1Click(lineOf("T.alpha"));
    EXPECT_EQ(messages.take(), Messages{refused("D\\NoFigs.Jpg", "Premature end of JPEG file")});
    EXPECT_FALSE(description().visible);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(HostilePictures, CutPlaceholderStopsTheDescriptionWithItsName) {
    const std::string whole = test::makeJpeg(20, 10);
    folder.write("NoFigs.Jpg", whole.substr(0, whole.size() / 2));
    const auto before = snapshot();
    program.Species1Click(lineOf("T.alpha"));
    EXPECT_EQ(messages.take(), Messages{refused("NoFigs.Jpg", "Premature end of JPEG file")});
    EXPECT_FALSE(description().visible);
    EXPECT_FALSE(description().image1);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(HostilePictures, AbsurdSizeIsRefusedBeforeThePixelsAreAllocated) {
    constexpr std::size_t kFewKilobytes = 256 * 1024;
    struct Claim {
        unsigned width, height;
    };
    // 65500 is the largest side the decoder takes at all; 8193 x 4096 lies just over the
    // limit on the number of pixels.
    for (const Claim claim : {Claim{65500, 65500}, Claim{65500, 600}, Claim{600, 65500}, Claim{8193, 4096}}) {
        const std::string size = std::to_string(claim.width) + " x " + std::to_string(claim.height);
        SCOPED_TRACE(size);
        folder.write("TESTGEN/TstPic1.Jpg", withClaimedSize(claim.width, claim.height));
        folder.write("TESTGEN/TGALPHA1.JPG", withClaimedSize(claim.width, claim.height));
        const auto before = snapshot();
        {
            test::AllocationCap cap(kFewKilobytes);
            program.ButtonClick(1);
            EXPECT_LT(cap.largestAsked(), kFewKilobytes);
        }
        EXPECT_EQ(messages.take(),
                  Messages{refused("TESTGEN\\TstPic1.Jpg", "the picture is too large (" + size + " pixels)")});
        EXPECT_FALSE(main().image1);

        program.Species1Click(lineOf("T.alpha"));
        {
            test::AllocationCap cap(kFewKilobytes);
            program.SlideClick();
            EXPECT_LT(cap.largestAsked(), kFewKilobytes);
        }
        EXPECT_EQ(messages.take(),
                  Messages{refused("TESTGEN\\TGALPHA1.JPG", "the picture is too large (" + size + " pixels)")});
        EXPECT_FALSE(slide().visible);
        program.CloseClick();
        EXPECT_EQ(snapshot(), before);
    }
}

// Sides beyond what the header of a baseline picture may say are refused by the decoder
// itself, still from the header.
TEST_F(HostilePictures, SideBeyondTheDecodersMaximumIsRefusedFromTheHeader) {
    folder.write("TESTGEN/TstPic1.Jpg", withClaimedSize(65535, 65535));
    const auto before = snapshot();
    {
        test::AllocationCap cap(256 * 1024);
        program.ButtonClick(1);
        EXPECT_LT(cap.largestAsked(), 256u * 1024);
    }
    EXPECT_EQ(messages.take(),
              Messages{refused("TESTGEN\\TstPic1.Jpg", "Maximum supported image dimension is 65500 pixels")});
    EXPECT_FALSE(main().image1);
    EXPECT_EQ(snapshot(), before);
}

// A size within the limit over the data of an 8 x 8 picture: the decoder runs out of data.
TEST_F(HostilePictures, HeaderPromisingMoreRowsThanTheDataHoldIsRefused) {
    folder.write("TESTGEN/TstPic1.Jpg", withClaimedSize(2000, 1500));
    const auto before = snapshot();
    program.ButtonClick(1);
    EXPECT_EQ(messages.take(),
              Messages{refused("TESTGEN\\TstPic1.Jpg", "Corrupt JPEG data: premature end of data segment")});
    EXPECT_FALSE(main().image1);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(HostilePictures, EmptyJpegsAreRefusedAsEmpty) {
    folder.write("TESTGEN/TstPic1.Jpg", "");
    folder.write("TESTGEN/TGALPHA1.JPG", "");
    folder.write("NoFigs.Jpg", "");
    const auto before = snapshot();
    program.ButtonClick(1);  // an empty file still exists: its button stays enabled
    EXPECT_EQ(messages.take(), Messages{refused("TESTGEN\\TstPic1.Jpg", "Empty input file")});
    program.Species1Click(lineOf("T.alpha"));
    EXPECT_EQ(messages.take(), Messages{refused("NoFigs.Jpg", "Empty input file")});
    EXPECT_FALSE(description().visible);
    folder.write("NoFigs.Jpg", test::makeJpeg(20, 10));
    program.Species1Click(lineOf("T.alpha"));
    EXPECT_TRUE(description().slideEnabled);
    program.SlideClick();
    EXPECT_EQ(messages.take(), Messages{refused("TESTGEN\\TGALPHA1.JPG", "Empty input file")});
    EXPECT_FALSE(slide().visible);
    EXPECT_EQ(snapshot().entries.at("TESTGEN/TGALPHA1.JPG"), before.entries.at("TESTGEN/TGALPHA1.JPG"));
}

}  // namespace
}  // namespace sporix

#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "PictureFileLoader.h"

namespace sporix::test {

// A decoded picture in the core tests, where no window toolkit decodes bitmaps.
class TestPicture : public Picture {
public:
    TestPicture(int width, int height, std::vector<std::uint32_t> pixels, std::string kind)
        : width_(width), height_(height), pixels_(std::move(pixels)), kind_(std::move(kind)) {}
    int width() const override { return width_; }
    int height() const override { return height_; }
    const std::vector<std::uint32_t>& pixels() const { return pixels_; }
    const std::string& kind() const { return kind_; }

private:
    int width_;
    int height_;
    std::vector<std::uint32_t> pixels_;
    std::string kind_;
};

// JPEGs through the real decoder; a bitmap only has its size read from its header.
class TestPictureLoader : public PictureFileLoader {
public:
    using PictureFileLoader::PictureFileLoader;

protected:
    PictureHandle fromJpeg(RgbImage image) override;
    PictureHandle decodeBitmap(const std::string& bytes) override;
};

// Test pictures made with libjpeg's encoder. Pixel (x, y) of the colour pictures is
// red x*8, green y*8, blue 128; grey ones have x*8.
std::string makeJpeg(int width, int height, bool grey = false, bool progressive = false);
std::string makeCmykJpeg(int width, int height);
// A minimal 24-bit bitmap header and pixels.
std::string makeBitmap(int width, int height);

}  // namespace sporix::test

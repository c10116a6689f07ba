#pragma once

#include <cstdint>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace sporix {

// A decoded picture: rows from the top, each pixel 0xFFRRGGBB.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

class PictureDecodeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Pictures larger than this are refused from their header, before anything is allocated.
inline constexpr long long kMaxPicturePixels = 32LL * 1024 * 1024;

// Decodes a baseline or progressive JPEG, grey, colour or CMYK. A damaged or cut-short
// file throws PictureDecodeError with libjpeg's reason; libjpeg never ends the program.
RgbImage decodeJpeg(std::string_view bytes);

}  // namespace sporix

// The JPEG decoder: any bytes either decode to a picture within the size limit whose
// pixels fill it exactly, or are refused with a reason; libjpeg never ends the program.
#include "FuzzSupport.h"
#include "JpegDecoder.h"

using namespace sporix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        const RgbImage image = decodeJpeg(bytes);
        const long long pixels = static_cast<long long>(image.width) * image.height;
        fuzz::require(image.width > 0 && image.height > 0 && pixels <= kMaxPicturePixels,
                      "decoded " + std::to_string(image.width) + " x " + std::to_string(image.height));
        fuzz::require(image.pixels.size() == static_cast<std::size_t>(pixels), "the pixels do not fill the picture");
        for (const std::uint32_t pixel : image.pixels) fuzz::require((pixel >> 24) == 0xFF, "a pixel is not opaque");
    } catch (const PictureDecodeError& error) {
        fuzz::require(error.what()[0] != '\0', "refused without a reason");
    }
    return 0;
}

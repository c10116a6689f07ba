// The bitmap path: Qt's BMP reader behind the header check. Any bytes either decode to a
// picture within the size limit or are refused with a reason.
#include "FuzzSupport.h"
#include "QtPictures.h"

using namespace sporix;

namespace {

// Reaches the decoding step itself, without a file around it.
class BitmapDecoder : public QtPictureLoader {
public:
    using QtPictureLoader::QtPictureLoader;
    PictureHandle decode(const std::string& bytes) { return decodeBitmap(bytes); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const WorkFolder unused(fuzz::ScratchFolder::instance().path());
    static BitmapDecoder decoder(unused);
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    try {
        const PictureHandle picture = decoder.decode(bytes);
        fuzz::require(picture != nullptr, "no picture and no reason");
        const long long pixels = static_cast<long long>(picture->width()) * picture->height();
        fuzz::require(picture->width() > 0 && picture->height() > 0 && pixels <= kMaxPicturePixels,
                      "decoded " + std::to_string(picture->width()) + " x " + std::to_string(picture->height()));
    } catch (const PictureDecodeError& error) {
        fuzz::require(error.what()[0] != '\0', "refused without a reason");
    }
    return 0;
}

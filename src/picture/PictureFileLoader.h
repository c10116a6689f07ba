#pragma once

#include <string>
#include <string_view>

#include "JpegDecoder.h"
#include "Picture.h"
#include "WorkFolder.h"

namespace sporix {

// Reads a picture file of the working folder and decodes it by its extension: ".BMP" a
// bitmap, ".JPG" a JPEG. Any failure becomes a KeyError that names the file. The window
// side says how a decoded picture is held and decodes the bitmaps.
class PictureFileLoader : public PictureLoader {
public:
    explicit PictureFileLoader(const WorkFolder& folder) : folder_(folder) {}

    PictureHandle load(std::string_view name) final;

protected:
    virtual PictureHandle fromJpeg(RgbImage image) = 0;
    // Throws PictureDecodeError with the reason when the bytes are no bitmap.
    virtual PictureHandle decodeBitmap(const std::string& bytes) = 0;

private:
    const WorkFolder& folder_;
};

}  // namespace sporix

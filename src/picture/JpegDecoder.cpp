#include "JpegDecoder.h"

#include <csetjmp>
#include <cstdio>
#include <string>

#include <jpeglib.h>

namespace sporix {

namespace {

// libjpeg reports errors through a callback that must not return. It jumps back to the
// decoding function, whose frame holds no object with a destructor.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void jumpOnError(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// A warning (such as a file that ends early, which libjpeg would fill with grey) is
// taken as an error: a cut picture is reported, not shown half grey.
void jumpOnWarning(j_common_ptr info, int level) {
    if (level < 0) jumpOnError(info);
}

std::uint32_t rgb(unsigned r, unsigned g, unsigned b) { return 0xFF000000u | (r << 16) | (g << 8) | b; }

void convertRow(const jpeg_decompress_struct& info, const JSAMPLE* row, std::uint32_t* out, bool invertedCmyk) {
    for (JDIMENSION x = 0; x < info.output_width; ++x) {
        const JSAMPLE* p = row + x * static_cast<JDIMENSION>(info.output_components);
        if (info.out_color_space == JCS_GRAYSCALE) {
            out[x] = rgb(p[0], p[0], p[0]);
        } else if (info.out_color_space == JCS_CMYK) {
            unsigned c = p[0], m = p[1], y = p[2], k = p[3];
            if (!invertedCmyk) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
            out[x] = rgb(c * k / 255, m * k / 255, y * k / 255);
        } else {
            out[x] = rgb(p[0], p[1], p[2]);
        }
    }
}

// Returns false with `message` set when the picture cannot be decoded.
bool decode(std::string_view bytes, RgbImage& image, char* message, std::size_t messageSize) {
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jumpOnError;
    errors.base.emit_message = jumpOnWarning;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        std::snprintf(message, messageSize, "%s", errors.message);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    if (static_cast<long long>(info.image_width) * info.image_height > kMaxPicturePixels) {
        std::snprintf(message, messageSize, "the picture is too large (%u x %u pixels)", info.image_width, info.image_height);
        jpeg_destroy_decompress(&info);
        return false;
    }
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : info.jpeg_color_space == JCS_GRAYSCALE ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_start_decompress(&info);
    image.width = static_cast<int>(info.output_width);
    image.height = static_cast<int>(info.output_height);
    image.pixels.resize(static_cast<std::size_t>(info.output_width) * info.output_height);
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                               info.output_width * static_cast<JDIMENSION>(info.output_components), 1);
    while (info.output_scanline < info.output_height) {
        const JDIMENSION y = info.output_scanline;
        jpeg_read_scanlines(&info, row, 1);
        convertRow(info, row[0], image.pixels.data() + static_cast<std::size_t>(y) * info.output_width,
                   info.saw_Adobe_marker);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

RgbImage decodeJpeg(std::string_view bytes) {
    RgbImage image;
    char message[JMSG_LENGTH_MAX + 64] = {};
    if (!decode(bytes, image, message, sizeof message)) throw PictureDecodeError(message);
    return image;
}

}  // namespace sporix

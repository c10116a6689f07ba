#include "TestPictures.h"

#include <cstdio>
#include <cstring>
#include <stdexcept>

#include <jpeglib.h>

namespace sporix::test {

namespace {

std::uint32_t readLittleEndian(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

void putLittleEndian(std::string& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::string encode(int width, int height, J_COLOR_SPACE space, int components, bool progressive) {
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = components;
    info.in_color_space = space;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    if (progressive) jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(static_cast<std::size_t>(width * components));
    while (info.next_scanline < info.image_height) {
        const int y = static_cast<int>(info.next_scanline);
        for (int x = 0; x < width; ++x) {
            JSAMPLE* p = &row[static_cast<std::size_t>(x * components)];
            if (components == 1) p[0] = static_cast<JSAMPLE>(x * 8);
            if (components == 3) p[0] = static_cast<JSAMPLE>(x * 8), p[1] = static_cast<JSAMPLE>(y * 8), p[2] = 128;
            if (components == 4) p[0] = 255, p[1] = 0, p[2] = 0, p[3] = 255;  // red, inverted as Adobe writes CMYK
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string bytes(reinterpret_cast<char*>(buffer), size);
    std::free(buffer);
    return bytes;
}

}  // namespace

PictureHandle TestPictureLoader::fromJpeg(RgbImage image) {
    return std::make_shared<TestPicture>(image.width, image.height, std::move(image.pixels), "jpeg");
}

PictureHandle TestPictureLoader::decodeBitmap(const std::string& bytes) {
    if (bytes.size() < 26 || bytes.compare(0, 2, "BM") != 0) throw PictureDecodeError("not a bitmap");
    return std::make_shared<TestPicture>(static_cast<int>(readLittleEndian(bytes, 18)),
                                         static_cast<int>(readLittleEndian(bytes, 22)), std::vector<std::uint32_t>{}, "bitmap");
}

std::string makeJpeg(int width, int height, bool grey, bool progressive) {
    return encode(width, height, grey ? JCS_GRAYSCALE : JCS_RGB, grey ? 1 : 3, progressive);
}

std::string makeCmykJpeg(int width, int height) { return encode(width, height, JCS_CMYK, 4, false); }

std::string makeBitmap(int width, int height) {
    const int rowSize = (width * 3 + 3) / 4 * 4;
    std::string bytes = "BM";
    putLittleEndian(bytes, static_cast<std::uint32_t>(54 + rowSize * height), 4);
    putLittleEndian(bytes, 0, 4);
    putLittleEndian(bytes, 54, 4);
    putLittleEndian(bytes, 40, 4);
    putLittleEndian(bytes, static_cast<std::uint32_t>(width), 4);
    putLittleEndian(bytes, static_cast<std::uint32_t>(height), 4);
    putLittleEndian(bytes, 1, 2);
    putLittleEndian(bytes, 24, 2);
    for (int i = 0; i < 6; ++i) putLittleEndian(bytes, 0, 4);
    bytes.append(static_cast<std::size_t>(rowSize * height), '\x7F');
    return bytes;
}

}  // namespace sporix::test

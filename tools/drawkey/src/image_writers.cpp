#include "image_writers.h"

#include <QFile>
#include <QImage>
#include <QImageWriter>

#include <jpeglib.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int jpegQuality = 85;
constexpr int inkThreshold = 128;

}  // namespace

QString writeInkBmp(const QImage& image, const QString& path) {
    // Our own threshold rather than convertToFormat(), which may dither.
    QImage ink(image.size(), QImage::Format_Mono);
    ink.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    // Clear every byte: the rows' padding goes into the file, and QImage::fill() skips it.
    std::memset(ink.bits(), 0, std::size_t(ink.sizeInBytes()));
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* source = grey.constScanLine(y);
        for (int x = 0; x < grey.width(); ++x) ink.setPixel(x, y, source[x] < inkThreshold ? 0 : 1);
    }
    QImageWriter writer(path, "bmp");
    if (!writer.write(ink)) return QStringLiteral("%1: %2").arg(path, writer.errorString());
    return {};
}

QString writeJpeg(const QImage& image, const QString& path) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);

    jpeg_compress_struct compressor;
    jpeg_error_mgr errors;
    compressor.err = jpeg_std_error(&errors);  // libjpeg's own handler ends the program on failure
    jpeg_create_compress(&compressor);
    unsigned char* buffer = nullptr;
    unsigned long bufferSize = 0;
    jpeg_mem_dest(&compressor, &buffer, &bufferSize);

    compressor.image_width = JDIMENSION(rgb.width());
    compressor.image_height = JDIMENSION(rgb.height());
    compressor.input_components = 3;
    compressor.in_color_space = JCS_RGB;
    jpeg_set_defaults(&compressor);
    jpeg_set_quality(&compressor, jpegQuality, TRUE);
    compressor.dct_method = JDCT_ISLOW;  // exact integer DCT: the same bytes with or without SIMD
    compressor.optimize_coding = TRUE;   // smaller files, still baseline

    jpeg_start_compress(&compressor, TRUE);
    while (compressor.next_scanline < compressor.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(int(compressor.next_scanline)));
        jpeg_write_scanlines(&compressor, &row, 1);
    }
    jpeg_finish_compress(&compressor);
    jpeg_destroy_compress(&compressor);

    QFile file(path);
    QString error;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(buffer), qint64(bufferSize)) != qint64(bufferSize))
        error = QStringLiteral("%1: %2").arg(path, file.errorString());
    std::free(buffer);
    return error;
}

#include "QtPictures.h"

#include <QBuffer>
#include <QImageReader>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>

namespace sporix {

namespace {

std::uint32_t littleEndian(const std::string& bytes, std::size_t at, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = size; i-- > 0;) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// What a bitmap's header claims, read before Qt's reader: that reader calls some absurd
// sizes only "no bitmap", and it leaves the rows of a file that ends early holding
// whatever the memory held before.
struct BitmapClaim {
    long long width = 0;
    long long height = 0;            // rows, whichever way they run
    unsigned long long rowsEnd = 0;  // where the last row ends; 0 when compressed rows hide it
};

std::optional<BitmapClaim> readBitmapClaim(const std::string& bytes) {
    constexpr std::size_t kFileHeader = 14;
    constexpr std::uint32_t kCoreHeader = 12;  // the old header, with 16-bit sizes
    constexpr std::uint32_t kInfoHeader = 40;
    if (bytes.size() < kFileHeader + 4 || bytes.compare(0, 2, "BM") != 0) return std::nullopt;
    const std::uint32_t headerSize = littleEndian(bytes, 14, 4);
    BitmapClaim claim;
    unsigned long long bits = 0;
    std::uint32_t compression = 0;
    if (headerSize == kCoreHeader && bytes.size() >= kFileHeader + kCoreHeader) {
        claim.width = littleEndian(bytes, 18, 2);
        claim.height = littleEndian(bytes, 20, 2);
        bits = littleEndian(bytes, 24, 2);
    } else if (headerSize >= kInfoHeader && bytes.size() >= kFileHeader + kInfoHeader) {
        claim.width = static_cast<std::int32_t>(littleEndian(bytes, 18, 4));
        claim.height = std::llabs(static_cast<std::int32_t>(littleEndian(bytes, 22, 4)));  // negative: top row first
        bits = littleEndian(bytes, 28, 2);
        compression = littleEndian(bytes, 30, 4);
    } else {
        return std::nullopt;
    }
    constexpr std::uint32_t kRgb = 0, kBitFields = 3, kAlphaBitFields = 6;
    const bool uncompressed = compression == kRgb || compression == kBitFields || compression == kAlphaBitFields;
    if (uncompressed && claim.width > 0 && claim.width * claim.height <= kMaxPicturePixels) {
        // Rows are padded to whole 32-bit words. They start at the offset of the file
        // header, or right after the headers where that offset points into them.
        const unsigned long long rowBytes = (static_cast<unsigned long long>(claim.width) * bits + 31) / 32 * 4;
        const unsigned long long start = std::max<unsigned long long>(
            littleEndian(bytes, 10, 4), kFileHeader + static_cast<unsigned long long>(headerSize));
        claim.rowsEnd = start + rowBytes * static_cast<unsigned long long>(claim.height);
    }
    return claim;
}

}  // namespace

PictureHandle QtPictureLoader::fromJpeg(RgbImage decoded) {
    QImage image(decoded.width, decoded.height, QImage::Format_RGB32);
    for (int y = 0; y < decoded.height; ++y) {
        const auto* row = decoded.pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(decoded.width);
        std::copy(row, row + decoded.width, reinterpret_cast<std::uint32_t*>(image.scanLine(y)));
    }
    return std::make_shared<QtPicture>(std::move(image));
}

PictureHandle QtPictureLoader::decodeBitmap(const std::string& bytes) {
    const auto claim = readBitmapClaim(bytes);
    if (claim && claim->width * claim->height > kMaxPicturePixels) {
        throw PictureDecodeError("the picture is too large (" + std::to_string(claim->width) + " x " +
                                 std::to_string(claim->height) + " pixels)");
    }
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    QSize size = reader.size();
    size.setHeight(std::abs(size.height()));  // a bitmap whose rows run from the top gives it negative
    // Refused from the header, before a lying size can make the reader allocate.
    if (!size.isValid() || static_cast<long long>(size.width()) * size.height() > kMaxPicturePixels) {
        throw PictureDecodeError(size.isValid() ? "the picture is too large" : "the file is no bitmap");
    }
    if (claim && claim->rowsEnd > bytes.size()) {
        throw PictureDecodeError("the file ends before the last row of the picture");
    }
    QImage image = reader.read();
    if (image.isNull()) throw PictureDecodeError(reader.errorString().toStdString());
    return std::make_shared<QtPicture>(image.convertToFormat(QImage::Format_RGB32));
}

QPixmap pixmapOf(const PictureHandle& picture) {
    const auto* qtPicture = dynamic_cast<const QtPicture*>(picture.get());
    return qtPicture ? QPixmap::fromImage(qtPicture->image()) : QPixmap();
}

}  // namespace sporix

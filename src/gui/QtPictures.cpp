#include "QtPictures.h"

#include <QBuffer>
#include <QImageReader>

namespace sporix {

PictureHandle QtPictureLoader::fromJpeg(RgbImage decoded) {
    QImage image(decoded.width, decoded.height, QImage::Format_RGB32);
    for (int y = 0; y < decoded.height; ++y) {
        const auto* row = decoded.pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(decoded.width);
        std::copy(row, row + decoded.width, reinterpret_cast<std::uint32_t*>(image.scanLine(y)));
    }
    return std::make_shared<QtPicture>(std::move(image));
}

PictureHandle QtPictureLoader::decodeBitmap(const std::string& bytes) {
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    const QSize size = reader.size();
    // Refused from the header, before a lying size can make the reader allocate.
    if (!size.isValid() || static_cast<long long>(size.width()) * size.height() > kMaxPicturePixels) {
        throw PictureDecodeError(size.isValid() ? "the picture is too large" : "the file is no bitmap");
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

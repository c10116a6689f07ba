#pragma once

#include <QImage>
#include <QPixmap>

#include "PictureFileLoader.h"

namespace sporix {

class QtPicture : public Picture {
public:
    explicit QtPicture(QImage image) : image_(std::move(image)) {}
    int width() const override { return image_.width(); }
    int height() const override { return image_.height(); }
    const QImage& image() const { return image_; }

private:
    QImage image_;
};

// JPEGs through our libjpeg decoder, bitmaps through Qt's BMP reader.
class QtPictureLoader : public PictureFileLoader {
public:
    using PictureFileLoader::PictureFileLoader;

protected:
    PictureHandle fromJpeg(RgbImage image) override;
    PictureHandle decodeBitmap(const std::string& bytes) override;
};

// What an image box shows for a picture (nothing for none).
QPixmap pixmapOf(const PictureHandle& picture);

}  // namespace sporix

#pragma once

#include <QString>

class QImage;

// Writers whose output depends on the pixels only: no time stamps, no paths, no
// settings of the machine. Both return an error text, empty on success.

// 1-bit BMP (black ink on white, palette 0 black, 1 white) through Qt's BMP writer;
// pixels darker than mid-grey become ink.
QString writeInkBmp(const QImage& image, const QString& path);

// Baseline JPEG through libjpeg: fixed quality, integer DCT, optimised Huffman tables.
QString writeJpeg(const QImage& image, const QString& path);

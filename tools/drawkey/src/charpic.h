#pragma once

#include "params.h"

#include <QImage>
#include <QStringList>

// The picture of a character (<Code>Pic<n>.Jpg): one panel per state, each a small
// drawing with the state's label under it, in as many columns (one to three) as give
// the largest drawings with every label whole; a colour scale lists its swatches.
inline constexpr int charPicWidth = 249;  // the box the program shows it in
inline constexpr int charPicMaxHeight = 489;

QImage drawCharPicture(const CharPicParams& picture, const QString& genusCode);

// Why the picture cannot show every label whole; empty when it can.
QStringList charPictureProblems(const CharPicParams& picture);

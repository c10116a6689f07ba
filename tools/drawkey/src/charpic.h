#pragma once

#include "params.h"

#include <QImage>

// The picture of a character (<Code>Pic<n>.Jpg): one panel per state keyword, each
// a small drawing with the state's label under it; panels stacked, in two columns
// when there are more than four.
inline constexpr int charPicWidth = 249;  // the box the program shows it in
inline constexpr int charPicMaxHeight = 489;

QImage drawCharPicture(const CharPicParams& picture, const QString& genusCode);

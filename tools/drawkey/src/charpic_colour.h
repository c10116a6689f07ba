#pragma once

#include "params.h"

#include <QImage>
#include <QStringList>

// A colour scale: one row per state, its swatch (or the stages of a change of colour,
// with arrows between them) on the left and its label on the right.
QImage drawColourScale(const CharPicParams& picture, const QString& genusCode);
QStringList colourScaleProblems(const CharPicParams& picture);

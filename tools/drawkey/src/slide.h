#pragma once

#include "params.h"

#include <QImage>

// The slide of a species (<CODE>.JPG): a round microscope field in Melzer's reagent
// with spores lying at random, coloured by their reaction, and some hyaline basidia,
// cystidia and hyphae among them.
inline constexpr int slideWidth = 600;  // the box the program shows it in
inline constexpr int slideHeight = 400;
inline constexpr double slidePixelsPerMicron = 5.0;

QImage drawSlide(const SpeciesParams& species);

#pragma once

#include "params.h"
#include "picture_language.h"

#include <QImage>

// The microscopical drawing of a species (<CODE>.BMP): spores in face and side view,
// basidia, cystidia or hyphae, all at one magnification, black ink on white; its words
// and numbers in `language`.
inline constexpr int plateWidth = 375;  // the box the program shows it in
inline constexpr int plateHeight = 488;
inline constexpr double platePixelsPerMicron = 4.0;  // 10 um = 40 pixels for every species

QImage drawPlate(const SpeciesParams& species, const QString& title, const PictureLanguage& language);

#pragma once

#include <QImage>

// NoFigs.Jpg: shown where a species has no drawing. An empty slide under a
// microscope-like lens crossed out, and the words "No drawing".
inline constexpr int noFigsWidth = 375;
inline constexpr int noFigsHeight = 488;

QImage drawNoFigs();

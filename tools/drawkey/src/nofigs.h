#pragma once

#include <QImage>
#include <QString>

// NoFigs.Jpg: shown where a species has no drawing. An empty slide under a
// microscope-like lens crossed out, and the caption ("No drawing" in English).
inline constexpr int noFigsWidth = 375;
inline constexpr int noFigsHeight = 488;

QImage drawNoFigs(const QString& caption);

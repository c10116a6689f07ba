#pragma once

#include "vocabulary.h"

#include <QColor>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// One parameters file tools/drawkey/params/<FOLDER>.txt: what to draw for a genus.

struct MicronRange {
    double min = 0;
    double max = 0;
    double mid() const { return (min + max) / 2; }
};

struct SpeciesParams {
    QString code;  // 8 characters, names the species' files
    SporeShape shape = SporeShape::Ellipsoid;
    MicronRange length;
    MicronRange width;
    Ornament ornament = Ornament::Smooth;
    Cystidia cystidia = Cystidia::None;
    Reaction reaction = Reaction::Inamyloid;
};

struct PicturePanel {
    QString keyword;  // a colour notation in a colour scale
    QString label;    // drawn under the panel: its state's text in the picture's language
    QColor tint;      // invalid unless the line gives <keyword>@#RRGGBB
    QString note;     // <keyword>=<note>: the state's English text, for whoever reads the line
};

struct CharPicParams {
    int line = 0;       // in the parameters file, for messages
    int character = 0;  // 1-based row in the character file
    const CharPicKind* kind = nullptr;
    std::vector<PicturePanel> panels;
};

struct GenusParams {
    QString code;    // 3 characters, prefix of the character pictures
    QString folder;  // the genus folder under the data folder
    std::vector<SpeciesParams> species;
    std::vector<CharPicParams> charPics;
};

struct ParamsReadResult {
    std::optional<GenusParams> genus;  // empty when any error was found
    QStringList errors;                // "file:line: message"
};

ParamsReadResult readParamsFile(const QString& path);
ParamsReadResult parseParams(const QByteArray& content, const QString& sourceName);

// A panel's note names its state as the English character file does (a no-break space
// counting as a blank): englishStates[k] holds the state texts of character k + 1.
// Returns "file:line: message" for each note that names another state.
QStringList checkPanelNotes(const GenusParams& genus, const std::vector<QStringList>& englishStates,
                            const QString& sourceName);

#pragma once

#include <QString>

#include <span>

// A language the pictures are drawn in: where its pictures go, which character file
// labels them, and the words and decimal sign of the drawing and the placeholder.
struct PictureLanguage {
    QString folder;              // beside the common pictures; empty for the common pictures
    QString characterExtension;  // of <FOLDER>.FEA ... <FOLDER>.FES
    QChar decimalSign;
    QString spores;
    QString basidia;
    QString cystidia;
    QString hyphae;
    QString noDrawing;  // the placeholder's caption

    bool isCommon() const { return folder.isEmpty(); }
    QString decimal(double value) const;  // one decimal, as "8.5" or "8,5"
};

// English first: its pictures are the common ones, shown in every language without its
// own (the program looks in the language's folder first). Then Dutch, German, French,
// Italian, Spanish, in folders named as the interface text files name them.
std::span<const PictureLanguage> pictureLanguages();

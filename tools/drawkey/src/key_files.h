#pragma once

#include <QHash>
#include <QString>

#include <optional>

// What drawkey takes from the key itself (Windows-1252, CR LF): the names to put in
// titles, and the number of characters to check the picture numbers against.

// Species display names by upper-case code, from <FOLDER>.SPE; empty if the file is missing.
QHash<QString, QString> readSpeciesNames(const QString& dataFolder, const QString& genusFolder);

// The genus's display name from genuslst.txt, if listed there.
std::optional<QString> readGenusDisplayName(const QString& dataFolder, const QString& genusFolder);

// The number of characters in <FOLDER>.FEA, if that file exists.
std::optional<int> readCharacterCount(const QString& dataFolder, const QString& genusFolder);

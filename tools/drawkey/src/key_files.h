#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// What drawkey takes from the key itself (Windows-1252, CR LF): the names to put in
// titles, and the states of each character, which label the pictures' panels.

// Species display names by upper-case code, from <FOLDER>.SPE; empty if the file is missing.
QHash<QString, QString> readSpeciesNames(const QString& dataFolder, const QString& genusFolder);

// The genus's display name from genuslst.txt, if listed there.
std::optional<QString> readGenusDisplayName(const QString& dataFolder, const QString& genusFolder);

// The state texts of each character, blanks and code left off, from the character file
// <FOLDER><extension> (".FEA" English ... ".FES" Spanish), if that file exists.
std::optional<std::vector<QStringList>> readStateTexts(const QString& dataFolder, const QString& genusFolder,
                                                       const QString& extension);

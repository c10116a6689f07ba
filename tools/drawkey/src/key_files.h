#pragma once

#include <QHash>
#include <QString>

#include <optional>
#include <vector>

// What drawkey takes from the key itself (Windows-1252, CR LF): the names to put in
// titles, and the states of each character to check the pictures' panels against.

// Species display names by upper-case code, from <FOLDER>.SPE; empty if the file is missing.
QHash<QString, QString> readSpeciesNames(const QString& dataFolder, const QString& genusFolder);

// The genus's display name from genuslst.txt, if listed there.
std::optional<QString> readGenusDisplayName(const QString& dataFolder, const QString& genusFolder);

// The number of states of each character in <FOLDER>.FEA, if that file exists.
std::optional<std::vector<int>> readStateCounts(const QString& dataFolder, const QString& genusFolder);

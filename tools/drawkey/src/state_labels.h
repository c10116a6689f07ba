#pragma once

#include "params.h"

#include <QStringList>

#include <vector>

// The panels' labels in one language: the states' texts from that language's character file.

// A state's text as a label: a number keeps its unit on its line ("over 1 µm").
QString labelOfState(const QString& stateText);

// The genus's character pictures with each panel labelled by its state in `states` (the
// state texts of each character, from `characterFile`). A picture whose character has
// another number of states than it has panels is reported as "file:line: message" in
// `problems` and left out.
std::vector<CharPicParams> labelledPictures(const GenusParams& genus, const std::vector<QStringList>& states,
                                            const QString& characterFile, const QString& sourceName,
                                            QStringList& problems);

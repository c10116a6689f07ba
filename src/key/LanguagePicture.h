#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "WorkFolder.h"

namespace sporix {

// A picture of the key (a character picture, a drawing, a slide, the placeholder) may
// come in the interface language: the same file name, in a folder named after the
// language's letters ("UK", "NL", "D", "F", "I", "S") beside the common picture.
// "AMANITA\S\AmaPic14.Jpg" is the Spanish of "AMANITA\AmaPic14.Jpg", "S\NoFigs.Jpg" that
// of "NoFigs.Jpg". A program that knows no such folders never looks into them.

// The name of the language's picture of `name`; empty for an index outside 1..6.
std::string languagePictureName(std::string_view name, int languageIndex);

// The language's picture where the folder has one as a regular file, else `name` itself
// where that is there; nothing when neither is.
std::optional<std::string> pictureInLanguage(const WorkFolder& folder, std::string_view name, int languageIndex);

}  // namespace sporix

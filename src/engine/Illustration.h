#pragma once

#include <optional>
#include <string>

#include "Context.h"

namespace sporix {

// The picture of row 1..42 in the interface language where the genus has one, else the
// common picture; nothing when neither is there.
std::optional<std::string> illustrationPath(const Context& c, int row);

// The "?" button of row 1..42: the character's picture in place of the species lists.
void showCharacterIllustration(Context& c, int row);
// Hides the three lists and shows the picture box.
void showIllustrationArea(Context& c);

}  // namespace sporix

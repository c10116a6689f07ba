#pragma once

#include "Context.h"

namespace sporix {

// The "?" button of row 1..42: the character's picture in place of the species lists.
void showCharacterIllustration(Context& c, int row);
// Hides the three lists and shows the picture box.
void showIllustrationArea(Context& c);

}  // namespace sporix

#pragma once

#include "AccessibleTexts.h"
#include "Context.h"

namespace sporix {

// Reads the texts of the current language; run after its interface texts were read.
void readAccessibleTexts(Context& c);
// Names the controls after what they show now: each row after its character.
void nameControls(ProgramState& state);

}  // namespace sporix

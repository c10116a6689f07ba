#pragma once

#include "Context.h"

namespace sporix {

// Returns the loaded genus to the state in which no state is chosen.
void clearAll(Context& c);
// All 42 character labels enabled.
void labelReset(Context& c);
// The tick column hidden and "Compare species" disabled.
void checkListReset(Context& c);

}  // namespace sporix

#pragma once

#include "Context.h"

namespace sporix {

// The rest-species search: the newly chosen state removes the species that lack it.
void restSpeciesSearch(Context& c);
// Layer 0 := the snapshot before the last choice, and the drop-down lists show it.
void restoreFromHistory(Context& c);
// At step 10 the oldest snapshot is dropped and the step becomes 9.
void shiftHistory(Context& c);

void stepback1Click(Context& c);
// "Start again" when fewer than two species remain.
void speedButton1Click(Context& c);
// The two items of the kind-of-searching menu.
void usingRestSpeciesClick(Context& c);
void usingAllSpeciesClick(Context& c);

}  // namespace sporix

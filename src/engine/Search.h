#pragma once

#include <string>

#include "Context.h"

namespace sporix {

// The change event of every drop-down list: a search of the kind that is checked.
void searchautomatic1Click(Context& c);

// Layer 0's chosen texts := the texts of the 42 drop-down lists (restoring the history
// first while a step back replays).
void captureChosenStates(Context& c);
// One code per character row 1..CharacterCount: the chosen state's code, or a space.
std::string buildSearchKey(Context& c);
// The search over all species, ranked by agreement in percent.
void searchAllSpecies(Context& c, const std::string& searchKey);
// One unticked tick box per listed species.
void fillCheckList(Context& c);

// True when the species list holds lines of the search over all species (with the genus
// prefix), false when it holds rest species. It follows the checked kind of searching,
// which is also the kind the drop-down lists start.
bool listShowsAllSpecies(const Context& c);

}  // namespace sporix

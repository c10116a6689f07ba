#pragma once

#include "Context.h"

namespace sporix {

// Turns the current genus into a working key: file names, "?" buttons, characters and
// states in the rows, and the number of species.
void loadGenus(Context& c);

// Tells, once per genus load, that the species file holds more records than the tables.
void noteSpeciesOverLimit(Context& c);

}  // namespace sporix

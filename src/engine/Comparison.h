#pragma once

#include <vector>

#include "Context.h"

namespace sporix {

// "Compare species": up to three species side by side, character by character. `ticks`
// are the tick boxes beside the species lines, in list order.
void comparespecies1Click(Context& c, const std::vector<bool>& ticks);
// A click on the heading of column 1..3 opens that species' description.
void headingClick(Context& c, int column);

}  // namespace sporix

#pragma once

#include "Context.h"

namespace sporix {

inline constexpr const char* kGenusListFileName = "genuslst.txt";

// The "Genera" menu is about to open: re-read the genus list onto its 30 items.
void genera1Click(Context& c);
// Item N1..N30: make that genus the current one and load it.
void genusItemClick(Context& c, int item);

}  // namespace sporix

#pragma once

#include "Context.h"

namespace sporix {

// How the species was chosen: a line of the species list, a comparison heading, or a line
// of the advisor, which knows the species' code as well as its display name.
enum class DescriptionEntry { ResultList, Heading, Advisor };

// A click on line `selectedIndex` of the species list (-1: none selected).
void species1Click(Context& c, int selectedIndex);
// Fills and shows the description window for the species of SelectedLine.
void openSpeciesDescription(Context& c, DescriptionEntry entry);

// The description window's buttons, and the slide window's closing.
void slideButtonClick(Context& c);
void closeButtonClick(Context& c);
void slideWindowClosed(Context& c);

}  // namespace sporix

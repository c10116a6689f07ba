#pragma once

#include "Context.h"

namespace sporix {

// Reads the advice texts of the current language; run after its interface texts were read.
void readAdviceTexts(Context& c);
// Computes the advice anew from the search state and the genus's files, and shows it. It
// reports nothing: a species file it cannot read is told in the advice itself.
void updateAdvice(Context& c);

// The advisor's menu item: shows the advisor window.
void advisor1Click(Context& c);
// A click on advisor line `line`: opens the drop-down list of its row in the main window,
// or the description of its species as a click in the species list does.
void advisorLineClick(Context& c, int line);

}  // namespace sporix

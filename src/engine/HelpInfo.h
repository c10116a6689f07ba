#pragma once

#include "Context.h"

namespace sporix {

// The six help texts, by the language of their menu item (1..6).
void helpItemClick(Context& c, int language);
void howtostart1Click(Context& c);
void aboutProgram1Click(Context& c);

}  // namespace sporix

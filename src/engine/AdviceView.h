#pragma once

#include "Advice.h"
#include "AdviceTexts.h"
#include "Views.h"

namespace sporix {

// Puts the advice into words of the interface language: the advisor's lines, its caption
// and the caption of its menu item.
void showAdvice(const Advice& advice, const AdviceTexts& texts, WindowViews& views);

}  // namespace sporix

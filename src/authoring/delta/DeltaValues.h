#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "DeltaDataset.h"

namespace sporix::authoring::delta {

// One attribute of an item description: the character number, the comments that follow
// it, and after a "," the value, as in "3,1/2<rarely>" or "12<a text character>".
std::optional<Attribute> readAttribute(std::string_view word, std::string& why);

// Takes a multistate value apart: states joined by "/" (or) or "&" (and), ranges "2-4",
// a comment after any state, or one of "V" (variable), "U" (unknown) and "-"
// (inapplicable). False with `why` set when a state is outside 1..stateCount.
bool readStates(Attribute& attribute, int stateCount, std::string& why);

}  // namespace sporix::authoring::delta

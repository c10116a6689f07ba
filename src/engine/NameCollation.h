#pragma once

#include <string_view>

namespace sporix {

// The order of the rest-species list, for Windows-1252 names as a reader expects it:
// letters first compared without regard to case and accents (with "ß" as "ss", "æ" as
// "ae", "œ" as "oe"), then unaccented before accented, then lower case before upper
// case, and finally byte by byte, so that the order is total.
bool collatesBefore(std::string_view a, std::string_view b);

// The first key of that order: the letters without case and accents. Where it differs
// between two names it decides; an order that compares each name many times keeps it.
std::string collationPrimaryKey(std::string_view name);

}  // namespace sporix

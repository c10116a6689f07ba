#pragma once

#include <set>
#include <string>
#include <vector>

#include "DeltaDataset.h"

// How the items of a DELTA dataset are named and described in the key.
namespace sporix::authoring::delta {

// A character's feature without comments; the comments where it is nothing else, as
// text characters often are ("<notes on the habitat>").
std::string featureName(const Character& character);

// The display names of the items: their plain names, without the first word where all
// items share it (the genus), cut to 45 bytes.
std::vector<std::string> speciesNames(const std::vector<Item>& items);

// An 8-byte species code from a name, as the key writes them ("Amanita muscaria" gives
// AMMUSCAR), made unique among `taken` with a number at its end; it is added to `taken`.
std::string uniqueSpeciesCode(const std::string& name, std::set<std::string>& taken);

// The item as a description text: its name, its comments, and a line per character it
// has a value for, in the words of the character list (Windows-1252, CR LF).
std::string describeItem(const Dataset& dataset, const Item& item);

}  // namespace sporix::authoring::delta

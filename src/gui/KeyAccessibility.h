#pragma once

namespace sporix {

// What a screen reader is told of the key's own controls: a character's drop-down list is
// named after its character with the chosen state as its value, and a comparison heading
// is a button that opens the species' description. Safe to call more than once.
void installKeyAccessibility();

}  // namespace sporix

#pragma once

#include "spore.h"

// Fills in the ornament of a spore whose body and apiculus are already built.
// halfLength and halfWidth are the body's semi-axes in pixels.
void addSporeOrnament(SporeFigure& spore, Ornament ornament, double halfLength, double halfWidth,
                      double pixelsPerMicron, Rng& rng);

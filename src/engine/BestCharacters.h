#pragma once

#include <vector>

#include "Advice.h"
#include "AdviceInput.h"

namespace sporix {

// Among the characters with no chosen state that tell the candidates apart, the five that
// leave the fewest candidates on average after the user picks the state the specimen
// shows. A candidate counts under each state it shows; one that the key gives no state of
// the character counts as leaving all candidates, since no pick can be foretold for it.
std::vector<BestCharacter> bestCharacters(const AdviceInput& input, const std::vector<const AdviceRecord*>& candidates);

}  // namespace sporix

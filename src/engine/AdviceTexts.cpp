#include "AdviceTexts.h"

namespace sporix {

AdviceTexts englishAdviceTexts() {
    return {"Advisor",
            "A dangerous look-alike is close",
            "Choose a genus to get advice.",
            "The species file of this genus cannot be read.",
            "This genus holds no species.",
            "This genus holds only one species: there is nothing to tell apart.",
            "Nothing to advise on these choices.",
            "Dangerous look-alikes",
            "deadly",
            "poisonous",
            "edible with care",
            "%1 (%2)",
            "%1: %2",
            "still one of the rest species",
            "nearly fits your choices",
            "%1 points behind the first",
            "agrees with all your choices",
            "%1: you chose %2; the key gives %3",
            "not recorded",
            " or ",
            "Look next at",
            "%1: %2 species left on average",
            "%1: %2",
            "; ",
            ".",
            "Nearly fitting species",
            "How firm the first place is",
            "%1 leads %2 by %3 points",
            "Not decided: the first two are within %1 points.",
            "The first place rests on %1: %2",
            "No single choice decides the first place."};
}

}  // namespace sporix

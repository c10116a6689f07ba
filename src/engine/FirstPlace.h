#pragma once

#include <vector>

#include "Advice.h"
#include "AdviceInput.h"
#include "Scoring.h"

namespace sporix {

// The records scored and ranked exactly as the search over all species ranks them, with
// what each chosen character adds to each record's sum, so that a choice can be taken out.
class Scores {
public:
    explicit Scores(const AdviceInput& input);

    const std::vector<RankedRecord>& ranked() const { return ranked_; }
    // Whether the first record stays first without the choice of character `row`: no
    // other ranks before it, and some species still reaches 1 percent.
    bool firstStaysFirstWithout(int row) const;

private:
    const AdviceInput& input_;
    std::vector<long long> sums_;  // by record - 1
    int chosenCount_ = 0;
    std::vector<RankedRecord> ranked_;
};

// The margin between the first two of the `listed` species, and the chosen states without
// which another species would come first; when `sharedBy` species share the first place,
// only that.
FirstPlace firstPlaceOf(const AdviceInput& input, const Scores& scores, int listed, int sharedBy);

}  // namespace sporix

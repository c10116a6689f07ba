#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Advice.h"
#include "AdviceInput.h"

namespace sporix {

using Candidates = std::vector<const AdviceRecord*>;

inline bool isDangerous(Toxicity mark) { return mark >= Toxicity::Poisonous; }

// The states the key gives in a value line, each once; "." and "?" name none.
std::vector<std::string> givenStates(const AdviceCharacter& character, std::string_view value);
// Whether the species lacks the state chosen for character i, as the rest-species search tests it.
bool disagreesAt(const AdviceInput& input, const AdviceRecord& record, std::size_t i);
// The choices the species does not share, as the rest-species search tests them.
std::vector<Disagreement> disagreementsOf(const AdviceInput& input, const AdviceRecord& record);

// The deadly and poisonous species the advice names, each once, with why.
class LookAlikes {
public:
    explicit LookAlikes(const AdviceInput& input) : input_(input) {}

    // Adds a deadly or poisonous species; one found before keeps its first reason. Returns its
    // entry, or nothing for a species that is not dangerous.
    LookAlike* add(const AdviceRecord& record, LookAlikeReason reason, int pointsBehind = 0);
    LookAlike* find(const AdviceRecord& record);
    // The most dangerous first; among equals the documented confusions, then the closest to
    // the user's choices: by points behind the first, else by choices not shared.
    std::vector<LookAlike> ordered(std::size_t most);

private:
    const AdviceInput& input_;
    std::vector<LookAlike> found_;
    std::vector<int> records_;  // the record of each entry
};

// For every confusion of the marks file whose second species fits (`fitting`: the first or
// the rest species), names the dangerous one with the characters that tell the two apart:
// in its entry among `answers` when it fits itself, else among `lookAlikes`.
void addDocumentedConfusions(const AdviceInput& input, const Candidates& fitting, LookAlikes& answers,
                             LookAlikes& lookAlikes);

}  // namespace sporix

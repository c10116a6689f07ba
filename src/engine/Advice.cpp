#include "Advice.h"

#include <algorithm>

#include "AdviceInput.h"
#include "BestCharacters.h"
#include "FirstPlace.h"
#include "Limits.h"
#include "NameCollation.h"

namespace sporix {

namespace {

using Candidates = std::vector<const AdviceRecord*>;

bool isDangerous(Toxicity mark) { return mark >= Toxicity::Poisonous; }

// The states the key gives in a value line, each once; "." and "?" name none.
std::vector<std::string> givenStates(const AdviceCharacter& character, std::string_view value) {
    std::vector<std::string> given;
    for (const char symbol : value) {
        std::string text = character.stateText(symbol);
        if (!text.empty() && std::find(given.begin(), given.end(), text) == given.end())
            given.push_back(std::move(text));
    }
    return given;
}

// Whether the species lacks the state chosen for character i, as the rest-species search tests it.
bool disagreesAt(const AdviceInput& input, const AdviceRecord& record, std::size_t i) {
    const char code = input.searchKey[i];
    return code != ' ' && !input.shows(input.value(record, i), code);
}

std::vector<Disagreement> disagreementsOf(const AdviceInput& input, const AdviceRecord& record) {
    std::vector<Disagreement> found;
    for (std::size_t i = 0; i < input.searchKey.size(); ++i) {
        if (!disagreesAt(input, record, i)) continue;
        const AdviceCharacter& character = input.characters[i];
        found.push_back({static_cast<int>(i) + 1, character.name, character.stateText(input.searchKey[i]),
                         givenStates(character, input.value(record, i))});
    }
    return found;
}

int disagreementCount(const AdviceInput& input, const AdviceRecord& record) {
    int count = 0;
    for (std::size_t i = 0; i < input.searchKey.size(); ++i) count += disagreesAt(input, record, i) ? 1 : 0;
    return count;
}

struct Missed {
    const AdviceRecord* record;
    int disagreements;
    std::string collationKey;  // made once: a name is compared many times
};

// Every species the rest-species search removed that disagrees with one or two of the
// choices, those with one first, each group in the order of the rest-species list. Only
// the first `shown` are put in order: the names' collation is the costly part.
std::vector<Missed> allNearMisses(const AdviceInput& input, std::size_t shown) {
    std::vector<Missed> missed;
    for (const AdviceRecord& record : input.records) {
        if (record.rest || record.species.name.empty()) continue;
        const int count = disagreementCount(input, record);
        if (count >= 1 && count <= kMaxDisagreements)
            missed.push_back({&record, count, collationPrimaryKey(record.species.name)});
    }
    const auto first = missed.begin() + static_cast<std::ptrdiff_t>(std::min(shown, missed.size()));
    std::partial_sort(missed.begin(), first, missed.end(), [](const Missed& a, const Missed& b) {
        if (a.disagreements != b.disagreements) return a.disagreements < b.disagreements;
        if (a.collationKey != b.collationKey) return a.collationKey < b.collationKey;
        return collatesBefore(a.record->species.name, b.record->species.name);
    });
    return missed;
}

class LookAlikes {
public:
    explicit LookAlikes(const AdviceInput& input) : input_(input) {}

    void add(const AdviceRecord& record, LookAlikeReason reason, int pointsBehind = 0) {
        if (!isDangerous(record.species.mark)) return;
        found_.push_back({record.species, reason, pointsBehind, disagreementsOf(input_, record)});
    }
    // The most dangerous first, then the closest to the user's choices.
    std::vector<LookAlike> ordered() {
        std::stable_sort(found_.begin(), found_.end(), [](const LookAlike& a, const LookAlike& b) {
            if (a.species.mark != b.species.mark) return a.species.mark > b.species.mark;
            if (a.differences.size() != b.differences.size()) return a.differences.size() < b.differences.size();
            return collatesBefore(a.species.name, b.species.name);
        });
        if (found_.size() > kMaxLookAlikes) found_.resize(kMaxLookAlikes);
        return std::move(found_);
    }

private:
    const AdviceInput& input_;
    std::vector<LookAlike> found_;
};

void adviseOnRestSpecies(const AdviceInput& input, const Candidates& named, bool anyChosen, Advice& advice) {
    Candidates rest;
    std::copy_if(named.begin(), named.end(), std::back_inserter(rest), [](const AdviceRecord* r) { return r->rest; });
    advice.bestCharacters = bestCharacters(input, rest);
    const std::vector<Missed> missed = allNearMisses(input, kMaxNearMisses);
    for (std::size_t k = 0; k < missed.size() && k < kMaxNearMisses; ++k) {
        advice.nearMisses.push_back({missed[k].record->species, disagreementsOf(input, *missed[k].record)});
    }
    // A dangerous species that is itself the only one left is the answer, not a look-alike.
    const bool answerIsDangerous = rest.size() == 1 && isDangerous(rest.front()->species.mark);
    if (!anyChosen || answerIsDangerous) return;
    LookAlikes lookAlikes(input);
    for (const AdviceRecord* record : rest) lookAlikes.add(*record, LookAlikeReason::RestSpecies);
    for (const Missed& near : missed) lookAlikes.add(*near.record, LookAlikeReason::NearMiss);
    advice.lookAlikes = lookAlikes.ordered();
}

void adviseOnAllSpecies(const AdviceInput& input, const Candidates& named, bool anyChosen, Advice& advice) {
    if (!anyChosen) {
        advice.bestCharacters = bestCharacters(input, named);
        return;
    }
    const Scores scores(input);
    const auto& ranked = scores.ranked();
    // The list shows the best 37 that reach 1 percent; the ranking puts them first.
    const auto shown = std::min<std::size_t>(kMaxListed, ranked.size());
    std::size_t listed = 0;
    while (listed < shown && ranked[listed].percent >= 1) ++listed;
    if (listed == 0) return;
    const auto recordAt = [&](std::size_t k) -> const AdviceRecord& {
        return input.records[static_cast<std::size_t>(ranked[k].record - 1)];
    };
    const int firstPercent = ranked[0].percent;
    Candidates candidates;
    for (std::size_t k = 0; k < listed && ranked[k].percent >= firstPercent - kCandidateWindow; ++k) {
        candidates.push_back(&recordAt(k));
    }
    advice.bestCharacters = bestCharacters(input, candidates);
    advice.firstPlace = firstPlaceOf(input, scores);
    if (isDangerous(recordAt(0).species.mark)) return;
    LookAlikes lookAlikes(input);
    for (std::size_t k = 1; k < listed && ranked[k].percent >= firstPercent - kLookAlikeWindow; ++k) {
        lookAlikes.add(recordAt(k), LookAlikeReason::CloseBehind, firstPercent - ranked[k].percent);
    }
    advice.lookAlikes = lookAlikes.ordered();
}

}  // namespace

Advice computeAdvice(const AdviceInput& input) {
    Advice advice;
    advice.status = input.status;
    if (input.status != AdviceStatus::Ready) return advice;
    Candidates named;
    for (const AdviceRecord& record : input.records) {
        if (!record.species.name.empty()) named.push_back(&record);
    }
    if (named.empty() || input.characters.empty()) {
        advice.status = AdviceStatus::EmptyGenus;
    } else if (named.size() == 1) {
        advice.status = AdviceStatus::OneSpecies;
    } else {
        const bool anyChosen = input.searchKey.find_first_not_of(' ') != std::string::npos;
        if (input.kind == 2) {
            adviseOnRestSpecies(input, named, anyChosen, advice);
        } else {
            adviseOnAllSpecies(input, named, anyChosen, advice);
        }
    }
    return advice;
}

}  // namespace sporix

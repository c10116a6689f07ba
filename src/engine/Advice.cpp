#include "Advice.h"

#include <algorithm>

#include "AdviceInput.h"
#include "BestCharacters.h"
#include "FirstPlace.h"
#include "Limits.h"
#include "LookAlikes.h"
#include "NameCollation.h"

namespace sporix {

namespace {

struct Missed {
    const AdviceRecord* record;
    int disagreements;
    std::string collationKey;  // made once: a name is compared many times
};

// The species the rest-species search removed: those that disagree with one or two of the
// choices where the key records a state, and those it removed only where it records none.
struct AllMissed {
    std::vector<Missed> near;
    std::vector<Missed> notExcluded;
};

AllMissed allMissed(const AdviceInput& input) {
    AllMissed missed;
    for (const AdviceRecord& record : input.records) {
        if (record.rest || record.species.name.empty()) continue;
        int count = 0;
        bool unrecordedOnly = true;
        for (std::size_t i = 0; i < input.searchKey.size(); ++i) {
            if (!disagreesAt(input, record, i)) continue;
            ++count;
            unrecordedOnly = unrecordedOnly && !input.characters[i].records(input.value(record, i));
        }
        if (count == 0) continue;
        if (unrecordedOnly) {
            missed.notExcluded.push_back({&record, count, collationPrimaryKey(record.species.name)});
        } else if (count <= kMaxDisagreements) {
            missed.near.push_back({&record, count, collationPrimaryKey(record.species.name)});
        }
    }
    return missed;
}

// Those with fewer disagreements first, each group in the order of the rest-species list;
// only the first `shown` are put in order: the names' collation is the costly part.
void orderFirst(std::vector<Missed>& missed, std::size_t shown) {
    const auto first = missed.begin() + static_cast<std::ptrdiff_t>(std::min(shown, missed.size()));
    std::partial_sort(missed.begin(), first, missed.end(), [](const Missed& a, const Missed& b) {
        if (a.disagreements != b.disagreements) return a.disagreements < b.disagreements;
        if (a.collationKey != b.collationKey) return a.collationKey < b.collationKey;
        return collatesBefore(a.record->species.name, b.record->species.name);
    });
}

std::vector<NearMiss> shownMisses(const AdviceInput& input, std::vector<Missed>& missed) {
    orderFirst(missed, kMaxNearMisses);
    std::vector<NearMiss> shown;
    for (std::size_t k = 0; k < missed.size() && k < kMaxNearMisses; ++k) {
        shown.push_back({missed[k].record->species, disagreementsOf(input, *missed[k].record)});
    }
    return shown;
}

// The dangerous species among those that fit lead the advice; the others close to them follow.
void warnOfDanger(const AdviceInput& input, const Candidates& fitting, LookAlikeReason reason, LookAlikes& lookAlikes,
                  Advice& advice) {
    LookAlikes answers(input);
    for (const AdviceRecord* record : fitting) answers.add(*record, reason);
    addDocumentedConfusions(input, fitting, answers, lookAlikes);
    advice.dangerousAnswers = answers.ordered(fitting.size());
    advice.lookAlikes = lookAlikes.ordered(kMaxLookAlikes);
}

void adviseOnRestSpecies(const AdviceInput& input, const Candidates& named, bool anyChosen, Advice& advice) {
    Candidates rest;
    std::copy_if(named.begin(), named.end(), std::back_inserter(rest), [](const AdviceRecord* r) { return r->rest; });
    advice.bestCharacters = bestCharacters(input, rest);
    AllMissed missed = allMissed(input);
    advice.notExcluded = shownMisses(input, missed.notExcluded);
    advice.nearMisses = shownMisses(input, missed.near);
    if (!anyChosen) return;
    LookAlikes lookAlikes(input);
    for (const Missed& near : missed.notExcluded) lookAlikes.add(*near.record, LookAlikeReason::NotExcluded);
    for (const Missed& near : missed.near) lookAlikes.add(*near.record, LookAlikeReason::NearMiss);
    const auto reason = rest.size() == 1 ? LookAlikeReason::Answer : LookAlikeReason::RestSpecies;
    warnOfDanger(input, rest, reason, lookAlikes, advice);
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
    Candidates first;  // all that share the first place
    for (std::size_t k = 0; k < listed && ranked[k].percent >= firstPercent - kCandidateWindow; ++k) {
        candidates.push_back(&recordAt(k));
        if (ranked[k].percent == firstPercent) first.push_back(&recordAt(k));
    }
    advice.bestCharacters = bestCharacters(input, candidates);
    advice.firstPlace = firstPlaceOf(input, scores, static_cast<int>(listed), static_cast<int>(first.size()));
    LookAlikes lookAlikes(input);
    for (std::size_t k = first.size(); k < listed && ranked[k].percent >= firstPercent - kLookAlikeWindow; ++k) {
        lookAlikes.add(recordAt(k), LookAlikeReason::CloseBehind, firstPercent - ranked[k].percent);
    }
    warnOfDanger(input, first, LookAlikeReason::Answer, lookAlikes, advice);
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

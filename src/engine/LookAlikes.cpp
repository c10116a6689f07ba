#include "LookAlikes.h"

#include <algorithm>

#include "NameCollation.h"

namespace sporix {

namespace {

// The characters without a choice where both species are recorded and share no state.
std::vector<Distinction> distinctions(const AdviceInput& input, const AdviceRecord& dangerous,
                                      const AdviceRecord& other) {
    std::vector<Distinction> found;
    for (std::size_t i = 0; i < input.characters.size() && found.size() < kMaxToldApartBy; ++i) {
        if (input.searchKey[i] != ' ') continue;
        const AdviceCharacter& character = input.characters[i];
        const std::string_view a = input.value(dangerous, i);
        const std::string_view b = input.value(other, i);
        const auto shared = [&character, b](char symbol) {
            return character.hasState(symbol) && b.find(symbol) != std::string_view::npos;
        };
        if (!character.records(a) || !character.records(b) || std::any_of(a.begin(), a.end(), shared))
            continue;
        found.push_back({static_cast<int>(i) + 1, character.name, givenStates(character, a), givenStates(character, b)});
    }
    return found;
}

int closeness(const LookAlike& lookAlike) {
    return lookAlike.reason == LookAlikeReason::CloseBehind ? lookAlike.pointsBehind
                                                            : static_cast<int>(lookAlike.differences.size());
}

}  // namespace

bool disagreesAt(const AdviceInput& input, const AdviceRecord& record, std::size_t i) {
    const char code = input.searchKey[i];
    return code != ' ' && !input.shows(input.value(record, i), code);
}

std::vector<std::string> givenStates(const AdviceCharacter& character, std::string_view value) {
    std::vector<std::string> given;
    for (const char symbol : value) {
        std::string text = character.stateText(symbol);
        if (!text.empty() && std::find(given.begin(), given.end(), text) == given.end())
            given.push_back(std::move(text));
    }
    return given;
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

LookAlike* LookAlikes::find(const AdviceRecord& record) {
    const auto at = std::find(records_.begin(), records_.end(), record.record);
    return at == records_.end() ? nullptr : &found_[static_cast<std::size_t>(at - records_.begin())];
}

LookAlike* LookAlikes::add(const AdviceRecord& record, LookAlikeReason reason, int pointsBehind) {
    if (!isDangerous(record.species.mark)) return nullptr;
    if (LookAlike* known = find(record)) return known;
    records_.push_back(record.record);
    found_.push_back({record.species, reason, pointsBehind, disagreementsOf(input_, record), {}});
    return &found_.back();
}

std::vector<LookAlike> LookAlikes::ordered(std::size_t most) {
    std::stable_sort(found_.begin(), found_.end(), [](const LookAlike& a, const LookAlike& b) {
        if (a.species.mark != b.species.mark) return a.species.mark > b.species.mark;
        if (a.takenFor.empty() != b.takenFor.empty()) return b.takenFor.empty();
        if (closeness(a) != closeness(b)) return closeness(a) < closeness(b);
        return collatesBefore(a.species.name, b.species.name);
    });
    if (found_.size() > most) found_.resize(most);
    records_.clear();
    return std::move(found_);
}

void addDocumentedConfusions(const AdviceInput& input, const Candidates& fitting, LookAlikes& answers,
                             LookAlikes& lookAlikes) {
    for (const ToxicityConfusion& confusion : input.confusions) {
        for (const AdviceRecord* other : fitting) {
            if (other->species.code != confusion.takenFor) continue;
            // The dangerous species is looked up only for a confusion that applies: few do.
            for (const AdviceRecord& dangerous : input.records) {
                if (dangerous.species.code != confusion.speciesCode || dangerous.species.name.empty()) continue;
                LookAlike* entry = answers.find(dangerous);
                if (entry == nullptr) entry = lookAlikes.add(dangerous, LookAlikeReason::TakenFor);
                if (entry != nullptr) entry->takenFor.push_back({other->species, distinctions(input, dangerous, *other)});
            }
        }
    }
}

}  // namespace sporix

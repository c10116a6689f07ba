#include "FirstPlace.h"

#include <algorithm>

#include "SpeciesFile.h"

namespace sporix {

namespace {

long long weightOf(const AdviceInput& input, const AdviceRecord& record, std::size_t character, char keyCode) {
    const std::string_view value = input.value(record, character);
    // Most characters are not chosen; their space adds to the score only where a value line
    // holds one, which a quick look finds.
    if (value.find(upperCase(keyCode)) == std::string_view::npos) return 0;
    return valueLineWeight(value, upperCase(keyCode));
}

const AdviceRecord& recordOf(const AdviceInput& input, const RankedRecord& ranked) {
    return input.records[static_cast<std::size_t>(ranked.record - 1)];
}

}  // namespace

Scores::Scores(const AdviceInput& input) : input_(input) {
    for (const char code : input.searchKey) chosenCount_ += countsAsChosen(code) ? 1 : 0;
    for (const AdviceRecord& record : input.records) {
        long long sum = 0;
        for (std::size_t i = 0; i < input.searchKey.size(); ++i) sum += weightOf(input, record, i, input.searchKey[i]);
        sums_.push_back(sum);
        ranked_.push_back({record.record, percentOf(sum, chosenCount_)});
    }
    std::sort(ranked_.begin(), ranked_.end(), ranksBefore);
}

bool Scores::firstStaysFirstWithout(int row) const {
    const auto character = static_cast<std::size_t>(row - 1);
    const char code = input_.searchKey[character];
    const int chosenCount = chosenCount_ - (countsAsChosen(code) ? 1 : 0);
    const auto percentWithout = [&](const AdviceRecord& record) {
        // Without the choice the key holds a space there, which the search also weighs.
        const long long sum = sums_[static_cast<std::size_t>(record.record - 1)] -
                              weightOf(input_, record, character, code) + weightOf(input_, record, character, ' ');
        return RankedRecord{record.record, percentOf(sum, chosenCount)};
    };
    const RankedRecord first = percentWithout(input_.records[static_cast<std::size_t>(ranked_.front().record - 1)]);
    bool anyListed = first.percent >= 1;
    for (const AdviceRecord& record : input_.records) {
        if (record.record == first.record) continue;
        const RankedRecord other = percentWithout(record);
        if (ranksBefore(other, first)) return false;
        anyListed = anyListed || other.percent >= 1;
    }
    return anyListed;
}

FirstPlace firstPlaceOf(const AdviceInput& input, const Scores& scores, int listed, int sharedBy) {
    const auto& ranked = scores.ranked();
    FirstPlace place;
    place.first = recordOf(input, ranked[0]).species;
    place.firstPercent = ranked[0].percent;
    place.listed = listed;
    place.sharedBy = sharedBy;
    if (listed > 1) {
        place.second = recordOf(input, ranked[1]).species;
        place.secondPercent = ranked[1].percent;
    }
    place.decided = sharedBy == 1 && (listed == 1 || place.firstPercent - place.secondPercent > kUndecidedWithin);
    if (sharedBy > 1) return place;  // which of them is listed first says nothing
    for (int row = 1; row <= static_cast<int>(input.searchKey.size()); ++row) {
        const char code = input.searchKey[static_cast<std::size_t>(row - 1)];
        if (code == ' ') continue;
        if (scores.firstStaysFirstWithout(row)) continue;
        const AdviceCharacter& character = input.characters[static_cast<std::size_t>(row - 1)];
        place.restsOn.push_back({row, character.name, character.stateText(code)});
    }
    return place;
}

}  // namespace sporix

#include "BestCharacters.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "Limits.h"

namespace sporix {

namespace {

static_assert(kStateSlots <= 32, "a character's states are held as bits of 32");

// The average as a fraction, so that equal averages compare equal.
struct Weighed {
    BestCharacter character;
    long long left = 0;  // sum over the picks of the candidates each keeps
    long long picks = 0;
};

bool leavesFewer(const Weighed& a, const Weighed& b) {
    const long long lhs = a.left * b.picks;
    const long long rhs = b.left * a.picks;
    if (lhs != rhs) return lhs < rhs;
    if (a.character.notRecorded != b.character.notRecorded) return a.character.notRecorded < b.character.notRecorded;
    return a.character.row < b.character.row;
}

std::optional<Weighed> weigh(const AdviceInput& input, int row, const std::vector<const AdviceRecord*>& candidates) {
    const auto index = static_cast<std::size_t>(row - 1);
    const AdviceCharacter& character = input.characters[index];
    const auto total = static_cast<long long>(candidates.size());
    Weighed weighed;
    weighed.character.row = row;
    weighed.character.character = character.name;
    // The states each symbol of a value line stands for, so that a line is read once.
    std::array<std::uint32_t, 256> statesOf{};
    for (std::size_t s = 0; s < character.states.size(); ++s) {
        statesOf[static_cast<unsigned char>(input.comparedCode(character.states[s].code))] |= 1u << s;
    }
    std::vector<int> keeps(character.states.size(), 0);
    for (const AdviceRecord* candidate : candidates) {
        std::uint32_t shown = 0;
        for (const char symbol : input.value(*candidate, index)) shown |= statesOf[static_cast<unsigned char>(symbol)];
        if (shown == 0) ++weighed.character.notRecorded;
        for (std::size_t s = 0; s < keeps.size(); ++s) keeps[s] += (shown >> s) & 1u;
    }
    bool tellsApart = false;
    for (std::size_t s = 0; s < keeps.size(); ++s) {
        if (keeps[s] == 0) continue;
        tellsApart = tellsApart || keeps[s] < total;
        weighed.character.states.push_back({character.states[s].text, keeps[s]});
        weighed.left += static_cast<long long>(keeps[s]) * keeps[s];
        weighed.picks += keeps[s];
    }
    if (!tellsApart) return std::nullopt;
    weighed.left += weighed.character.notRecorded * total;
    weighed.picks += weighed.character.notRecorded;
    weighed.character.expectedLeft = static_cast<double>(weighed.left) / static_cast<double>(weighed.picks);
    return weighed;
}

}  // namespace

std::vector<BestCharacter> bestCharacters(const AdviceInput& input,
                                          const std::vector<const AdviceRecord*>& candidates) {
    if (candidates.size() < 2) return {};
    std::vector<Weighed> all;
    for (int row = 1; row <= static_cast<int>(input.characters.size()); ++row) {
        if (input.searchKey[static_cast<std::size_t>(row - 1)] != ' ') continue;
        if (auto weighed = weigh(input, row, candidates)) all.push_back(std::move(*weighed));
    }
    const auto kept = std::min<std::size_t>(kBestCharacterCount, all.size());
    std::partial_sort(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(kept), all.end(), leavesFewer);
    std::vector<BestCharacter> best;
    for (std::size_t k = 0; k < kept; ++k) best.push_back(std::move(all[k].character));
    return best;
}

}  // namespace sporix

#include "Scoring.h"

#include <algorithm>

namespace sporix {

namespace {
constexpr int kHighestPercentText = 999;
}

bool countsAsChosen(char code) {
    return (code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z');
}

char upperCase(char code) { return (code >= 'a' && code <= 'z') ? static_cast<char>(code - 'a' + 'A') : code; }

int percentOf(long long sum, int chosenCount) {
    if (sum > 0) sum /= std::max(chosenCount, 1);
    return static_cast<int>(std::clamp<long long>(sum, 0, kHighestPercentText));
}

char chosenCode(const CharacterRow& character, const std::string& chosenText) {
    for (const std::string& slot : character.slots) {
        if (hasStateCode(slot) && stateText(slot) == chosenText) return stateCode(slot);
    }
    return ' ';
}

}  // namespace sporix

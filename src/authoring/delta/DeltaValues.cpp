#include "DeltaValues.h"

#include <algorithm>

#include "DeltaText.h"

namespace sporix::authoring::delta {

namespace {

// The value split at the "/" and "&" outside comments.
std::vector<std::string_view> splitValue(std::string_view value, bool& together) {
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    for (std::size_t at = 0; at < value.size(); at = stepOver(value, at, Comments::InValues)) {
        if (value[at] == '/' || value[at] == '&') {
            together = together || value[at] == '&';
            pieces.push_back(value.substr(start, at - start));
            start = at + 1;
        }
    }
    pieces.push_back(value.substr(start));
    return pieces;
}

// One piece: a pseudo-value, a state or a range of states, with its comment.
bool readPiece(std::string_view piece, Attribute& attribute, int stateCount, std::string& why) {
    const std::string plain = plainText(piece, Comments::InValues);
    const std::string comment = commentsOf(piece, Comments::InValues);
    if (plain == "V") attribute.variable = true;
    if (plain == "U") attribute.unknown = true;
    if (plain == "-") attribute.inapplicable = true;
    if (plain == "V" || plain == "U" || plain == "-") return true;
    const auto dash = plain.find('-');
    int first = 0;
    int last = 0;
    const bool number = readWholeNumber(std::string_view(plain).substr(0, dash), first);
    last = first;
    if (!number || (dash != std::string::npos && !readWholeNumber(std::string_view(plain).substr(dash + 1), last)) ||
        first < 1 || last < first || last > stateCount) {
        why = "\"" + std::string(piece) + "\" is no state of 1.." + std::to_string(stateCount) + ", nor V, U or -";
        return false;
    }
    for (int state = first; state <= last; ++state) attribute.states.push_back({state, comment});
    return true;
}

}  // namespace

std::optional<Attribute> readAttribute(std::string_view word, std::string& why) {
    std::size_t digits = 0;
    while (digits < word.size() && word[digits] >= '0' && word[digits] <= '9') ++digits;
    Attribute attribute;
    if (digits == 0 || !readWholeNumber(word.substr(0, digits), attribute.character) || attribute.character < 1 ||
        attribute.character > kMaxDeltaCharacters) {
        why = "an attribute starts with a character number, as in \"3,1/2\", not \"" + std::string(word) + "\"";
        return std::nullopt;
    }
    std::size_t at = digits;
    while (at < word.size() && word[at] == '<') at = std::min(commentEnd(word, at), word.size());
    attribute.comment = commentsOf(word.substr(digits, at - digits), Comments::InValues);
    if (at < word.size() && word[at] != ',') {
        why =
            "after the character number comes \",\" and the value, as in \"3,1/2\", not \"" + std::string(word) + "\"";
        return std::nullopt;
    }
    if (at < word.size()) attribute.value = std::string(word.substr(at + 1));
    return attribute;
}

bool readStates(Attribute& attribute, int stateCount, std::string& why) {
    if (attribute.value.empty()) {
        why = "no value after the character number";
        return false;
    }
    for (const std::string_view piece : splitValue(attribute.value, attribute.allTogether)) {
        if (!readPiece(piece, attribute, stateCount, why)) return false;
    }
    return true;
}

}  // namespace sporix::authoring::delta

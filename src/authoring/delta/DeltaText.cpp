#include "DeltaText.h"

#include <algorithm>
#include <charconv>

namespace sporix::authoring::delta {

namespace {

bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The offset past the formatting code that starts at `at` (a "\"): a control word with
// its number and its "{}" or blank, or an escaped "\", "{" or "}" (then `kept` is set).
std::size_t skipFormatting(std::string_view text, std::size_t at, char& kept) {
    kept = 0;
    if (at + 1 < text.size() && (text[at + 1] == '\\' || text[at + 1] == '{' || text[at + 1] == '}')) {
        kept = text[at + 1];
        return at + 2;
    }
    std::size_t end = at + 1;
    while (end < text.size() && isLetter(text[end])) ++end;
    if (end == at + 1) {
        kept = '\\';
        return end;
    }
    if (end < text.size() && text[end] == '-') ++end;
    while (end < text.size() && isDigit(text[end])) ++end;
    if (text.compare(end, 2, "{}") == 0) return end + 2;
    return end < text.size() && text[end] == ' ' ? end + 1 : end;
}

}  // namespace

bool opensComment(std::string_view text, std::size_t at, Comments where) {
    if (text[at] != '<') return false;
    if (where == Comments::InValues || at == 0) return true;
    const char before = text[at - 1];
    return isBlank(before) || before == '<' || before == '>';
}

std::size_t commentEnd(std::string_view text, std::size_t at) {
    int depth = 1;
    for (++at; at < text.size(); ++at) {
        // A line that starts with "*" starts a directive: a comment is never that long.
        if (text[at] == '\n' && at + 1 < text.size() && text[at + 1] == '*') return std::string_view::npos;
        if (opensComment(text, at, Comments::InText)) ++depth;
        if (text[at] == '>' && --depth == 0) return at + 1;
    }
    return std::string_view::npos;
}

std::size_t stepOver(std::string_view text, std::size_t at, Comments where) {
    if (!opensComment(text, at, where)) return at + 1;
    const std::size_t end = commentEnd(text, at);
    return end == std::string_view::npos ? at + 1 : end;
}

std::vector<std::size_t> unclosedComments(std::string_view text) {
    std::vector<std::size_t> unclosed;
    for (std::size_t at = 0; at < text.size();) {
        if (!opensComment(text, at, Comments::InText)) {
            ++at;
            continue;
        }
        // As stepOver does, with the end sought once.
        const std::size_t end = commentEnd(text, at);
        if (end == std::string_view::npos) unclosed.push_back(at);
        at = end == std::string_view::npos ? at + 1 : end;
    }
    return unclosed;
}

std::vector<Piece> splitAtMarks(Piece data, char mark) {
    std::vector<Piece> pieces;
    const std::string_view text = data.text;
    std::size_t start = std::string_view::npos;
    for (std::size_t at = 0; at < text.size(); at = stepOver(text, at, Comments::InText)) {
        if (text[at] == mark && (at == 0 || isBlank(text[at - 1]))) {
            if (start != std::string_view::npos)
                pieces.push_back({text.substr(start, at - start), data.offset + start});
            start = at + 1;
        }
    }
    if (start != std::string_view::npos) pieces.push_back({text.substr(start), data.offset + start});
    return pieces;
}

std::vector<Piece> splitItems(Piece data) {
    std::vector<Piece> items;
    const std::string_view text = data.text;
    const auto isMark = [text](std::size_t at) { return text[at] == '#' && (at == 0 || isBlank(text[at - 1])); };
    std::size_t at = 0;
    while (at < text.size() && !isMark(at)) at = stepOver(text, at, Comments::InText);
    while (at < text.size()) {
        const std::size_t start = ++at;
        // The name is text; it ends at a "/" before white space or the end.
        while (at < text.size() && !(text[at] == '/' && (at + 1 == text.size() || isBlank(text[at + 1])))) {
            if (isMark(at)) break;
            at = stepOver(text, at, Comments::InText);
        }
        while (at < text.size() && !isMark(at)) at = stepOver(text, at, Comments::InValues);
        items.push_back({text.substr(start, at - start), data.offset + start});
    }
    return items;
}

std::vector<Piece> splitParts(Piece piece) {
    std::vector<Piece> parts;
    const std::string_view text = piece.text;
    std::size_t start = 0;
    for (std::size_t at = 0; at < text.size(); at = stepOver(text, at, Comments::InText)) {
        if (text[at] == '/' && (at + 1 == text.size() || isBlank(text[at + 1]))) {
            parts.push_back({text.substr(start, at - start), piece.offset + start});
            start = at + 1;
        }
    }
    const std::string_view rest = text.substr(std::min(start, text.size()));
    if (std::any_of(rest.begin(), rest.end(), [](char c) { return !isBlank(c); }))
        parts.push_back({rest, piece.offset + start});
    return parts;
}

std::vector<Piece> splitWords(Piece piece, Comments where, std::size_t most) {
    std::vector<Piece> words;
    const std::string_view text = piece.text;
    std::size_t at = 0;
    while (at < text.size() && words.size() < most) {
        while (at < text.size() && isBlank(text[at])) ++at;
        const std::size_t start = at;
        while (at < text.size() && !isBlank(text[at])) at = stepOver(text, at, where);
        if (at > start) words.push_back({text.substr(start, at - start), piece.offset + start});
    }
    return words;
}

std::string plainText(std::string_view text, Comments where) {
    std::string plain;
    const auto add = [&plain](char c) {
        // Control bytes become blanks too: in a key file a line end would split a record and
        // byte 26 would end the file.
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
        if (!(c == ' ' && (plain.empty() || plain.back() == ' '))) plain.push_back(c);
    };
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t next = stepOver(text, at, where);
        if (next > at + 1) {
            at = next;
        } else if (text[at] == '\\') {
            char kept = 0;
            at = skipFormatting(text, at, kept);
            if (kept != 0) add(kept);
        } else {
            add(text[at++]);
        }
    }
    while (!plain.empty() && plain.back() == ' ') plain.pop_back();
    return plain;
}

std::string commentsOf(std::string_view text, Comments where) {
    std::string comments;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = stepOver(text, at, where);
        if (end > at + 1) {
            const std::string comment = plainText(text.substr(at + 1, end - at - 2));
            if (!comment.empty()) comments += (comments.empty() ? "" : "; ") + comment;
        }
        at = end;
    }
    return comments;
}

LineIndex::LineIndex(std::string_view file) {
    for (std::size_t at = file.find('\n'); at != std::string_view::npos; at = file.find('\n', at + 1))
        lineEnds_.push_back(at);
}

int LineIndex::lineAt(std::size_t offset) const {
    return 1 + static_cast<int>(std::lower_bound(lineEnds_.begin(), lineEnds_.end(), offset) - lineEnds_.begin());
}

bool readWholeNumber(std::string_view text, int& value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && ec == std::errc() && end == text.data() + text.size();
}

bool readNumberList(std::string_view text, int limit, std::vector<int>& numbers) {
    const auto number = readWholeNumber;
    std::string spaced(text);
    std::replace(spaced.begin(), spaced.end(), ',', ' ');
    for (const Piece& word : splitWords({spaced, 0})) {
        const auto dash = word.text.find('-');
        int first = 0;
        int last = 0;
        if (!number(word.text.substr(0, dash), first)) return false;
        last = first;
        if (dash != std::string_view::npos && !number(word.text.substr(dash + 1), last)) return false;
        if (first < 1 || last < first || last > limit) return false;
        for (int n = first; n <= last; ++n) numbers.push_back(n);
    }
    return true;
}

}  // namespace sporix::authoring::delta

#include "DeltaText.h"

#include <charconv>

namespace sporix::authoring::delta {

std::size_t skipComment(std::string_view text, std::size_t at) {
    int depth = 0;
    for (; at < text.size(); ++at) {
        if (text[at] == '<') ++depth;
        if (text[at] == '>' && --depth == 0) return at + 1;
    }
    return at;
}

std::vector<Piece> splitAtMarks(Piece data, char mark) {
    std::vector<Piece> pieces;
    const std::string_view text = data.text;
    std::size_t start = std::string_view::npos;
    for (std::size_t at = 0; at < text.size();) {
        if (text[at] == '<') {
            at = skipComment(text, at);
            continue;
        }
        if (text[at] == mark && (at == 0 || isBlank(text[at - 1]))) {
            if (start != std::string_view::npos)
                pieces.push_back({text.substr(start, at - start), data.offset + start});
            start = at + 1;
        }
        ++at;
    }
    if (start != std::string_view::npos) pieces.push_back({text.substr(start), data.offset + start});
    return pieces;
}

std::vector<Piece> splitParts(Piece piece) {
    std::vector<Piece> parts;
    const std::string_view text = piece.text;
    std::size_t start = 0;
    for (std::size_t at = 0; at < text.size();) {
        if (text[at] == '<') {
            at = skipComment(text, at);
            continue;
        }
        if (text[at] == '/' && (at + 1 == text.size() || isBlank(text[at + 1]))) {
            parts.push_back({text.substr(start, at - start), piece.offset + start});
            start = at + 1;
        }
        ++at;
    }
    const std::string_view rest = text.substr(start);
    for (const char c : rest) {
        if (!isBlank(c)) {
            parts.push_back({rest, piece.offset + start});
            break;
        }
    }
    return parts;
}

std::vector<Piece> splitWords(Piece piece) {
    std::vector<Piece> words;
    const std::string_view text = piece.text;
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && isBlank(text[at])) ++at;
        const std::size_t start = at;
        while (at < text.size() && !isBlank(text[at])) at = text[at] == '<' ? skipComment(text, at) : at + 1;
        if (at > start) words.push_back({text.substr(start, at - start), piece.offset + start});
    }
    return words;
}

std::string plainText(std::string_view text) {
    std::string plain;
    for (std::size_t at = 0; at < text.size();) {
        if (text[at] == '<') {
            at = skipComment(text, at);
            continue;
        }
        // Control bytes become blanks too: in a key file a line end would split a record and
        // byte 26 would end the file.
        const char c = static_cast<unsigned char>(text[at]) < 0x20 ? ' ' : text[at];
        if (!(c == ' ' && (plain.empty() || plain.back() == ' '))) plain.push_back(c);
        ++at;
    }
    while (!plain.empty() && plain.back() == ' ') plain.pop_back();
    return plain;
}

std::string commentsOf(std::string_view text) {
    std::string comments;
    for (std::size_t at = 0; at < text.size();) {
        if (text[at] != '<') {
            ++at;
            continue;
        }
        const std::size_t end = skipComment(text, at);
        const std::size_t inner = end > at + 1 && text[end - 1] == '>' ? end - at - 2 : end - at - 1;
        const std::string comment = plainText(text.substr(at + 1, inner));
        if (!comment.empty()) comments += (comments.empty() ? "" : "; ") + comment;
        at = end;
    }
    return comments;
}

int lineAt(std::string_view file, std::size_t offset) {
    int line = 1;
    for (std::size_t at = 0; at < offset && at < file.size(); ++at) {
        if (file[at] == '\n') ++line;
    }
    return line;
}

bool readWholeNumber(std::string_view text, int& value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && ec == std::errc() && end == text.data() + text.size();
}

bool readNumberList(std::string_view text, int limit, std::vector<int>& numbers) {
    const auto number = readWholeNumber;
    std::string spaced(text);
    for (char& c : spaced) {
        if (c == ',') c = ' ';
    }
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

#pragma once

#include <string>
#include <string_view>

namespace sporix {

// A short text keeps its first `width` bytes; the rest is dropped without a message.
inline std::string cut(std::string_view text, std::size_t width) {
    return std::string(text.substr(0, width));
}

// A field's text without the blanks that pad it to its width.
inline std::string withoutTrailingBlanks(std::string_view text) {
    const auto end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string() : std::string(text.substr(0, end + 1));
}

// The part of `text` from the 1-based position `from` to its end (empty if shorter).
inline std::string fromPosition(std::string_view text, std::size_t from) {
    return from - 1 < text.size() ? std::string(text.substr(from - 1)) : std::string();
}

}  // namespace sporix

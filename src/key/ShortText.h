#pragma once

#include <string>
#include <string_view>

namespace sporix {

// A short text keeps its first `width` bytes; the rest is dropped without a message.
inline std::string cut(std::string_view text, std::size_t width) {
    return std::string(text.substr(0, width));
}

// The part of `text` from the 1-based position `from` to its end (empty if shorter).
inline std::string fromPosition(std::string_view text, std::size_t from) {
    return from - 1 < text.size() ? std::string(text.substr(from - 1)) : std::string();
}

}  // namespace sporix

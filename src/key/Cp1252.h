#pragma once

#include <string>
#include <string_view>

namespace sporix {

// The data files are Windows-1252 bytes. The engine compares those bytes; only what is
// shown on screen is decoded, and only typed text is encoded back.
std::string cp1252ToUtf8(std::string_view bytes);
// Characters that Windows-1252 cannot hold become "?".
std::string utf8ToCp1252(std::string_view utf8);
// The Unicode code point of one Windows-1252 byte (undefined bytes map to themselves).
char32_t cp1252CodePoint(unsigned char byte);

}  // namespace sporix

#include "NameCollation.h"

#include <string>

namespace sporix {

namespace {

// The base letters of one Windows-1252 byte, in lower case; other bytes stay themselves.
std::string_view baseLetters(unsigned char byte) {
    static const std::string kAscii = [] {
        std::string table(128, '\0');
        for (int i = 0; i < 128; ++i) table[static_cast<std::size_t>(i)] = static_cast<char>(i >= 'A' && i <= 'Z' ? i - 'A' + 'a' : i);
        return table;
    }();
    if (byte < 0x80) return std::string_view(kAscii).substr(byte, 1);
    switch (byte) {
        case 0x8A: case 0x9A: return "s";
        case 0x8C: case 0x9C: return "oe";
        case 0x8E: case 0x9E: return "z";
        case 0x9F: case 0xFF: case 0xDD: case 0xFD: return "y";
        case 0xC6: case 0xE6: return "ae";
        case 0xC7: case 0xE7: return "c";
        case 0xD0: case 0xF0: return "d";
        case 0xD1: case 0xF1: return "n";
        case 0xD8: case 0xF8: return "o";
        case 0xDE: case 0xFE: return "th";
        case 0xDF: return "ss";
        default: break;
    }
    if ((byte >= 0xC0 && byte <= 0xC5) || (byte >= 0xE0 && byte <= 0xE5)) return "a";
    if ((byte >= 0xC8 && byte <= 0xCB) || (byte >= 0xE8 && byte <= 0xEB)) return "e";
    if ((byte >= 0xCC && byte <= 0xCF) || (byte >= 0xEC && byte <= 0xEF)) return "i";
    if ((byte >= 0xD2 && byte <= 0xD6) || (byte >= 0xF2 && byte <= 0xF6)) return "o";
    if ((byte >= 0xD9 && byte <= 0xDC) || (byte >= 0xF9 && byte <= 0xFC)) return "u";
    return {};
}

}  // namespace

std::string collationPrimaryKey(std::string_view name) {
    std::string key;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        const std::string_view letters = baseLetters(byte);
        if (letters.empty()) key.push_back(c);
        else key.append(letters);
    }
    return key;
}

namespace {

bool isUpperCase(unsigned char byte) {
    return (byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7) || byte == 0x8A ||
           byte == 0x8C || byte == 0x8E || byte == 0x9F;
}

unsigned char lowerCase(unsigned char byte) {
    switch (byte) {
        case 0x8A: return 0x9A;
        case 0x8C: return 0x9C;
        case 0x8E: return 0x9E;
        case 0x9F: return 0xFF;
        default: return isUpperCase(byte) ? static_cast<unsigned char>(byte + 0x20) : byte;
    }
}

// Accents: an unaccented letter sorts before its accented forms.
std::string accentKey(std::string_view name) {
    std::string key;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        key.push_back(byte < 0x80 ? '\0' : static_cast<char>(lowerCase(byte)));
    }
    return key;
}

std::string caseKey(std::string_view name) {
    std::string key;
    for (const char c : name) key.push_back(isUpperCase(static_cast<unsigned char>(c)) ? '\1' : '\0');
    return key;
}

}  // namespace

bool collatesBefore(std::string_view a, std::string_view b) {
    if (const auto pa = collationPrimaryKey(a), pb = collationPrimaryKey(b); pa != pb) return pa < pb;
    if (const auto aa = accentKey(a), ab = accentKey(b); aa != ab) return aa < ab;
    if (const auto ca = caseKey(a), cb = caseKey(b); ca != cb) return ca < cb;
    return a < b;
}

}  // namespace sporix

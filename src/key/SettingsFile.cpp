#include "SettingsFile.h"

#include <optional>

#include "Limits.h"

namespace sporix {

namespace {

using traits = std::streambuf::traits_type;

bool endsFile(traits::int_type c) { return c == traits::eof() || c == 26; }
bool separatesWords(traits::int_type c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Decimal integer with an optional sign, kept modulo 2^16 so no length can overflow.
std::optional<std::uint16_t> parseInteger(const std::string& word) {
    std::size_t pos = (word[0] == '+' || word[0] == '-') ? 1 : 0;
    if (pos == word.size()) return std::nullopt;
    std::uint16_t value = 0;
    for (; pos < word.size(); ++pos) {
        if (word[pos] < '0' || word[pos] > '9') return std::nullopt;
        value = static_cast<std::uint16_t>(value * 10u + static_cast<unsigned>(word[pos] - '0'));
    }
    return word[0] == '-' ? static_cast<std::uint16_t>(0u - value) : value;
}

// The rest of a line ends at CR (CR LF being one end); a lone LF does not end it.
void skipRestOfLine(std::streambuf& in) {
    for (auto c = in.sgetc(); !endsFile(c); c = in.sgetc()) {
        in.sbumpc();
        if (c == '\r') {
            if (in.sgetc() == '\n') in.sbumpc();
            return;
        }
    }
}

}  // namespace

SettingsRead readSettings(std::streambuf& in) {
    SettingsRead read;
    for (auto& value : read.values) {
        auto c = in.sgetc();
        while (!endsFile(c) && separatesWords(c)) c = in.snextc();
        std::string word;
        while (!endsFile(c) && !separatesWords(c)) {
            if (word.size() < kSettingsWordWidth) word.push_back(static_cast<char>(c));
            c = in.snextc();
        }
        if (!word.empty()) {
            const auto number = parseInteger(word);
            if (!number) {
                read.invalidNumber = true;
                return read;
            }
            value = *number;
            skipRestOfLine(in);
        }
        ++read.valuesRead;
    }
    return read;
}

std::string formatSettings(std::uint16_t languageIndex, std::uint16_t searchKind) {
    return std::to_string(languageIndex) + "\r\n" + std::to_string(searchKind) + "\r\n";
}

}  // namespace sporix

// The character file: at most 42 blocks within the table's widths, each closed by ".",
// and the table written back as blocks reads the same again, with nothing cut.
#include <algorithm>
#include <memory>

#include "ByteBuffer.h"
#include "CharacterFile.h"
#include "FuzzSupport.h"

using namespace sporix;

namespace {

void checkRow(const CharacterRow& row, int number) {
    const std::string where = "character " + std::to_string(number) + ": ";
    fuzz::require(row.name.size() <= kSlotWidth, where + "name wider than 26 bytes");
    std::size_t closing = kStateSlots;
    for (std::size_t s = 0; s < kStateSlots; ++s) {
        const std::string& slot = row.slots[s];
        fuzz::require(slot.size() <= kSlotWidth, where + "state wider than 26 bytes");
        if (closing == kStateSlots && slot == ".")
            closing = s;
        else if (closing != kStateSlots)
            fuzz::require(slot.empty(), where + "an entry after the closing \".\"");
    }
    fuzz::require(closing <= static_cast<std::size_t>(kMaxStates), where + "no closing \".\"");
}

std::string writtenBack(const CharacterTable& table, int count) {
    std::string text;
    for (std::size_t k = 0; k < static_cast<std::size_t>(count); ++k) {
        text += table[k].name + "\r\n";
        for (const std::string& slot : table[k].slots) {
            text += slot + "\r\n";
            if (slot == ".") break;
        }
    }
    return text;
}

bool sameRows(const CharacterTable& a, const CharacterTable& b) {
    for (std::size_t k = 0; k < a.size(); ++k) {
        if (a[k].name != b[k].name || a[k].slots != b[k].slots) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ByteBuffer buffer(bytes);
    auto table = std::make_unique<CharacterTable>();
    const CharacterFileRead read = readCharacterFile(buffer, *table);
    fuzz::require(read.characterCount >= 0 && read.characterCount <= kMaxCharacters,
                  "characters read: " + std::to_string(read.characterCount));
    for (int k = 0; k < kMaxCharacters; ++k) {
        const CharacterRow& row = (*table)[static_cast<std::size_t>(k)];
        if (k < read.characterCount) {
            checkRow(row, k + 1);
        } else {
            fuzz::require(row.name.empty() && std::all_of(row.slots.begin(), row.slots.end(),
                                                          [](const std::string& s) { return s.empty(); }),
                          "row " + std::to_string(k + 1) + " filled beyond the characters read");
        }
    }
    const std::string written = writtenBack(*table, read.characterCount);
    ByteBuffer again(written);
    auto reread = std::make_unique<CharacterTable>();
    const CharacterFileRead second = readCharacterFile(again, *reread);
    fuzz::require(second.characterCount == read.characterCount && !second.cuts.any() && sameRows(*table, *reread),
                  "the table written back reads differently");
    return 0;
}

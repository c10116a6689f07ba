#include "CharacterFile.h"

#include "LineReader.h"

namespace sporix {

namespace {

const std::string kClosingLine = ".";

// Reads the state lines of one block into `row`; false when the file ends first.
bool readStates(LineReader& reader, CharacterRow& row, bool& statesCut, bool& anyText) {
    std::size_t states = 0;
    while (!reader.atEnd()) {
        std::string line = reader.readLine(kSlotWidth);
        if (line == kClosingLine) {
            row.slots[states] = kClosingLine;
            return true;
        }
        if (states == static_cast<std::size_t>(kMaxStates)) {
            statesCut = true;
            continue;
        }
        anyText = anyText || !line.empty();
        row.slots[states++] = std::move(line);
    }
    if (anyText) row.slots[states] = kClosingLine;
    return false;
}

}  // namespace

CharacterFileRead readCharacterFile(std::streambuf& in, CharacterTable& table) {
    LineReader reader(in);
    CharacterFileRead read;
    while (!reader.atEnd()) {
        if (read.characterCount == kMaxCharacters) {
            read.cuts.charactersCut = true;
            break;
        }
        CharacterRow& row = table[static_cast<std::size_t>(read.characterCount)];
        const int number = read.characterCount + 1;
        row.name = reader.readLine(kSlotWidth);
        bool statesCut = false;
        bool anyText = !row.name.empty();
        const bool closed = readStates(reader, row, statesCut, anyText);
        if (statesCut) read.cuts.statesCut.push_back(number);
        if (!closed) {
            read.cuts.unfinishedCharacter = number;
            read.cuts.unfinishedKept = anyText;
            if (anyText) read.characterCount = number;
            else row = CharacterRow{};
            break;
        }
        read.characterCount = number;
    }
    return read;
}

}  // namespace sporix

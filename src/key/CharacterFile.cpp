#include "CharacterFile.h"

#include "LineReader.h"

namespace sporix {

namespace {

const std::string kClosingLine = ".";

// Reads the state lines of one block into `row`, counting them in `lines`; false when the
// file ends first.
bool readStates(LineReader& reader, CharacterRow& row, bool& statesCut, bool& anyText, int& lines) {
    std::size_t states = 0;
    while (!reader.atEnd()) {
        std::string line = reader.readLine(kSlotWidth);
        ++lines;
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
    CharacterRow beyondTheTable;  // blocks after the 42nd are read here and dropped
    int lines = 0;
    for (int number = 1; !reader.atEnd(); ++number) {
        const bool inTable = number <= kMaxCharacters;
        CharacterRow& row = inTable ? table[static_cast<std::size_t>(number - 1)] : beyondTheTable;
        if (inTable) read.startLines.push_back(lines + 1);
        row.name = reader.readLine(kSlotWidth);
        ++lines;
        bool statesCut = false;
        bool anyText = !row.name.empty();
        const bool closed = readStates(reader, row, statesCut, anyText, lines);
        if (statesCut && inTable) read.cuts.statesCut.push_back(number);
        if (!closed) {
            read.cuts.unfinishedCharacter = number;
            read.cuts.unfinishedKept = anyText;
        }
        if (closed || anyText) {
            if (inTable) read.characterCount = number;
            else ++read.unusedCharacters;
        } else if (inTable) {
            row = CharacterRow{};
            read.startLines.pop_back();
        }
        if (!closed) break;
    }
    read.cuts.charactersCut = read.unusedCharacters > 0;
    return read;
}

}  // namespace sporix

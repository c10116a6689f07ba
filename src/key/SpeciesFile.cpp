#include "SpeciesFile.h"

#include "Limits.h"

namespace sporix {

void SpeciesReader::skipValueLines() {
    for (int i = 0; i < shape_.characterCount; ++i) reader_.skipLine();
    skipUnusedValueLines();
}

void SpeciesReader::skipUnusedValueLines() {
    for (int i = 0; i < shape_.unusedValueLines; ++i) reader_.skipLine();
}

void SpeciesReader::skipRecord() {
    reader_.skipLine();
    skipValueLines();
}

std::string_view displayName(std::string_view nameLine) {
    constexpr std::size_t kMarkerIndex = kSpeciesCodeWidth;  // byte 9
    if (nameLine.size() > kMarkerIndex && nameLine[kMarkerIndex] == '*') return nameLine.substr(kMarkerIndex + 1);
    return nameLine;
}

std::string_view speciesCode(std::string_view nameLine) { return nameLine.substr(0, kSpeciesCodeWidth); }

long long valueLineWeight(std::string_view valueLine, char code) {
    constexpr long long kFullWeight = 100;
    constexpr long long kDotPenalty = 10;
    long long weight = kFullWeight;
    long long sum = 0;
    for (const char symbol : valueLine) {
        if (symbol == '.') weight -= kDotPenalty;
        if (symbol == code) sum += weight;
    }
    return sum;
}

RecordCount countSpeciesRecords(std::streambuf& in, RecordShape shape) {
    SpeciesReader reader(in, shape);
    RecordCount count;
    do {
        if (count.records == kMaxSpecies) {
            count.overLimit = true;
            break;
        }
        reader.skipRecord();
        ++count.records;
    } while (!reader.atEnd());
    return count;
}

}  // namespace sporix

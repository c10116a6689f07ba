#pragma once

#include <streambuf>
#include <string>
#include <string_view>

#include "LineReader.h"

namespace sporix {

// The lines of one species record: the name line, a value line for each character in
// use, then the value lines of characters that a character file beyond the table's limit
// holds but the key does not use; those are passed over, so every record stays whole.
struct RecordShape {
    int characterCount = 0;
    int unusedValueLines = 0;
};

// Reads the species file record by record: a name line, then one value line per
// character. Reading at the end yields empty lines, so a record cut short is completed
// with empty value lines.
class SpeciesReader {
public:
    SpeciesReader(std::streambuf& in, RecordShape shape) : reader_(in), shape_(shape) {}

    int characterCount() const { return shape_.characterCount; }
    // Tested after each whole record: true when that record was the last.
    bool atEnd() { return reader_.atEnd(); }
    void readLine(std::string& line) { reader_.readLine(line); }
    void skipLine() { reader_.skipLine(); }
    // All value lines of the record, those in use and the unused ones.
    void skipValueLines();
    // Only the unused value lines, after those in use have been read.
    void skipUnusedValueLines();
    void skipRecord();

private:
    LineReader reader_;
    RecordShape shape_;
};

// The name line's display name: from byte 10 on when byte 9 is "*", else the whole line.
std::string_view displayName(std::string_view nameLine);
// The species code: the first 8 bytes of the name line.
std::string_view speciesCode(std::string_view nameLine);

// The sum of weights that one value line gives to a code: each "." lowers the weight of
// every later symbol by 10 from 100, and every symbol equal to `code` adds the weight.
// Wide enough that no line length can overflow it.
long long valueLineWeight(std::string_view valueLine, char code);

struct RecordCount {
    int records = 0;          // at most the species limit
    bool overLimit = false;   // the file holds more records than the tables
};

// Counts the records in groups of the record's lines, testing for the end after each
// group: an empty file is one record.
RecordCount countSpeciesRecords(std::streambuf& in, RecordShape shape);

}  // namespace sporix

#pragma once

#include <cstddef>
#include <streambuf>
#include <string>

namespace sporix {

// Reads the single-byte text files of the key line by line. A line ends at CR; an LF right
// after the CR belongs to the same line end; a lone LF stays inside the line. Byte 26 ends
// the file. Reading past the end yields empty lines, never an error.
class LineReader {
public:
    explicit LineReader(std::streambuf& in) : in_(in) {}

    // Reads one whole line and keeps at most its first `keep` bytes.
    std::string readLine(std::size_t keep = std::string::npos);
    // The same into a buffer the caller reuses, for the passes over the species file.
    void readLine(std::string& line, std::size_t keep = std::string::npos);
    void skipLine();
    // True when no further byte follows or the next byte is 26.
    bool atEnd();

private:
    // Consumes one byte; returns -1 at the end of the file.
    int next();

    std::streambuf& in_;
    bool ended_ = false;
};

}  // namespace sporix

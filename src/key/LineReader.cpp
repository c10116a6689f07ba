#include "LineReader.h"

namespace sporix {

namespace {
constexpr int kEndOfFileMark = 26;
constexpr int kCarriageReturn = '\r';
constexpr int kLineFeed = '\n';
}  // namespace

int LineReader::next() {
    if (ended_) return -1;
    const auto c = in_.sbumpc();
    if (c == std::streambuf::traits_type::eof() || c == kEndOfFileMark) {
        ended_ = true;
        return -1;
    }
    return static_cast<unsigned char>(c);
}

std::string LineReader::readLine(std::size_t keep) {
    std::string line;
    readLine(line, keep);
    return line;
}

void LineReader::readLine(std::string& line, std::size_t keep) {
    line.clear();
    for (int c = next(); c != -1; c = next()) {
        if (c == kCarriageReturn) {
            if (!ended_ && in_.sgetc() == kLineFeed) in_.sbumpc();
            break;
        }
        if (line.size() < keep) line.push_back(static_cast<char>(c));
    }
}

void LineReader::skipLine() {
    std::string nothingKept;
    readLine(nothingKept, 0);
}

bool LineReader::atEnd() {
    if (ended_) return true;
    const auto c = in_.sgetc();
    if (c == std::streambuf::traits_type::eof() || c == kEndOfFileMark) ended_ = true;
    return ended_;
}

}  // namespace sporix

#include "DisplayLines.h"

namespace sporix {

std::vector<std::string> readDisplayLines(std::streambuf& in) {
    using traits = std::streambuf::traits_type;
    std::vector<std::string> lines;
    std::string line;
    bool lineOpen = false;
    for (auto c = in.sbumpc(); c != traits::eof() && c != 26; c = in.sbumpc()) {
        if (c == '\r' || c == '\n') {
            if (c == '\r' && in.sgetc() == '\n') in.sbumpc();
            lines.push_back(std::move(line));
            line.clear();
            lineOpen = false;
            continue;
        }
        line.push_back(static_cast<char>(c));
        lineOpen = true;
    }
    if (lineOpen) lines.push_back(std::move(line));
    return lines;
}

}  // namespace sporix

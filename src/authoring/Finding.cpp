#include "Finding.h"

#include <algorithm>
#include <cstdio>

#include "Cp1252.h"

namespace sporix::authoring {

const char* severityWord(Severity severity) {
    switch (severity) {
        case Severity::Note:
            return "note";
        case Severity::Warning:
            return "warning";
        case Severity::Error:
            return "error";
    }
    return "";
}

void Findings::add(Severity severity, std::string code, std::string file, int line, std::string message,
                   std::string advice) {
    all_.push_back({severity, std::move(code), std::move(file), line, std::move(message), std::move(advice)});
}

int Findings::count(Severity severity) const { return countSince(0, severity); }

int Findings::countSince(std::size_t mark, Severity severity) const {
    return static_cast<int>(std::count_if(all_.begin() + static_cast<std::ptrdiff_t>(std::min(mark, all_.size())),
                                          all_.end(), [severity](const Finding& f) { return f.severity == severity; }));
}

std::string quoted(const std::string& keyText) {
    // Control bytes are shown by their number, so that a finding stays on one line.
    std::string shown;
    for (const char c : keyText) {
        if (static_cast<unsigned char>(c) >= 0x20) {
            shown.push_back(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned>(c));
            shown += escaped;
        }
    }
    return "\"" + cp1252ToUtf8(shown) + "\"";
}

}  // namespace sporix::authoring

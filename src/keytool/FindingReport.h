#pragma once

#include <ostream>
#include <string>

#include "KeyCheck.h"

namespace sporix::keytool {

struct ReportStyle {
    std::string folder;  // put before every file name; empty or "." for none
    bool quiet = false;  // leave out the notes
};

// One finding per line, "FILE:LINE: severity: message (advice) [code]", then one summary
// line per genus and a total.
void writeTextReport(const authoring::CheckReport& report, const ReportStyle& style, std::ostream& out);
// The same as one JSON object.
void writeJsonReport(const authoring::CheckReport& report, const ReportStyle& style, std::ostream& out);

// A text as a JSON string, quotes included.
std::string jsonText(const std::string& text);

// Warnings become errors (for --strict), in the findings and in the summaries.
void treatWarningsAsErrors(authoring::CheckReport& report);

}  // namespace sporix::keytool

#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "DatasetFolder.h"
#include "DeltaConversion.h"
#include "FindingReport.h"

namespace sporix::keytool {

// Everything an import of a DELTA dataset read, passed over, left out or wrote otherwise.
struct DeltaImportSummary {
    std::string datasetFolder;
    const authoring::delta::DatasetFolder& folder;
    const authoring::delta::Dataset& dataset;
    const authoring::delta::Conversion& conversion;
    std::vector<std::string> languageFilesCopied;
};

// The dataset's problems at their files and lines, then what was passed over and left
// out, per file, character and item, with why.
void writeImportText(const DeltaImportSummary& summary, std::ostream& err);
// The same and the check of the key as one JSON object; `check` may be null when the
// import was refused.
void writeImportJson(const DeltaImportSummary& summary, const authoring::CheckReport* check, const ReportStyle& style,
                     std::ostream& out);

}  // namespace sporix::keytool

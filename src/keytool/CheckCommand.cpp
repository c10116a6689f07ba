#include <filesystem>

#include "Arguments.h"
#include "FindingReport.h"
#include "KeyTool.h"
#include "QtPictureProbe.h"
#include "Usage.h"

namespace sporix::keytool {

int runCheck(const std::vector<std::string>& words, Streams io) {
    const Arguments arguments = parseArguments(words, {"--json", "--strict", "--quiet"}, {});
    if (arguments.has("--help")) {
        io.out << kCheckUsage;
        return kClean;
    }
    if (!arguments.error.empty() || arguments.positional.size() > 1) {
        io.err << "sporix-key check: " << (arguments.error.empty() ? "one folder at most" : arguments.error) << "\n"
               << kCheckUsage;
        return kCannotRun;
    }
    const std::string folderName = arguments.positional.empty() ? "." : arguments.positional.front();
    std::error_code ec;
    std::filesystem::directory_iterator listing(folderName, ec);
    if (ec) {
        io.err << "sporix-key check: cannot read the folder \"" << folderName << "\"\n";
        return kCannotRun;
    }
    const WorkFolder folder(folderName);
    authoring::CheckReport report = authoring::checkKey(folder, programPictureProbe(folder));
    if (arguments.has("--strict")) treatWarningsAsErrors(report);
    const ReportStyle style{folderName, arguments.has("--quiet")};
    if (arguments.has("--json")) {
        writeJsonReport(report, style, io.out);
    } else {
        writeTextReport(report, style, io.out);
    }
    return report.findings.count(authoring::Severity::Error) > 0 ? kFindings : kClean;
}

}  // namespace sporix::keytool

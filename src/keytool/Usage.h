#pragma once

namespace sporix::keytool {

// What --help prints, for the tool and for each subcommand.
extern const char* const kToolUsage;
extern const char* const kCheckUsage;
extern const char* const kExportUsage;
extern const char* const kImportUsage;
extern const char* const kImportDeltaUsage;

}  // namespace sporix::keytool

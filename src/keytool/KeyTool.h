#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace sporix::keytool {

// The exit status says the outcome.
inline constexpr int kClean = 0;
inline constexpr int kFindings = 1;   // errors found, or an input refused
inline constexpr int kCannotRun = 2;  // the folder or a file cannot be read, or the words are wrong

struct Streams {
    std::ostream& out;  // results only, so that the tool composes in scripts
    std::ostream& err;  // everything said to the person
};

// Runs "sporix-key WORDS..." (the words after the program's name); returns the exit status.
int runKeyTool(const std::vector<std::string>& words, Streams io);

// The subcommands, each with the words after its name.
int runCheck(const std::vector<std::string>& words, Streams io);
int runExport(const std::vector<std::string>& words, Streams io);
int runImport(const std::vector<std::string>& words, Streams io);
int runImportDelta(const std::vector<std::string>& words, Streams io);

}  // namespace sporix::keytool

#include "KeyTool.h"

#include <map>

#include "Usage.h"

namespace sporix::keytool {

int runKeyTool(const std::vector<std::string>& words, Streams io) {
    using Command = int (*)(const std::vector<std::string>&, Streams);
    static const std::map<std::string, Command> kCommands = {
        {"check", runCheck}, {"export", runExport}, {"import", runImport}, {"import-delta", runImportDelta}};
    if (words.empty()) {
        io.err << kToolUsage;
        return kCannotRun;
    }
    if (words.front() == "--help" || words.front() == "-h" || words.front() == "help") {
        io.out << kToolUsage;
        return kClean;
    }
    const auto command = kCommands.find(words.front());
    if (command == kCommands.end()) {
        io.err << "sporix-key: unknown command \"" << words.front() << "\" (see sporix-key --help)\n";
        return kCannotRun;
    }
    return command->second(std::vector<std::string>(words.begin() + 1, words.end()), io);
}

}  // namespace sporix::keytool

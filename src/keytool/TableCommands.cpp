#include <fstream>
#include <sstream>

#include "Arguments.h"
#include "GenusTable.h"
#include "KeyGenus.h"
#include "KeyTool.h"
#include "Usage.h"

namespace sporix::keytool {

namespace {

struct TableCommand {
    Arguments arguments;
    std::optional<authoring::KeyGenus> genus;
    std::optional<WorkFolder> folder;
    int status = kClean;  // kCannotRun when the command ends before its work
};

// The words, the key folder and the genus that both commands start from.
TableCommand openCommand(const std::vector<std::string>& words, std::size_t positionals, const char* name,
                         const char* usage, Streams io) {
    TableCommand command;
    command.arguments = parseArguments(words, {}, {"--language", "--key", "--output"});
    const Arguments& arguments = command.arguments;
    if (arguments.has("--help")) {
        io.out << usage;
        command.status = kCannotRun;
        return command;
    }
    const int language = authoring::languageIndexOf(arguments.option("--language", "en"));
    if (!arguments.error.empty() || arguments.positional.size() != positionals || language == 0) {
        io.err << "sporix-key " << name << ": "
               << (!arguments.error.empty() ? arguments.error
                   : language == 0          ? "the language is one of en, nl, de, fr, it, es"
                                            : "wrong number of arguments")
               << "\n"
               << usage;
        command.status = kCannotRun;
        return command;
    }
    command.folder.emplace(arguments.option("--key", "."));
    std::string why;
    command.genus = authoring::openGenus(*command.folder, arguments.positional.front(), language, why);
    if (!command.genus) {
        io.err << "sporix-key " << name << ": " << why << "\n";
        command.status = kCannotRun;
    } else if (command.genus->read.cuts.any()) {
        io.err << "sporix-key " << name << ": the character file goes beyond the key's limits; run sporix-key check\n";
        command.status = kFindings;
    }
    return command;
}

std::string describe(const authoring::TableProblem& problem) {
    std::string where;
    if (problem.row > 0) where += "row " + std::to_string(problem.row) + ", ";
    if (problem.column > 0) where += "column " + std::to_string(problem.column) + ", ";
    if (problem.line > 0) where += "line " + std::to_string(problem.line) + ", ";
    return where + problem.what;
}

}  // namespace

int runExport(const std::vector<std::string>& words, Streams io) {
    TableCommand command = openCommand(words, 1, "export", kExportUsage, io);
    if (command.arguments.has("--help")) return kClean;
    if (command.status != kClean) return command.status;
    const auto& genus = *command.genus;
    const auto species = command.folder->readAll(genus.speciesFileName);
    if (!species) {
        io.err << "sporix-key export: cannot read " << genus.speciesFileName << "\n";
        return kCannotRun;
    }
    const auto exported = authoring::exportGenusTable({*genus.characters, genus.read.characterCount}, *species);
    if (exported.problem) {
        io.err << "sporix-key export: " << genus.speciesFileName << ": " << describe(*exported.problem)
               << " (run sporix-key check)\n";
        return kFindings;
    }
    const std::string output = command.arguments.option("--output");
    if (output.empty()) {
        io.out << exported.table;
        return kClean;
    }
    std::ofstream file(output, std::ios::binary);
    if (!(file << exported.table) || !file.flush()) {
        io.err << "sporix-key export: cannot write " << output << "\n";
        return kCannotRun;
    }
    return kClean;
}

int runImport(const std::vector<std::string>& words, Streams io) {
    TableCommand command = openCommand(words, 2, "import", kImportUsage, io);
    if (command.arguments.has("--help")) return kClean;
    if (command.status != kClean) return command.status;
    const auto& genus = *command.genus;
    const std::string tableName = command.arguments.positional[1];
    std::ifstream file(tableName, std::ios::binary);
    std::stringstream table;
    if (!file || !(table << file.rdbuf())) {
        io.err << "sporix-key import: cannot read " << tableName << "\n";
        return kCannotRun;
    }
    const auto current = command.folder->readAll(genus.speciesFileName);
    const auto imported =
        authoring::importGenusTable({*genus.characters, genus.read.characterCount}, table.str(), current.value_or(""));
    if (imported.problem) {
        io.err << tableName << ": " << describe(*imported.problem) << "; " << genus.speciesFileName
               << " is left as it was\n";
        return kFindings;
    }
    if (!command.folder->replaceFile(genus.speciesFileName, imported.speciesFile)) {
        io.err << "sporix-key import: cannot write " << genus.speciesFileName << "; it is left as it was\n";
        return kCannotRun;
    }
    for (const auto& note : imported.notes) io.err << tableName << ": " << describe(note) << "\n";
    io.err << genus.speciesFileName << ": " << imported.species << " species written\n";
    return kClean;
}

}  // namespace sporix::keytool

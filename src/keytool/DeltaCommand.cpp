#include <filesystem>
#include <optional>

#include "Arguments.h"
#include "Cp1252.h"
#include "DatasetFolder.h"
#include "DeltaConversion.h"
#include "DeltaReport.h"
#include "DeltaText.h"
#include "FindingReport.h"
#include "GenusInstall.h"
#include "InstalledKey.h"
#include "KeyCheck.h"
#include "KeyLanguageFiles.h"
#include "KeyTool.h"
#include "QtPictureProbe.h"
#include "Usage.h"

namespace fs = std::filesystem;

namespace sporix::keytool {

namespace {

std::string keyLetters(const std::string& text, std::size_t count) {
    std::string kept;
    for (const char c : text) {
        const char u = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
        if (((u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9')) && kept.size() < count) kept.push_back(u);
    }
    return kept;
}

authoring::delta::ConversionOptions conversionOptions(const Arguments& arguments, const fs::path& dataset) {
    authoring::delta::ConversionOptions options;
    std::string name = arguments.option("--name", dataset.filename().string());
    if (!name.empty() && name.front() >= 'a' && name.front() <= 'z')
        name.front() = static_cast<char>(name.front() - 'a' + 'A');
    options.displayName = utf8ToCp1252(name);
    options.folder = utf8ToCp1252(arguments.option("--genus-folder", keyLetters(name, 8)));
    std::string code = keyLetters(name, 3);
    for (std::size_t i = 1; i < code.size(); ++i)
        code[i] = static_cast<char>(code[i] >= 'A' && code[i] <= 'Z' ? code[i] - 'A' + 'a' : code[i]);
    options.code = utf8ToCp1252(arguments.option("--code", code));
    return options;
}

// The key must start once the genus is in: what it lacks is said before anything is
// written, and copied from the installed key where the author asks for it. Asking for the
// copy with no installed key to copy from is refused before anything is written too.
bool startFilesPresent(const WorkFolder& key, const std::optional<fs::path>& installed, bool copy, bool json,
                       Streams io) {
    const auto missing = authoring::missingStartFiles(key);
    if (copy && installed) return true;
    if (missing.empty() && !copy) return true;
    std::string names;
    for (const std::string& name : missing) names += (names.empty() ? "" : ", ") + name;
    const std::string why =
        missing.empty()
            ? std::string("--with-language-files asks to copy the language files, but no installed key was found to "
                          "copy them from; nothing is written")
            : key.root().string() + " lacks " + names +
                  ", without which the program does not start from it or shows no picture for a species without a "
                  "drawing; nothing is written. " +
                  (installed ? "Add --with-language-files to copy the language files from " + installed->string() +
                                   ", or copy them yourself"
                             : std::string("No installed key was found to copy them from: copy them from a key of "
                                           "the program yourself"));
    io.err << "sporix-key import-delta: " << why << "\n";
    // A tool reading --json learns of the refusal too, not from an empty output.
    if (json) {
        io.out << "{\"refused\": " << jsonText(why) << ",\n \"missingStartFiles\": [";
        for (std::size_t i = 0; i < missing.size(); ++i) io.out << (i == 0 ? "" : ", ") << jsonText(missing[i]);
        io.out << "]}\n";
    }
    return false;
}

}  // namespace

int runImportDelta(const std::vector<std::string>& words, Streams io) {
    const Arguments arguments = parseArguments(words, {"--json", "--with-language-files"},
                                               {"--into", "--characters", "--genus-folder", "--name", "--code"});
    if (arguments.has("--help")) {
        io.out << kImportDeltaUsage;
        return kClean;
    }
    std::vector<int> characters;
    const bool listRead = authoring::delta::readNumberList(arguments.option("--characters"),
                                                           authoring::delta::kMaxDeltaCharacters, characters);
    if (!arguments.error.empty() || arguments.positional.size() != 1 || arguments.option("--into").empty() ||
        !listRead) {
        io.err << "sporix-key import-delta: "
               << (!arguments.error.empty() ? arguments.error
                   : !listRead              ? "--characters takes numbers and ranges, as in 1-5,8"
                                            : "name one dataset folder and the key with --into")
               << "\n"
               << kImportDeltaUsage;
        return kCannotRun;
    }
    const WorkFolder key(arguments.option("--into"));
    const bool copyLanguageFiles = arguments.has("--with-language-files");
    const bool json = arguments.has("--json");
    const auto installed = installedKeyFolder();
    if (!startFilesPresent(key, installed, copyLanguageFiles, json, io)) return kCannotRun;
    const fs::path datasetFolder = arguments.positional.front();
    const auto folder = authoring::delta::readDatasetFolder(datasetFolder);
    const auto dataset = authoring::delta::readDataset(folder.files);
    auto options = conversionOptions(arguments, datasetFolder);
    options.characters = characters;
    const auto conversion = authoring::delta::convertDataset(dataset, options);
    DeltaImportSummary summary{datasetFolder.string(), folder, dataset, conversion, {}};
    const auto refuse = [&](const std::string& why) {
        writeImportText(summary, io.err);
        io.err << "sporix-key import-delta: " << why << "; nothing is written\n";
        if (json) writeImportJson(summary, nullptr, {arguments.option("--into"), true}, io.out);
        return kCannotRun;
    };
    if (dataset.items.empty() || dataset.characters.empty())
        return refuse(datasetFolder.string() +
                      " holds no character list or no item descriptions (files specs, chars, items)");
    if (conversion.rows.empty())
        return refuse("none of the characters can be a row of the key (see the skipped above)");
    std::string why;
    // The language files go before the genus, so a refused copy leaves the key as it was.
    if (authoring::delta::installRefused(key, conversion, why)) return refuse(why);
    if (copyLanguageFiles &&
        !authoring::copyLanguageFiles(WorkFolder(*installed), key, summary.languageFilesCopied, why)) {
        io.err << "sporix-key import-delta: " << why << "\n";
        return kCannotRun;
    }
    if (!authoring::delta::installGenus(key, conversion, why)) return refuse(why);
    writeImportText(summary, io.err);
    io.err << cp1252ToUtf8(conversion.genus.folder) << ": " << conversion.rows.size() << " characters, "
           << conversion.items.size() << " species written";
    if (!conversion.skippedCharacters.empty() || !conversion.skippedItems.empty()) {
        io.err << " (" << conversion.skippedCharacters.size() << " characters and " << conversion.skippedItems.size()
               << " items skipped, listed above)";
    }
    io.err << "; checking the key\n";
    const auto report = authoring::checkKey(key, programPictureProbe(key));
    if (json) {
        writeImportJson(summary, &report, {arguments.option("--into"), true}, io.out);
    } else {
        writeTextReport(report, {arguments.option("--into"), true}, io.out);
    }
    return report.findings.count(authoring::Severity::Error) > 0 ? kFindings : kClean;
}

}  // namespace sporix::keytool

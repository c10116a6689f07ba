#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "Arguments.h"
#include "Cp1252.h"
#include "DeltaConversion.h"
#include "DeltaText.h"
#include "FindingReport.h"
#include "GenusInstall.h"
#include "KeyCheck.h"
#include "KeyTool.h"
#include "QtPictureProbe.h"
#include "Usage.h"

namespace fs = std::filesystem;

namespace sporix::keytool {

namespace {

// The files of a dataset, in the order their directives are best read.
const char* const kDatasetFiles[] = {"specs", "chars", "cnotes", "items"};

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c; });
    return text;
}

// Each of the dataset's files, found by its name without extension, letter case aside.
std::vector<authoring::delta::DatasetFile> readDatasetFiles(const fs::path& folder, std::ostream& err) {
    std::vector<authoring::delta::DatasetFile> files;
    std::error_code ec;
    for (const char* wanted : kDatasetFiles) {
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
            if (!it->is_regular_file(ec) || lowerCase(it->path().stem().string()) != wanted) continue;
            std::ifstream in(it->path(), std::ios::binary);
            std::stringstream bytes;
            if (!in || !(bytes << in.rdbuf()))
                err << "sporix-key import-delta: cannot read " << it->path().string() << "\n";
            files.push_back({it->path().filename().string(), bytes.str()});
        }
    }
    return files;
}

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

}  // namespace

int runImportDelta(const std::vector<std::string>& words, Streams io) {
    const Arguments arguments =
        parseArguments(words, {}, {"--into", "--characters", "--genus-folder", "--name", "--code"});
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
    const fs::path datasetFolder = arguments.positional.front();
    const auto files = readDatasetFiles(datasetFolder, io.err);
    const auto dataset = authoring::delta::readDataset(files);
    for (const auto& problem : dataset.problems) {
        io.err << (datasetFolder / problem.file).string() << ':' << problem.line
               << ": warning: " << cp1252ToUtf8(problem.what) << "\n";
    }
    if (dataset.items.empty() || dataset.characters.empty()) {
        io.err << "sporix-key import-delta: " << datasetFolder.string()
               << " holds no character list or no item descriptions (files specs, chars, items)\n";
        return kCannotRun;
    }
    auto options = conversionOptions(arguments, datasetFolder);
    options.characters = characters;
    const auto conversion = authoring::delta::convertDataset(dataset, options);
    for (const std::string& skipped : conversion.skipped) io.err << "skipped " << cp1252ToUtf8(skipped) << "\n";
    const WorkFolder key(arguments.option("--into"));
    std::string why;
    if (!authoring::delta::installGenus(key, conversion, why)) {
        io.err << "sporix-key import-delta: " << why << "\n";
        return kCannotRun;
    }
    io.err << cp1252ToUtf8(conversion.genus.folder) << ": " << conversion.rows.size() << " characters, "
           << conversion.items.size() << " species written; checking the key\n";
    const auto report = authoring::checkKey(key, programPictureProbe(key));
    writeTextReport(report, {arguments.option("--into"), true}, io.out);
    return report.findings.count(authoring::Severity::Error) > 0 ? kFindings : kClean;
}

}  // namespace sporix::keytool

#include "FieldGuideCases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "Cp1252.h"

namespace sporix::test {

namespace {

std::string trimmed(std::string text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// `character: "quote" = state` (a translation of the quote may follow it in brackets), or
// the older `character = state`; false when neither.
bool readFeature(const std::string& line, Feature& feature) {
    const auto quoteStart = line.find(": \"");
    const auto stateStart = line.rfind(" = ");
    if (quoteStart != std::string::npos && stateStart != std::string::npos && stateStart > quoteStart) {
        feature.character = utf8ToCp1252(trimmed(line.substr(0, quoteStart)));
        feature.quote = trimmed(line.substr(quoteStart + 2, stateStart - quoteStart - 2));
        feature.state = utf8ToCp1252(trimmed(line.substr(stateStart + 3)));
        return true;
    }
    const auto equals = line.find('=');
    if (equals == std::string::npos) return false;
    feature.character = utf8ToCp1252(trimmed(line.substr(0, equals)));
    feature.state = utf8ToCp1252(trimmed(line.substr(equals + 1)));
    return true;
}

}  // namespace

std::vector<FieldGuideCase> readFieldGuideCases(const std::filesystem::path& file) {
    std::vector<FieldGuideCase> cases;
    std::ifstream in(file);
    std::string line;
    bool open = false;
    for (int number = 1; std::getline(in, line); ++number) {
        line = trimmed(line);
        if (line.empty()) {
            open = false;
            continue;
        }
        if (line.front() == '#') continue;
        if (!open) cases.emplace_back(), open = true;
        FieldGuideCase& current = cases.back();
        const std::string where = file.filename().string() + ":" + std::to_string(number);
        Feature feature;
        if (line.rfind("source:", 0) == 0) {
            current.source = trimmed(line.substr(7));
        } else if (line.rfind("species:", 0) == 0) {
            current.species = utf8ToCp1252(trimmed(line.substr(8)));
            current.where = where;
        } else if (readFeature(line, feature)) {
            current.features.push_back(std::move(feature));
        } else {
            ADD_FAILURE() << where << ": neither source, species nor \"character = state\": " << line;
        }
    }
    return cases;
}

std::vector<std::filesystem::path> fieldGuideCaseFiles(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    if (!std::filesystem::exists(folder)) return files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() == ".txt") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace sporix::test

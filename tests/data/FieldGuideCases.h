#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Field-guide cases: the features that one published description gives of a species,
// written down as the states a user holding the fungus would pick. A case file (UTF-8):
//
//   source: <the book, page or address the features come from>
//   species: <display name as the species file gives it>
//   <character name> = <state text>                     (one line per feature)
//   <character name>: "<the source's words>" = <state text>
//
// Cases are separated by blank lines; lines starting with "#" are comments.
namespace sporix::test {

struct Feature {
    std::string character;  // Windows-1252, as the key's files hold them
    std::string state;
    std::string quote;  // the source's own words, where the case keeps them
};

struct FieldGuideCase {
    std::string where;  // file:line of its "species:" line
    std::string source;
    std::string species;
    std::vector<Feature> features;
};

// The cases of one file; a line that is none of the above is a test failure.
std::vector<FieldGuideCase> readFieldGuideCases(const std::filesystem::path& file);

// The case files of a folder, sorted by name: one per genus folder, named <FOLDER>.txt.
std::vector<std::filesystem::path> fieldGuideCaseFiles(const std::filesystem::path& folder);

}  // namespace sporix::test

#pragma once

#include <filesystem>
#include <string>

namespace sporix::test {

// The key the data tests check: the bundled key, or the folder named by SPORIX_KEY_DIR so
// that a key author can check a key of their own with the same tests.
std::filesystem::path bundledKeyFolder();
// The field-guide cases: tests/data/fieldguide, or the folder named by SPORIX_FIELDGUIDE_DIR.
std::filesystem::path fieldGuideFolder();
// The independent cases: tests/data/independent, or the folder named by SPORIX_INDEPENDENT_DIR.
std::filesystem::path independentCaseFolder();
// The key's sources files: docs/sources, or the folder named by SPORIX_SOURCES_DIR.
std::filesystem::path sourcesFolder();
// The drawing parameters of the key's pictures: tools/drawkey/params, or the folder named by
// SPORIX_DRAWING_PARAMS_DIR.
std::filesystem::path drawingParamsFolder();
// A file's bytes, found without regard to letter case; empty when it cannot be read.
std::string readKeyFile(const std::filesystem::path& path);

}  // namespace sporix::test

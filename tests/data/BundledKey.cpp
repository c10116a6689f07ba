#include "BundledKey.h"

#include <cstdlib>

#include "WorkFolder.h"

namespace sporix::test {

namespace {
std::filesystem::path fromEnvironment(const char* variable, const char* builtIn) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0' ? std::filesystem::path(value) : std::filesystem::path(builtIn);
}
}  // namespace

std::filesystem::path bundledKeyFolder() { return fromEnvironment("SPORIX_KEY_DIR", SPORIX_DATA_DIR); }
std::filesystem::path fieldGuideFolder() { return fromEnvironment("SPORIX_FIELDGUIDE_DIR", SPORIX_FIELDGUIDE_DIR); }

std::filesystem::path independentCaseFolder() {
    return fromEnvironment("SPORIX_INDEPENDENT_DIR", SPORIX_INDEPENDENT_DIR);
}
std::filesystem::path sourcesFolder() { return fromEnvironment("SPORIX_SOURCES_DIR", SPORIX_SOURCES_DIR); }

std::filesystem::path drawingParamsFolder() {
    return fromEnvironment("SPORIX_DRAWING_PARAMS_DIR", SPORIX_DRAWING_PARAMS_DIR);
}

std::string readKeyFile(const std::filesystem::path& path) {
    const WorkFolder folder(path.parent_path());
    return folder.readAll(path.filename().string()).value_or(std::string());
}

}  // namespace sporix::test

#pragma once

#include <filesystem>
#include <optional>

namespace sporix::keytool {

// The key whose language files a new key can start from: the installed one beside this
// program (share/sporix/key), else the bundled one of the source tree it was built from.
std::optional<std::filesystem::path> installedKeyFolder();

}  // namespace sporix::keytool

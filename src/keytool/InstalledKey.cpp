#include "InstalledKey.h"

#include "Languages.h"

namespace fs = std::filesystem;

namespace sporix::keytool {

std::optional<fs::path> installedKeyFolder() {
    std::error_code ec;
    const fs::path program = fs::read_symlink("/proc/self/exe", ec);
    const fs::path candidates[] = {ec ? fs::path() : program.parent_path() / SPORIX_KEY_FROM_BIN,
                                   fs::path(SPORIX_BUNDLED_KEY_DIR)};
    for (const fs::path& folder : candidates) {
        if (!folder.empty() && fs::is_regular_file(folder / interfaceTextFileName(1), ec))
            return folder.lexically_normal();
    }
    return std::nullopt;
}

}  // namespace sporix::keytool

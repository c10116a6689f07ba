#include "FolderSnapshot.h"

#include <cstdint>
#include <fstream>
#include <functional>
#include <sstream>
#include <string_view>
#include <system_error>

namespace sporix::test {

namespace fs = std::filesystem;

namespace {

// A digest of the whole file, chunk by chunk: 10 MB files are compared without keeping
// their bytes twice, and without a loop over every byte in the tests' own code.
std::string describeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "file (unreadable)";
    std::size_t digest = 0;
    std::uint64_t size = 0;
    std::string chunk(std::size_t{1} << 20, '\0');
    while (in.read(chunk.data(), static_cast<std::streamsize>(chunk.size())) || in.gcount() > 0) {
        const auto got = static_cast<std::size_t>(in.gcount());
        digest = digest * 1099511628211ull ^ std::hash<std::string_view>{}(std::string_view(chunk.data(), got));
        size += got;
    }
    std::ostringstream text;
    text << "file, " << size << " bytes, digest " << std::hex << digest;
    return text.str();
}

void walk(const fs::path& root, const fs::path& folder, FolderSnapshot& snapshot) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path path = it->path();
        const std::string name = path.lexically_relative(root).generic_string();
        const auto status = fs::symlink_status(path, ec);
        const auto permissions = static_cast<unsigned>(status.permissions()) & 07777u;
        std::ostringstream mode;
        mode << ", mode " << std::oct << permissions;
        switch (status.type()) {
            case fs::file_type::regular:
                snapshot.entries[name] = describeFile(path) + mode.str();
                break;
            case fs::file_type::directory:
                snapshot.entries[name] = "folder" + mode.str();
                walk(root, path, snapshot);
                break;
            case fs::file_type::symlink:
                snapshot.entries[name] = "link to " + fs::read_symlink(path, ec).generic_string();
                break;
            default:
                snapshot.entries[name] = "other (pipe or device)" + mode.str();
                break;
        }
    }
    if (ec) snapshot.entries[folder.lexically_relative(root).generic_string() + "/"] = "unlisted: " + ec.message();
}

}  // namespace

FolderSnapshot snapshotOf(const fs::path& root) {
    FolderSnapshot snapshot;
    walk(root, root, snapshot);
    return snapshot;
}

void PrintTo(const FolderSnapshot& snapshot, std::ostream* out) {
    *out << "\n";
    for (const auto& [name, description] : snapshot.entries) *out << "  " << name << ": " << description << "\n";
}

}  // namespace sporix::test

#pragma once

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace sporix {

// The working folder, which holds every file of the key. Names are the key's own
// Windows-1252 names: matched without regard to letter case, "\" taken as a folder
// separator, always relative to the folder. A name that would lead out of the folder
// (an absolute name or a ".." step), or that holds a NUL byte, names no file.
class WorkFolder {
public:
    explicit WorkFolder(std::filesystem::path root);

    const std::filesystem::path& root() const { return root_; }

    // The existing entry that `name` names, if any.
    std::optional<std::filesystem::path> find(std::string_view name) const;
    // True for a readable regular file (following links); false for a folder.
    bool fileExists(std::string_view name) const;
    // Opens an existing regular file for reading; nullptr when it cannot be opened.
    std::unique_ptr<std::filebuf> openForReading(std::string_view name) const;
    // The same, but a file that cannot be opened throws a KeyError with the system's
    // reason, for the readers whose failure only the general error handler reports.
    std::unique_ptr<std::filebuf> openOrThrow(std::string_view name) const;
    // The whole file; nullopt when it cannot be opened.
    std::optional<std::string> readAll(std::string_view name) const;
    // Writes a new file beside the old one and renames it over, so that a crash or a full
    // disk never leaves a half-written file. The existing file's spelling is kept.
    bool replaceFile(std::string_view name, std::string_view bytes) const;

    // True when `name` may be looked up at all (no absolute name, no ".." step).
    static bool staysInside(std::string_view name);

private:
    std::filesystem::path root_;
};

}  // namespace sporix

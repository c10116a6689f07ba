#pragma once

#include <filesystem>
#include <map>
#include <ostream>
#include <string>

namespace sporix::test {

// Everything a folder holds, read without following links and without opening anything
// but regular files (a named pipe would block): the listing, each entry's kind, and a
// digest of each regular file's bytes. Two snapshots are equal when nothing was added,
// removed, renamed or rewritten.
struct FolderSnapshot {
    std::map<std::string, std::string> entries;  // path below the folder -> kind, size, digest
    bool operator==(const FolderSnapshot&) const = default;
};

FolderSnapshot snapshotOf(const std::filesystem::path& root);

// One line per entry, so that a failed comparison shows which entry differs.
void PrintTo(const FolderSnapshot& snapshot, std::ostream* out);

}  // namespace sporix::test

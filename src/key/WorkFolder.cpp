#include "WorkFolder.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>
#include <vector>

#include <unistd.h>

#include "Cp1252.h"
#include "KeyError.h"

namespace fs = std::filesystem;

namespace sporix {

namespace {

std::vector<std::string> splitName(std::string_view name) {
    std::vector<std::string> parts;
    std::string part;
    for (const char c : name) {
        if (c == '\\' || c == '/') {
            if (!part.empty()) parts.push_back(std::move(part));
            part.clear();
        } else {
            part.push_back(c);
        }
    }
    if (!part.empty()) parts.push_back(std::move(part));
    return parts;
}

fs::path pathFromUtf8(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

std::string utf8Name(const fs::path& path) {
    const auto name = path.filename().u8string();
    return std::string(name.begin(), name.end());
}

char foldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return foldAscii(x) == foldAscii(y); });
}

// The entry of `folder` whose name matches `wanted` (UTF-8) without regard to case.
std::optional<fs::path> matchEntry(const fs::path& folder, const std::string& wanted) {
    std::error_code ec;
    const fs::path exact = folder / pathFromUtf8(wanted);
    if (fs::symlink_status(exact, ec).type() != fs::file_type::not_found && !ec) return exact;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (sameIgnoringCase(utf8Name(it->path()), wanted)) return it->path();
    }
    return std::nullopt;
}

}  // namespace

WorkFolder::WorkFolder(fs::path root) : root_(std::move(root)) {}

bool WorkFolder::staysInside(std::string_view name) {
    if (name.empty()) return true;
    if (name.front() == '/' || name.front() == '\\') return false;
    const auto parts = splitName(name);
    return std::none_of(parts.begin(), parts.end(), [](const std::string& p) { return p == ".."; });
}

std::optional<fs::path> WorkFolder::find(std::string_view name) const {
    // The system reads a name only up to a NUL byte, so such a name would reach another file.
    if (!staysInside(name) || name.find('\0') != std::string_view::npos) return std::nullopt;
    const auto parts = splitName(name);
    if (parts.empty()) return std::nullopt;
    fs::path at = root_;
    for (const auto& part : parts) {
        if (part == ".") continue;
        auto entry = matchEntry(at, cp1252ToUtf8(part));
        if (!entry) return std::nullopt;
        at = *entry;
    }
    return at;
}

bool WorkFolder::fileExists(std::string_view name) const {
    const auto path = find(name);
    std::error_code ec;
    return path && fs::is_regular_file(*path, ec);
}

std::unique_ptr<std::filebuf> WorkFolder::openForReading(std::string_view name) const {
    const auto path = find(name);
    std::error_code ec;
    if (!path || !fs::is_regular_file(*path, ec)) return nullptr;
    auto file = std::make_unique<std::filebuf>();
    if (!file->open(*path, std::ios::in | std::ios::binary)) return nullptr;
    return file;
}

std::unique_ptr<std::filebuf> WorkFolder::openOrThrow(std::string_view name) const {
    auto file = openForReading(name);
    if (file) return file;
    std::error_code ec;
    const auto path = find(name);
    std::string reason = std::strerror(ENOENT);
    if (path && fs::is_directory(*path, ec)) reason = std::strerror(EISDIR);
    else if (path && !fs::exists(*path, ec)) reason = std::strerror(ec ? ec.value() : ENOENT);
    else if (path && !fs::is_regular_file(*path, ec)) reason = "Not a regular file";  // a pipe or a device
    else if (path) reason = std::strerror(EACCES);
    throw KeyError("Cannot open file \"" + std::string(name) + "\". " + reason + ".");
}

std::optional<std::string> WorkFolder::readAll(std::string_view name) const {
    auto file = openForReading(name);
    if (!file) return std::nullopt;
    std::string bytes;
    char chunk[65536];
    for (std::streamsize got; (got = file->sgetn(chunk, sizeof chunk)) > 0;) bytes.append(chunk, static_cast<std::size_t>(got));
    return bytes;
}

bool WorkFolder::replaceFile(std::string_view name, std::string_view bytes) const {
    if (!staysInside(name) || splitName(name).size() != 1) return false;
    const fs::path target = find(name).value_or(root_ / pathFromUtf8(cp1252ToUtf8(name)));
    fs::path temporary = target;
    temporary += ".new";
    std::FILE* out = std::fopen(temporary.c_str(), "wb");
    if (!out) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    // Flushed to the disk before the rename, so the new name never points at lost data.
    const bool flushed = std::fflush(out) == 0 && ::fsync(::fileno(out)) == 0;
    const bool closed = std::fclose(out) == 0;
    std::error_code ec;
    if (written && flushed && closed) fs::rename(temporary, target, ec);
    if (!(written && flushed && closed) || ec) {
        fs::remove(temporary, ec);
        return false;
    }
    return true;
}

}  // namespace sporix

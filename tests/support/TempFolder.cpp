#include "TempFolder.h"

#include <atomic>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include <unistd.h>

namespace sporix::test {

namespace fs = std::filesystem;

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    path_ = fs::temp_directory_path() /
            ("sporix-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" +
             std::to_string(std::random_device{}()));
    fs::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

void TempFolder::write(std::string_view name, std::string_view bytes) const {
    const fs::path file = path_ / std::string(name);
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write test file " + file.string());
}

void TempFolder::writeLines(std::string_view name, std::initializer_list<std::string_view> lines) const {
    write(name, crlf(lines));
}

std::string TempFolder::read(std::string_view name) const {
    std::ifstream in(path_ / std::string(name), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool TempFolder::exists(std::string_view name) const { return fs::exists(path_ / std::string(name)); }

void TempFolder::remove(std::string_view name) const { fs::remove(path_ / std::string(name)); }

std::string crlf(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (const auto line : lines) {
        text.append(line);
        text.append("\r\n");
    }
    return text;
}

}  // namespace sporix::test

#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace sporix::test {

// A fresh working folder for one test, removed afterwards. Names may hold "/" for files
// in a genus folder.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    void write(std::string_view name, std::string_view bytes) const;
    // Lines joined with CR LF, the last one ended too.
    void writeLines(std::string_view name, std::initializer_list<std::string_view> lines) const;
    std::string read(std::string_view name) const;
    bool exists(std::string_view name) const;
    void remove(std::string_view name) const;

private:
    std::filesystem::path path_;
};

// Lines joined with CR LF, the last one ended too.
std::string crlf(std::initializer_list<std::string_view> lines);

}  // namespace sporix::test

#pragma once

// What the fuzz targets share: taking an input apart, a working folder of this process,
// and a program driven as a user would, with the invariants checked after every action.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "KeyProgram.h"
#include "Picture.h"
#include "UserMessages.h"
#include "WorkFolder.h"

namespace sporix::fuzz {

// Ends the run with a finding; libFuzzer keeps the input that led here.
[[noreturn]] void fail(const std::string& what);
inline void require(bool holds, const std::string& what) {
    if (!holds) fail(what);
}

// Separates the files and the actions of one input; the key's text files never hold it.
inline constexpr char kPartSeparator = '\x1E';

// An input taken apart from the front: single bytes for choices, then the rest.
class InputBytes {
public:
    InputBytes(const std::uint8_t* data, std::size_t size) : bytes_(reinterpret_cast<const char*>(data), size) {}

    // The next byte; 0 once the input is used up.
    std::uint8_t byte();
    // The next `count` bytes, or fewer at the end.
    std::string_view take(std::size_t count);
    // Everything up to the next separator (or the end); the separator is dropped.
    std::string_view part();
    std::string_view rest();
    bool empty() const { return at_ >= bytes_.size(); }

private:
    std::string_view bytes_;
    std::size_t at_ = 0;
};

// The working folder of this process: made once in memory-backed storage (the settings
// file is flushed to the disk on every save), removed when the process ends.
class ScratchFolder {
public:
    static ScratchFolder& instance();

    const std::filesystem::path& path() const { return path_; }
    // Empties the folder, so that nothing of an earlier input is left.
    void clear() const;
    // `name` may hold "/" for a file in a genus folder.
    void write(const std::string& name, std::string_view bytes) const;
    // Every entry but the settings file, with its size and time of last change.
    std::map<std::string, std::string> listing() const;
    // Fails when the program wrote anything but the settings file since `before`.
    void requireUnchangedSince(const std::map<std::string, std::string>& before) const;

private:
    ScratchFolder();
    std::filesystem::path path_;
};

// Keeps what the user would read. An error that is neither a file that cannot be opened
// or shown nor a bad settings number is a finding: it can only be a fault of the program,
// such as an index outside its table.
class WatchingMessages : public UserMessages {
public:
    void showMessage(const std::string& text) override { shown.push_back(text); }
    void reportError(const std::string& text) override;

    std::vector<std::string> shown;
    int errors = 0;
};

// Pictures are fuzzed on their own; here any picture decodes to one pixel.
class OnePixelPictures : public PictureLoader {
public:
    PictureHandle load(std::string_view name) override;
};

// The 40 interface texts "[0]" .. "[39]", one per CR LF line.
std::string numberedTexts();
// The settings file: English and the given kind of searching.
std::string settingsText(int kind);

// A program on the scratch folder. Each action checks afterwards what must hold after
// every action, and after a search also what the lists must show.
class CheckedProgram {
public:
    CheckedProgram();

    const KeyProgram& program() const { return program_; }
    const MainWindowView& main() const { return program_.views().main; }
    const ProgramState& state() const { return program_.state(); }
    const std::vector<std::string>& messages() const { return messages_.shown; }

    void start();
    void chooseGenus(int item);
    // Row 1..42 := its drop-down item `item` (one past the last: empty), then a search.
    void chooseItem(int row, std::size_t item);
    // Row 1..42 := `text` as typed, then a search.
    void type(int row, const std::string& text);
    void switchKind(bool restSpecies);
    void stepBack();
    void startAgain();
    void clearAll();
    // Ticks for the listed lines, from the bits of `pattern`.
    void compare(std::uint64_t pattern);
    void openDescription(int line);
    void headingClick(int column);
    void switchLanguage(int language);

private:
    void setTexts(const std::vector<std::string>& texts);
    template <class Action>
    void act(const char* name, Action action, bool search);
    void checkAlways() const;
    void checkAdvice() const;
    void checkLists() const;

    WorkFolder folder_;
    WatchingMessages messages_;
    OnePixelPictures pictures_;
    KeyProgram program_;
};

}  // namespace sporix::fuzz

#include "FuzzSupport.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace fs = std::filesystem;

namespace sporix::fuzz {

void fail(const std::string& what) {
    std::fprintf(stderr, "\nFINDING: %s\n", what.c_str());
    std::abort();
}

std::uint8_t InputBytes::byte() { return empty() ? 0 : static_cast<std::uint8_t>(bytes_[at_++]); }

std::string_view InputBytes::take(std::size_t count) {
    const std::string_view taken = bytes_.substr(std::min(at_, bytes_.size()), count);
    at_ += taken.size();
    return taken;
}

std::string_view InputBytes::part() {
    const std::string_view left = rest();
    const std::size_t end = left.find(kPartSeparator);
    if (end == std::string_view::npos) {
        at_ = bytes_.size();
        return left;
    }
    at_ += end + 1;
    return left.substr(0, end);
}

std::string_view InputBytes::rest() { return empty() ? std::string_view() : bytes_.substr(at_); }

namespace {

constexpr const char* kSettingsFileName = "SpxInit.txt";

fs::path makeScratchFolder() {
    std::error_code ec;
    const fs::path base = fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
    std::string pattern = (base / "sporix-fuzz-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) fail("cannot make a scratch folder in " + base.string());
    return pattern;
}

std::string describeEntry(const fs::directory_entry& entry) {
    std::error_code ec;
    if (entry.is_directory(ec)) return "folder";
    const auto changed = entry.last_write_time(ec).time_since_epoch().count();
    return "file of " + std::to_string(entry.file_size(ec)) + " bytes changed at " + std::to_string(changed);
}

// Removes the folder when the process ends normally, as at the end of -max_total_time.
struct FolderRemoval {
    fs::path path;
    ~FolderRemoval() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
};

}  // namespace

ScratchFolder::ScratchFolder() : path_(makeScratchFolder()) { static FolderRemoval removal{path_}; }

ScratchFolder& ScratchFolder::instance() {
    static ScratchFolder folder;
    return folder;
}

void ScratchFolder::clear() const {
    for (const auto& entry : fs::directory_iterator(path_)) fs::remove_all(entry.path());
}

void ScratchFolder::write(const std::string& name, std::string_view bytes) const {
    const fs::path file = path_ / name;
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) fail("cannot write " + file.string());
}

std::map<std::string, std::string> ScratchFolder::listing() const {
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(path_)) {
        const std::string name = fs::relative(entry.path(), path_).string();
        if (name != kSettingsFileName) entries[name] = describeEntry(entry);
    }
    return entries;
}

void ScratchFolder::requireUnchangedSince(const std::map<std::string, std::string>& before) const {
    const auto after = listing();
    if (after == before) return;
    for (const auto& [name, what] : after) {
        const auto old = before.find(name);
        if (old == before.end()) fail("the program wrote " + name + " in the working folder");
        if (old->second != what) fail("the program changed " + name + ": " + old->second + ", now " + what);
    }
    fail("the program removed a file from the working folder");
}

void WatchingMessages::reportError(const std::string& text) {
    ++errors;
    for (const char* expected : {"Cannot open file", "Cannot show the picture", "Invalid numeric input"}) {
        if (text.rfind(expected, 0) == 0) return;
    }
    fail("the general error handler got: " + text);
}

namespace {

class OnePixel : public Picture {
public:
    int width() const override { return 1; }
    int height() const override { return 1; }
};

}  // namespace

PictureHandle OnePixelPictures::load(std::string_view) { return std::make_shared<OnePixel>(); }

std::string numberedTexts() {
    std::string text;
    for (int k = 0; k < kInterfaceTexts; ++k) text += "[" + std::to_string(k) + "]\r\n";
    return text;
}

std::string settingsText(int kind) { return "1\r\n" + std::to_string(kind) + "\r\n"; }

CheckedProgram::CheckedProgram() : folder_(ScratchFolder::instance().path()), program_(folder_, messages_, pictures_) {}

namespace {

// SPORIX_FUZZ_TRACE=1 tells each action and what it left, to follow a finding.
void trace(const char* action, const ProgramState& state, const std::vector<std::string>& messages, std::size_t from) {
    static const bool tracing = std::getenv("SPORIX_FUZZ_TRACE") != nullptr;
    if (!tracing) return;
    const MainWindowView& m = state.views.main;
    std::fprintf(stderr, "%-16s kind %u step %u listed %u lines %zu percents %zu ticks %d\n", action,
                 state.settings.searchKind, state.search.stepNumber, state.search.listedCount, m.listBox1.size(),
                 m.listBox2.size(), m.checkListItems);
    for (std::size_t k = from; k < messages.size(); ++k) std::fprintf(stderr, "    message: %s\n", messages[k].c_str());
}

}  // namespace

template <class Action>
void CheckedProgram::act(const char* name, Action action, bool search) {
    const std::size_t shownBefore = messages_.shown.size();
    const int errorsBefore = messages_.errors;
    action();
    trace(name, state(), messages_.shown, shownBefore);
    checkAlways();
    // A search that did not run says why (no genus, no species file); the note that the
    // file holds too many species comes from a search that ran.
    const bool toldWhy =
        std::any_of(messages_.shown.begin() + static_cast<std::ptrdiff_t>(shownBefore), messages_.shown.end(),
                    [](const std::string& text) { return text.find("species; only the first") == std::string::npos; });
    // A step back below the third step is a Clear all, which disables the caption.
    if (search && !toldWhy && messages_.errors == errorsBefore && main().label43Enabled) checkLists();
}

void CheckedProgram::checkAlways() const {
    const auto step = state().search.stepNumber;
    require(step <= kHistorySlots, "StepNumber is " + std::to_string(step) + ", outside 0..9");
    checkAdvice();
}

// The advice after every action: the key has no marks file, so nothing is a look-alike.
void CheckedProgram::checkAdvice() const {
    const Advice& advice = state().advice;
    require(!state().views.advisor.lines.empty(), "the advisor shows nothing");
    require(advice.bestCharacters.size() <= static_cast<std::size_t>(kBestCharacterCount), "too many best characters");
    double previous = 1.0;
    for (const BestCharacter& best : advice.bestCharacters) {
        require(best.expectedLeft >= previous,
                "the best characters are not ranked, or one leaves less than one species");
        previous = best.expectedLeft;
    }
    require(advice.nearMisses.size() <= static_cast<std::size_t>(kMaxNearMisses), "too many near misses");
    for (const NearMiss& near : advice.nearMisses) {
        require(!near.disagreements.empty() && near.disagreements.size() <= static_cast<std::size_t>(kMaxDisagreements),
                "a near miss with " + std::to_string(near.disagreements.size()) + " disagreements");
    }
    require(advice.lookAlikes.empty() && !main().advisor1Warns, "a look-alike without a marks file");
}

void CheckedProgram::checkLists() const {
    const MainWindowView& m = main();
    const std::size_t listed = state().search.listedCount;
    if (listed == 0) {
        require(m.listBox1 == std::vector<std::string>{state().text(8)},
                "ListedCount is 0 but the species list holds " + std::to_string(m.listBox1.size()) + " lines");
    } else {
        require(m.listBox1.size() == listed, "ListedCount is " + std::to_string(listed) +
                                                 " but the species list holds " + std::to_string(m.listBox1.size()) +
                                                 " lines");
    }
    require(m.checkListItems >= 0 && static_cast<std::size_t>(m.checkListItems) <= m.listBox1.size(),
            "the tick list has " + std::to_string(m.checkListItems) + " items for " +
                std::to_string(m.listBox1.size()) + " species lines");
    require(m.listBox2.empty() || m.listBox2.size() == listed, "the percent list and ListedCount differ");
    int previous = 1000;
    for (const std::string& percent : m.listBox2) {
        const bool digits = (percent.size() == 2 || percent.size() == 3) &&
                            std::all_of(percent.begin(), percent.end(), [](char c) { return c >= '0' && c <= '9'; });
        require(digits, "the percent list shows \"" + percent + "\"");
        const int value = std::stoi(percent);
        require((value < 100) == (percent.size() == 2), "the percent list shows \"" + percent + "\"");
        require(value <= previous, "the percent list is not ranked: " + percent + " after " + std::to_string(previous));
        previous = value;
    }
}

void CheckedProgram::start() {
    act(
        "start", [this] { program_.N31Click(); }, false);
}

void CheckedProgram::chooseGenus(int item) {
    act(
        "genera menu", [this] { program_.Genera1Click(); }, false);
    act(
        "choose genus", [this, item] { program_.GenusItemClick(item); }, false);
}

void CheckedProgram::setTexts(const std::vector<std::string>& texts) {
    act(
        "set texts", [this, &texts] { program_.ComboBoxChange(texts); }, true);
}

void CheckedProgram::chooseItem(int row, std::size_t item) {
    const auto& items = main().rows.at(static_cast<std::size_t>(row - 1)).comboItems;
    type(row, item < items.size() ? items[item] : std::string());
}

void CheckedProgram::type(int row, const std::string& text) {
    std::vector<std::string> texts;
    for (const auto& shown : main().rows) texts.push_back(shown.comboText);
    texts.at(static_cast<std::size_t>(row - 1)) = text;
    setTexts(texts);
}

void CheckedProgram::switchKind(bool restSpecies) {
    if (restSpecies)
        act(
            "kind 2", [this] { program_.Usingrestspeciesafterlastcharacter1Click(); }, false);
    else
        act(
            "kind 1", [this] { program_.Usingallspeciesallcharcters1Click(); }, false);
}

void CheckedProgram::stepBack() {
    // A disabled Step back does nothing, so it leaves the lists as they were.
    act(
        "step back", [this] { program_.Stepback1Click(); }, main().stepback1.enabled);
}

void CheckedProgram::startAgain() {
    // The button can only be pressed while it is enabled.
    if (main().speedButton1Enabled)
        act(
            "start again", [this] { program_.SpeedButton1Click(); }, false);
}

void CheckedProgram::clearAll() {
    act(
        "clear all", [this] { program_.ClearAll1Click(); }, false);
}

void CheckedProgram::compare(std::uint64_t pattern) {
    std::vector<bool> ticks;
    for (int i = 0; i < main().checkListItems; ++i) ticks.push_back(((pattern >> (i % 64)) & 1u) != 0);
    act(
        "compare", [this, &ticks] { program_.Comparespecies1Click(ticks); }, false);
}

void CheckedProgram::openDescription(int line) {
    act(
        "description", [this, line] { program_.Species1Click(line); }, false);
}

void CheckedProgram::headingClick(int column) {
    act(
        "heading", [this, column] { program_.HeadingClick(column); }, false);
}

void CheckedProgram::switchLanguage(int language) {
    act(
        "language", [this, language] { program_.LanguageClick(language); }, false);
}

}  // namespace sporix::fuzz

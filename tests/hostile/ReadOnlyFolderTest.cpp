// A working folder that cannot be written (a key on a read-only share, or one the user
// may not change). Everything still works; a language or kind choice reports nothing of
// the failed save and leaves the folder exactly as it was.
//
// Root ignores permission bits, and the tests run as root in CI. So the folder is made
// read-only with chmod, and the scenario runs in a child process that, when it is root,
// first becomes the unprivileged user 65534. The child checks everything itself and
// exits 0 only when every check passed; what failed goes to its standard error.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>

#include <grp.h>
#include <unistd.h>

#include "HostileFixture.h"

namespace sporix {
namespace {

namespace fs = std::filesystem;
using test::crlf;
using test::Messages;

constexpr uid_t kNobody = 65534;

// The checks of the child process: gtest's own assertions would not reach the parent.
class ChildChecks {
public:
    template <class Actual, class Expected>
    void equal(const Actual& actual, const Expected& expected, const std::string& what) {
        if (actual == expected) return;
        failures_.push_back(what + ": got " + ::testing::PrintToString(actual) + ", expected " +
                            ::testing::PrintToString(expected));
    }
    void that(bool holds, const std::string& what) {
        if (!holds) failures_.push_back(what);
    }
    [[noreturn]] void exit() {
        for (const auto& failure : failures_) std::fprintf(stderr, "FAILED: %s\n", failure.c_str());
        std::fflush(stderr);
        // _Exit: no exit handlers, so the leak checker does not run in a process that
        // changed its user (it could no longer inspect itself).
        std::_Exit(failures_.empty() ? 0 : 1);
    }

private:
    std::vector<std::string> failures_;
};

void setWritable(const fs::path& root, bool writable) {
    const auto change = [writable](const fs::path& path) {
        fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        writable ? fs::perm_options::add : fs::perm_options::remove);
    };
    for (const auto& entry : fs::recursive_directory_iterator(root)) change(entry.path());
    change(root);
    if (writable) fs::permissions(root, fs::perms::owner_all, fs::perm_options::add);
}

class ReadOnlyFolder : public test::HostileFixture {
protected:
    void writeKey(bool withSettings) {
        if (withSettings) folder.write("SpxInit.txt", "1\r\n1\r\n");
        folder.write("InitUK.Txt", test::numberedTexts());
        std::string german;
        for (int k = 0; k < 40; ++k) german += "<" + std::to_string(k) + ">\r\n";
        folder.write("InitD.Txt", german);
        folder.write("InfoUK.Txt", "How to use\r\nthe key\r\n");
        writeSample();
        folder.write("TESTGEN/TGALPHA1.TXT", "Alpha\r\n");
        folder.write("TESTGEN/TGALPHA1.BMP", test::makeBitmap(30, 40));
        folder.write("TESTGEN/TGALPHA1.JPG", test::makeJpeg(16, 8));
        folder.write("TESTGEN/TGGAMMA1.TXT", "Gamma\r\n");
        folder.write("TESTGEN/TstPic1.Jpg", test::makeJpeg(9, 9));
        folder.write("NoFigs.Jpg", test::makeJpeg(20, 10));
    }

    // Runs `scenario` read-only in a child and checks that the folder did not change.
    void runReadOnly(const std::function<void(ChildChecks&)>& scenario) {
        setWritable(folder.path(), false);
        const auto before = snapshot();
        EXPECT_EXIT(runInChild(scenario), ::testing::ExitedWithCode(0), "");
        EXPECT_EQ(snapshot(), before);
        setWritable(folder.path(), true);
    }

    [[noreturn]] void runInChild(const std::function<void(ChildChecks&)>& scenario) {
        ChildChecks checks;
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
            checks.that(false, "could not become user 65534");
            checks.exit();
        }
        const fs::path probe = folder.path() / "probe.tmp";
        if (std::FILE* file = std::fopen(probe.c_str(), "wb")) {
            std::fclose(file);
            std::remove(probe.c_str());
            checks.that(false, "the folder is still writable");
        }
        std::error_code ec;
        checks.that(fs::is_regular_file(folder.path() / "InitUK.Txt", ec), "the key cannot be reached as user 65534");
        const auto childBefore = test::snapshotOf(folder.path());
        scenario(checks);
        checks.equal(test::snapshotOf(folder.path()), childBefore, "the folder after the scenario");
        checks.exit();
    }

    void choose(ChildChecks& checks, int row, const std::string& state) {
        const auto& items = main().rows.at(static_cast<std::size_t>(row - 1)).comboItems;
        const std::string wanted = test::stateLine(state, ' ').substr(0, 25);
        checks.that(std::find(items.begin(), items.end(), wanted) != items.end(), "no state " + state);
        type(row, wanted);
    }

    // Every operation of the key, with what each shows.
    void useEverything(ChildChecks& checks) {
        program.Genera1Click();
        checks.equal(main().genusItems[0], std::string("Testgenus"), "genus menu");
        program.GenusItemClick(1);
        checks.equal(state().genus.characterCount, 3, "characters loaded");
        checks.equal(state().genus.speciesCount, 3, "species counted");
        checks.that(main().rows[0].buttonEnabled, "the \"?\" of row 1 is enabled");

        program.Usingallspeciesallcharcters1Click();  // kind 1, saved nowhere
        checks.equal(messages.take(), Messages{}, "messages of the first kind choice");
        choose(checks, 1, "red");
        checks.equal(listed(), Messages{"T.gamma", "T.alpha"}, "search over all species");
        program.Species1Click(lineOf("T.alpha"));
        const auto& description = program.views().description;
        checks.equal(description.memoLines, Messages{"Alpha"}, "description");
        checks.that(description.image1 && description.image1->width() == 30, "drawing");
        program.SlideClick();
        checks.that(program.views().slide.image1 && program.views().slide.image1->width() == 16, "slide");
        program.CloseClick();
        program.Comparespecies1Click({true, true});
        checks.that(program.views().comparison.visible, "comparison shown");
        checks.equal(program.views().comparison.labels[2], std::string("gamma"), "compared species 1");
        checks.equal(program.views().comparison.labels[3], std::string("alpha"), "compared species 2");
        program.HeadingClick(1);
        checks.equal(description.memoLines, Messages{"Gamma"}, "description from the comparison");
        program.ButtonClick(1);
        checks.that(main().image1 && main().image1->width() == 9, "character picture");
        program.HelpItemClick(1);
        checks.equal(program.views().help.memoLines, Messages{"How to use", "the key"}, "help");
        program.Howtostart1Click();
        checks.equal(messages.take(), Messages{"[2]\n[3]\n[4]"}, "how to start");
        program.ClearAll1Click();
        checks.that(listed().empty() && main().rows[0].comboText.empty(), "Clear all");

        program.Usingrestspeciesafterlastcharacter1Click();
        checks.equal(messages.take(), Messages{}, "messages of the second kind choice");
        checks.equal(state().settings.searchKind, std::uint16_t{2}, "kind in memory");
        choose(checks, 1, "red");
        checks.equal(listed(), Messages{"alpha", "gamma"}, "rest species after red");
        choose(checks, 3, "mild");
        choose(checks, 2, "cream");
        checks.equal(listed(), Messages{"gamma"}, "rest species after cream");
        program.Stepback1Click();
        checks.equal(listed(), Messages{"alpha", "gamma"}, "step back");
        program.Species1Click(lineOf("gamma"));
        checks.equal(description.memoLines, Messages{"Gamma"}, "description looked up in the species file");
        checks.equal(messages.take(), Messages{}, "messages of the operations");
    }
};

TEST_F(ReadOnlyFolder, EveryOperationWorksAndChoicesWriteNothing) {
    writeKey(true);
    runReadOnly([this](ChildChecks& checks) {
        program.N31Click();
        checks.equal(messages.take(), Messages{}, "messages at start-up");
        checks.equal(main().caption, std::string(" [0]"), "texts read");
        useEverything(checks);

        program.LanguageClick(3);  // the save fails unseen; re-reading the settings keeps English
        checks.equal(messages.take(), Messages{}, "messages of the language choice");
        checks.equal(state().settings.languageIndex, std::uint16_t{1}, "language after the choice");
        checks.equal(main().caption, std::string(" [6]Testgenus"), "caption after the choice");
        checks.equal(state().genus.characterCount, 3, "genus reloaded");
        program.N31Click();  // back at the main window: the stored kind returns
        checks.equal(messages.take(), Messages{}, "messages on returning to the main window");
        checks.equal(state().settings.searchKind, std::uint16_t{1}, "stored kind");
    });
}

// Without a settings file each return to the main window says the file is missing; a
// language choice adds nothing to that message, and no settings file appears.
TEST_F(ReadOnlyFolder, WithoutSettingsFileNoneIsCreated) {
    writeKey(false);
    runReadOnly([this](ChildChecks& checks) {
        program.N31Click();
        checks.equal(messages.take(), Messages{"SpxInit.txt "}, "messages at the first start");
        useEverything(checks);

        program.LanguageClick(3);
        checks.equal(messages.take(), Messages{"SpxInit.txt [7]"}, "messages of the language choice");
        checks.equal(state().settings.languageIndex, std::uint16_t{1}, "language after the choice");
        checks.equal(state().settings.searchKind, std::uint16_t{2}, "kind kept in memory");
        program.Usingallspeciesallcharcters1Click();
        checks.equal(messages.take(), Messages{}, "messages of the kind choice");
        checks.that(!fs::exists(folder.path() / "SpxInit.txt"), "no settings file");
    });
    EXPECT_FALSE(fs::exists(folder.path() / "SpxInit.txt.new"));
}

}  // namespace
}  // namespace sporix

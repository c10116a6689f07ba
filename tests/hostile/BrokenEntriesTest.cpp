// Where the key expects a file there is something else: a folder, a symbolic link to
// itself, a named pipe (opening it would wait for a writer for ever) or a link to a
// device that never ends. Each is met at start-up, at genus loading and in the genus
// folder; none may be opened, each costs at most the message of a missing file, and
// nothing on disk changes except the settings file that a language choice writes.
#include <filesystem>

#include <sys/stat.h>

#include "HostileFixture.h"

namespace sporix {
namespace {

namespace fs = std::filesystem;
using test::crlf;
using test::Messages;
using test::numberedTexts;

enum class Entry { Folder, SelfLink, Pipe, DeviceLink };

struct BrokenEntry {
    Entry entry;
    const char* reason;  // what the general error handler adds when the entry is opened
    bool savedOver;      // the settings file is written over it (a folder cannot be)
};

void PrintTo(const BrokenEntry& broken, std::ostream* out) { *out << static_cast<int>(broken.entry); }

class BrokenEntries : public test::HostileFixture, public ::testing::WithParamInterface<BrokenEntry> {
protected:
    void breakEntry(const std::string& name) const {
        const fs::path path = folder.path() / name;
        fs::remove_all(path);
        fs::create_directories(path.parent_path());
        switch (GetParam().entry) {
            case Entry::Folder:
                fs::create_directory(path);
                break;
            case Entry::SelfLink:
                fs::create_symlink(path.filename(), path);
                break;
            case Entry::Pipe:
                ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
                break;
            case Entry::DeviceLink:
                fs::create_symlink("/dev/zero", path);
                break;
        }
    }
    // Writes over a broken entry; writing into it would wait on the pipe.
    void restore(const std::string& name, const std::string& bytes) const {
        fs::remove_all(folder.path() / name);
        folder.write(name, bytes);
    }
    std::string openError(const std::string& name) const {
        return "ERROR: Cannot open file \"" + name + "\". " + GetParam().reason + ".";
    }
};

TEST_P(BrokenEntries, StartUpFiles) {
    breakEntry("SpxInit.txt");
    folder.write("InitUK.Txt", numberedTexts());
    folder.write("InitD.Txt", numberedTexts());
    const auto before = snapshot();
    program.N31Click();
    EXPECT_EQ(messages.take(), Messages{"SpxInit.txt "});
    EXPECT_EQ(state().settings.languageIndex, 1);
    EXPECT_EQ(main().caption, " [0]");
    program.N31Click();
    EXPECT_EQ(messages.take(), Messages{"SpxInit.txt [7]"});
    EXPECT_EQ(snapshot(), before);

    program.LanguageClick(3);
    if (GetParam().savedOver) {
        EXPECT_EQ(messages.take(), (Messages{".FEA [7]; [13]", "SPC-file cannot open .SPE"}));
        EXPECT_EQ(state().settings.languageIndex, 3);
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(folder.path() / "SpxInit.txt")));
        EXPECT_EQ(folder.read("SpxInit.txt"), "3\r\n0\r\n");
    } else {
        EXPECT_EQ(messages.take(), (Messages{"SpxInit.txt [7]", ".FEA [7]; [13]", "SPC-file cannot open .SPE"}));
        EXPECT_EQ(state().settings.languageIndex, 1);
        EXPECT_EQ(snapshot(), before);
    }
    EXPECT_FALSE(fs::exists(fs::symlink_status(folder.path() / "SpxInit.txt.new")));

    const std::string texts = GetParam().savedOver ? "InitD.Txt" : "InitUK.Txt";
    breakEntry(texts);
    breakEntry("genuslst.txt");
    breakEntry("InfoUK.Txt");
    const auto broken = snapshot();
    program.N31Click();
    if (GetParam().savedOver) {
        EXPECT_EQ(messages.take(), Messages{texts + " [7]"});
    } else {
        EXPECT_EQ(messages.take(), (Messages{"SpxInit.txt [7]", texts + " [7]"}));
    }
    EXPECT_EQ(state().texts[0], "[0]");  // the texts read before stay
    program.Genera1Click();
    EXPECT_EQ(messages.take(), Messages{"[5]"});
    EXPECT_EQ(main().genusItems[0], "-");
    program.HelpItemClick(1);
    EXPECT_EQ(messages.take(), Messages{"InfoUK.Txt [7]"});
    EXPECT_FALSE(program.views().help.visible);
    EXPECT_EQ(snapshot(), broken);
}

TEST_P(BrokenEntries, GenusFiles) {
    start(1);
    writeSample();
    folder.write("NoFigs.Jpg", test::makeJpeg(20, 10));
    breakEntry("TESTGEN.FEA");
    auto before = snapshot();
    openGenus();
    EXPECT_EQ(messages.take(), Messages{"TESTGEN.FEA [7]; [13]"});
    EXPECT_EQ(state().genus.characterCount, 0);
    EXPECT_EQ(main().rows[0].labelCaption, "");
    EXPECT_EQ(state().genus.speciesCount, 12);  // counted with the character count before: none
    EXPECT_EQ(snapshot(), before);

    restore("TESTGEN.FEA", test::characterFile(test::sampleCharacters()));
    openGenus();
    pick(1, "red");
    ASSERT_EQ(listed(), (Messages{"T.gamma", "T.alpha"}));
    breakEntry("TESTGEN.SPE");
    before = snapshot();
    pick(2, "white");
    EXPECT_EQ(messages.take(), Messages{"TESTGEN.SPE [7]"});
    EXPECT_EQ(listed(), (Messages{"T.gamma", "T.alpha"}));  // the search stopped before the list
    program.Comparespecies1Click({});
    EXPECT_EQ(messages.take(), Messages{openError("TESTGEN.Spe")});
    EXPECT_FALSE(program.views().comparison.visible);
    program.Species1Click(lineOf("T.alpha"));  // the code comes from the result table
    EXPECT_TRUE(messages.take().empty());
    EXPECT_TRUE(program.views().description.visible);
    openGenus();
    EXPECT_EQ(messages.take(), Messages{"SPC-file cannot open TESTGEN.SPE"});
    EXPECT_EQ(state().genus.speciesCount, 3);
    EXPECT_EQ(snapshot(), before);

    program.Usingrestspeciesafterlastcharacter1Click();
    before = snapshot();
    pick(1, "red");
    EXPECT_EQ(messages.take(), Messages{"Spc-file cannot open TESTGEN.SPE"});
    EXPECT_TRUE(listed().empty());
    EXPECT_EQ(snapshot(), before);
}

TEST_P(BrokenEntries, GenusFolderFiles) {
    start(1);
    writeSample();
    folder.write("NoFigs.Jpg", test::makeJpeg(20, 10));
    for (const char* name :
         {"TESTGEN/TGALPHA1.TXT", "TESTGEN/TGALPHA1.BMP", "TESTGEN/TGALPHA1.JPG", "TESTGEN/TstPic1.Jpg"}) {
        breakEntry(name);
    }
    folder.write("TESTGEN/TstPic2.Jpg", test::makeJpeg(3, 3));
    const auto before = snapshot();
    openGenus();
    EXPECT_TRUE(messages.take().empty());
    EXPECT_FALSE(main().rows[0].buttonEnabled);
    EXPECT_TRUE(main().rows[1].buttonEnabled);
    pick(2, "white");
    program.Species1Click(lineOf("T.alpha"));
    EXPECT_TRUE(messages.take().empty());
    const auto& description = program.views().description;
    EXPECT_TRUE(description.visible);
    EXPECT_EQ(description.memoLines, (Messages{"Testgenus alpha[25]", "Filename: TGALPHA1.*"}));
    ASSERT_TRUE(description.image1);
    EXPECT_EQ(description.image1->width(), 20);  // the placeholder
    EXPECT_FALSE(description.slideEnabled);
    EXPECT_EQ(snapshot(), before);

    program.CloseClick();
    breakEntry("NoFigs.Jpg");
    const auto noPlaceholder = snapshot();
    program.Species1Click(lineOf("T.alpha"));
    EXPECT_EQ(messages.take(), Messages{openError("NoFigs.Jpg")});
    EXPECT_FALSE(description.visible);
    EXPECT_EQ(snapshot(), noPlaceholder);

    // The genus folder itself is no folder.
    if (GetParam().entry == Entry::Folder) {
        fs::remove_all(folder.path() / "TESTGEN");
        folder.write("TESTGEN", "a file");
    } else {
        breakEntry("TESTGEN");
    }
    restore("NoFigs.Jpg", test::makeJpeg(20, 10));
    const auto noGenusFolder = snapshot();
    openGenus();
    EXPECT_TRUE(messages.take().empty());
    EXPECT_FALSE(main().rows[1].buttonEnabled);
    pick(2, "white");
    program.Species1Click(lineOf("T.alpha"));
    EXPECT_TRUE(messages.take().empty());
    EXPECT_EQ(description.memoLines, (Messages{"Testgenus alpha[25]", "Filename: TGALPHA1.*"}));
    EXPECT_EQ(snapshot(), noGenusFolder);
}

// A language's picture that is no readable file, or a language folder that is none, is
// passed over for the common picture, without a message.
TEST_P(BrokenEntries, LanguagePicturesFallBackToTheCommonOnes) {
    start(1);
    writeSample();
    folder.write("InitS.Txt", numberedTexts());
    folder.write("NoFigs.Jpg", test::makeJpeg(20, 10));
    folder.write("TESTGEN/TGALPHA1.BMP", test::makeBitmap(30, 40));
    folder.write("TESTGEN/TGALPHA1.JPG", test::makeJpeg(16, 8));
    folder.write("TESTGEN/TstPic1.Jpg", test::makeJpeg(6, 6));
    for (const char* name : {"S/NoFigs.Jpg", "TESTGEN/S/TGALPHA1.BMP", "TESTGEN/S/TGALPHA1.JPG",
                             "TESTGEN/S/TstPic1.Jpg", "TESTGEN/S/TstPic2.Jpg"}) {
        breakEntry(name);
    }
    program.LanguageClick(6);
    messages.take();
    const auto drawingWidthOf = [this](const std::string& line, const std::string& sporePrint) {
        pick(2, sporePrint);
        program.Species1Click(lineOf(line));
        return program.views().description.image1 ? program.views().description.image1->width() : 0;
    };
    for (const bool foldersBroken : {false, true}) {
        if (foldersBroken) {  // the placeholder's language folder broken, the genus's one a file
            breakEntry("S");
            fs::remove_all(folder.path() / "TESTGEN" / "S");
            folder.write("TESTGEN/S", "a file");
        }
        const auto before = snapshot();
        openGenus();
        EXPECT_FALSE(main().rows[1].buttonEnabled);
        program.ButtonClick(1);
        ASSERT_TRUE(main().image1);
        EXPECT_EQ(main().image1->width(), 6);
        EXPECT_EQ(drawingWidthOf("T.alpha", "white"), 30);
        program.SlideClick();
        ASSERT_TRUE(program.views().slide.image1);
        EXPECT_EQ(program.views().slide.image1->width(), 16);
        EXPECT_EQ(drawingWidthOf("T.gamma", "cream"), 20);  // the placeholder
        program.CloseClick();
        EXPECT_TRUE(messages.take().empty());
        EXPECT_EQ(snapshot(), before);
    }
}

INSTANTIATE_TEST_SUITE_P(Entries, BrokenEntries,
                         ::testing::Values(BrokenEntry{Entry::Folder, "Is a directory", false},
                                           BrokenEntry{Entry::SelfLink, "Too many levels of symbolic links", true},
                                           BrokenEntry{Entry::Pipe, "Not a regular file", true},
                                           BrokenEntry{Entry::DeviceLink, "Not a regular file", true}),
                         [](const ::testing::TestParamInfo<BrokenEntry>& info) {
                             switch (info.param.entry) {
                                 case Entry::Folder:
                                     return std::string("Folder");
                                 case Entry::SelfLink:
                                     return std::string("LinkToItself");
                                 case Entry::Pipe:
                                     return std::string("NamedPipe");
                                 case Entry::DeviceLink:
                                     return std::string("LinkToDevZero");
                             }
                             return std::string("Unknown");
                         });

}  // namespace
}  // namespace sporix

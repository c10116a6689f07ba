// Finding the key's files without regard to case, inside the working folder only, and
// replacing the settings file safely.
#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

#include "Cp1252.h"
#include "KeyError.h"
#include "TempFolder.h"
#include "WorkFolder.h"

namespace sporix {
namespace {

namespace fs = std::filesystem;

TEST(WorkFolder, FindsFilesWithoutRegardToCaseAndMapsBackslash) {
    test::TempFolder folder;
    folder.write("RUSSULA/RUEMETIC.TXT", "text");
    folder.write("InfoUK.Txt", "help");
    const WorkFolder work(folder.path());
    EXPECT_TRUE(work.fileExists("InfoUK.TXT"));
    EXPECT_TRUE(work.fileExists("infouk.txt"));
    EXPECT_TRUE(work.fileExists("russula\\ruemetic.txt"));
    EXPECT_EQ(work.readAll("Russula\\RUEMETIC.Txt").value_or(""), "text");
    EXPECT_FALSE(work.fileExists("RUSSULA"));  // a folder is no file
    EXPECT_FALSE(work.fileExists("RUSSULA\\RUEMETIC.BMP"));
}

TEST(WorkFolder, NamesThatLeadOutOfTheFolderNameNoFile) {
    test::TempFolder outer;
    outer.write("secret.txt", "x");
    outer.write("work/inside.txt", "y");
    const WorkFolder work(outer.path() / "work");
    EXPECT_TRUE(work.fileExists("inside.txt"));
    EXPECT_FALSE(work.fileExists("..\\secret.txt"));
    EXPECT_FALSE(work.fileExists("../secret.txt"));
    EXPECT_FALSE(work.fileExists((outer.path() / "secret.txt").string()));
    EXPECT_FALSE(WorkFolder::staysInside("\\RUSSULA"));
    EXPECT_FALSE(WorkFolder::staysInside("A\\..\\..\\B"));
    EXPECT_TRUE(WorkFolder::staysInside("a..b"));
}

TEST(WorkFolder, LinkToItselfAndFolderCannotBeOpened) {
    test::TempFolder folder;
    fs::create_symlink("loop.txt", folder.path() / "loop.txt");
    fs::create_directory(folder.path() / "dir.txt");
    const WorkFolder work(folder.path());
    EXPECT_FALSE(work.fileExists("loop.txt"));
    EXPECT_EQ(work.openForReading("loop.txt"), nullptr);
    EXPECT_EQ(work.openForReading("dir.txt"), nullptr);
    EXPECT_THROW(work.openOrThrow("dir.txt"), KeyError);
    try {
        work.openOrThrow("missing.SPE");
        FAIL() << "no error for a missing file";
    } catch (const KeyError& error) {
        EXPECT_NE(std::string(error.what()).find("missing.SPE"), std::string::npos);
    }
}

TEST(WorkFolder, ReplacesAFileWholeAndKeepsItsSpelling) {
    test::TempFolder folder;
    folder.write("SPXINIT.TXT", "old contents");
    const WorkFolder work(folder.path());
    ASSERT_TRUE(work.replaceFile("SpxInit.txt", "2\r\n1\r\n"));
    EXPECT_EQ(folder.read("SPXINIT.TXT"), "2\r\n1\r\n");
    EXPECT_FALSE(folder.exists("SpxInit.txt.new"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST(WorkFolder, FullDiskKeepsTheOldFileWhole) {
    test::TempFolder folder;
    folder.write("SpxInit.txt", "3\r\n2\r\n");
    // The new file lands on a full device: the write fails before anything is renamed.
    fs::create_symlink("/dev/full", folder.path() / "SpxInit.txt.new");
    const WorkFolder work(folder.path());
    EXPECT_FALSE(work.replaceFile("SpxInit.txt", "1\r\n1\r\n"));
    EXPECT_EQ(folder.read("SpxInit.txt"), "3\r\n2\r\n");
    EXPECT_FALSE(fs::exists(fs::symlink_status(folder.path() / "SpxInit.txt.new")));
}

TEST(WorkFolder, NewFileThatCannotBeCreatedChangesNothing) {
    test::TempFolder folder;
    folder.write("SpxInit.txt", "3\r\n2\r\n");
    fs::create_directory(folder.path() / "SpxInit.txt.new");  // not even root can open it as a file
    const WorkFolder work(folder.path());
    EXPECT_FALSE(work.replaceFile("SpxInit.txt", "1\r\n1\r\n"));
    EXPECT_EQ(folder.read("SpxInit.txt"), "3\r\n2\r\n");
}

TEST(WorkFolder, UnwritableFolderLeavesNothingBehind) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes anywhere";
    test::TempFolder folder;
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
    const WorkFolder work(folder.path());
    EXPECT_FALSE(work.replaceFile("SpxInit.txt", "1\r\n1\r\n"));
    fs::permissions(folder.path(), fs::perms::owner_all);
    EXPECT_FALSE(folder.exists("SpxInit.txt"));
}

TEST(Cp1252, DecodesForDisplayAndEncodesTypedText) {
    EXPECT_EQ(cp1252ToUtf8("Caf\xE9 \x80 \x9C"), "Caf\xC3\xA9 \xE2\x82\xAC \xC5\x93");
    EXPECT_EQ(utf8ToCp1252("Caf\xC3\xA9 \xE2\x82\xAC"), "Caf\xE9 \x80");
    EXPECT_EQ(utf8ToCp1252("\xE4\xB8\xAD"), "?");  // not in the code page
    EXPECT_EQ(utf8ToCp1252("\xFF"), "?");          // malformed
    for (int byte = 0; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(one)), one) << byte;
    }
}

}  // namespace
}  // namespace sporix

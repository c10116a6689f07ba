#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include "LauncherRun.h"
#include "ScratchInstall.h"

namespace sporix::test {
namespace {

const QString kKey = QStringLiteral("share/sporix/key");

class InstalledPackageTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(install_.ok()) << "no package in " SPORIX_PACKAGE_DIR; }

    QString launcher() const { return install_.installed(QStringLiteral("bin/sporix")); }
    QString program() const { return install_.installed(QStringLiteral("bin/sporix-here")); }
    QString home(const char* name) const { return install_.scratch(QString::fromLatin1(name)); }
    static QString workingFolderOf(const QString& home) { return home + QStringLiteral("/.local/share/sporix"); }

    // Starts the installed command and checks that Sporix itself runs in the folder.
    void startAndCheck(LauncherRun& run, const QString& folder) const {
        ASSERT_TRUE(run.waitForProgram(program())) << run.errorOutput().toStdString();
        EXPECT_EQ(run.workingFolder(), QFileInfo(folder).canonicalFilePath());
        EXPECT_TRUE(run.stillRunningAfter(1000)) << run.errorOutput().toStdString();
    }

    // Every file of the installed key, by its path in the key.
    QStringList keyFiles() const {
        QStringList files;
        const QDir key(install_.installed(kKey));
        QDirIterator it(key.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) files << key.relativeFilePath(it.next());
        return files;
    }

    void expectSameKey(const QString& folder) const {
        const QStringList files = keyFiles();
        EXPECT_GT(files.size(), 300);
        for (const QString& file : files)
            EXPECT_TRUE(readFile(folder + '/' + file) == readFile(install_.installed(kKey + '/' + file)))
                << file.toStdString() << " differs";
    }

    ScratchInstall install_;
};

TEST_F(InstalledPackageTest, PackageDeclaresItsLibrariesAndShipsTheKeyReadOnly) {
    const CommandResult fields = runCommand(
        QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), ScratchInstall::debFile(), "Package", "Section", "Depends"});
    ASSERT_EQ(fields.exitCode, 0) << fields.output.toStdString();
    for (const char* needed : {"Package: sporix", "Section: science", "libqt6widgets6", "libqt6gui6",
                               "libqt6core6", "libjpeg62-turbo", "qt6-qpa-plugins"})
        EXPECT_TRUE(fields.output.contains(QLatin1String(needed))) << needed << " in\n" << fields.output.toStdString();

    const CommandResult listing = runCommand(QStringLiteral("dpkg-deb"), {QStringLiteral("-c"), ScratchInstall::debFile()});
    ASSERT_EQ(listing.exitCode, 0);
    int keyEntries = 0;
    for (const QString& line : listing.output.split('\n')) {
        if (!line.contains(QStringLiteral("./usr/share/sporix/key/"))) continue;
        ++keyEntries;
        EXPECT_TRUE(line.startsWith(QStringLiteral("-rw-r--r-- root/root")) ||
                    line.startsWith(QStringLiteral("drwxr-xr-x root/root")))
            << line.toStdString();
    }
    EXPECT_GT(keyEntries, 300);
    for (const char* file : {"genuslst.txt", "NoFigs.Jpg", "InitUK.Txt", "RUSSULA.SPE", "RUSSULA.FEA"})
        EXPECT_TRUE(QFileInfo::exists(install_.installed(kKey + '/' + QLatin1String(file)))) << file;
    EXPECT_FALSE(QFileInfo::exists(install_.installed(kKey + QStringLiteral("/SpxInit.txt"))));
}

TEST_F(InstalledPackageTest, KeyToolIsInstalledWithItsManPageAndChecksTheInstalledKey) {
    EXPECT_TRUE(QFileInfo::exists(install_.installed(QStringLiteral("share/man/man1/sporix-key.1.gz"))));
    const QString tool = install_.installed(QStringLiteral("bin/sporix-key"));
    const CommandResult help = runCommand(tool, {QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.output.contains(QStringLiteral("usage: sporix-key COMMAND"))) << help.output.toStdString();
    const CommandResult check =
        runCommand(tool, {QStringLiteral("check"), QStringLiteral("--quiet"), install_.installed(kKey)});
    EXPECT_EQ(check.exitCode, 0) << check.output.toStdString();
    EXPECT_TRUE(check.output.contains(QStringLiteral("genera checked: 0 errors"))) << check.output.toStdString();
}

TEST_F(InstalledPackageTest, DesktopEntryIconAndMetadataAreComplete) {
    const QString entry = install_.installed(QStringLiteral("share/applications/sporix.desktop"));
    const CommandResult desktop = runCommand(QStringLiteral("desktop-file-validate"), {entry});
    EXPECT_EQ(desktop.exitCode, 0) << desktop.output.toStdString();
    EXPECT_FALSE(desktop.output.contains(QStringLiteral("error"))) << desktop.output.toStdString();
    // The project owns no domain name, so its id is the plain program name; every other
    // finding of the checker still fails the test.
    const CommandResult metainfo = runCommand(
        QStringLiteral("appstreamcli"), {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                         QStringLiteral("--override=cid-desktopapp-is-not-rdns=info"),
                                         install_.installed(QStringLiteral("share/metainfo/sporix.metainfo.xml"))});
    EXPECT_EQ(metainfo.exitCode, 0) << metainfo.output.toStdString();

    const QString text = QString::fromUtf8(readFile(entry));
    for (const char* line : {"\nExec=sporix\n", "\nIcon=sporix\n", "\nCategories=Education;Science;", "\nComment=",
                             "\nComment[nl]=", "\nComment[de]=", "\nComment[fr]=", "\nComment[it]=", "\nComment[es]="})
        EXPECT_TRUE(text.contains(QLatin1String(line))) << line;
    EXPECT_TRUE(QFileInfo(launcher()).isExecutable());
    for (const char* size : {"16x16", "22x22", "24x24", "32x32", "48x48", "64x64", "128x128", "256x256"})
        EXPECT_TRUE(QFileInfo::exists(
            install_.installed(QStringLiteral("share/icons/hicolor/%1/apps/sporix.png").arg(QLatin1String(size)))))
            << size;
    EXPECT_TRUE(QFileInfo::exists(install_.installed(QStringLiteral("share/icons/hicolor/scalable/apps/sporix.svg"))));
}

TEST_F(InstalledPackageTest, FirstStartMakesTheWorkingFolderAndStartsSporixInIt) {
    const QString folder = workingFolderOf(home("anna"));
    LauncherRun run(launcher(), home("anna"));
    startAndCheck(run, folder);

    expectSameKey(folder);
    // The launcher writes the default settings into the new folder: a language of the key
    // and the first kind of searching, so the first start shows no missing-file message.
    const QByteArray settings = readFile(folder + QStringLiteral("/SpxInit.txt"));
    EXPECT_TRUE(settings.size() == 6 && settings.at(0) >= '1' && settings.at(0) <= '6' && settings.endsWith("\r\n1\r\n"))
        << settings.toStdString();
    EXPECT_TRUE(QFileInfo(folder + QStringLiteral("/genuslst.txt")).isWritable());
}

TEST_F(InstalledPackageTest, LaterStartKeepsSettingsAndEditsAndTakesTheNewerKey) {
    const QString folder = workingFolderOf(home("anna"));
    {
        LauncherRun first(launcher(), home("anna"));
        startAndCheck(first, folder);
    }
    ASSERT_TRUE(writeFile(folder + QStringLiteral("/SpxInit.txt"), "3\r\n2\r\n"));
    const QByteArray editedList = readFile(folder + QStringLiteral("/genuslst.txt")) + "Myc\r\nMYCENA\r\nMycena\r\n";
    ASSERT_TRUE(writeFile(folder + QStringLiteral("/genuslst.txt"), editedList));
    // A newer package: a description changed and a new file.
    ASSERT_TRUE(writeFile(install_.installed(kKey + QStringLiteral("/InfoUK.Txt")), "Newer help.\r\n"));
    ASSERT_TRUE(writeFile(install_.installed(kKey + QStringLiteral("/RUSSULA/new.txt")), "New.\r\n"));
    ASSERT_TRUE(writeFile(install_.installed(kKey + QStringLiteral("/genuslst.txt")), "Rus\r\nRUSSULA\r\nRussula\r\n"));

    LauncherRun second(launcher(), home("anna"));
    startAndCheck(second, folder);

    EXPECT_EQ(readFile(folder + QStringLiteral("/SpxInit.txt")), "3\r\n2\r\n");
    EXPECT_EQ(readFile(folder + QStringLiteral("/genuslst.txt")), editedList);
    EXPECT_EQ(readFile(folder + QStringLiteral("/InfoUK.Txt")), "Newer help.\r\n");
    EXPECT_EQ(readFile(folder + QStringLiteral("/RUSSULA/new.txt")), "New.\r\n");
}

TEST_F(InstalledPackageTest, EachUserHasTheirOwnFolderAndSettings) {
    LauncherRun anna(launcher(), home("anna"));
    LauncherRun ben(launcher(), home("ben"), {QStringLiteral("XDG_DATA_HOME=") + home("ben-data")});
    startAndCheck(anna, workingFolderOf(home("anna")));
    startAndCheck(ben, home("ben-data") + QStringLiteral("/sporix"));
    anna.stop();
    ben.stop();

    ASSERT_TRUE(writeFile(workingFolderOf(home("anna")) + QStringLiteral("/SpxInit.txt"), "2\r\n1\r\n"));
    ASSERT_TRUE(writeFile(home("ben-data") + QStringLiteral("/sporix/SpxInit.txt"), "6\r\n2\r\n"));
    LauncherRun annaAgain(launcher(), home("anna"));
    startAndCheck(annaAgain, workingFolderOf(home("anna")));
    EXPECT_EQ(readFile(workingFolderOf(home("anna")) + QStringLiteral("/SpxInit.txt")), "2\r\n1\r\n");
    EXPECT_EQ(readFile(home("ben-data") + QStringLiteral("/sporix/SpxInit.txt")), "6\r\n2\r\n");
    EXPECT_FALSE(QFileInfo::exists(home("ben") + QStringLiteral("/.local/share/sporix")));
}

TEST_F(InstalledPackageTest, TwoStartsAtOnceFillOneFolderWhole) {
    const QString folder = workingFolderOf(home("anna"));
    LauncherRun first(launcher(), home("anna"));
    LauncherRun second(launcher(), home("anna"));
    startAndCheck(first, folder);
    startAndCheck(second, folder);

    expectSameKey(folder);
    const QStringList leftovers = QDir(folder).entryList({QStringLiteral("*.lock"), QStringLiteral("*.new")},
                                                         QDir::Files | QDir::Hidden);
    EXPECT_TRUE(leftovers.isEmpty()) << leftovers.join(' ').toStdString();
}

TEST_F(InstalledPackageTest, FolderThatCannotBeMadeIsShownAndNothingStarts) {
    ASSERT_TRUE(writeFile(home("file-home"), "not a folder"));
    LauncherRun run(launcher(), home("file-home"));

    // The message box waits for the user; Sporix itself never starts.
    ASSERT_TRUE(run.waitForError(QStringLiteral("sporix: cannot make the folder"))) << run.errorOutput().toStdString();
    EXPECT_EQ(run.executable(), QFileInfo(launcher()).canonicalFilePath());
    EXPECT_EQ(readFile(home("file-home")), "not a folder");
}

TEST_F(InstalledPackageTest, LauncherRefusesArguments) {
    const CommandResult result = runCommand(launcher(), {QStringLiteral("--genus=Russula")});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.output.contains(QStringLiteral("takes no arguments"))) << result.output.toStdString();
}

}  // namespace
}  // namespace sporix::test

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "DefaultSettings.h"
#include "KeyManifest.h"
#include "WorkingFolderUpdate.h"

namespace sporix::launcher {
namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// An installed key and a user's working folder, both in a scratch folder.
class WorkingFolderUpdateTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(scratch_.isValid());
        installKey("genuslst.txt", "Rus\r\nRUSSULA\r\nRussula\r\n");
        installKey("RUSSULA.FEA", "cap colour\r\n.\r\n");
        installKey("RUSSULA.SPE", "Rus*emetica\r\n");
        installKey("RUSSULA/Rusemeti.txt", "Cap red.\r\n");
    }

    QString key() const { return scratch_.filePath(QStringLiteral("share/sporix/key")); }
    // A folder that does not exist yet, some levels down, as on a first start.
    QString work() const { return scratch_.filePath(QStringLiteral("home/.local/share/sporix")); }
    QString keyFile(const char* name) const { return QDir(key()).filePath(QString::fromLatin1(name)); }
    QString workFile(const char* name) const { return QDir(work()).filePath(QString::fromLatin1(name)); }
    void installKey(const char* name, const QByteArray& bytes) const { writeFile(keyFile(name), bytes); }
    UpdateReport update() const { return updateWorkingFolder(key(), work()); }

    QTemporaryDir scratch_;
};

TEST_F(WorkingFolderUpdateTest, FirstStartCopiesTheWholeKeyAsWritableFiles) {
    QFile::setPermissions(keyFile("RUSSULA.SPE"), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);

    const UpdateReport report = update();

    EXPECT_TRUE(report.error.isEmpty()) << report.error.toStdString();
    EXPECT_EQ(report.added, QStringList({"RUSSULA.FEA", "RUSSULA.SPE", "RUSSULA/Rusemeti.txt", "genuslst.txt"}));
    for (const char* name : {"genuslst.txt", "RUSSULA.FEA", "RUSSULA.SPE", "RUSSULA/Rusemeti.txt"})
        EXPECT_EQ(readFile(workFile(name)), readFile(keyFile(name))) << name;
    // The update never writes the settings file; the launcher's default settings do.
    EXPECT_FALSE(QFileInfo::exists(workFile("SpxInit.txt")));
    EXPECT_TRUE(QFile::permissions(workFile("RUSSULA.SPE")) & QFile::WriteOwner);
    EXPECT_EQ(KeyManifest::read(work()).size(), 4);
}

TEST_F(WorkingFolderUpdateTest, LaterStartKeepsSettingsAndEveryFileTheUserChanged) {
    ASSERT_TRUE(update().error.isEmpty());
    writeFile(workFile("SpxInit.txt"), "3\r\n2\r\n");
    writeFile(workFile("RUSSULA.SPE"), "Rus*emetica\r\nRus*mairei\r\n");
    installKey("RUSSULA.SPE", "Rus*emetica (newer)\r\n");

    const UpdateReport report = update();

    EXPECT_TRUE(report.error.isEmpty());
    EXPECT_EQ(readFile(workFile("SpxInit.txt")), "3\r\n2\r\n");
    EXPECT_EQ(readFile(workFile("RUSSULA.SPE")), "Rus*emetica\r\nRus*mairei\r\n");
    EXPECT_EQ(report.keptChanged, QStringList({"RUSSULA.SPE"}));
    EXPECT_TRUE(report.added.isEmpty());
    EXPECT_TRUE(report.updated.isEmpty());
}

TEST_F(WorkingFolderUpdateTest, NewerPackageAddsAndUpdatesOnlyWhatTheUserLeftAlone) {
    ASSERT_TRUE(update().error.isEmpty());
    writeFile(workFile("RUSSULA.FEA"), "my own characters\r\n.\r\n");
    installKey("RUSSULA.FEA", "cap colour (newer)\r\n.\r\n");
    installKey("genuslst.txt", "Rus\r\nRUSSULA\r\nRussula\r\nLac\r\nLACTARIU\r\nLactarius\r\n");
    installKey("LACTARIU/Lacdelic.txt", "Milk orange.\r\n");

    const UpdateReport report = update();

    EXPECT_EQ(report.added, QStringList({"LACTARIU/Lacdelic.txt"}));
    EXPECT_EQ(report.updated, QStringList({"genuslst.txt"}));
    EXPECT_EQ(report.keptChanged, QStringList({"RUSSULA.FEA"}));
    EXPECT_EQ(readFile(workFile("genuslst.txt")), readFile(keyFile("genuslst.txt")));
    EXPECT_EQ(readFile(workFile("RUSSULA.FEA")), "my own characters\r\n.\r\n");
    EXPECT_EQ(readFile(workFile("LACTARIU/Lacdelic.txt")), "Milk orange.\r\n");

    // The user's file stays theirs at every later start, and nothing else moves.
    const UpdateReport again = update();
    EXPECT_TRUE(again.added.isEmpty() && again.updated.isEmpty());
    EXPECT_EQ(again.keptChanged, QStringList({"RUSSULA.FEA"}));
}

TEST_F(WorkingFolderUpdateTest, DeletedFileStaysDeletedButADeletedFolderIsFilledAgain) {
    ASSERT_TRUE(update().error.isEmpty());
    ASSERT_TRUE(QFile::remove(workFile("RUSSULA/Rusemeti.txt")));

    EXPECT_EQ(update().keptDeleted, QStringList({"RUSSULA/Rusemeti.txt"}));
    EXPECT_FALSE(QFileInfo::exists(workFile("RUSSULA/Rusemeti.txt")));

    ASSERT_TRUE(QDir(work()).removeRecursively());
    EXPECT_EQ(update().added.size(), 4);
    EXPECT_EQ(readFile(workFile("RUSSULA/Rusemeti.txt")), "Cap red.\r\n");
}

TEST_F(WorkingFolderUpdateTest, FilesAlreadyInTheFolderAreTheUsersUnlessIdentical) {
    // A folder someone filled by hand before the package came: their files are theirs.
    writeFile(workFile("RUSSULA.FEA"), "hand-made\r\n.\r\n");
    writeFile(workFile("genuslst.txt"), readFile(keyFile("genuslst.txt")));
    // The program matches names without regard to case: "russula.spe" is the species file.
    writeFile(workFile("russula.spe"), "Rus*mine\r\n");

    UpdateReport report = update();
    EXPECT_EQ(report.keptChanged, QStringList({"RUSSULA.FEA", "RUSSULA.SPE"}));
    EXPECT_FALSE(QDir(work()).entryList(QDir::Files).contains(QStringLiteral("RUSSULA.SPE")));
    EXPECT_EQ(readFile(workFile("russula.spe")), "Rus*mine\r\n");
    EXPECT_EQ(readFile(workFile("RUSSULA.FEA")), "hand-made\r\n.\r\n");

    // An identical file counts as the package's, so a newer package may replace it.
    installKey("genuslst.txt", "Rus\r\nRUSSULA\r\nRussula (newer)\r\n");
    report = update();
    EXPECT_EQ(report.updated, QStringList({"genuslst.txt"}));
}

TEST_F(WorkingFolderUpdateTest, SettingsFileInTheInstalledKeyIsNeverCopied) {
    installKey("spxinit.TXT", "2\r\n1\r\n");
    writeFile(workFile("SpxInit.txt"), "5\r\n1\r\n");

    const UpdateReport report = update();

    EXPECT_TRUE(report.error.isEmpty());
    EXPECT_FALSE(report.added.contains("spxinit.TXT"));
    EXPECT_FALSE(QFileInfo::exists(workFile("spxinit.TXT")));
    EXPECT_EQ(readFile(workFile("SpxInit.txt")), "5\r\n1\r\n");
}

TEST_F(WorkingFolderUpdateTest, LinkInTheFolderIsNeverWrittenThrough) {
    ASSERT_TRUE(update().error.isEmpty());
    const QString outside = scratch_.filePath(QStringLiteral("outside.spe"));
    writeFile(outside, readFile(keyFile("RUSSULA.SPE")));
    ASSERT_TRUE(QFile::remove(workFile("RUSSULA.SPE")));
    ASSERT_TRUE(QFile::link(outside, workFile("RUSSULA.SPE")));
    installKey("RUSSULA.SPE", "Rus*emetica (newer)\r\n");

    const UpdateReport report = update();

    EXPECT_EQ(report.keptChanged, QStringList({"RUSSULA.SPE"}));
    EXPECT_EQ(readFile(outside), "Rus*emetica\r\n");
    EXPECT_TRUE(QFileInfo(workFile("RUSSULA.SPE")).isSymLink());
}

TEST_F(WorkingFolderUpdateTest, DamagedManifestMakesEveryChangedFileTheUsers) {
    ASSERT_TRUE(update().error.isEmpty());
    writeFile(workFile(KeyManifest::kFileName), "not a hash genuslst.txt\n\x01\x02\nzz RUSSULA.FEA\n");
    writeFile(workFile("genuslst.txt"), "edited\r\n");
    installKey("genuslst.txt", "newer\r\n");
    installKey("RUSSULA.SPE", "newer\r\n");

    const UpdateReport report = update();

    EXPECT_TRUE(report.error.isEmpty());
    EXPECT_EQ(report.keptChanged, QStringList({"RUSSULA.SPE", "genuslst.txt"}));
    EXPECT_EQ(readFile(workFile("genuslst.txt")), "edited\r\n");
    // Unchanged files are recognised again by their bytes and recorded afresh.
    EXPECT_EQ(KeyManifest::read(work()).size(), 2);
}

TEST_F(WorkingFolderUpdateTest, FailuresAreReportedAndChangeNothingElse) {
    EXPECT_FALSE(updateWorkingFolder(scratch_.filePath("no-such-key"), work()).error.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(work()));

    const QString plainFile = scratch_.filePath(QStringLiteral("a-file"));
    writeFile(plainFile, "x");
    const UpdateReport onFile = updateWorkingFolder(key(), plainFile);
    EXPECT_TRUE(onFile.error.contains("cannot make the folder")) << onFile.error.toStdString();
    EXPECT_EQ(readFile(plainFile), "x");

    // A file where the genus folder should be: that copy fails, the others are made.
    writeFile(workFile("RUSSULA"), "in the way");
    const UpdateReport blocked = update();
    EXPECT_TRUE(blocked.error.contains("RUSSULA/Rusemeti.txt")) << blocked.error.toStdString();
    EXPECT_EQ(readFile(workFile("RUSSULA")), "in the way");
    EXPECT_EQ(readFile(workFile("RUSSULA.SPE")), "Rus*emetica\r\n");
    EXPECT_FALSE(KeyManifest::read(work()).contains("RUSSULA/Rusemeti.txt"));
}

// The settings a new folder starts with: the locale's language where the key has it, and
// never over a settings file the folder has, in whatever case it is spelt.
TEST_F(WorkingFolderUpdateTest, DefaultSettingsTakeTheLocalesLanguageAndKeepAnExistingFile) {
    EXPECT_EQ(defaultSettings(QLocale(QLocale::Dutch)), "2\r\n1\r\n");
    EXPECT_EQ(defaultSettings(QLocale(QLocale::Spanish, QLocale::Mexico)), "6\r\n1\r\n");
    EXPECT_EQ(defaultSettings(QLocale(QLocale::Japanese)), "1\r\n1\r\n");
    EXPECT_EQ(defaultSettings(QLocale::c()), "1\r\n1\r\n");

    ASSERT_TRUE(update().error.isEmpty());
    EXPECT_TRUE(writeDefaultSettings(work(), QLocale(QLocale::German)));
    EXPECT_EQ(readFile(workFile("SpxInit.txt")), "3\r\n1\r\n");
    writeFile(workFile("SpxInit.txt"), "5\r\n2\r\n");
    EXPECT_TRUE(writeDefaultSettings(work(), QLocale(QLocale::German)));
    EXPECT_EQ(readFile(workFile("SpxInit.txt")), "5\r\n2\r\n");
    QFile::rename(workFile("SpxInit.txt"), workFile("spxinit.TXT"));
    EXPECT_TRUE(writeDefaultSettings(work(), QLocale(QLocale::German)));
    EXPECT_FALSE(QFileInfo::exists(workFile("SpxInit.txt")));
}

}  // namespace
}  // namespace sporix::launcher

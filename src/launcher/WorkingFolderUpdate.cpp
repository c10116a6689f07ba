#include "WorkingFolderUpdate.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

#include "KeyManifest.h"
#include "SettingsFile.h"

namespace sporix::launcher {

namespace {

constexpr const char* kLockFile = ".sporix-update.lock";
constexpr int kLockWaitMs = 30000;

QStringList keyFiles(const QString& installedKey) {
    QStringList files;
    QDirIterator it(installedKey, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    const QDir root(installedKey);
    while (it.hasNext()) files << root.relativeFilePath(it.next());
    files.sort();
    return files;
}

// The program finds files without regard to case, so a user's "russula.spe" would stand
// beside a copied "Russula.SPE" and either could be read. Such a file counts as the user's.
bool otherCaseExists(const QString& target) {
    const QFileInfo info(target);
    const QStringList names = info.dir().entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
    for (const QString& name : names)
        if (name != info.fileName() && name.compare(info.fileName(), Qt::CaseInsensitive) == 0) return true;
    return false;
}

bool copyFile(const QString& source, const QString& target) {
    if (!QDir().mkpath(QFileInfo(target).absolutePath())) return false;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) return false;
    // A new file with the user's default permissions: the installed key is read-only, the
    // copy must not be.
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly)) return false;
    while (!in.atEnd()) {
        const QByteArray block = in.read(1 << 16);
        if (block.isEmpty() && in.error() != QFileDevice::NoError) return false;
        if (out.write(block) != block.size()) return false;
    }
    return out.commit();
}

class FolderUpdate {
public:
    FolderUpdate(const QString& installedKey, const QString& workingFolder)
        : key_(installedKey), folder_(workingFolder), manifest_(KeyManifest::read(workingFolder)) {}

    void updateFile(const QString& path) {
        if (path.compare(QString::fromLatin1(kSettingsFileName), Qt::CaseInsensitive) == 0) return;
        const QString source = key_.filePath(path);
        const QString target = folder_.filePath(path);
        const QByteArray sourceHash = fileHash(source);
        if (sourceHash.isEmpty()) return fail(QStringLiteral("cannot read ") + source);
        const QFileInfo targetInfo(target);
        if (!targetInfo.exists() && !targetInfo.isSymLink()) return copyMissing(path, source, target, sourceHash);
        const QByteArray targetHash = fileHash(target);
        if (targetHash == sourceHash) return manifest_.set(path, sourceHash);
        if (!targetInfo.isFile() || targetInfo.isSymLink() || !manifest_.contains(path) ||
            manifest_.hash(path) != targetHash) {
            report_.keptChanged << path;
            return;
        }
        if (!copyFile(source, target)) return fail(QStringLiteral("cannot write ") + target);
        manifest_.set(path, sourceHash);
        report_.updated << path;
    }

    UpdateReport finish() {
        if (!manifest_.write(folder_.path()) && report_.error.isEmpty())
            report_.error = QStringLiteral("cannot write ") + folder_.filePath(QString::fromLatin1(KeyManifest::kFileName));
        return report_;
    }

private:
    void copyMissing(const QString& path, const QString& source, const QString& target, const QByteArray& hash) {
        if (manifest_.contains(path)) {
            report_.keptDeleted << path;
            return;
        }
        if (otherCaseExists(target)) {
            report_.keptChanged << path;
            return;
        }
        if (!copyFile(source, target)) return fail(QStringLiteral("cannot write ") + target);
        manifest_.set(path, hash);
        report_.added << path;
    }

    void fail(const QString& error) {
        if (report_.error.isEmpty()) report_.error = error;
    }

    QDir key_;
    QDir folder_;
    KeyManifest manifest_;
    UpdateReport report_;
};

UpdateReport failure(const QString& error) {
    UpdateReport report;
    report.error = error;
    return report;
}

}  // namespace

UpdateReport updateWorkingFolder(const QString& installedKey, const QString& workingFolder) {
    if (!QFileInfo(installedKey).isDir()) return failure(QStringLiteral("no installed key in ") + installedKey);
    if (!QDir().mkpath(workingFolder) || !QFileInfo(workingFolder).isDir())
        return failure(QStringLiteral("cannot make the folder ") + workingFolder);
    // Two starts at once (a double click twice) must not copy over each other.
    QLockFile lock(QDir(workingFolder).filePath(QString::fromLatin1(kLockFile)));
    if (!lock.tryLock(kLockWaitMs)) return failure(QStringLiteral("cannot lock ") + lock.fileName());
    FolderUpdate update(installedKey, workingFolder);
    for (const QString& path : keyFiles(installedKey)) update.updateFile(path);
    return update.finish();
}

}  // namespace sporix::launcher

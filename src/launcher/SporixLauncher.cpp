// The installed "sporix" command: gives each user a working folder of their own under the
// XDG data folder, brings it up to the installed key, and starts Sporix in it. Sporix
// itself reads no arguments and no environment; the folder it starts in is its key.
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <cstdio>
#include <vector>

#include "DefaultSettings.h"
#include "WorkingFolderUpdate.h"

namespace {

// Where the program and the key lie, relative to the folder of this command; set by the
// build from the install layout, so an unpacked package works wherever it lies.
const QString kProgramName = QStringLiteral(SPORIX_PROGRAM_NAME);
const QString kKeyFromBin = QStringLiteral(SPORIX_KEY_FROM_BIN);

void printError(const QString& text) { std::fprintf(stderr, "sporix: %s\n", qPrintable(text)); }

bool hasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

// Started from the desktop menu nobody reads standard error, so a failure is shown too.
int failStart(int argc, char** argv, const QString& text) {
    printError(text);
    // Without a screen Qt would abort; the message above is then all there is.
    if (!hasDisplay()) return 1;
    QApplication application(argc, argv);
    QMessageBox::critical(nullptr, QStringLiteral("Sporix"), QStringLiteral("Sporix cannot start: ") + text);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) {
        printError(QStringLiteral("takes no arguments; it starts Sporix in %1/sporix")
                       .arg(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)));
        return 2;
    }
    const QDir binFolder = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section('/', 0, -2);
    const QString program = binFolder.filePath(kProgramName);
    const QString installedKey = QDir::cleanPath(binFolder.filePath(kKeyFromBin));
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dataHome.isEmpty()) return failStart(argc, argv, QStringLiteral("no home folder is known"));
    const QString workingFolder = QDir(dataHome).filePath(QStringLiteral("sporix"));

    const bool newFolder = !QFileInfo::exists(workingFolder);
    const sporix::launcher::UpdateReport report = sporix::launcher::updateWorkingFolder(installedKey, workingFolder);
    if (!report.error.isEmpty()) {
        // A folder that was filled before still holds a whole key: start on it.
        if (!QFileInfo(workingFolder).isDir()) return failStart(argc, argv, report.error);
        printError(report.error + QStringLiteral("; starting on the key as it is"));
    }
    // A new user starts with the default settings rather than a message about their lack.
    if (newFolder && !sporix::launcher::writeDefaultSettings(workingFolder, QLocale::system()))
        printError(QStringLiteral("cannot write the default settings into ") + workingFolder);
    if (!QDir::setCurrent(workingFolder))
        return failStart(argc, argv, QStringLiteral("cannot enter ") + workingFolder);
    const QByteArray programPath = QFile::encodeName(program);
    std::vector<char*> programArgv{const_cast<char*>(programPath.constData()), nullptr};
    ::execv(programPath.constData(), programArgv.data());
    return failStart(argc, argv, QStringLiteral("cannot run ") + program);
}

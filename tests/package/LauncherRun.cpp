#include "LauncherRun.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>
#include <filesystem>

namespace sporix::test {

namespace {

constexpr int kStartTimeoutMs = 30000;
constexpr int kPollMs = 50;

QString procLink(qint64 pid, const char* name) {
    std::error_code error;
    const auto target = std::filesystem::read_symlink("/proc/" + std::to_string(pid) + "/" + name, error);
    return error ? QString() : QString::fromStdString(target.string());
}

}  // namespace

LauncherRun::LauncherRun(const QString& launcher, const QString& home, const QStringList& extraEnvironment) {
    QStringList environment{QStringLiteral("PATH=/usr/bin:/bin"), QStringLiteral("HOME=") + home,
                            QStringLiteral("QT_QPA_PLATFORM=offscreen"),
                            QStringLiteral("XDG_RUNTIME_DIR=") + QDir::tempPath()};
    environment << extraEnvironment;
    process_.setEnvironment(environment);
    process_.start(launcher, {});
    process_.waitForStarted();
}

LauncherRun::~LauncherRun() { stop(); }

bool LauncherRun::waitForProgram(const QString& program) {
    const QString wanted = QFileInfo(program).canonicalFilePath();
    QElapsedTimer timer;
    timer.start();
    while (process_.state() == QProcess::Running && timer.elapsed() < kStartTimeoutMs) {
        if (executable() == wanted) return true;
        QThread::msleep(kPollMs);
    }
    return false;
}

bool LauncherRun::waitForError(const QString& text) {
    QElapsedTimer timer;
    timer.start();
    while (process_.state() == QProcess::Running && timer.elapsed() < kStartTimeoutMs) {
        if (errorOutput().contains(text)) return true;
        process_.waitForReadyRead(kPollMs);
    }
    return false;
}

bool LauncherRun::stillRunningAfter(int milliseconds) {
    return !process_.waitForFinished(milliseconds) && process_.state() == QProcess::Running;
}

QString LauncherRun::executable() const { return procLink(process_.processId(), "exe"); }

QString LauncherRun::workingFolder() const { return procLink(process_.processId(), "cwd"); }

QString LauncherRun::errorOutput() {
    errors_ += QString::fromUtf8(process_.readAllStandardError());
    return errors_;
}

void LauncherRun::stop() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.terminate();
    if (!process_.waitForFinished(5000)) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

}  // namespace sporix::test

#pragma once

#include <QProcess>
#include <QString>

namespace sporix::test {

// One start of the installed "sporix" command with a home of its own, on the offscreen
// platform. The launcher replaces itself with the program, so both are the same process.
class LauncherRun {
public:
    // extraEnvironment: "NAME=value" entries added to a plain environment.
    LauncherRun(const QString& launcher, const QString& home, const QStringList& extraEnvironment = {});
    ~LauncherRun();
    LauncherRun(const LauncherRun&) = delete;
    LauncherRun& operator=(const LauncherRun&) = delete;

    // Waits until the process runs the given program; false if it ended or never did.
    bool waitForProgram(const QString& program);
    // Waits until standard error holds the text while the process still runs.
    bool waitForError(const QString& text);
    bool stillRunningAfter(int milliseconds);
    QString executable() const;
    QString workingFolder() const;
    QString errorOutput();
    void stop();

private:
    QProcess process_;
    QString errors_;
};

}  // namespace sporix::test

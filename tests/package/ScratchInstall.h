#pragma once

#include <QString>
#include <QTemporaryDir>

namespace sporix::test {

// The built package unpacked into a scratch root, with room beside it for homes.
class ScratchInstall {
public:
    ScratchInstall();

    static QString debFile();
    QString root() const { return scratch_.filePath(QStringLiteral("root")); }
    QString installed(const QString& path) const { return root() + QStringLiteral("/usr/") + path; }
    QString scratch(const QString& path) const { return scratch_.filePath(path); }
    bool ok() const { return ok_; }

private:
    QTemporaryDir scratch_;
    bool ok_ = false;
};

// Runs a command to its end; its standard output, or a note of how it failed.
struct CommandResult {
    int exitCode = -1;
    QString output;
};
CommandResult runCommand(const QString& program, const QStringList& arguments);

QByteArray readFile(const QString& path);
bool writeFile(const QString& path, const QByteArray& bytes);

}  // namespace sporix::test

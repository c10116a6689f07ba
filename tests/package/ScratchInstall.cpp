#include "ScratchInstall.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace sporix::test {

ScratchInstall::ScratchInstall() {
    const QString deb = debFile();
    ok_ = scratch_.isValid() && !deb.isEmpty() &&
          runCommand(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), deb, root()}).exitCode == 0;
}

QString ScratchInstall::debFile() {
    const QDir folder(QStringLiteral(SPORIX_PACKAGE_DIR));
    const QStringList debs = folder.entryList({QStringLiteral("sporix_*.deb")}, QDir::Files);
    return debs.size() == 1 ? folder.filePath(debs.first()) : QString();
}

CommandResult runCommand(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(60000)) return {-1, program + QStringLiteral(" did not run: ") + process.errorString()};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAll())};
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

}  // namespace sporix::test

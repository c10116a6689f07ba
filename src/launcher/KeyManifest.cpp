#include "KeyManifest.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace sporix::launcher {

namespace {

constexpr qsizetype kHexHashLength = 64;

}  // namespace

KeyManifest KeyManifest::read(const QString& folder) {
    KeyManifest manifest;
    QFile file(QDir(folder).filePath(QString::fromLatin1(kFileName)));
    if (!file.open(QIODevice::ReadOnly)) return manifest;
    // One "hash path" per line; a line of any other shape is passed over, so a damaged
    // manifest only makes the launcher more careful (an unknown file counts as the user's).
    while (!file.atEnd()) {
        QByteArray line = file.readLine();
        if (line.endsWith('\n')) line.chop(1);
        if (line.size() < kHexHashLength + 2 || line.at(kHexHashLength) != ' ') continue;
        const QByteArray hash = line.left(kHexHashLength);
        if (QByteArray::fromHex(hash).toHex() != hash) continue;
        manifest.set(QString::fromUtf8(line.mid(kHexHashLength + 1)), hash);
    }
    return manifest;
}

bool KeyManifest::write(const QString& folder) const {
    QSaveFile file(QDir(folder).filePath(QString::fromLatin1(kFileName)));
    if (!file.open(QIODevice::WriteOnly)) return false;
    for (auto entry = hashes_.cbegin(); entry != hashes_.cend(); ++entry)
        file.write(entry.value() + ' ' + entry.key().toUtf8() + '\n');
    return file.commit();
}

QByteArray fileHash(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file)) return {};
    return hash.result().toHex();
}

}  // namespace sporix::launcher

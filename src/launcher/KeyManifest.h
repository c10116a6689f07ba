#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

namespace sporix::launcher {

// What the launcher last copied into a working folder: for each file, by its path
// relative to the folder, the SHA-256 of the bytes it wrote. A file whose bytes still
// have that hash is the package's; any other is the user's.
class KeyManifest {
public:
    static constexpr const char* kFileName = ".sporix-installed";

    static KeyManifest read(const QString& folder);
    // Written whole through a new file renamed over the old one. Returns false when the
    // folder cannot be written.
    bool write(const QString& folder) const;

    bool contains(const QString& path) const { return hashes_.contains(path); }
    QByteArray hash(const QString& path) const { return hashes_.value(path); }
    void set(const QString& path, const QByteArray& hash) { hashes_.insert(path, hash); }
    qsizetype size() const { return hashes_.size(); }

private:
    QMap<QString, QByteArray> hashes_;
};

// The SHA-256 of a file's bytes, hex-encoded; empty when it cannot be read.
QByteArray fileHash(const QString& path);

}  // namespace sporix::launcher

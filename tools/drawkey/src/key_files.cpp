#include "key_files.h"

#include <QDir>
#include <QFile>
#include <QStringList>

namespace {

// Windows-1252 bytes 0x80-0x9F; 0 marks the five unassigned ones. The rest is Latin-1.
constexpr char16_t cp1252High[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                     0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                     0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                     0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

QString fromCp1252(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        if (code >= 0x80 && code < 0xA0)
            text.append(QChar(cp1252High[code - 0x80] ? cp1252High[code - 0x80] : u'?'));
        else
            text.append(QChar(char16_t(code)));
    }
    return text;
}

// Key lines end at CR; an LF right after it belongs to the line end; Ctrl-Z ends the file.
QStringList readKeyLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QByteArray content = file.readAll();
    const qsizetype end = content.indexOf('\x1A');
    if (end >= 0) content.truncate(end);
    QStringList lines;
    qsizetype start = 0;
    while (start < content.size()) {
        qsizetype cr = content.indexOf('\r', start);
        if (cr < 0) cr = content.size();
        lines << fromCp1252(content.mid(start, cr - start));
        start = cr + 1;
        if (start < content.size() && content[start] == '\n') ++start;
    }
    return lines;
}

// File names in the key are matched without regard to letter case.
QString findFile(const QString& folder, const QString& name) {
    const QDir dir(folder);
    for (const QString& entry : dir.entryList(QDir::Files))
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return dir.filePath(entry);
    return {};
}

}  // namespace

QHash<QString, QString> readSpeciesNames(const QString& dataFolder, const QString& genusFolder) {
    QHash<QString, QString> names;
    const QString path = findFile(dataFolder, genusFolder + QLatin1String(".SPE"));
    if (path.isEmpty()) return names;
    constexpr int codeLength = 8;
    // A name line has the star right after the 8-character code; value lines never hold a star.
    for (const QString& line : readKeyLines(path))
        if (line.size() > codeLength && line[codeLength] == QLatin1Char('*'))
            names.insert(line.left(codeLength).toUpper(), line.mid(codeLength + 1).trimmed());
    return names;
}

std::optional<QString> readGenusDisplayName(const QString& dataFolder, const QString& genusFolder) {
    const QString path = findFile(dataFolder, QStringLiteral("genuslst.txt"));
    if (path.isEmpty()) return std::nullopt;
    const QStringList lines = readKeyLines(path);
    for (qsizetype first = 0; first + 2 < lines.size(); first += 3)
        if (lines[first + 1].trimmed().compare(genusFolder, Qt::CaseInsensitive) == 0)
            return lines[first + 2].trimmed();
    return std::nullopt;
}

std::optional<std::vector<QStringList>> readStateTexts(const QString& dataFolder, const QString& genusFolder,
                                                       const QString& extension) {
    const QString path = findFile(dataFolder, genusFolder + extension);
    if (path.isEmpty()) return std::nullopt;
    // A block is the character's name, its state lines, then a line holding ".". A state
    // line holds the text in its first 25 characters and the code after them.
    constexpr int stateTextWidth = 25;
    std::vector<QStringList> characters;
    std::optional<QStringList> block;
    for (const QString& line : readKeyLines(path)) {
        if (line == QLatin1String(".")) {
            characters.push_back(block.value_or(QStringList()));
            block.reset();
        } else if (!block) {
            block.emplace();  // the character's name
        } else {
            *block << line.left(stateTextWidth).trimmed();
        }
    }
    return characters;
}

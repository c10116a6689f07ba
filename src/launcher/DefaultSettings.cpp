#include "DefaultSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <array>
#include <utility>

namespace sporix::launcher {

namespace {

constexpr const char* kSettingsFile = "SpxInit.txt";
constexpr int kEnglish = 1;
constexpr int kFirstKindOfSearching = 1;

// The key's languages by their index in the settings file.
constexpr std::array<std::pair<QLocale::Language, int>, 6> kLanguages = {{{QLocale::English, 1},
                                                                          {QLocale::Dutch, 2},
                                                                          {QLocale::German, 3},
                                                                          {QLocale::French, 4},
                                                                          {QLocale::Italian, 5},
                                                                          {QLocale::Spanish, 6}}};

int languageIndex(const QLocale& locale) {
    for (const auto& [language, index] : kLanguages)
        if (locale.language() == language) return index;
    return kEnglish;
}

}  // namespace

QByteArray defaultSettings(const QLocale& locale) {
    return QByteArray::number(languageIndex(locale)) + "\r\n" + QByteArray::number(kFirstKindOfSearching) + "\r\n";
}

bool writeDefaultSettings(const QString& workingFolder, const QLocale& locale) {
    const QDir folder(workingFolder);
    // The program finds its files without regard to case: any spelling counts as there.
    if (!folder.entryList({QString::fromLatin1(kSettingsFile)}, QDir::Files | QDir::Hidden).isEmpty()) return true;
    QSaveFile file(folder.filePath(QString::fromLatin1(kSettingsFile)));
    if (!file.open(QIODevice::WriteOnly)) return false;
    const QByteArray bytes = defaultSettings(locale);
    return file.write(bytes) == bytes.size() && file.commit();
}

}  // namespace sporix::launcher

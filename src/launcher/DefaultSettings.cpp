#include "DefaultSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <array>
#include <cstdint>
#include <utility>

#include "SettingsFile.h"

namespace sporix::launcher {

namespace {

constexpr std::uint16_t kEnglish = 1;
constexpr std::uint16_t kFirstKindOfSearching = 1;

// The key's languages by their index in the settings file.
constexpr std::array<std::pair<QLocale::Language, std::uint16_t>, 6> kLanguages = {{{QLocale::English, 1},
                                                                          {QLocale::Dutch, 2},
                                                                          {QLocale::German, 3},
                                                                          {QLocale::French, 4},
                                                                          {QLocale::Italian, 5},
                                                                          {QLocale::Spanish, 6}}};

std::uint16_t languageIndex(const QLocale& locale) {
    for (const auto& [language, index] : kLanguages)
        if (locale.language() == language) return index;
    return kEnglish;
}

}  // namespace

QByteArray defaultSettings(const QLocale& locale) {
    return QByteArray::fromStdString(formatSettings(languageIndex(locale), kFirstKindOfSearching));
}

bool writeDefaultSettings(const QString& workingFolder, const QLocale& locale) {
    const QDir folder(workingFolder);
    // The program finds its files without regard to case: any spelling counts as there.
    if (!folder.entryList({QString::fromLatin1(kSettingsFileName)}, QDir::Files | QDir::Hidden).isEmpty()) return true;
    QSaveFile file(folder.filePath(QString::fromLatin1(kSettingsFileName)));
    if (!file.open(QIODevice::WriteOnly)) return false;
    const QByteArray bytes = defaultSettings(locale);
    return file.write(bytes) == bytes.size() && file.commit();
}

}  // namespace sporix::launcher

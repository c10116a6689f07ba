#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>

namespace sporix::launcher {

// The settings file a new working folder starts with, so that the first start of Sporix
// finds one: the language of the user's locale where the key has it (English otherwise)
// and the first kind of searching, written as Sporix writes them.
QByteArray defaultSettings(const QLocale& locale);

// Writes them into `workingFolder` unless it has a settings file already. False when the
// file cannot be written.
bool writeDefaultSettings(const QString& workingFolder, const QLocale& locale);

}  // namespace sporix::launcher

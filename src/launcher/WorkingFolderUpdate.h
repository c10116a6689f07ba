#pragma once

#include <QString>
#include <QStringList>

namespace sporix::launcher {

// What one update of a working folder did, by path relative to the folder.
struct UpdateReport {
    QStringList added;        // new in the installed key, copied
    QStringList updated;      // changed in the installed key and untouched by the user
    QStringList keptChanged;  // the user's own version, left as it is
    QStringList keptDeleted;  // copied once, deleted by the user since, not brought back
    QString error;            // empty when every file could be handled
};

// Brings a user's working folder up to the installed key: makes the folder, copies files
// it does not have, and replaces files the package changed, but never a file the user
// changed or deleted, and never the settings file. Each copy is written to a new file and
// renamed into place, so a start that is cut short leaves no half-written file.
UpdateReport updateWorkingFolder(const QString& installedKey, const QString& workingFolder);

}  // namespace sporix::launcher

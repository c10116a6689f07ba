#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace sporix {

// The key's Windows-1252 bytes as shown on screen, and typed text back as bytes.
QString shown(const std::string& bytes);
QStringList shown(const std::vector<std::string>& lines);
std::string typed(const QString& text);

}  // namespace sporix

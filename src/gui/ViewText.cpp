#include "ViewText.h"

#include "Cp1252.h"

namespace sporix {

QString shown(const std::string& bytes) { return QString::fromStdString(cp1252ToUtf8(bytes)); }

QStringList shown(const std::vector<std::string>& lines) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(lines.size()));
    for (const auto& line : lines) list.push_back(shown(line));
    return list;
}

std::string typed(const QString& text) { return utf8ToCp1252(text.toStdString()); }

}  // namespace sporix

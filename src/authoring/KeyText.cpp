#include "KeyText.h"

#include "ByteBuffer.h"
#include "LineReader.h"

namespace fs = std::filesystem;

namespace sporix::authoring {

std::vector<std::string> keyLines(std::string_view bytes) {
    ByteBuffer buffer(bytes);
    LineReader reader(buffer);
    std::vector<std::string> lines;
    while (!reader.atEnd()) lines.push_back(reader.readLine());
    return lines;
}

void checkLineEnds(const std::vector<std::string>& lines, const std::string& file, Findings& findings) {
    for (std::size_t k = 0; k < lines.size(); ++k) {
        if (lines[k].find('\n') == std::string::npos) continue;
        findings.error("lone-lf", file, static_cast<int>(k + 1),
                       "a line feed without a carriage return: the program reads this line and the next as one",
                       "end every line with CR LF");
    }
}

std::string shownName(const WorkFolder& folder, std::string_view name) {
    const auto path = folder.find(name);
    if (path) {
        const auto relative = path->lexically_relative(folder.root()).generic_u8string();
        return std::string(relative.begin(), relative.end());
    }
    std::string shown(name);
    for (char& c : shown) {
        if (c == '\\') c = '/';
    }
    return shown;
}

std::optional<std::string> readKeyFile(const WorkFolder& folder, std::string_view name, const Lookup& lookup,
                                       Findings& findings) {
    const std::string shown = shownName(folder, name);
    std::error_code ec;
    const auto path = folder.find(name);
    if (!path || !fs::exists(*path, ec)) {
        findings.add(lookup.missing, "missing-file", shown, 0, lookup.what + " is missing", lookup.advice);
        return std::nullopt;
    }
    auto bytes = folder.readAll(name);
    if (!bytes) findings.error("unreadable-file", shown, 0, lookup.what + " cannot be read", "make it a readable file");
    return bytes;
}

bool isKeyCode(char code) { return (code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9'); }

}  // namespace sporix::authoring

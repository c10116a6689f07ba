#include "GenusListCheck.h"

#include <set>

#include "ByteBuffer.h"
#include "CharacterFilesCheck.h"
#include "KeyText.h"
#include "Limits.h"

namespace sporix::authoring {

namespace {

constexpr std::size_t kLinesPerGenus = 3;

void checkWidths(const std::vector<std::string>& lines, std::size_t first, const std::string& file,
                 Findings& findings) {
    const auto line = [first](std::size_t offset) { return static_cast<int>(first + offset + 1); };
    const std::string& code = lines[first];
    const std::string& folderName = first + 1 < lines.size() ? lines[first + 1] : std::string();
    const std::string& name = first + 2 < lines.size() ? lines[first + 2] : std::string();
    if (code.size() > kGenusCodeWidth) {
        findings.warning("genus-code-width", file, line(0),
                         "genus code " + quoted(code) + " is longer than 3 bytes; the program uses " +
                             quoted(code.substr(0, kGenusCodeWidth)) + " to name the character pictures",
                         "keep the code to 3 characters");
    }
    if (folderName.size() > kWholeFileNameFolderWidth) {
        const GenusEntry entry{code, folderName, name};
        const std::string characterFile = genusFileName(entry, ".FEA");
        findings.error(
            "folder-width", file, line(1),
            "folder name " + quoted(folderName) + " is longer than 8 bytes; the program looks for " +
                quoted(characterFile) + " instead of " + quoted(folderName + ".FEA") +
                (characterFile == genusFileName(entry, ".SPE") ? ", and for the species file under the same name" : ""),
            "keep the folder name to 8 characters");
    }
    if (name.size() > kGenusNameWidth) {
        findings.warning("genus-name-width", file, line(2),
                         "display name " + quoted(name) + " is longer than 16 bytes; the menu shows " +
                             quoted(name.substr(0, kGenusNameWidth)),
                         "keep the display name to 16 characters");
    }
}

}  // namespace

std::vector<ListedGenus> checkGenusList(const WorkFolder& folder, Findings& findings) {
    const auto bytes =
        readKeyFile(folder, kGenusListName, {Severity::Error, "the genus list", "write genuslst.txt"}, findings);
    if (!bytes) return {};
    const std::string file = shownName(folder, kGenusListName);
    const auto lines = keyLines(*bytes);
    checkLineEnds(lines, file, findings);
    GenusList list;
    ByteBuffer buffer(*bytes);
    const int read = readGenusList(buffer, list);
    const std::size_t entries = (lines.size() + kLinesPerGenus - 1) / kLinesPerGenus;
    if (entries > static_cast<std::size_t>(kMaxGenera)) {
        findings.error("too-many-genera", file, kMaxGenera * 3 + 1,
                       "the list holds " + std::to_string(entries) + " genera; the program offers only the first 30",
                       "keep to 30 genera");
    } else if (read == kMaxGenera) {
        findings.warning("thirty-genera", file, 0,
                         "the list holds 30 genera; the program says so each time the menu opens", "keep to 29 genera");
    }
    if (lines.size() % kLinesPerGenus != 0) {
        findings.error("genus-entry-cut", file, static_cast<int>(lines.size()),
                       "the last entry has " + std::to_string(lines.size() % kLinesPerGenus) + " of its 3 lines",
                       "give every genus a code, a folder name and a display name");
    }
    std::vector<ListedGenus> genera;
    std::set<std::string> folders;
    for (int i = 0; i < read && static_cast<std::size_t>(i) * kLinesPerGenus < lines.size(); ++i) {
        const std::size_t first = static_cast<std::size_t>(i) * kLinesPerGenus;
        const GenusEntry& entry = list[static_cast<std::size_t>(i)];
        const int line = static_cast<int>(first + 2);
        checkWidths(lines, first, file, findings);
        if (entry.folder.empty()) {
            findings.error("no-folder-name", file, line, "genus " + std::to_string(i + 1) + " has no folder name",
                           "write the folder name on the entry's second line");
        } else if (!WorkFolder::staysInside(entry.folder)) {
            findings.error("folder-outside", file, line,
                           "folder name " + quoted(entry.folder) +
                               " leads out of the working folder; the program refuses the genus",
                           "use a plain folder name such as RUSSULA");
        } else if (!folders.insert(entry.folder).second) {
            findings.warning("genus-twice", file, line, "folder " + quoted(entry.folder) + " is listed twice",
                             "list each genus once");
        } else {
            genera.push_back({entry, line - 1});
        }
    }
    return genera;
}

}  // namespace sporix::authoring

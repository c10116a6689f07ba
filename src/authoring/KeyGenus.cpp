#include "KeyGenus.h"

#include <algorithm>
#include <array>

#include "ByteBuffer.h"
#include "CharacterFilesCheck.h"
#include "GenusListCheck.h"
#include "Languages.h"

namespace sporix::authoring {

namespace {

bool sameLetters(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

std::optional<GenusEntry> findGenus(const WorkFolder& folder, std::string_view name) {
    const auto bytes = folder.readAll(kGenusListName);
    if (!bytes) return std::nullopt;
    GenusList list;
    ByteBuffer buffer(*bytes);
    const int count = readGenusList(buffer, list);
    for (int i = 0; i < count; ++i) {
        const GenusEntry& entry = list[static_cast<std::size_t>(i)];
        if (!entry.folder.empty() && (sameLetters(entry.folder, name) || sameLetters(entry.displayName, name)))
            return entry;
    }
    return std::nullopt;
}

std::optional<KeyGenus> openGenus(const WorkFolder& folder, std::string_view name, int languageIndex,
                                  std::string& why) {
    KeyGenus genus;
    const auto entry = findGenus(folder, name);
    if (!entry || !WorkFolder::staysInside(entry->folder)) {
        why = "the key's genus list names no genus \"" + std::string(name) + "\"";
        return std::nullopt;
    }
    genus.entry = *entry;
    genus.speciesFileName = genusFileName(genus.entry, ".SPE");
    std::string characterFile = genusFileName(genus.entry, characterFileExtension(languageIndex));
    if (!folder.fileExists(characterFile)) characterFile = genusFileName(genus.entry, kEnglishCharacterExtension);
    const auto bytes = folder.readAll(characterFile);
    if (!bytes) {
        why = "cannot read the character file " + characterFile;
        return std::nullopt;
    }
    ByteBuffer buffer(*bytes);
    genus.read = readCharacterFile(buffer, *genus.characters);
    return genus;
}

int languageIndexOf(std::string_view code) {
    constexpr std::array<std::string_view, 6> kCodes = {"en", "nl", "de", "fr", "it", "es"};
    const auto found = std::find(kCodes.begin(), kCodes.end(), code);
    return found == kCodes.end() ? 0 : static_cast<int>(found - kCodes.begin()) + 1;
}

}  // namespace sporix::authoring

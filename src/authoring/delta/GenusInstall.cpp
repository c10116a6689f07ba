#include "GenusInstall.h"

#include <fstream>

#include "CharacterFilesCheck.h"
#include "Cp1252.h"
#include "GenusListCheck.h"
#include "KeyGenus.h"

namespace fs = std::filesystem;

namespace sporix::authoring::delta {

namespace {

constexpr const char* kLineEnd = "\r\n";

bool writeInFolder(const fs::path& folder, const std::string& name, const std::string& bytes) {
    std::ofstream file(folder / name, std::ios::binary);
    return static_cast<bool>(file << bytes) && static_cast<bool>(file.flush());
}

std::string withLineEnd(std::string text) {
    if (!text.empty() && text.back() != '\n' && text.back() != '\r') text += kLineEnd;
    return text;
}

}  // namespace

bool installGenus(const WorkFolder& key, const Conversion& conversion, std::string& why) {
    const GenusEntry& genus = conversion.genus;
    const std::string characterFile = genusFileName(genus, ".FEA");
    const std::string speciesFile = genusFileName(genus, ".SPE");
    if (!WorkFolder::staysInside(genus.folder) || genus.folder.find_first_of("\\/") != std::string::npos) {
        why = "the folder name \"" + cp1252ToUtf8(genus.folder) + "\" is not a plain name";
        return false;
    }
    if (findGenus(key, genus.folder) || key.find(characterFile) || key.find(speciesFile)) {
        why = "the key already has a genus " + cp1252ToUtf8(genus.folder) + "; choose another folder name";
        return false;
    }
    const std::string list = withLineEnd(key.readAll(kGenusListName).value_or(""));
    std::error_code ec;
    const std::string folderName = cp1252ToUtf8(genus.folder);
    const fs::path folder = key.root() / fs::path(std::u8string(folderName.begin(), folderName.end()));
    fs::create_directories(folder, ec);
    bool written = !ec && key.replaceFile(characterFile, conversion.characterFile) &&
                   key.replaceFile(speciesFile, conversion.speciesFile);
    for (const ConvertedItem& item : conversion.items) {
        written = written && writeInFolder(folder, item.speciesCode + ".TXT", item.description);
    }
    written = written && writeInFolder(folder, "NOTES.TXT", conversion.notes);
    written = written && key.replaceFile(kGenusListName, list + genus.code + kLineEnd + genus.folder + kLineEnd +
                                                             genus.displayName + kLineEnd);
    if (!written) why = "cannot write the genus into " + key.root().string();
    return written;
}

}  // namespace sporix::authoring::delta

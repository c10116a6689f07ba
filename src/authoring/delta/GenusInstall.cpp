#include "GenusInstall.h"

#include <fstream>
#include <vector>

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

// What an install has written so far, taken back when a later step fails.
class Written {
public:
    explicit Written(const fs::path& folder) : folder_(folder), madeFolder_(!fs::exists(folder)) {}
    void add(fs::path file) { files_.push_back(std::move(file)); }
    void takeBack() const {
        std::error_code ec;
        for (const fs::path& file : files_) fs::remove(file, ec);
        if (madeFolder_) fs::remove(folder_, ec);
    }

private:
    fs::path folder_;
    bool madeFolder_;
    std::vector<fs::path> files_;
};

}  // namespace

bool installRefused(const WorkFolder& key, const Conversion& conversion, std::string& why) {
    const GenusEntry& genus = conversion.genus;
    const std::string folder = cp1252ToUtf8(genus.folder);
    if (genus.folder.empty() || !WorkFolder::staysInside(genus.folder) ||
        genus.folder.find_first_of("\\/") != std::string::npos) {
        why = "the folder name \"" + folder + "\" is not a plain name";
    } else if (genus.folder.size() > kWholeFileNameFolderWidth) {
        why = "the folder name \"" + folder + "\" is longer than 8 characters: the program cuts file names to 12 " +
              "bytes and would look for \"" + cp1252ToUtf8(genusFileName(genus, ".FEA")) + "\" and \"" +
              cp1252ToUtf8(genusFileName(genus, ".SPE")) +
              "\"; choose a name of at most 8 characters with --genus-folder";
    } else if (findGenus(key, genus.folder) || key.find(genusFileName(genus, ".FEA")) ||
               key.find(genusFileName(genus, ".SPE"))) {
        why = "the key already has a genus " + folder + "; choose another folder name";
    }
    return !why.empty();
}

bool installGenus(const WorkFolder& key, const Conversion& conversion, std::string& why) {
    const GenusEntry& genus = conversion.genus;
    if (installRefused(key, conversion, why)) return false;
    const std::string list = withLineEnd(key.readAll(kGenusListName).value_or(""));
    const std::string folderName = cp1252ToUtf8(genus.folder);
    const fs::path folder = key.root() / fs::path(std::u8string(folderName.begin(), folderName.end()));
    Written written(folder);
    std::error_code ec;
    fs::create_directories(folder, ec);
    bool whole = !ec;
    // Only files that were not there are taken back; the checks above leave none but the
    // genus folder's own to be written over.
    const auto write = [&](const std::string& name, const std::string& bytes) {
        const bool existed = key.find(name).has_value();
        whole = whole && key.replaceFile(name, bytes);
        if (auto path = key.find(name); path && !existed) written.add(*path);
    };
    const auto writeInGenus = [&](const std::string& name, const std::string& bytes) {
        const bool existed = fs::exists(folder / name, ec);
        whole = whole && writeInFolder(folder, name, bytes);
        if (!existed) written.add(folder / name);
    };
    write(genusFileName(genus, ".FEA"), conversion.characterFile);
    write(genusFileName(genus, ".SPE"), conversion.speciesFile);
    for (const ConvertedItem& item : conversion.items) writeInGenus(item.speciesCode + ".TXT", item.description);
    writeInGenus("NOTES.TXT", conversion.notes);
    // The list last and alone: until it names the genus, the program does not know it.
    whole = whole && key.replaceFile(kGenusListName, list + genus.code + kLineEnd + genus.folder + kLineEnd +
                                                         genus.displayName + kLineEnd);
    if (!whole) {
        written.takeBack();
        why = "cannot write the genus into " + key.root().string() + "; nothing of it is left there";
    }
    return whole;
}

}  // namespace sporix::authoring::delta

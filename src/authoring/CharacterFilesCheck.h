#pragma once

#include <memory>
#include <string>

#include "CharacterFile.h"
#include "Finding.h"
#include "GenusList.h"
#include "WorkFolder.h"

namespace sporix::authoring {

// The English characters of a genus, which the species file is checked against.
struct GenusCharacters {
    std::unique_ptr<CharacterTable> table = std::make_unique<CharacterTable>();
    CharacterFileRead read;
    std::string file;   // as shown in findings
    int languages = 0;  // language files present, English included
    bool readable = false;

    const CharacterRow& row(int index) const { return (*table)[static_cast<std::size_t>(index)]; }
    // The line of state `slot` (0-based) of character `index` (0-based) in `file`.
    int stateLine(int index, std::size_t slot) const;
};

// The longest folder name whose files keep their whole names: it and ".FEA" fill the 12
// bytes of a file name. A longer one loses the extension's letters, and from 11 bytes on
// the character file and the species file share one name.
inline constexpr std::size_t kWholeFileNameFolderWidth = 8;

// The name the program gives a genus file: folder name and extension, cut to 12 bytes.
std::string genusFileName(const GenusEntry& genus, const std::string& extension);

// Checks the six character files of a genus, each on its own and each against English.
GenusCharacters checkCharacterFiles(const WorkFolder& folder, const GenusEntry& genus, Findings& findings);

// The state codes of a character, in file order.
std::string stateCodes(const CharacterRow& row);

}  // namespace sporix::authoring

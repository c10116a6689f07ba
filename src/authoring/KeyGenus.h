#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "CharacterFile.h"
#include "GenusList.h"
#include "WorkFolder.h"

namespace sporix::authoring {

// A genus of a key's list, found by its folder name or its display name (letter case
// aside), with its characters in one language as the program reads them.
struct KeyGenus {
    GenusEntry entry;
    std::unique_ptr<CharacterTable> characters = std::make_unique<CharacterTable>();
    CharacterFileRead read;
    std::string speciesFileName;
};

std::optional<GenusEntry> findGenus(const WorkFolder& folder, std::string_view name);

// The genus and its character file in `languageIndex` (1..6), falling back to English
// as the program does; nullopt with `why` set when either cannot be read.
std::optional<KeyGenus> openGenus(const WorkFolder& folder, std::string_view name, int languageIndex, std::string& why);

// "en", "nl", "de", "fr", "it", "es" as a language index; 0 for anything else.
int languageIndexOf(std::string_view code);

}  // namespace sporix::authoring

#pragma once

#include <string>
#include <vector>

#include "WorkFolder.h"

namespace sporix::authoring {

// The files of a key beside its genera: the interface, help, accessible-name and advice
// texts of the six languages, and the picture shown for a species without a drawing.
std::vector<std::string> keyLanguageFileNames();

// Those without which the program does not start from the folder (the English interface
// texts) or shows a species without a drawing (NoFigs.Jpg), that `key` lacks.
std::vector<std::string> missingStartFiles(const WorkFolder& key);

// Copies from `from` every language file that `key` lacks, never one it has; the names
// copied are added to `copied`. False with `why` when one cannot be read or written.
bool copyLanguageFiles(const WorkFolder& from, const WorkFolder& key, std::vector<std::string>& copied,
                       std::string& why);

}  // namespace sporix::authoring

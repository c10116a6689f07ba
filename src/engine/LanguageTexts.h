#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "WorkFolder.h"

namespace sporix {

// Texts of the interface language that stand in files of their own beside the interface
// texts, named as those are ("<stem>UK.Txt", "<stem>NL.Txt" ...), one text per line. Each
// line that the file holds and does not leave empty replaces the text of its number in
// `texts`; a key without the file, or a line it lacks, keeps the text given (English).
void readLanguageTexts(const WorkFolder& folder, std::string_view stem, int languageIndex,
                       std::span<std::string> texts);

// `text` with the first "%1" replaced by the first argument, the first "%2" by the second,
// and so on.
std::string withArguments(const std::string& text, std::initializer_list<std::string_view> arguments);

}  // namespace sporix

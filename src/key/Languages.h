#pragma once

#include <string>
#include <string_view>

namespace sporix {

// The six languages of the key, by language index: 1 English, 2 Dutch, 3 German,
// 4 French, 5 Italian, 6 Spanish.
inline constexpr int kLanguageCount = 6;
inline bool isLanguage(int languageIndex) { return languageIndex >= 1 && languageIndex <= kLanguageCount; }

// Each returns the name or extension of a language, or an empty text for an index
// outside 1..6.
std::string interfaceTextFileName(int languageIndex);
// A text file of the language in the working folder: the stem, the language's letters
// ("UK", "NL", "D", "F", "I", "S") and ".Txt", as "InitUK.Txt" is named.
std::string languageFileName(std::string_view stem, int languageIndex);
std::string characterFileExtension(int languageIndex);
std::string descriptionExtension(int languageIndex);
// The folder of the language's pictures: its letters, as in the text file names.
std::string languageFolderName(int languageIndex);

// The stems of the key's text files in each language, and the picture shown for a species
// without a drawing.
inline constexpr const char* kInterfaceTextStem = "Init";
inline constexpr const char* kHelpTextStem = "Info";
inline constexpr const char* kAccessibleTextStem = "Access";
inline constexpr const char* kAdviceTextStem = "Advice";
inline constexpr const char* kPlaceholderPicture = "NoFigs.Jpg";

inline constexpr const char* kEnglishCharacterExtension = ".FEA";
inline constexpr const char* kEnglishDescriptionExtension = ".TXT";

}  // namespace sporix

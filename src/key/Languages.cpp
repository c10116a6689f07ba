#include "Languages.h"

#include <array>

namespace sporix {

namespace {

struct LanguageFiles {
    const char* fileLetters;
    const char* characterExtension;
    const char* descriptionExtension;
};

constexpr std::array<LanguageFiles, kLanguageCount> kFiles = {{
    {"UK", ".FEA", ".TXT"},
    {"NL", ".FEN", ".TXN"},
    {"D", ".FED", ".TXD"},
    {"F", ".FEF", ".TXF"},
    {"I", ".FEI", ".TXI"},
    {"S", ".FES", ".TXS"},
}};

}  // namespace

std::string interfaceTextFileName(int languageIndex) { return languageFileName(kInterfaceTextStem, languageIndex); }

std::string languageFileName(std::string_view stem, int languageIndex) {
    return isLanguage(languageIndex) ? std::string(stem) + kFiles[languageIndex - 1].fileLetters + ".Txt" : "";
}

std::string characterFileExtension(int languageIndex) {
    return isLanguage(languageIndex) ? kFiles[languageIndex - 1].characterExtension : "";
}

std::string descriptionExtension(int languageIndex) {
    return isLanguage(languageIndex) ? kFiles[languageIndex - 1].descriptionExtension : "";
}

std::string languageFolderName(int languageIndex) {
    return isLanguage(languageIndex) ? kFiles[languageIndex - 1].fileLetters : "";
}

}  // namespace sporix

#include "Languages.h"

#include <array>

namespace sporix {

namespace {

struct LanguageFiles {
    const char* interfaceTexts;
    const char* characterExtension;
    const char* descriptionExtension;
};

constexpr std::array<LanguageFiles, kLanguageCount> kFiles = {{
    {"InitUK.Txt", ".FEA", ".TXT"},
    {"InitNL.Txt", ".FEN", ".TXN"},
    {"InitD.Txt", ".FED", ".TXD"},
    {"InitF.Txt", ".FEF", ".TXF"},
    {"InitI.Txt", ".FEI", ".TXI"},
    {"InitS.Txt", ".FES", ".TXS"},
}};

}  // namespace

std::string interfaceTextFileName(int languageIndex) {
    return isLanguage(languageIndex) ? kFiles[languageIndex - 1].interfaceTexts : "";
}

std::string characterFileExtension(int languageIndex) {
    return isLanguage(languageIndex) ? kFiles[languageIndex - 1].characterExtension : "";
}

std::string descriptionExtension(int languageIndex) {
    return isLanguage(languageIndex) ? kFiles[languageIndex - 1].descriptionExtension : "";
}

}  // namespace sporix

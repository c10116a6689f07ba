#include "LanguagePicture.h"

#include "Languages.h"

namespace sporix {

std::string languagePictureName(std::string_view name, int languageIndex) {
    const std::string letters = languageFolderName(languageIndex);
    if (letters.empty()) return "";
    const auto separator = name.find_last_of("\\/");
    const std::size_t fileStart = separator == std::string_view::npos ? 0 : separator + 1;
    return std::string(name.substr(0, fileStart)) + letters + "\\" + std::string(name.substr(fileStart));
}

std::optional<std::string> pictureInLanguage(const WorkFolder& folder, std::string_view name, int languageIndex) {
    std::string translated = languagePictureName(name, languageIndex);
    if (!translated.empty() && folder.fileExists(translated)) return translated;
    if (folder.fileExists(name)) return std::string(name);
    return std::nullopt;
}

}  // namespace sporix

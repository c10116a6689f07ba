#include "KeyLanguageFiles.h"

#include "Languages.h"

namespace sporix::authoring {

namespace {

const char* const kTextStems[] = {kInterfaceTextStem, kHelpTextStem, kAccessibleTextStem, kAdviceTextStem};

}  // namespace

std::vector<std::string> keyLanguageFileNames() {
    std::vector<std::string> names;
    for (const char* stem : kTextStems) {
        for (int language = 1; language <= kLanguageCount; ++language)
            names.push_back(languageFileName(stem, language));
    }
    names.push_back(kPlaceholderPicture);
    return names;
}

std::vector<std::string> missingStartFiles(const WorkFolder& key) {
    std::vector<std::string> missing;
    for (const std::string& name : {interfaceTextFileName(1), std::string(kPlaceholderPicture)}) {
        if (!key.fileExists(name)) missing.push_back(name);
    }
    return missing;
}

bool copyLanguageFiles(const WorkFolder& from, const WorkFolder& key, std::vector<std::string>& copied,
                       std::string& why) {
    for (const std::string& name : keyLanguageFileNames()) {
        if (key.find(name) || !from.fileExists(name)) continue;
        const auto bytes = from.readAll(name);
        if (!bytes || !key.replaceFile(name, *bytes)) {
            why = "cannot copy " + name + " from " + from.root().string() + " into " + key.root().string();
            return false;
        }
        copied.push_back(name);
    }
    return true;
}

}  // namespace sporix::authoring

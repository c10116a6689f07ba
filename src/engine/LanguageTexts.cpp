#include "LanguageTexts.h"

#include <vector>

#include "InterfaceTexts.h"
#include "Languages.h"

namespace sporix {

void readLanguageTexts(const WorkFolder& folder, std::string_view stem, int languageIndex,
                       std::span<std::string> texts) {
    auto file = folder.openForReading(languageFileName(stem, languageIndex));
    if (!file) return;
    const NumberedTexts read = readNumberedTexts(*file, texts.size());
    for (std::size_t k = 0; k < read.lines; ++k) {
        if (!read.texts[k].empty()) texts[k] = read.texts[k];
    }
}

std::string withArguments(const std::string& text, std::initializer_list<std::string_view> arguments) {
    // One pass from left to right, so that an argument holding "%1" stays as it is.
    std::string result;
    std::vector<bool> used(arguments.size(), false);
    for (std::size_t k = 0; k < text.size(); ++k) {
        const bool placeholder = text[k] == '%' && k + 1 < text.size() && text[k + 1] >= '1' && text[k + 1] <= '9';
        const std::size_t number = placeholder ? static_cast<std::size_t>(text[k + 1] - '1') : used.size();
        if (number < used.size() && !used[number]) {
            result += arguments.begin()[number];
            used[number] = true;
            ++k;
        } else {
            result += text[k];
        }
    }
    return result;
}

}  // namespace sporix

#include "Arguments.h"

namespace sporix::keytool {

std::string Arguments::option(const std::string& name, const std::string& fallback) const {
    const auto found = options.find(name);
    return found == options.end() ? fallback : found->second;
}

Arguments parseArguments(const std::vector<std::string>& words, const std::set<std::string>& flagNames,
                         const std::set<std::string>& optionNames) {
    Arguments arguments;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word == "-h" || word == "--help") {
            arguments.flags.insert("--help");
            continue;
        }
        if (word.size() < 2 || word.compare(0, 2, "--") != 0) {
            arguments.positional.push_back(word);
            continue;
        }
        const auto equals = word.find('=');
        const std::string name = word.substr(0, equals);
        if (flagNames.count(name) != 0 && equals == std::string::npos) {
            arguments.flags.insert(name);
        } else if (optionNames.count(name) != 0 && equals != std::string::npos) {
            arguments.options[name] = word.substr(equals + 1);
        } else if (optionNames.count(name) != 0 && i + 1 < words.size()) {
            arguments.options[name] = words[++i];
        } else {
            arguments.error = optionNames.count(name) != 0 ? name + " needs a value" : "unknown option " + name;
            break;
        }
    }
    return arguments;
}

}  // namespace sporix::keytool

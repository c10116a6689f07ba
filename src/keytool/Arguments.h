#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

namespace sporix::keytool {

// The words after a subcommand: positional words, flags ("--json") and options with a
// value ("--language nl" or "--language=nl").
struct Arguments {
    std::vector<std::string> positional;
    std::set<std::string> flags;
    std::map<std::string, std::string> options;
    std::string error;  // empty when the words were understood

    bool has(const std::string& flag) const { return flags.count(flag) != 0; }
    std::string option(const std::string& name, const std::string& fallback = {}) const;
};

Arguments parseArguments(const std::vector<std::string>& words, const std::set<std::string>& flagNames,
                         const std::set<std::string>& optionNames);

}  // namespace sporix::keytool

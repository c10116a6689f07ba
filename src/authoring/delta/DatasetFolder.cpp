#include "DatasetFolder.h"

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>

#include "DeltaDirectives.h"
#include "WorkFolder.h"

namespace fs = std::filesystem;

namespace sporix::authoring::delta {

namespace {

// The files of a dataset, in the order their directives are best read.
const char* const kStandardFiles[] = {"specs", "chars", "cnotes", "items"};

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; });
    return text;
}

std::vector<std::string> folderFiles(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_regular_file(ec)) names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The file that stands for a standard name, or empty; `why` says when several could.
std::string standardFile(const std::vector<std::string>& names, const std::string& wanted, std::string& why) {
    std::vector<std::string> withExtension;
    for (const std::string& name : names) {
        if (lowerCase(name) == wanted) return name;
        if (lowerCase(fs::path(name).stem().string()) == wanted) withExtension.push_back(name);
    }
    if (withExtension.size() == 1) return withExtension.front();
    if (withExtension.size() > 1) {
        why = "several files could hold the " + wanted + ":";
        for (const std::string& name : withExtension) why += " " + name;
        why += "; none of them is read (rename the one that holds the data to \"" + wanted + "\")";
    }
    return {};
}

// The folder's own spelling of a name that a directive gives, letter case aside.
std::string spelledAsInFolder(const std::vector<std::string>& names, const std::string& name) {
    const auto found = std::find_if(names.begin(), names.end(),
                                    [&name](const std::string& n) { return lowerCase(n) == lowerCase(name); });
    return found == names.end() ? name : *found;
}

bool readFile(const fs::path& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream read;
    if (!in || !(read << in.rdbuf())) return false;
    bytes = read.str();
    return true;
}

}  // namespace

DatasetFolder readDatasetFolder(const fs::path& folder) {
    DatasetFolder dataset;
    const std::vector<std::string> names = folderFiles(folder);
    std::vector<std::string> wanted;
    for (const char* standard : kStandardFiles) {
        std::string why;
        const std::string name = standardFile(names, standard, why);
        if (!name.empty()) wanted.push_back(name);
        if (!why.empty()) dataset.problems.push_back(why);
    }
    std::set<std::string> taken;
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        const std::string name = spelledAsInFolder(names, wanted[i]);
        if (!taken.insert(lowerCase(name)).second) continue;
        std::string bytes;
        if (!WorkFolder::staysInside(name) || !readFile(folder / name, bytes)) {
            dataset.problems.push_back("cannot read " + name);
            continue;
        }
        for (std::string named : inputFileNames(bytes)) wanted.push_back(std::move(named));
        dataset.files.push_back({name, std::move(bytes)});
    }
    for (const std::string& name : names) {
        if (taken.count(lowerCase(name)) == 0) dataset.passedOver.push_back(name);
    }
    return dataset;
}

}  // namespace sporix::authoring::delta

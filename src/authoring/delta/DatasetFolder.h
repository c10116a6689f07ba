#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "DeltaDataset.h"

namespace sporix::authoring::delta {

// The files of a dataset folder that hold its data: the standard ones (specs, chars,
// cnotes, items; letter case aside, with an extension only where no file has the bare
// name and no two files share it) and those their INPUT FILE directives name. Every
// other file of the folder is passed over and named, so that "items.new" or a copy
// kept beside "items" is never read as well.
struct DatasetFolder {
    std::vector<DatasetFile> files;
    std::vector<std::string> passedOver;  // file names (UTF-8)
    std::vector<std::string> problems;    // UTF-8, one line each
};

DatasetFolder readDatasetFolder(const std::filesystem::path& folder);

}  // namespace sporix::authoring::delta

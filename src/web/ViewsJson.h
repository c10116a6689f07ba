#pragma once

#include <string>
#include <vector>

#include "Views.h"

namespace sporix {

struct ShownMessage {
    bool error = false;  // from the general error handler
    std::string text;    // Windows-1252 bytes
};

// What the page needs beside the windows: the language's number (for the page's own texts
// and its `lang`), each genus item's folder (the page fetches a genus's files before it is
// chosen) and the species whose description is open (its window's caption names it).
struct PageFacts {
    int languageIndex = 0;
    std::vector<std::string> genusFolders;  // Windows-1252 bytes, menu item 1 first
    std::string descriptionSpecies;         // genus and species, Windows-1252 bytes
};

// What the page needs after an action: the messages the user reads, in order, and every
// window's view. One JSON document with the field names of Views.h; texts decoded from
// Windows-1252 to UTF-8, pictures as their file and size (null where none is shown); then
// the page's facts.
std::string updateJson(const std::vector<ShownMessage>& messages, const WindowViews& views, const PageFacts& facts);

}  // namespace sporix

#pragma once

#include <string>
#include <vector>

#include "Views.h"

namespace sporix {

struct ShownMessage {
    bool error = false;  // from the general error handler
    std::string text;    // Windows-1252 bytes
};

// What the page needs after an action: the messages the user reads, in order, and every
// window's view. One JSON document with the field names of Views.h; texts decoded from
// Windows-1252 to UTF-8, pictures as their file and size (null where none is shown).
std::string updateJson(const std::vector<ShownMessage>& messages, const WindowViews& views);

}  // namespace sporix

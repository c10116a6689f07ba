#pragma once

#include <functional>
#include <string>

namespace sporix::authoring {

// Decodes a picture file of the key (a name as the program gives it) with the program's
// own decoders; returns why it cannot be shown, or an empty text when it decodes.
using PictureProbe = std::function<std::string(const std::string& name)>;

}  // namespace sporix::authoring

#include "WebPictureLoader.h"

#include "KeyError.h"

namespace sporix {

PictureHandle WebPictureLoader::load(std::string_view name) {
    if (!folder_.openForReading(name)) folder_.openOrThrow(name);  // throws with the system's reason
    const auto path = folder_.find(name);
    if (!path) throw KeyError("Cannot read file \"" + std::string(name) + "\".");  // it went in between
    const auto relative = path->lexically_relative(folder_.root()).generic_u8string();
    const std::string file(relative.begin(), relative.end());
    const auto size = catalogue_.sizeOf(file);
    if (!size) throw KeyError("Cannot show the picture \"" + std::string(name) + "\": the browser cannot decode it.");
    return std::make_shared<WebPicture>(file, *size);
}

}  // namespace sporix

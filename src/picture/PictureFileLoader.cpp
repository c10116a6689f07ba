#include "PictureFileLoader.h"

#include "KeyError.h"

namespace sporix {

namespace {

bool endsWithIgnoringCase(std::string_view name, std::string_view ending) {
    if (name.size() < ending.size()) return false;
    const auto tail = name.substr(name.size() - ending.size());
    for (std::size_t i = 0; i < ending.size(); ++i) {
        const char c = tail[i];
        const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        if (lower != ending[i]) return false;
    }
    return true;
}

}  // namespace

PictureHandle PictureFileLoader::load(std::string_view name) {
    const std::string shownName(name);
    const auto bytes = folder_.readAll(name);
    if (!bytes) {
        folder_.openOrThrow(name);  // throws with the system's reason
        throw KeyError("Cannot read file \"" + shownName + "\".");  // it came back in between
    }
    try {
        if (endsWithIgnoringCase(name, ".jpg")) return fromJpeg(decodeJpeg(*bytes));
        if (endsWithIgnoringCase(name, ".bmp")) return decodeBitmap(*bytes);
        throw PictureDecodeError("the picture is neither a bitmap (.BMP) nor a JPEG (.JPG)");
    } catch (const PictureDecodeError& error) {
        throw KeyError("Cannot show the picture \"" + shownName + "\": " + error.what());
    }
}

}  // namespace sporix

#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace sporix {

// A decoded picture; the window that shows it knows its concrete kind.
class Picture {
public:
    virtual ~Picture() = default;
    virtual int width() const = 0;
    virtual int height() const = 0;
};

using PictureHandle = std::shared_ptr<const Picture>;

// Decodes the picture file `name` of the working folder (".BMP" a bitmap, ".JPG" a JPEG).
// A file that cannot be read or decoded throws a KeyError that names it.
class PictureLoader {
public:
    virtual ~PictureLoader() = default;
    virtual PictureHandle load(std::string_view name) = 0;
};

}  // namespace sporix

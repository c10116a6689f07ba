#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Picture.h"
#include "WorkFolder.h"

namespace sporix {

struct PictureSize {
    int width = 0;
    int height = 0;
};

// Whoever draws the pictures: the page, whose browser decodes them. It says whether it can
// show the picture file at `file` (relative to the key folder, "/"-separated, UTF-8) and
// how large it is.
class PictureCatalogue {
public:
    virtual ~PictureCatalogue() = default;
    virtual std::optional<PictureSize> sizeOf(const std::string& file) = 0;
};

// A picture that the page draws from its file.
class WebPicture : public Picture {
public:
    WebPicture(std::string file, PictureSize size) : file_(std::move(file)), size_(size) {}
    int width() const override { return size_.width; }
    int height() const override { return size_.height; }
    const std::string& file() const { return file_; }

private:
    std::string file_;
    PictureSize size_;
};

// Finds a picture file of the key as the desktop loader does (same names, same message for
// a file that is not there), but leaves the decoding to the page.
class WebPictureLoader : public PictureLoader {
public:
    WebPictureLoader(const WorkFolder& folder, PictureCatalogue& catalogue) : folder_(folder), catalogue_(catalogue) {}

    PictureHandle load(std::string_view name) override;

private:
    const WorkFolder& folder_;
    PictureCatalogue& catalogue_;
};

}  // namespace sporix

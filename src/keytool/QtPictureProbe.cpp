#include "QtPictureProbe.h"

#include <memory>

#include "KeyError.h"
#include "QtPictures.h"

namespace sporix::keytool {

authoring::PictureProbe programPictureProbe(const WorkFolder& folder) {
    auto loader = std::make_shared<QtPictureLoader>(folder);
    return [loader](const std::string& name) -> std::string {
        try {
            loader->load(name);
            return {};
        } catch (const KeyError& error) {
            return error.what();
        }
    };
}

}  // namespace sporix::keytool

// The one binding between the page and the engine: the player's actions, typed, each
// answering with the update as JSON.
#include <emscripten/bind.h>

#include "WebPlayer.h"

namespace sporix {

namespace {

// The page's answer to "can you show this picture, and how large is it?": a function
// that returns {width, height}, or null for a file the browser cannot decode.
class PagePictures : public PictureCatalogue {
public:
    explicit PagePictures(emscripten::val sizeOf) : sizeOf_(std::move(sizeOf)) {}

    std::optional<PictureSize> sizeOf(const std::string& file) override {
        const emscripten::val size = sizeOf_(file);
        if (size.isNull() || size.isUndefined()) return std::nullopt;
        return PictureSize{size["width"].as<int>(), size["height"].as<int>()};
    }

private:
    emscripten::val sizeOf_;
};

class PagePlayer {
public:
    PagePlayer(const std::string& keyFolder, emscripten::val pictureSize)
        : pictures_(std::move(pictureSize)), player_(keyFolder, pictures_) {}

    WebPlayer& player() { return player_; }
    std::string compare(emscripten::val tickedItems) {
        return player_.compare(emscripten::vecFromJSArray<int>(tickedItems));
    }

private:
    PagePictures pictures_;
    WebPlayer player_;
};

template <auto Method, typename... Args>
std::string forward(PagePlayer& page, Args... args) {
    return (page.player().*Method)(args...);
}

}  // namespace

EMSCRIPTEN_BINDINGS(sporix) {
    using emscripten::class_;
    class_<PagePlayer>("Player")
        .constructor<const std::string&, emscripten::val>()
        .function("activate", &forward<&WebPlayer::activate>)
        .function("openGenera", &forward<&WebPlayer::openGenera>)
        .function("chooseGenus", &forward<&WebPlayer::chooseGenus, int>)
        .function("chooseState", &forward<&WebPlayer::chooseState, int, int>)
        .function("clearAll", &forward<&WebPlayer::clearAll>)
        .function("stepBack", &forward<&WebPlayer::stepBack>)
        .function("speedButton", &forward<&WebPlayer::speedButton>)
        .function("searchKind", &forward<&WebPlayer::searchKind, int>)
        .function("language", &forward<&WebPlayer::language, int>)
        .function("characterPicture", &forward<&WebPlayer::characterPicture, int>)
        .function("openSpecies", &forward<&WebPlayer::openSpecies, int>)
        .function("compare", &PagePlayer::compare)
        .function("slide", &forward<&WebPlayer::slide>)
        .function("closeDescription", &forward<&WebPlayer::closeDescription>)
        .function("closeWindow", &forward<&WebPlayer::closeWindow, const std::string&>)
        .function("heading", &forward<&WebPlayer::heading, int>)
        .function("help", &forward<&WebPlayer::help, int>)
        .function("howToStart", &forward<&WebPlayer::howToStart>)
        .function("about", &forward<&WebPlayer::about>)
        .function("advisor", &forward<&WebPlayer::advisor>)
        .function("advice", &forward<&WebPlayer::advice, int>);
}

}  // namespace sporix

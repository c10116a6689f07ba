// The desktop engine's side of the same-results test: replays the page's steps through the
// same player the module runs, with the desktop's own picture decoders, and writes one
// update per step, one line each.
//
//     web_same_results KEY_FOLDER < steps > updates
//
// A step is the player's method name and its arguments, e.g. "chooseState 3 1",
// "compare 0,2" or "closeWindow slide".
#include <functional>
#include <iostream>
#include <map>
#include <sstream>

#include "KeyError.h"
#include "QtPictures.h"
#include "WebPlayer.h"

namespace sporix {
namespace {

// Sizes as the desktop's decoders find them; a file they cannot decode has none.
class DecodedPictures : public PictureCatalogue {
public:
    explicit DecodedPictures(const std::filesystem::path& keyFolder) : folder_(keyFolder), loader_(folder_) {}

    std::optional<PictureSize> sizeOf(const std::string& file) override {
        try {
            const PictureHandle picture = loader_.load(file);
            return PictureSize{picture->width(), picture->height()};
        } catch (const KeyError&) {
            return std::nullopt;
        }
    }

private:
    WorkFolder folder_;
    QtPictureLoader loader_;
};

std::vector<int> itemList(const std::string& text) {
    std::vector<int> items;
    std::istringstream in(text);
    for (std::string item; std::getline(in, item, ',');) items.push_back(std::stoi(item));
    return items;
}

using Step = std::function<std::string(WebPlayer&, std::istringstream&)>;

int number(std::istringstream& in) {
    int value = 0;
    in >> value;
    return value;
}

const std::map<std::string, Step>& steps() {
    static const std::map<std::string, Step> kSteps = {
        {"activate", [](WebPlayer& p, auto&) { return p.activate(); }},
        {"openGenera", [](WebPlayer& p, auto&) { return p.openGenera(); }},
        {"chooseGenus", [](WebPlayer& p, auto& in) { return p.chooseGenus(number(in)); }},
        {"chooseState",
         [](WebPlayer& p, auto& in) {
             const int row = number(in);
             return p.chooseState(row, number(in));
         }},
        {"clearAll", [](WebPlayer& p, auto&) { return p.clearAll(); }},
        {"stepBack", [](WebPlayer& p, auto&) { return p.stepBack(); }},
        {"speedButton", [](WebPlayer& p, auto&) { return p.speedButton(); }},
        {"searchKind", [](WebPlayer& p, auto& in) { return p.searchKind(number(in)); }},
        {"language", [](WebPlayer& p, auto& in) { return p.language(number(in)); }},
        {"characterPicture", [](WebPlayer& p, auto& in) { return p.characterPicture(number(in)); }},
        {"openSpecies", [](WebPlayer& p, auto& in) { return p.openSpecies(number(in)); }},
        {"compare",
         [](WebPlayer& p, auto& in) {
             std::string items;
             in >> items;
             return p.compare(itemList(items));
         }},
        {"slide", [](WebPlayer& p, auto&) { return p.slide(); }},
        {"closeDescription", [](WebPlayer& p, auto&) { return p.closeDescription(); }},
        {"closeWindow",
         [](WebPlayer& p, auto& in) {
             std::string window;
             in >> window;
             return p.closeWindow(window);
         }},
        {"heading", [](WebPlayer& p, auto& in) { return p.heading(number(in)); }},
        {"help", [](WebPlayer& p, auto& in) { return p.help(number(in)); }},
        {"howToStart", [](WebPlayer& p, auto&) { return p.howToStart(); }},
        {"about", [](WebPlayer& p, auto&) { return p.about(); }},
        {"advisor", [](WebPlayer& p, auto&) { return p.advisor(); }},
        {"advice", [](WebPlayer& p, auto& in) { return p.advice(number(in)); }},
    };
    return kSteps;
}

}  // namespace
}  // namespace sporix

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: web_same_results KEY_FOLDER < steps > updates\n";
        return 2;
    }
    sporix::DecodedPictures pictures(argv[1]);
    sporix::WebPlayer player(argv[1], pictures);
    for (std::string line; std::getline(std::cin, line);) {
        std::istringstream in(line);
        std::string name;
        in >> name;
        const auto step = sporix::steps().find(name);
        if (step == sporix::steps().end()) {
            std::cerr << "web_same_results: unknown step \"" << line << "\"\n";
            return 2;
        }
        std::cout << step->second(player, in) << '\n';
    }
    return 0;
}

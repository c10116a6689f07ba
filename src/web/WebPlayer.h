#pragma once

#include <filesystem>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "KeyProgram.h"
#include "UserMessages.h"
#include "ViewsJson.h"
#include "WebPictureLoader.h"
#include "WorkFolder.h"

namespace sporix {

// Keeps the messages of one action until the page takes them.
class CollectedMessages : public UserMessages {
public:
    void showMessage(const std::string& text) override { messages_.push_back({false, text}); }
    void reportError(const std::string& text) override { messages_.push_back({true, text}); }
    std::vector<ShownMessage> take() { return std::exchange(messages_, {}); }
    // Cuts a message that reads `text` back to its first `length` bytes.
    void shorten(const std::string& text, std::size_t length) {
        for (auto& message : messages_) {
            if (message.text == text) message.text.resize(length);
        }
    }

private:
    std::vector<ShownMessage> messages_;
};

// The program as the page drives it: one method per user action, each answering with the
// update (messages and views, see ViewsJson.h). It only translates the page's gestures
// into KeyProgram's handlers; every rule stays in the engine. Where the page is not the
// desktop it says so here: its settings live in the browser (no settings file is ever
// "missing"), a language chosen before any genus only changes the language, and a genus
// just chosen is not answered with "choose a genus first".
class WebPlayer {
public:
    WebPlayer(std::filesystem::path keyFolder, PictureCatalogue& pictures);
    WebPlayer(const WebPlayer&) = delete;
    WebPlayer& operator=(const WebPlayer&) = delete;

    std::string activate();                      // the main window becomes active again
    std::string openGenera();                    // the Genera menu opens
    std::string chooseGenus(int item);           // its item 1..30
    std::string chooseState(int row, int item);  // row 1..42; item of its list, -1 for none
    std::string clearAll();
    std::string stepBack();
    std::string speedButton();
    std::string searchKind(int kind);  // 1 all species, 2 rest species
    std::string language(int index);   // 1..6
    std::string characterPicture(int row);
    std::string openSpecies(int index);
    std::string compare(const std::vector<int>& tickedItems);
    std::string slide();
    std::string closeDescription();                      // its Close button
    std::string closeWindow(const std::string& window);  // a close box: help, description, slide, comparison, advisor
    std::string heading(int column);                     // a species heading of the comparison, 1..3
    std::string help(int language);
    std::string howToStart();
    std::string about();
    std::string advisor();         // the advisor's menu item
    std::string advice(int line);  // a click on line `line` of the advisor

    const WindowViews& views() const { return program_.views(); }

private:
    std::string update();
    PageFacts facts() const;
    template <typename... Args>
    std::string after(void (KeyProgram::*handler)(Args...), std::type_identity_t<Args>... args) {
        (program_.*handler)(args...);
        return update();
    }

    WorkFolder folder_;
    CollectedMessages messages_;
    WebPictureLoader pictures_;
    KeyProgram program_;
};

}  // namespace sporix

#pragma once

#include <array>
#include <string>
#include <vector>

#include "Limits.h"
#include "Picture.h"

// What the windows show, as data: the engine sets it, the windows copy it onto their
// controls after every handler. Texts are Windows-1252 bytes. The initial values are the
// windows' states at creation.
namespace sporix {

struct MenuItemView {
    std::string caption;
    bool enabled = true;
    bool checked = false;
};

struct CharacterRowView {
    std::string labelCaption;
    bool labelEnabled = false;
    std::string comboText;
    std::vector<std::string> comboItems;
    bool comboSilver = false;
    bool buttonEnabled = false;
    // What a screen reader says for the list and the "?" button of the row.
    std::string comboAccessibleName;
    std::string buttonAccessibleName;
    // Said of a greyed character: it no longer tells the species apart.
    std::string comboAccessibleDescription;
};

struct MainWindowView {
    std::string caption = " Indentification of Fungi";
    std::array<CharacterRowView, kMaxCharacters> rows;
    int characterFills = 0;  // each filling brings a genus's states anew

    std::string label43Caption = " ";
    bool label43Enabled = false;
    bool label44Enabled = false;
    std::string speedButton1Caption;
    bool speedButton1Enabled = false;
    bool image1Visible = true;
    PictureHandle image1;
    std::vector<std::string> listBox1;
    bool listBox1Visible = true;
    std::vector<std::string> listBox2;
    bool listBox2Visible = true;
    bool checkListVisible = false;
    int checkListItems = 0;
    int checkListFills = 0;  // each filling brings new, unticked items
    std::string listBox1AccessibleName;
    std::string listBox2AccessibleName;
    std::string checkListAccessibleName;
    // Each species with its percentage, and each tick box by its species.
    std::vector<std::string> listBox1AccessibleItems;
    std::vector<std::string> checkListAccessibleItems;

    std::string genera1Caption = "Genera";
    std::array<std::string, kMaxGenera> genusItems = filledWith("-");
    std::string info1Caption = "Info";
    std::string howtostart1Caption = "How to start";
    std::string aboutProgram1Caption = "About Program";
    std::string clearAll1Caption = "Clear all";
    std::string kindofsearching1Caption = "Kind of searching:";
    MenuItemView usingAllSpecies{"1. Using all species / all characters", true, true};
    MenuItemView usingRestSpecies{"2. Using restspecies after last character", true, false};
    std::string languageCaption = "Language";
    std::string n31Caption;
    MenuItemView stepback1{"Step back", false, false};
    MenuItemView comparespecies1{"Compare species", false, false};
    // The advisor's item at the right end of the menu bar. While a dangerous look-alike is
    // close its caption says so: the window puts a warning sign before it, which the key's
    // single-byte texts cannot hold, and tells the warning in words where the item is
    // described (its tool tip), since the bar has no room for a longer caption.
    MenuItemView advisor1{"Advisor", true, false};
    bool advisor1Warns = false;
    std::string advisor1Warning;

    // A click in the advisor opens the drop-down list of this row (1..42); each opening
    // counts, so that the same row opens again.
    int dropDownRow = 0;
    int dropDownOpenings = 0;

private:
    static std::array<std::string, kMaxGenera> filledWith(const char* text) {
        std::array<std::string, kMaxGenera> items;
        items.fill(text);
        return items;
    }
};

// A window that the engine shows non-modally; each showing also brings it to the front.
struct ShownWindow {
    bool visible = false;
    int showCount = 0;
    void show() {
        visible = true;
        ++showCount;
    }
};

struct HelpWindowView : ShownWindow {
    std::string caption = " Helpwindow Sporix";
    std::vector<std::string> memoLines{"Memo1"};
};

struct DescriptionWindowView : ShownWindow {
    std::string caption = " Description & Microscopical drawings";
    std::vector<std::string> memoLines;
    bool memoSilver = false;
    PictureHandle image1;
    std::string slideCaption = "Slide";
    bool slideEnabled = true;
    std::string closeCaption = "Close";
    std::string memoAccessibleName;
};

struct SlideWindowView : ShownWindow {
    std::string caption = " Slide";
    PictureHandle image1;
};

inline constexpr int kCompareColumns = 5;

struct ComparisonWindowView : ShownWindow {
    std::string caption = " Compare species";
    std::array<std::string, kCompareColumns> labels = {"empty", "empty", "empty", "empty", "empty"};
    std::array<std::vector<std::string>, kCompareColumns> memos;
    int scrollToTopCount = 0;
};

enum class AdviceSection { Status, LookAlikes, BestCharacters, NearMisses, FirstPlace };
enum class AdviceLineKind { Heading, Entry, Detail };

// One line of the advisor. A click on it opens the drop-down list of `row`, or the
// description of the species `speciesCode`, where it names one.
struct AdviceLine {
    AdviceSection section = AdviceSection::Status;
    AdviceLineKind kind = AdviceLineKind::Entry;
    std::string text;
    int row = 0;
    std::string speciesCode;
    std::string speciesName;
};

struct AdvisorWindowView : ShownWindow {
    std::string caption = "Advisor";
    std::vector<AdviceLine> lines;
};

struct WindowViews {
    MainWindowView main;
    HelpWindowView help;
    DescriptionWindowView description;
    SlideWindowView slide;
    ComparisonWindowView comparison;
    AdvisorWindowView advisor;
};

}  // namespace sporix

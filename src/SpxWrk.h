#pragma once

#include <QMainWindow>
#include <array>
#include <string>
#include <vector>

#include "Limits.h"
#include "Views.h"

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QToolButton;

namespace sporix {

class KeyWindows;
class OpeningList;
class StateBox;

// The main window: 42 character rows on the left, the species lists and the picture box
// on the right, the main menu on top. It hands every event to the program and shows the
// program's view of it.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(KeyWindows& windows);

    void showView(const MainWindowView& view);

    struct CharacterRowControls {
        QLabel* label = nullptr;
        StateBox* comboBox = nullptr;
        QPushButton* button = nullptr;
    };

private:
    void createRows(QWidget& client);
    void createRightHandArea(QWidget& client);
    void createListBoxes(QWidget& client);
    void createMenu();
    void setKeyboardOrder();
    QAction* addMenuAction(QMenu& menu, const char* name, const char* caption);
    QAction* addBarAction(const char* name, const char* caption);

    void openSpecies(int row);
    void comboBoxChanged();
    std::vector<std::string> comboBoxTexts() const;
    std::vector<bool> ticks() const;

    void showRows(const MainWindowView& view);
    void showRightHandArea(const MainWindowView& view);
    void showMenu(const MainWindowView& view);
    void openDropDown(const MainWindowView& view);

    KeyWindows& windows_;
    std::array<CharacterRowControls, kMaxCharacters> rows_;
    QLabel* label43_ = nullptr;
    QLabel* label44_ = nullptr;
    QToolButton* speedButton1_ = nullptr;
    QLabel* image1_ = nullptr;
    OpeningList* listBox1_ = nullptr;
    QListWidget* checkListBox1_ = nullptr;
    QListWidget* listBox2_ = nullptr;

    QMenu* genera1_ = nullptr;
    std::array<QAction*, kMaxGenera> genusItems_{};
    QMenu* info1_ = nullptr;
    QAction* howtostart1_ = nullptr;
    QAction* aboutProgram1_ = nullptr;
    QAction* clearAll1_ = nullptr;
    QMenu* kindofsearching1_ = nullptr;
    QAction* usingAllSpecies_ = nullptr;
    QAction* usingRestSpecies_ = nullptr;
    QMenu* language_ = nullptr;
    QAction* n31_ = nullptr;
    QAction* stepback1_ = nullptr;
    QAction* comparespecies1_ = nullptr;
    QAction* advisor1_ = nullptr;

    PictureHandle shownPicture_;
    int shownCharacterFills_ = 0;
    int shownCheckListFills_ = -1;
    int shownDropDownOpenings_ = 0;
    bool showing_ = false;  // while the view is copied, list changes start no search
};

}  // namespace sporix

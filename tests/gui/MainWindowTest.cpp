// The main window as laid out and as the start-up step and the help items leave it.
#include <QApplication>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>

#include "GuiFixture.h"
#include "KeyFixture.h"

namespace sporix::test {
namespace {

class MainWindow : public GuiFixture {
protected:
    void writeKey(int kind) {
        folder.write("SpxInit.txt", "1\r\n" + std::to_string(kind) + "\r\n");
        folder.write("InitUK.Txt", numberedTexts());
    }
    QPoint at(const QString& name) { return find<QWidget>(mainWindow(), name)->geometry().topLeft(); }
};

TEST_F(MainWindow, RowsAndRightHandAreaStandWhereTheyAreDesigned) {
    writeKey(1);
    startWindows();
    EXPECT_EQ(at("ComboBox1"), QPoint(8, 12));
    EXPECT_EQ(at("ComboBox15"), QPoint(184, 12));
    EXPECT_EQ(at("ComboBox29"), QPoint(360, 12));
    EXPECT_EQ(at("ComboBox42"), QPoint(360, 484));
    EXPECT_EQ(at("Button42"), QPoint(510, 484));
    EXPECT_EQ(at("Label1"), QPoint(12, 0));
    EXPECT_EQ(at("Label16"), QPoint(188, 36));
    EXPECT_EQ(find<QWidget>(mainWindow(), "ComboBox7")->size(), QSize(148, 21));
    EXPECT_EQ(find<QWidget>(mainWindow(), "Button7")->size(), QSize(21, 21));
    EXPECT_EQ(find<QWidget>(mainWindow(), "ListBox1")->geometry(), QRect(552, 12, 209, 493));
    EXPECT_EQ(find<QWidget>(mainWindow(), "CheckListBox1")->geometry(), QRect(536, 12, 17, 493));
    EXPECT_EQ(find<QWidget>(mainWindow(), "ListBox2")->geometry(), QRect(760, 12, 25, 493));
    EXPECT_EQ(find<QWidget>(mainWindow(), "Image1")->geometry(), QRect(536, 16, 249, 489));
    EXPECT_EQ(find<QWidget>(mainWindow(), "SpeedButton1")->geometry(), QRect(656, 0, 105, 13));
    // Resizing lays nothing out anew.
    mainWindow().resize(1000, 700);
    QApplication::processEvents();
    EXPECT_EQ(at("ComboBox42"), QPoint(360, 484));
    screenshot(mainWindow(), "main-window-empty");
}

TEST_F(MainWindow, StatesAtCreationBeforeAnyGenus) {
    writeKey(1);
    startWindows();
    for (int n = 1; n <= 42; ++n) {
        EXPECT_TRUE(comboBox(n)->isEnabled()) << n;
        EXPECT_EQ(comboBox(n)->count(), 0) << n;
        EXPECT_FALSE(find<QPushButton>(mainWindow(), QStringLiteral("Button%1").arg(n))->isEnabled()) << n;
    }
    EXPECT_FALSE(find<QWidget>(mainWindow(), "CheckListBox1")->isVisible());
    EXPECT_FALSE(find<QWidget>(mainWindow(), "Image1")->isVisible());
    // A greyed character name stays readable on the silver background.
    const QColor greyed = find<QLabel>(mainWindow(), "Label1")->palette().color(QPalette::Disabled, QPalette::WindowText);
    EXPECT_LT(greyed.lightness(), 150);
    EXPECT_TRUE(action("N1")->isSeparator());
    EXPECT_TRUE(action("N30")->isSeparator());
    EXPECT_FALSE(action("N31")->isEnabled());
    EXPECT_FALSE(action("Stepback1")->isEnabled());
    EXPECT_FALSE(action("Comparespecies1")->isEnabled());
}

// The control that the Tab key moves the focus to from `from` (a drop-down list's own
// text field counts as the list).
QWidget* tabFrom(QWidget* from) {
    from->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* to = QApplication::focusWidget();
    return to && qobject_cast<QComboBox*>(to->parentWidget()) ? to->parentWidget() : to;
}

TEST_F(MainWindow, KeyboardOrderRunsThroughListsThenButtons) {
    writeSampleKey(1, {{"TGALPHA1*alpha", "R", "A", "M"}});
    startWindows();
    chooseGenus(1);  // no pictures: the buttons stay disabled, so enable one to reach it
    find<QWidget>(mainWindow(), "Button1")->setEnabled(true);
    EXPECT_EQ(tabFrom(comboBox(1)), comboBox(2));
    // Rows 4 to 42 hold no character of the genus: Tab passes over them.
    EXPECT_EQ(tabFrom(comboBox(3)), find<QWidget>(mainWindow(), "ListBox1"));
    EXPECT_EQ(tabFrom(comboBox(14)), find<QWidget>(mainWindow(), "ListBox1"));
    EXPECT_EQ(tabFrom(find<QWidget>(mainWindow(), "ListBox1")), find<QWidget>(mainWindow(), "ListBox2"));  // the tick column is hidden
    EXPECT_EQ(tabFrom(find<QWidget>(mainWindow(), "ListBox2")), find<QWidget>(mainWindow(), "Button1"));
}

TEST_F(MainWindow, MenuCaptionsInEachKindOfSearching) {
    folder.write("InitUK.Txt", numberedTexts());
    startWindows();  // no settings file: kind 0, English after the message
    EXPECT_EQ(messages.take(), std::vector<std::string>{"SpxInit.txt "});
    EXPECT_EQ(menu("Kindofsearching1")->title(), "Kind of searching:");
    EXPECT_TRUE(action("Usingallspeciesallcharcters1")->isChecked());
    windows.reset();
    writeKey(2);
    startWindows();
    EXPECT_EQ(mainWindow().windowTitle(), " [0]");
    EXPECT_EQ(menu("Genera1")->title(), "[23]");
    EXPECT_EQ(menu("Kindofsearching1")->title(), "[19]: 2");
    EXPECT_TRUE(action("Usingrestspeciesafterlastcharacter1")->isChecked());
    EXPECT_FALSE(action("Usingallspeciesallcharcters1")->isChecked());
    EXPECT_EQ(action("Stepback1")->text(), "[26]");
    EXPECT_EQ(action("N31")->text(), "[32]");
    EXPECT_EQ(action("Comparespecies1")->text(), "[29]");
    EXPECT_EQ(action("France1")->text(), QString::fromUtf8("Français"));
    EXPECT_EQ(action("InfoUk1")->text(), "UK Help");
    action("Usingallspeciesallcharcters1")->trigger();
    EXPECT_EQ(menu("Kindofsearching1")->title(), "[19]: 1");
    EXPECT_TRUE(action("Usingallspeciesallcharcters1")->isChecked());
    EXPECT_FALSE(action("Usingrestspeciesafterlastcharacter1")->isChecked());
    EXPECT_EQ(action("Stepback1")->text(), "");
    EXPECT_EQ(folder.read("SpxInit.txt"), "1\r\n1\r\n");
}

TEST_F(MainWindow, ReturningFromAnotherWindowOfTheProgramReadsAgain) {
    folder.write("InitUK.Txt", numberedTexts());
    folder.write("InfoUK.Txt", "Help\r\n");
    startWindows();
    EXPECT_EQ(messages.take(), std::vector<std::string>{"SpxInit.txt "});
    activate(mainWindow());  // still the main window: nothing is read
    EXPECT_TRUE(messages.take().empty());
    // A window that is not one of the program's five, as a message box, does not count.
    QWidget other;
    other.show();
    activate(other);
    activate(mainWindow());
    EXPECT_TRUE(messages.take().empty());
    action("InfoUk1")->trigger();
    auto& help = windows->helpWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&help));
    activate(mainWindow());
    EXPECT_EQ(messages.take(), std::vector<std::string>{"SpxInit.txt [7]"});
}

TEST_F(MainWindow, HelpShowsItsTextOnceAndAMissingHelpEmptiesIt) {
    writeKey(1);
    folder.write("InfoUK.Txt", "UK help\r\nsecond\r\n");
    startWindows();
    action("InfoUk1")->trigger();
    action("InfoUk1")->trigger();
    auto& help = windows->helpWindow();
    auto* memo = find<QPlainTextEdit>(help, "Memo1");
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(memo->toPlainText(), "UK help\nsecond");
    EXPECT_EQ(help.windowTitle(), " [14]");
    EXPECT_EQ(help.pos(), QPoint(79, 70));
    EXPECT_EQ(mainWindow().pos(), QPoint(0, 6));
    EXPECT_EQ(memo->geometry(), QRect(8, 8, 617, 409));
    action("SAyuda1")->trigger();
    EXPECT_EQ(messages.take(), std::vector<std::string>{"InfoS.Txt [7]"});
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(memo->toPlainText(), "");
}

}  // namespace
}  // namespace sporix::test

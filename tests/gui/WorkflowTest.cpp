// Identifications walked through the windows as a user walks them.
#include <QApplication>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "GuiFixture.h"
#include "KeyFixture.h"

namespace sporix::test {
namespace {

class Workflow : public GuiFixture {
protected:
    void writeKey(int kind) {
        writeFourSpeciesKey(kind);
        folder.write("TESTGEN/TGBETA01.TXT", "Beta, a test species\r\nMicroscopy: none\r\n");
        folder.write("TESTGEN/TGBETA01.BMP", makeBitmap(50, 60));
        folder.write("TESTGEN/TGBETA01.JPG", makeJpeg(64, 48));
        folder.write("TESTGEN/TstPic1.Jpg", makeJpeg(100, 80));
    }
};

TEST_F(Workflow, ChoosingAGenusFillsItsRows) {
    writeKey(1);
    startWindows();
    chooseGenus(1);
    EXPECT_TRUE(messages.take().empty());
    EXPECT_EQ(action("N1")->text(), "Testgenus");
    EXPECT_FALSE(action("N1")->isSeparator());
    EXPECT_EQ(mainWindow().windowTitle(), " [6]Testgenus");
    EXPECT_EQ(find<QLabel>(mainWindow(), "Label2")->text(), "Spore print");
    EXPECT_TRUE(find<QLabel>(mainWindow(), "Label2")->isEnabled());
    EXPECT_EQ(find<QLabel>(mainWindow(), "Label4")->text(), "");
    EXPECT_EQ(comboBox(2)->count(), 3);
    EXPECT_EQ(comboBox(2)->itemText(1), "cream" + QString(20, QLatin1Char(' ')));
    EXPECT_EQ(comboBox(2)->currentText(), "");
    EXPECT_EQ(comboBox(4)->palette().color(QPalette::Base), QColor(192, 192, 192));
    EXPECT_NE(comboBox(3)->palette().color(QPalette::Base), QColor(192, 192, 192));
    EXPECT_TRUE(find<QPushButton>(mainWindow(), "Button1")->isEnabled());
    EXPECT_FALSE(find<QPushButton>(mainWindow(), "Button2")->isEnabled());
    screenshot(mainWindow(), "main-window-genus");
}

TEST_F(Workflow, TypingIntoADropDownListSearchesAtEveryKeystroke) {
    writeKey(1);
    startWindows();
    chooseGenus(1);
    comboBox(1)->setFocus();
    QTest::keyClicks(comboBox(1), "red" + QString(22, QLatin1Char(' ')));
    EXPECT_EQ(lines("ListBox1"), (QStringList{"T.gamma", "T.beta", "T.alpha"}));
    EXPECT_EQ(lines("ListBox2"), (QStringList{"100", "100", "100"}));
    EXPECT_EQ(find<QLabel>(mainWindow(), "Label43")->text(), "[9]");
    EXPECT_EQ(find<QListWidget>(mainWindow(), "CheckListBox1")->count(), 3);
    EXPECT_TRUE(find<QWidget>(mainWindow(), "CheckListBox1")->isVisible());
    QTest::keyClick(comboBox(1), Qt::Key_Backspace);  // no longer a state text
    EXPECT_EQ(lines("ListBox1"), QStringList{"[8]"});
    EXPECT_TRUE(lines("ListBox2").isEmpty());
}

TEST_F(Workflow, RestSpeciesShownWithTheirCountAndGreyedCharacters) {
    writeKey(2);
    startWindows();
    chooseGenus(1);
    pickState(1, "red");
    EXPECT_EQ(lines("ListBox1"), (QStringList{"alpha", "beta", "gamma"}));
    EXPECT_EQ(find<QLabel>(mainWindow(), "Label43")->text(), "[10] 3");
    EXPECT_TRUE(action("Stepback1")->isEnabled());
    EXPECT_TRUE(find<QLabel>(mainWindow(), "Label3")->isEnabled());   // mild, mild, acrid
    EXPECT_FALSE(find<QLabel>(mainWindow(), "Label4")->isEnabled());  // no character
    pickState(2, "cream");
    EXPECT_FALSE(find<QLabel>(mainWindow(), "Label3")->isEnabled());  // one species tells nothing apart
    EXPECT_EQ(lines("ListBox1"), QStringList{"beta"});
    auto* again = find<QToolButton>(mainWindow(), "SpeedButton1");
    EXPECT_TRUE(again->isEnabled());
    EXPECT_EQ(again->text(), "[12]");
    action("Stepback1")->trigger();
    EXPECT_EQ(lines("ListBox1"), (QStringList{"alpha", "beta", "gamma"}));
    EXPECT_EQ(comboBox(2)->currentText(), "");
    EXPECT_TRUE(comboBox(1)->currentText().startsWith("red"));
}

TEST_F(Workflow, OneIdentificationFromTheMenuToTheComparison) {
    writeKey(1);
    startWindows();
    chooseGenus(1);
    pickState(1, "red");
    pickState(2, "cream");
    ASSERT_EQ(lines("ListBox1").first(), "T.beta");
    clickLine("ListBox1", 0);
    TForm3& description = windows->descriptionWindow();
    EXPECT_TRUE(description.isVisible());
    EXPECT_EQ(find<QPlainTextEdit>(description, "Memo1")->toPlainText(), "Beta, a test species\nMicroscopy: none");
    EXPECT_EQ(find<QLabel>(description, "Image1")->pixmap().size(), QSize(50, 60));
    auto* slide = find<QToolButton>(description, "SpeedButton1");
    EXPECT_TRUE(slide->isEnabled());
    screenshot(description, "description");
    QTest::mouseClick(slide, Qt::LeftButton);
    TForm4& slideWindow = windows->slideWindow();
    EXPECT_TRUE(slideWindow.isVisible());
    EXPECT_EQ(slideWindow.windowTitle(), " [15] T.beta");
    EXPECT_EQ(find<QLabel>(slideWindow, "Image1")->pixmap().size(), QSize(64, 48));
    EXPECT_FALSE(slide->isEnabled());
    slideWindow.close();
    EXPECT_TRUE(slide->isEnabled());

    activate(mainWindow());
    auto* ticks = find<QListWidget>(mainWindow(), "CheckListBox1");
    ASSERT_EQ(ticks->count(), 3);
    for (int i = 0; i < 3; ++i) ticks->item(i)->setCheckState(Qt::Checked);
    action("Comparespecies1")->trigger();
    TForm5& comparison = windows->comparisonWindow();
    EXPECT_TRUE(comparison.isVisible());
    EXPECT_EQ(comparison.windowTitle(), " [29]");
    EXPECT_EQ(find<QLabel>(comparison, "Label3")->text(), "beta");
    EXPECT_EQ(find<QPlainTextEdit>(comparison, "Memo1")->toPlainText(), "Cap colour\nSpore print\nTaste");
    EXPECT_EQ(find<QScrollArea>(comparison, "ScrollBox")->verticalScrollBar()->value(), 0);
    screenshot(comparison, "comparison");
    auto* heading = find<QLabel>(comparison, "Label3");
    QTest::mouseClick(heading, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(find<QPlainTextEdit>(description, "Memo1")->toPlainText(), "Beta, a test species\nMicroscopy: none");

    activate(mainWindow());
    action("Nederlands1")->trigger();
    EXPECT_EQ(find<QLabel>(mainWindow(), "Label1")->text(), "Hoedkleur");
    EXPECT_TRUE(lines("ListBox1").isEmpty());
    EXPECT_EQ(folder.read("SpxInit.txt"), "2\r\n1\r\n");
}

TEST_F(Workflow, QuestionMarkButtonShowsThePictureInPlaceOfTheLists) {
    writeKey(1);
    startWindows();
    chooseGenus(1);
    pickState(1, "red");
    QTest::mouseClick(find<QPushButton>(mainWindow(), "Button1"), Qt::LeftButton);
    auto* image = find<QLabel>(mainWindow(), "Image1");
    EXPECT_TRUE(image->isVisible());
    EXPECT_EQ(image->pixmap().size(), QSize(100, 80));
    EXPECT_FALSE(find<QWidget>(mainWindow(), "ListBox1")->isVisible());
    screenshot(mainWindow(), "main-window-picture");
    pickState(1, "green");
    EXPECT_FALSE(image->isVisible());
    EXPECT_TRUE(find<QWidget>(mainWindow(), "ListBox1")->isVisible());
}

// The flat button lies over the "%" sign: once it shows a caption, the sign beneath must not
// show through it, enabled or not; while it has none, the sign of the first kind shows.
class Stacking : public Workflow {
protected:
    QImage flatButtonArea() {
        QApplication::processEvents();
        return mainWindow().centralWidget()->grab(find<QWidget>(mainWindow(), "SpeedButton1")->geometry()).toImage();
    }
    // Whether the "%" label changes what is seen where the flat button lies.
    bool percentSignSeen() {
        auto* percent = find<QLabel>(mainWindow(), "Label44");
        const QImage withSign = flatButtonArea();
        percent->hide();
        const QImage withoutSign = flatButtonArea();
        percent->show();
        return withSign != withoutSign;
    }
};

TEST_F(Stacking, TheFlatButtonWithACaptionHidesThePercentSign) {
    writeKey(2);
    startWindows();
    chooseGenus(1);
    pickState(1, "green");
    pickState(2, "ochre");
    auto* button = find<QToolButton>(mainWindow(), "SpeedButton1");
    ASSERT_EQ(button->text(), "[12]");
    EXPECT_TRUE(button->isEnabled());
    EXPECT_FALSE(percentSignSeen());
    action("Stepback1")->trigger();
    EXPECT_FALSE(button->isEnabled());
    EXPECT_FALSE(percentSignSeen());
    screenshot(mainWindow(), "flat-button-over-percent");

    action("Usingallspeciesallcharcters1")->trigger();
    pickState(1, "red");
    EXPECT_EQ(button->text(), "");
    EXPECT_TRUE(find<QLabel>(mainWindow(), "Label44")->isEnabled());
    EXPECT_TRUE(percentSignSeen());
}

}  // namespace
}  // namespace sporix::test

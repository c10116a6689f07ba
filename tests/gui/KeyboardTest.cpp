// The windows worked from the keyboard alone: browsing a drop-down list, opening
// descriptions, moving on with Tab and closing with Escape.
#include <QApplication>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include "AdvisorWindow.h"
#include "GuiFixture.h"
#include "KeyFixture.h"

namespace sporix::test {
namespace {

class Keyboard : public GuiFixture {
protected:
    void writeKey(int kind) {
        writeFourSpeciesKey(kind);
        folder.write("TESTGEN.TOX", "TGGAMMA1 deadly\r\n");
        folder.write("TESTGEN/TGBETA01.TXT", "Beta, a test species\r\n");
        folder.write("TESTGEN/TGGAMMA1.TXT", "Gamma, a deadly test species\r\n");
    }
    // Keys go where the keyboard focus is, as they do for a user.
    void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
    void focus(QWidget* control) {
        control->setFocus();
        QApplication::processEvents();
    }
    QString described() {
        TForm3& description = windows->descriptionWindow();
        return description.isVisible() ? find<QPlainTextEdit>(description, "Memo1")->toPlainText() : QString();
    }
    void expectEscapeCloses(QWidget& window) {
        activate(window);
        press(Qt::Key_Escape);
        EXPECT_FALSE(window.isVisible()) << window.objectName().toStdString();
    }
    std::string chosen(int row) { return program.views().main.rows[static_cast<std::size_t>(row - 1)].comboText; }
};

TEST_F(Keyboard, ArrowKeysOnAClosedListTakeNoStepTheStateSettledOnTakesOne) {
    writeKey(2);
    startWindows();
    chooseGenus(1);
    focus(comboBox(1));
    press(Qt::Key_Down);  // red
    press(Qt::Key_Down);  // green
    EXPECT_TRUE(comboBox(1)->currentText().startsWith("green"));
    EXPECT_EQ(chosen(1), "");
    EXPECT_FALSE(action("Stepback1")->isEnabled());
    press(Qt::Key_Return);
    EXPECT_EQ(lines("ListBox1"), QStringList({"delta", "gamma"}));  // not gamma alone, as after red and green
    action("Stepback1")->trigger();  // a single step back returns to the start
    EXPECT_EQ(comboBox(1)->currentText(), "");

    // Leaving the list settles too, once.
    focus(comboBox(2));
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    EXPECT_EQ(chosen(2), "");
    press(Qt::Key_Tab);
    EXPECT_EQ(chosen(2).substr(0, 5), "cream");
    EXPECT_EQ(lines("ListBox1"), QStringList({"beta"}));
    press(Qt::Key_Tab);  // nothing passed over since: no further step
    action("Stepback1")->trigger();
    EXPECT_EQ(comboBox(2)->currentText(), "");

    // Opening the list is not settling: the state chosen there is the one step taken.
    focus(comboBox(1));
    press(Qt::Key_Up);  // passed over
    comboBox(1)->showPopup();
    EXPECT_EQ(chosen(1), "");
    comboBox(1)->view()->setCurrentIndex(comboBox(1)->model()->index(1, 0));  // green
    QTest::keyClick(comboBox(1)->view(), Qt::Key_Return);
    EXPECT_EQ(lines("ListBox1"), QStringList({"delta", "gamma"}));
    focus(comboBox(2));
    action("Stepback1")->trigger();
    EXPECT_EQ(comboBox(1)->currentText(), "");
}

TEST_F(Keyboard, ReturnAndSpaceOpenDescriptionsTabMovesOnEscapeCloses) {
    writeKey(1);
    startWindows();
    chooseGenus(1);
    pickState(1, "red");
    auto* species = find<QListWidget>(mainWindow(), "ListBox1");
    const int beta = lines("ListBox1").indexOf(QRegularExpression(".*beta"));
    ASSERT_GE(beta, 0) << lines("ListBox1").join('|').toStdString();
    focus(species);
    species->setCurrentRow(beta);
    press(Qt::Key_Return);
    EXPECT_EQ(described(), "Beta, a test species");
    // Its text is read, not written: Tab moves on to the window's buttons.
    TForm3& description = windows->descriptionWindow();
    activate(description);
    focus(find<QPlainTextEdit>(description, "Memo1"));
    press(Qt::Key_Tab);
    EXPECT_TRUE(qobject_cast<QToolButton*>(QApplication::focusWidget()));
    expectEscapeCloses(description);

    activate(mainWindow());
    auto* ticks = find<QListWidget>(mainWindow(), "CheckListBox1");
    for (int i = 0; i < ticks->count(); ++i) ticks->item(i)->setCheckState(Qt::Checked);
    action("Comparespecies1")->trigger();
    TForm5& comparison = windows->comparisonWindow();
    QWidget* heading = nullptr;
    for (const char* name : {"Label3", "Label4", "Label5"})
        if (find<QLabel>(comparison, name)->text() == "beta") heading = find<QLabel>(comparison, name);
    ASSERT_NE(heading, nullptr);
    activate(comparison);
    focus(heading);
    press(Qt::Key_Space);
    EXPECT_EQ(described(), "Beta, a test species");
    windows->descriptionWindow().close();
    expectEscapeCloses(comparison);

    activate(mainWindow());
    action("Advisor1")->trigger();
    AdvisorWindow& advisor = windows->advisorWindow();
    auto* advice = find<QListWidget>(advisor, "AdviceList");
    activate(advisor);
    focus(advice);
    // Down to the first line that opens the deadly species, then Return.
    const auto onGamma = [advice] {
        const QListWidgetItem* line = advice->currentItem();
        return line != nullptr && line->text().startsWith("gamma") && (line->flags() & Qt::ItemIsSelectable);
    };
    for (int i = 0; i < advice->count() && !onGamma(); ++i) press(Qt::Key_Down);
    ASSERT_TRUE(onGamma());
    press(Qt::Key_Return);
    EXPECT_EQ(described(), "Gamma, a deadly test species");
    windows->descriptionWindow().close();
    expectEscapeCloses(advisor);
}

TEST_F(Keyboard, HelpIsReadOnlyAndTheMenuBarsGapTakesNoFocus) {
    writeKey(1);
    folder.write("InfoUK.Txt", "Help text\r\n");
    startWindows();
    chooseGenus(1);
    action("InfoUk1")->trigger();
    TForm2& help = windows->helpWindow();
    auto* text = find<QPlainTextEdit>(help, "Memo1");
    activate(help);
    focus(text);
    QTest::keyClicks(text, "typed");
    press(Qt::Key_Tab);
    EXPECT_EQ(text->toPlainText(), "Help text");
    expectEscapeCloses(help);

    // The menu bar's gap takes no part in the keyboard's way through the bar.
    activate(mainWindow());
    QMenuBar* bar = mainWindow().menuBar();
    bar->setActiveAction(action("Stepback1"));
    QAction* spacer = mainWindow().findChild<QAction*>("Spacer");
    for (int i = 0; i < bar->actions().size(); ++i) {
        QTest::keyClick(bar, Qt::Key_Right);
        EXPECT_NE(bar->activeAction(), spacer);
    }
    QTest::keyClick(bar, Qt::Key_Escape);
}

TEST_F(Keyboard, NewAdviceShowsFromItsTopAndTheAdvisorStandsOnTheScreen) {
    writeKey(1);
    startWindows();
    chooseGenus(1);
    action("Advisor1")->trigger();
    AdvisorWindow& advisor = windows->advisorWindow();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.contains(advisor.geometry())) << screen.width() << " px screen";
    advisor.resize(advisor.width(), 60);  // too low for the advice: it scrolls
    auto* advice = find<QListWidget>(advisor, "AdviceList");
    QApplication::processEvents();
    ASSERT_GT(advice->verticalScrollBar()->maximum(), 0);
    advice->verticalScrollBar()->setValue(advice->verticalScrollBar()->maximum());
    pickState(1, "green");
    QApplication::processEvents();
    EXPECT_EQ(advice->verticalScrollBar()->value(), 0);
}

}  // namespace
}  // namespace sporix::test

// The advisor as a user meets it: its menu item, its window following the choices, and the
// warning in the menu item's caption while a dangerous look-alike is close.
#include <QApplication>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>

#include "AdvisorWindow.h"
#include "GuiFixture.h"
#include "KeyFixture.h"

namespace sporix::test {
namespace {

const QString kWarningSign = QStringLiteral("\u26A0 ");

class AdvisorWorkflow : public GuiFixture {
protected:
    void writeKey() {
        folder.write("SpxInit.txt", "1\r\n2\r\n");
        folder.write("InitUK.Txt", numberedTexts());
        folder.write("genuslst.txt", crlf({"Tst", "TESTGEN", "Testgenus"}));
        folder.write("TESTGEN.FEA", characterFile(sampleCharacters()));
        folder.write("TESTGEN.SPE", speciesFile({{"TGALPHA1*alpha", "R", "A", "M"},
                                                 {"TGBETA01*beta", "R", "B", "M"},
                                                 {"TGDEATH1*death", "G", "A", "H"}}));
        folder.write("TESTGEN.TOX", "TGDEATH1 deadly\r\n");
        folder.write("TESTGEN/TGDEATH1.TXT", "Death, a deadly test species\r\n");
        folder.write("NoFigs.Jpg", makeJpeg(40, 30));
    }

    QListWidget* adviceList() { return find<QListWidget>(windows->advisorWindow(), "AdviceList"); }
    QStringList advice() {
        QStringList texts;
        for (int i = 0; i < adviceList()->count(); ++i) texts.push_back(adviceList()->item(i)->text());
        return texts;
    }
    void clickAdvice(const QString& text) {
        const auto found = adviceList()->findItems(text, Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty()) << text.toStdString() << " not in "
                                      << advice().join(QLatin1Char('|')).toStdString();
        QTest::mouseClick(adviceList()->viewport(), Qt::LeftButton, {},
                          adviceList()->visualItemRect(found.front()).center());
    }
};

TEST_F(AdvisorWorkflow, FollowsTheChoicesAndWarnsInTheMenuWhileALookAlikeIsClose) {
    writeKey();
    startWindows();
    chooseGenus(1);
    QAction* advisor = action("Advisor1");
    EXPECT_EQ(mainWindow().menuBar()->actions().back(), advisor);  // the right end, after Compare species
    EXPECT_EQ(advisor->text(), "Advisor");
    EXPECT_FALSE(windows->advisorWindow().isVisible());

    // The warning shows in the menu without the advisor ever being opened.
    pickState(2, "white");
    EXPECT_EQ(advisor->text(), kWarningSign + "Advisor");
    EXPECT_EQ(advisor->toolTip(), "A deadly or poisonous species fits your choices");
    advisor->trigger();
    AdvisorWindow& window = windows->advisorWindow();
    ASSERT_TRUE(window.isVisible());
    EXPECT_EQ(advice().first(), "death is deadly");
    EXPECT_TRUE(advice().contains("still one of the rest species"));
    screenshot(window, "advisor");

    // Coming back from the advisor does not read the settings and texts again.
    folder.write("InitUK.Txt", "Changed\r\n");
    activate(window);
    activate(mainWindow());
    EXPECT_EQ(mainWindow().windowTitle(), " [6]Testgenus");

    pickState(3, "mild");
    EXPECT_TRUE(advice().contains("death (deadly): nearly fits your choices"));
    EXPECT_TRUE(advice().contains("Taste: you chose mild; the key gives acrid"));
    EXPECT_EQ(advisor->text(), kWarningSign + "Advisor");
    EXPECT_EQ(advisor->toolTip(), "A dangerous look-alike is close");
    action("Stepback1")->trigger();
    EXPECT_EQ(advice().first(), "death is deadly");
    action("Stepback1")->trigger();  // back before the first choice: a Clear all
    EXPECT_EQ(advisor->text(), "Advisor");
    EXPECT_EQ(advice().first(), "Look next at");

    // A best character opens its drop-down list in the main window.
    clickAdvice("Cap colour: 1.7 species left on average");
    QApplication::processEvents();
    EXPECT_TRUE(comboBox(1)->view()->isVisible());
    comboBox(1)->hidePopup();

    // A near miss opens its description, as a click in the species list does.
    pickState(1, "red");
    clickAdvice("death (deadly)");
    TForm3& description = windows->descriptionWindow();
    EXPECT_TRUE(description.isVisible());
    EXPECT_EQ(find<QPlainTextEdit>(description, "Memo1")->toPlainText(), "Death, a deadly test species");
    EXPECT_TRUE(messages.take().empty());
}

}  // namespace
}  // namespace sporix::test

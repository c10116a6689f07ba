// What a screen reader says for the main window's controls: the names a person needs, in
// the interface language, while the controls keep their design names.
#include <QAccessible>
#include <QPlainTextEdit>
#include <QRegularExpression>

#include "GuiFixture.h"
#include "KeyFixture.h"

namespace sporix::test {
namespace {

class Accessibility : public GuiFixture {
protected:
    void writeKey() { writeSampleKey(1, {{"TGALPHA1*alpha", "R", "A", "M"}}); }
    QString spoken(const QString& name) {
        QAccessibleInterface* control = QAccessible::queryAccessibleInterface(find<QWidget>(mainWindow(), name));
        return control == nullptr ? QString() : control->text(QAccessible::Name);
    }
    // The lines of a list as a screen reader reads them, in order.
    QStringList spokenLines(const QString& name) {
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(find<QWidget>(mainWindow(), name));
        QStringList texts;
        for (int i = 0; list != nullptr && i < list->childCount(); ++i) texts.push_back(list->child(i)->text(QAccessible::Name));
        return texts;
    }
    // A screen reader's default action on a control.
    static void doDefaultAction(QAccessibleInterface* control) {
        ASSERT_NE(control, nullptr);
        ASSERT_NE(control->actionInterface(), nullptr);
        ASSERT_FALSE(control->actionInterface()->actionNames().isEmpty());
        control->actionInterface()->doAction(control->actionInterface()->actionNames().front());
    }
    QString described() {
        TForm3& description = windows->descriptionWindow();
        return description.isVisible() ? find<QPlainTextEdit>(description, "Memo1")->toPlainText() : QString();
    }
};

TEST_F(Accessibility, ControlsAreNamedAfterWhatTheyHoldInTheInterfaceLanguage) {
    writeKey();
    // The Dutch names of the file; its missing last line falls back to English.
    folder.write("AccessNL.Txt", crlf({"Afbeelding: %1", "Rij %1, geen kenmerk", "Gevonden soorten", "Overeenkomst in procent",
                                      "Aanvinken om te vergelijken"}));
    startWindows();
    EXPECT_EQ(spoken("ComboBox1"), "Row 1, no character");
    chooseGenus(1);
    EXPECT_EQ(spoken("ComboBox1"), "Cap colour");
    EXPECT_EQ(spoken("Button2"), "Picture: Spore print");
    EXPECT_EQ(spoken("ComboBox4"), "Row 4, no character");
    EXPECT_EQ(spoken("ListBox1"), "Species found");
    EXPECT_EQ(spoken("ListBox2"), "Agreement in percent");
    EXPECT_EQ(spoken("CheckListBox1"), "Tick to compare");
    EXPECT_EQ(comboBox(1)->objectName(), "ComboBox1");

    action("Nederlands1")->trigger();
    EXPECT_EQ(spoken("ComboBox1"), "Hoedkleur");
    EXPECT_EQ(spoken("Button3"), "Afbeelding: Smaak");
    EXPECT_EQ(spoken("ComboBox42"), "Rij 42, geen kenmerk");
    EXPECT_EQ(spoken("ListBox1"), "Gevonden soorten");
    auto* description = windows->descriptionWindow().findChild<QWidget*>(QStringLiteral("Memo1"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(description)->text(QAccessible::Name), "Description");
}

TEST_F(Accessibility, EachCharacterNameLabelsItsList) {
    writeKey();
    startWindows();
    chooseGenus(1);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(comboBox(2));
    ASSERT_NE(list, nullptr);
    const auto labels = list->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels.front().first->text(QAccessible::Name), "Spore print");
}

// The results read as one: each species with its percentage, each tick box by its species;
// a list with a chosen state stays named after its character, the state is its value, and a
// greyed character says so. A screen reader's action on a species or a heading opens it.
TEST_F(Accessibility, ResultsChosenStatesAndGreyedCharactersAreReadAsTheyAreSeen) {
    writeSampleKey(1, {{"TGALPHA1*alpha", "R", "A", "M"}, {"TGBETA01*beta", "R", "B", "M"}, {"TGGAMMA1*gamma", "G", "B", "H"}});
    folder.write("NoFigs.Jpg", makeJpeg(40, 30));
    folder.write("TESTGEN/TGBETA01.TXT", "Beta\r\n");
    startWindows();
    chooseGenus(1);
    pickState(1, "red");
    const QStringList species = lines("ListBox1");
    const QStringList percents = lines("ListBox2");
    ASSERT_EQ(species.size(), 2);  // gamma, green, agrees in nothing
    QStringList withPercent;
    QStringList tickNames;
    for (int i = 0; i < species.size(); ++i) {
        withPercent.push_back(species[i] + ", " + percents[i].trimmed() + " percent");
        tickNames.push_back("Compare " + species[i]);
    }
    EXPECT_EQ(spokenLines("ListBox1"), withPercent);
    EXPECT_EQ(spokenLines("CheckListBox1"), tickNames);
    QAccessibleInterface* cap = QAccessible::queryAccessibleInterface(comboBox(1));
    EXPECT_EQ(cap->text(QAccessible::Name), "Cap colour");
    EXPECT_EQ(cap->text(QAccessible::Value), "red");
    EXPECT_EQ(cap->role(), QAccessible::ComboBox);

    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(find<QWidget>(mainWindow(), "ListBox1"));
    doDefaultAction(list->child(static_cast<int>(species.indexOf(QRegularExpression(".*beta")))));
    EXPECT_EQ(described(), "Beta");
    windows->descriptionWindow().close();

    auto* ticks = find<QListWidget>(mainWindow(), "CheckListBox1");
    for (int i = 0; i < ticks->count(); ++i) ticks->item(i)->setCheckState(Qt::Checked);
    action("Comparespecies1")->trigger();
    for (const char* name : {"Label3", "Label4", "Label5"}) {
        QAccessibleInterface* heading = QAccessible::queryAccessibleInterface(find<QWidget>(windows->comparisonWindow(), name));
        if (heading->text(QAccessible::Name) != "beta") continue;
        EXPECT_EQ(heading->role(), QAccessible::Button);
        doDefaultAction(heading);
    }
    EXPECT_EQ(described(), "Beta");

    // In the second kind, after red both species left taste mild: Taste is greyed.
    action("Usingrestspeciesafterlastcharacter1")->trigger();
    pickState(1, "red");
    QAccessibleInterface* taste = QAccessible::queryAccessibleInterface(comboBox(3));
    EXPECT_EQ(taste->text(QAccessible::Name), "Taste");
    EXPECT_EQ(taste->text(QAccessible::Description), "no longer tells the species apart");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(comboBox(2))->text(QAccessible::Description), "");
}

}  // namespace
}  // namespace sporix::test

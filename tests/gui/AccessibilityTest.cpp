// What a screen reader says for the main window's controls: the names a person needs, in
// the interface language, while the controls keep their design names.
#include <QAccessible>

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

}  // namespace
}  // namespace sporix::test

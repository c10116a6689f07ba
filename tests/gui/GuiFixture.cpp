#include "GuiFixture.h"

#include <QApplication>
#include <QDir>
#include <QMenuBar>
#include <QTest>

#include "KeyFixture.h"

namespace sporix::test {

GuiFixture::GuiFixture() : work(folder.path()), pictures(work), program(work, messages, pictures) {}

GuiFixture::~GuiFixture() {
    windows.reset();
    QApplication::processEvents();
}

void GuiFixture::startWindows() {
    windows = std::make_unique<KeyWindows>(program);
    windows->showMainWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&mainWindow()));
    QApplication::processEvents();
}

void GuiFixture::activate(QWidget& window) {
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    QApplication::processEvents();
}

QAction* GuiFixture::action(const QString& name) {
    auto* found = mainWindow().findChild<QAction*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

QMenu* GuiFixture::menu(const QString& name) { return find<QMenu>(mainWindow(), name); }

QStringList GuiFixture::lines(const QString& listName) {
    QStringList texts;
    auto* list = find<QListWidget>(mainWindow(), listName);
    for (int i = 0; i < list->count(); ++i) texts.push_back(list->item(i)->text());
    return texts;
}

void GuiFixture::chooseGenus(int item) {
    QMenu* genera = menu(QStringLiteral("Genera1"));
    Q_EMIT genera->aboutToShow();
    action(QStringLiteral("N%1").arg(item))->trigger();
}

void GuiFixture::pickState(int row, const QString& state) {
    QComboBox* box = comboBox(row);
    for (int i = 0; i < box->count(); ++i) {
        if (box->itemText(i).startsWith(state)) {
            box->setCurrentIndex(i);
            return;
        }
    }
    ADD_FAILURE() << "no state " << state.toStdString() << " in row " << row;
}

void GuiFixture::clickLine(const QString& listName, int line) {
    auto* list = find<QListWidget>(mainWindow(), listName);
    ASSERT_LT(line, list->count());
    const QRect place = list->visualItemRect(list->item(line));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
}

void GuiFixture::screenshot(QWidget& window, const QString& name) {
    const QString folderName = qEnvironmentVariable("SPORIX_SCREENSHOTS");
    if (folderName.isEmpty()) return;
    QDir().mkpath(folderName);
    window.grab().save(folderName + QLatin1Char('/') + name + QStringLiteral(".png"));
}

void GuiFixture::writeSampleKey(int kind, const std::vector<std::vector<std::string>>& records) {
    folder.write("SpxInit.txt", "1\r\n" + std::to_string(kind) + "\r\n");
    folder.write("InitUK.Txt", numberedTexts());
    folder.write("InitNL.Txt", numberedTexts());
    folder.write("genuslst.txt", crlf({"Tst", "TESTGEN", "Testgenus"}));
    folder.write("TESTGEN.FEA", characterFile(sampleCharacters()));
    folder.write("TESTGEN.FEN", characterFile({{"Hoedkleur", {{"rood", 'R'}, {"groen", 'G'}, {"geel", 'Y'}}},
                                               {"Sporenpoeder", {{"wit", 'A'}, {"room", 'B'}, {"oker", 'C'}}},
                                               {"Smaak", {{"mild", 'M'}, {"scherp", 'H'}}}}));
    folder.write("TESTGEN.SPE", speciesFile(records));
}

void GuiFixture::writeFourSpeciesKey(int kind) {
    writeSampleKey(kind, {{"TGALPHA1*alpha", "R", "A", "M"},
                          {"TGBETA01*beta", "R", "B", "M"},
                          {"TGGAMMA1*gamma", "RG", ".A", "H"},
                          {"TGDELTA1*delta", "G", "C", "?"}});
    folder.write("NoFigs.Jpg", makeJpeg(40, 30));
}

}  // namespace sporix::test

#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <memory>

#include "Help.h"
#include "KeyProgram.h"
#include "KeyWindows.h"
#include "QtPictures.h"
#include "RecordingMessages.h"
#include "SpxWrk.h"
#include "TempFolder.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "WorkFolder.h"

namespace sporix::test {

// The real windows on a fresh working folder; messages are recorded, not shown.
class GuiFixture : public ::testing::Test {
protected:
    GuiFixture();
    ~GuiFixture() override;

    // The sample genus in English and Dutch, settings of English and `kind`, and `records`.
    void writeSampleKey(int kind, const std::vector<std::vector<std::string>>& records);
    // The sample genus with alpha, beta, gamma and delta, and the placeholder drawing.
    void writeFourSpeciesKey(int kind);
    // Creates the windows and shows the main window, which reads settings and texts.
    void startWindows();
    void activate(QWidget& window);

    template <class Control>
    Control* find(QWidget& window, const QString& name) {
        auto* control = window.findChild<Control*>(name);
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }
    QAction* action(const QString& name);
    QMenu* menu(const QString& name);
    QComboBox* comboBox(int row) { return find<QComboBox>(mainWindow(), QStringLiteral("ComboBox%1").arg(row)); }
    QStringList lines(const QString& listName);
    // Opens the Genera menu (as the user does, it fires before the items show) and chooses item `item`.
    void chooseGenus(int item);
    // Selects the item of row `row` whose text starts with `state`.
    void pickState(int row, const QString& state);
    void clickLine(const QString& listName, int line);
    // Saves a picture of a window when SPORIX_SCREENSHOTS names a folder.
    void screenshot(QWidget& window, const QString& name);

    TForm1& mainWindow() { return windows->mainWindow(); }

    TempFolder folder;
    WorkFolder work;
    RecordingMessages messages;
    QtPictureLoader pictures;
    KeyProgram program;
    std::unique_ptr<KeyWindows> windows;
};

}  // namespace sporix::test

// The fixed layout on screens scaled to 150 % and 200 % (run with QT_SCALE_FACTOR set):
// Qt scales logical pixels, but text is drawn at the screen's resolution, so a caption that
// just fits at 100 % may run into the next column or off the menu bar when scaled.
#include <QApplication>
#include <QMenuBar>
#include <QPixmap>
#include <filesystem>

#include "GuiFixture.h"

namespace sporix::test {
namespace {

constexpr int kRows = 42;
constexpr int kRowsPerColumn = 14;

class ScaledLayout : public GuiFixture {
protected:
    // The bundled key, with every language and the longest texts there are.
    void copyBundledKey() {
        std::filesystem::copy(SPORIX_DATA_DIR, folder.path(), std::filesystem::copy_options::recursive);
    }

    static double expectedScale() {
        const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
        return factor.isEmpty() ? 1.0 : factor.toDouble();
    }

    // A row's label must end before the controls of the next column, or the end of the
    // left-hand area, begin: those are drawn over it.
    int rightLimitOfLabel(int row) {
        if (row + kRowsPerColumn <= kRows) return comboBox(row + kRowsPerColumn)->x();
        return find<QWidget>(mainWindow(), "CheckListBox1")->x();
    }

    void expectNothingClipped(const QString& language) {
        SCOPED_TRACE(language.toStdString());
        QWidget& client = *mainWindow().centralWidget();
        for (int row = 1; row <= kRows; ++row) {
            auto* label = find<QLabel>(mainWindow(), QStringLiteral("Label%1").arg(row));
            const int textWidth = label->fontMetrics().horizontalAdvance(label->text());
            EXPECT_LE(textWidth, label->width()) << "Label" << row << " cuts " << label->text().toStdString();
            EXPECT_LE(label->x() + textWidth, rightLimitOfLabel(row)) << "Label" << row << " runs under the next column";
        }
        for (QWidget* control : client.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!control->isVisible()) continue;
            EXPECT_TRUE(client.rect().contains(control->geometry()))
                << control->objectName().toStdString() << " reaches out of the window";
        }
        QMenuBar* bar = mainWindow().menuBar();
        for (QAction* item : bar->actions()) {
            if (!item->isVisible()) continue;
            const QRect place = bar->actionGeometry(item);
            EXPECT_TRUE(!place.isEmpty() && bar->rect().contains(place))
                << "menu " << item->text().toStdString() << " does not fit the menu bar";
        }
    }
};

TEST_F(ScaledLayout, EveryLanguageFitsTheFixedLayoutAtTheScreensScale) {
    copyBundledKey();
    folder.write("SpxInit.txt", "1\r\n1\r\n");
    startWindows();
    ASSERT_DOUBLE_EQ(mainWindow().devicePixelRatioF(), expectedScale());
    // The window's logical size stays; its picture has the screen's pixels.
    const QPixmap picture = mainWindow().grab();
    EXPECT_EQ(picture.deviceIndependentSize().toSize(), mainWindow().size());
    EXPECT_EQ(picture.width(), qRound(mainWindow().width() * expectedScale()));

    chooseGenus(1);  // a language switch reloads the genus shown
    for (const char* language : {"English1", "Nederlands1", "Deutsch1", "France1", "Italiano1", "Espagoles1"}) {
        action(QString::fromLatin1(language))->trigger();
        for (int genus = 1; genus <= 4; ++genus) {
            chooseGenus(genus);
            QApplication::processEvents();
            expectNothingClipped(QStringLiteral("%1, genus %2").arg(QLatin1String(language)).arg(genus));
        }
    }
    const auto shown = messages.take();
    EXPECT_TRUE(shown.empty()) << shown.front();
    screenshot(mainWindow(), QStringLiteral("main-window-scaled-%1").arg(expectedScale()));
}

}  // namespace
}  // namespace sporix::test

// The fixed layout with the bundled key, in every language and genus, at 100 % and (run with
// QT_SCALE_FACTOR set) on screens scaled to 150 % and 200 %: Qt scales logical pixels, but
// text is drawn at the screen's resolution, so a text that just fits at 100 % may be cut,
// shortened to "…" or run into the next column when scaled.
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPixmap>
#include <QScrollArea>
#include <filesystem>

#include "GuiFixture.h"
#include "InkSpan.h"
#include "ViewText.h"

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

    int genusCount() const {
        const auto& items = program.views().main.genusItems;
        return static_cast<int>(std::count_if(items.begin(), items.end(), [](const std::string& item) { return !item.empty() && item != "-"; }));
    }

    // A row's label must end before the controls of the next column, or the end of the
    // left-hand area, begin: those are drawn over it.
    int rightLimitOfLabel(int row) {
        if (row + kRowsPerColumn <= kRows) return comboBox(row + kRowsPerColumn)->x();
        return find<QWidget>(mainWindow(), "CheckListBox1")->x();
    }

    void expectLabelsFit() {
        for (int row = 1; row <= kRows; ++row) {
            auto* label = find<QLabel>(mainWindow(), QStringLiteral("Label%1").arg(row));
            const int textWidth = label->fontMetrics().horizontalAdvance(label->text());
            EXPECT_LE(textWidth, label->width()) << "Label" << row << " cuts " << label->text().toStdString();
            EXPECT_LE(label->x() + textWidth, rightLimitOfLabel(row)) << "Label" << row << " runs under the next column";
        }
    }

    // A chosen state shows from its start; its last letter must show too, so the field
    // must not need to scroll to show the whole text.
    void expectStatesFitTheirFields() {
        for (int row = 1; row <= kRows; ++row) {
            QComboBox* box = comboBox(row);
            QLineEdit* field = box->lineEdit();
            for (int item = 0; item < box->count(); ++item) {
                const QString state = box->itemText(item);
                const int length = static_cast<int>(state.trimmed().size());
                field->setText(state);
                field->setCursorPosition(0);
                field->setCursorPosition(length);
                const int middle = field->height() / 2;
                const bool startShown = field->cursorPositionAt(QPoint(field->contentsRect().left() + 3, middle)) == 0;
                const bool endShown = field->cursorPositionAt(QPoint(field->contentsRect().right() - 3, middle)) >= length;
                EXPECT_TRUE(startShown && endShown) << "ComboBox" << row << " cuts \"" << state.trimmed().toStdString() << "\"";
            }
            field->clear();
        }
    }

    // Every line of a list shows whole: its ink ends inside the list, and it is as wide as
    // the text, not shortened to "…".
    void expectLinesShowWhole(const QString& listName) {
        auto* list = find<QListWidget>(mainWindow(), listName);
        QApplication::processEvents();  // the list lays its lines out later
        const QImage picture = list->viewport()->grab().toImage();
        if (qEnvironmentVariableIsSet("DEBUG_INK")) picture.save("/tmp/ink-" + listName + ".png");
        const double scale = picture.devicePixelRatio();
        for (int line = 0; line < list->count(); ++line) {
            const QString text = list->item(line)->text();
            const QRect place = list->visualItemRect(list->item(line));
            const InkSpan ink = inkSpan(picture, place, list->palette().color(QPalette::Base));
            const double textWidth = list->fontMetrics().horizontalAdvance(text);
            EXPECT_LT(ink.right, picture.width() - 1) << listName.toStdString() << " cuts \"" << text.toStdString() << "\"";
            EXPECT_GE(ink.width(), (textWidth - 4) * scale) << listName.toStdString() << " shortens \"" << text.toStdString() << "\"";
        }
    }

    // A search of the first kind on the first state that some species show: those species
    // agree in every chosen character, so their percentage has three digits.
    void searchForThreeDigits() {
        QComboBox* box = comboBox(1);
        for (int item = 0; item < box->count(); ++item) {
            box->setCurrentIndex(item);
            if (lines(QStringLiteral("ListBox2")).contains(QStringLiteral("100"))) return;
        }
        ADD_FAILURE() << "no state of the first character gives 100 %";
    }

    void expectFlatButtonCaptionsFit() {
        auto* button = find<QToolButton>(mainWindow(), "SpeedButton1");
        for (const int text : {11, 12}) {
            const QString caption = shown(program.state().text(text));
            EXPECT_LE(button->fontMetrics().horizontalAdvance(caption), button->width() - 4) << "SpeedButton1 cuts " << caption.toStdString();
        }
    }

    void expectControlsInsideTheirWindows() {
        for (QWidget* window : {static_cast<QWidget*>(mainWindow().centralWidget()), static_cast<QWidget*>(&windows->helpWindow()),
                                static_cast<QWidget*>(&windows->descriptionWindow()), static_cast<QWidget*>(&windows->slideWindow()),
                                static_cast<QWidget*>(&windows->comparisonWindow())}) {
            for (QWidget* control : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (control->isHidden()) continue;
                EXPECT_TRUE(window->rect().contains(control->geometry()))
                    << control->objectName().toStdString() << " reaches out of " << window->objectName().toStdString();
            }
        }
        QMenuBar* bar = mainWindow().menuBar();
        for (QAction* item : bar->actions()) {
            if (!item->isVisible()) continue;
            const QRect place = bar->actionGeometry(item);
            EXPECT_TRUE(!place.isEmpty() && bar->rect().contains(place)) << "menu " << item->text().toStdString() << " does not fit the menu bar";
        }
        // The comparison scrolls over its columns; its scroll bar must leave the last one whole.
        auto* scrolled = windows->comparisonWindow().findChild<QScrollArea*>();
        ASSERT_NE(scrolled, nullptr);
        EXPECT_GE(scrolled->viewport()->width(), scrolled->widget()->width()) << "the scroll bar covers the third column";
    }
};

TEST_F(ScaledLayout, EveryLanguageAndGenusShowsItsTextsWhole) {
    copyBundledKey();
    folder.write("SpxInit.txt", "1\r\n1\r\n");
    startWindows();
    ASSERT_DOUBLE_EQ(mainWindow().devicePixelRatioF(), expectedScale());
    // The window's logical size stays; its picture has the screen's pixels.
    const QPixmap picture = mainWindow().grab();
    EXPECT_EQ(picture.deviceIndependentSize().toSize(), mainWindow().size());
    EXPECT_EQ(picture.width(), qRound(mainWindow().width() * expectedScale()));

    chooseGenus(1);  // a language switch reloads the genus shown
    const int genera = genusCount();
    EXPECT_GE(genera, 4);
    for (const char* language : {"English1", "Nederlands1", "Deutsch1", "France1", "Italiano1", "Espagoles1"}) {
        action(QString::fromLatin1(language))->trigger();
        expectFlatButtonCaptionsFit();
        for (int genus = 1; genus <= genera; ++genus) {
            SCOPED_TRACE(QStringLiteral("%1, genus %2").arg(QLatin1String(language)).arg(genus).toStdString());
            chooseGenus(genus);
            QApplication::processEvents();
            expectLabelsFit();
            expectStatesFitTheirFields();
            searchForThreeDigits();
            expectLinesShowWhole(QStringLiteral("ListBox2"));
            expectLinesShowWhole(QStringLiteral("ListBox1"));
        }
    }
    expectControlsInsideTheirWindows();
    const auto shown = messages.take();
    EXPECT_TRUE(shown.empty()) << shown.front();
    screenshot(mainWindow(), QStringLiteral("main-window-scaled-%1").arg(expectedScale()));
}

// While a dangerous look-alike is close the advisor's item carries a warning sign; the bar
// must still hold it whole in every language, in the second kind of searching, whose
// "Step back" takes room of its own.
TEST_F(ScaledLayout, TheAdvisorsWarningFitsTheMenuBarInEveryLanguage) {
    copyBundledKey();
    folder.write("SpxInit.txt", "1\r\n2\r\n");
    startWindows();
    chooseGenus(1);
    const auto warns = [this] { return program.views().main.advisor1Warns; };
    // The first state of the first row that brings one close, in the first genus that has one.
    int row = 0;
    for (int genus = 1; genus <= genusCount() && row == 0; ++genus) {
        chooseGenus(genus);
        for (int r = 1; r <= kRows && comboBox(r)->count() > 0 && row == 0; ++r) {
            comboBox(r)->setCurrentIndex(0);
            if (warns())
                row = r;
            else
                action("ClearAll1")->trigger();
        }
    }
    ASSERT_NE(row, 0) << "no choice brings a dangerous look-alike close";
    QMenuBar* bar = mainWindow().menuBar();
    for (const char* language : {"English1", "Nederlands1", "Deutsch1", "France1", "Italiano1", "Espagoles1"}) {
        action(QString::fromLatin1(language))->trigger();  // reloads the genus, without choices
        comboBox(row)->setCurrentIndex(0);
        ASSERT_TRUE(warns()) << language;
        QApplication::processEvents();
        const QRect place = bar->actionGeometry(action("Advisor1"));
        EXPECT_TRUE(!place.isEmpty() && bar->rect().contains(place))
            << language << ": " << action("Advisor1")->text().toStdString() << " does not fit the menu bar";
    }
    EXPECT_TRUE(messages.take().empty());
}

// A species name longer than its column wraps within it; the columns begin below the
// tallest heading, so that no heading runs into its neighbour or the text beneath.
TEST_F(ScaledLayout, LongSpeciesNamesWrapWithinTheirComparisonColumns) {
    writeSampleKey(1, {{"TGSUBAPP*subappendiculatus (Butyriboletus)", "R", "A", "M"},
                       {"TGRHODOP*rhodopurpureus (Imperator)", "R", "A", "M"},
                       {"TGBETA01*beta", "R", "B", "M"}});
    startWindows();
    chooseGenus(1);
    pickState(1, "red");
    auto* ticks = find<QListWidget>(mainWindow(), "CheckListBox1");
    for (int i = 0; i < ticks->count(); ++i) ticks->item(i)->setCheckState(Qt::Checked);
    action("Comparespecies1")->trigger();
    TForm5& comparison = windows->comparisonWindow();
    QApplication::processEvents();
    std::vector<QLabel*> headings;
    for (int k = 1; k <= 5; ++k) headings.push_back(find<QLabel>(comparison, QStringLiteral("Label%1").arg(k)));
    int tallest = 0;
    for (std::size_t k = 0; k < headings.size(); ++k) {
        const QLabel& heading = *headings[k];
        const QRect needed = heading.fontMetrics().boundingRect(QRect(0, 0, heading.width(), 1 << 16),
                                                                Qt::TextWordWrap, heading.text());
        EXPECT_LE(needed.width(), heading.width()) << heading.text().toStdString();
        EXPECT_LE(needed.height(), heading.height()) << heading.text().toStdString();
        if (k + 1 < headings.size()) {
            EXPECT_LT(heading.geometry().right(), headings[k + 1]->x()) << heading.text().toStdString();
        }
        tallest = std::max(tallest, needed.height());
        for (int m = 1; m <= 5; ++m)
            EXPECT_GT(find<QWidget>(comparison, QStringLiteral("Memo%1").arg(m))->y(), heading.geometry().bottom());
    }
    EXPECT_GT(tallest, headings[0]->fontMetrics().height());  // a name did wrap
    screenshot(comparison, QStringLiteral("comparison-long-names-%1").arg(expectedScale()));
}

}  // namespace
}  // namespace sporix::test

#include "Unit5.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>

#include "ClickableLabel.h"
#include "KeyWindows.h"
#include "ShownWindowSync.h"
#include "ViewText.h"
#include "WindowGeometry.h"
#include "WindowKeys.h"

namespace sporix {

namespace {

struct ColumnPlace {
    int labelLeft;
    int memoLeft;
    int memoWidth;
};

constexpr std::array<ColumnPlace, kCompareColumns> kColumns = {{
    {10, 6, 160}, {170, 168, 152}, {324, 322, 152}, {478, 476, 152}, {632, 630, 152}}};
constexpr int kMemoTop = 15;
constexpr int kMemoHeight = 650;
constexpr int kScrollBarWidth = 12;

// A heading may take the width of its column, from its left edge to the column's right one.
int headingWidth(std::size_t k) { return kColumns[k].memoLeft + kColumns[k].memoWidth - kColumns[k].labelLeft; }

// The scroll area makes room for its bar by the bar's preferred width; the style's is
// wider than the design's, and the room would come off the third column.
class DesignedScrollBar : public QScrollBar {
public:
    DesignedScrollBar() : QScrollBar(Qt::Vertical) { setFixedWidth(kScrollBarWidth); }
    QSize sizeHint() const override { return {kScrollBarWidth, QScrollBar::sizeHint().height()}; }
};

}  // namespace

TForm5::TForm5(KeyWindows& windows) : QWidget(nullptr, Qt::Window), windows_(windows) {
    setObjectName(QStringLiteral("TForm5"));
    setWindowTitle(QStringLiteral(" Compare species"));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    scrollArea_ = new QScrollArea(this);
    scrollArea_->setObjectName(QStringLiteral("ScrollBox"));
    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    scrollArea_->setVerticalScrollBar(new DesignedScrollBar);
    auto* content = new QWidget;
    content->setFont(keyFont(KeyFace::Comic, 11));
    content->setFixedSize(kColumns.back().memoLeft + kColumns.back().memoWidth, kMemoTop + kMemoHeight);
    for (std::size_t k = 0; k < kCompareColumns; ++k) {
        const int number = static_cast<int>(k) + 1;
        QLabel* label = k < 2 ? new QLabel(QStringLiteral("empty"), content) : new ClickableLabel(QStringLiteral("empty"), content);
        label->setObjectName(QStringLiteral("Label%1").arg(number));
        label->setWordWrap(true);  // a long species name wraps within its column
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        labels_[k] = label;
        auto* memo = new QPlainTextEdit(content);
        memo->setObjectName(QStringLiteral("Memo%1").arg(number));
        memo->setGeometry(kColumns[k].memoLeft, kMemoTop, kColumns[k].memoWidth, kMemoHeight);
        memo->setLineWrapMode(QPlainTextEdit::NoWrap);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        makeReadOnly(*memo);
        setBackground(*memo, kSilver);
        memos_[k] = memo;
    }
    for (int column = 1; column <= kCompareSlots; ++column) {
        auto* heading = static_cast<ClickableLabel*>(labels_[static_cast<std::size_t>(column + 1)]);
        connect(heading, &ClickableLabel::clicked, this, [this, column] { windows_.act([column](KeyProgram& p) { p.HeadingClick(column); }); });
    }
    layOutColumns();
    closeOnEscape(*this);
    scrollArea_->setWidget(content);
    placeWindow(*this, -3, 2, 802, 572);
    scrollArea_->setGeometry(rect());
}

void TForm5::showView(const ComparisonWindowView& view) {
    setWindowTitle(shown(view.caption));
    bool headingsChanged = false;
    for (std::size_t k = 0; k < kCompareColumns; ++k) {
        const QString caption = shown(view.labels[k]);
        if (labels_[k]->text() != caption) {
            labels_[k]->setText(caption);
            headingsChanged = true;
        }
        memos_[k]->setAccessibleName(caption);  // a column is told by its heading
        if (view.memos[k] != shownMemos_[k]) {
            shownMemos_[k] = view.memos[k];
            memos_[k]->setPlainText(shown(view.memos[k]).join(QLatin1Char('\n')));
        }
    }
    if (headingsChanged) layOutColumns();
    if (view.scrollToTopCount != shownScrollCount_) {
        shownScrollCount_ = view.scrollToTopCount;
        scrollArea_->verticalScrollBar()->setValue(0);
    }
    showWindowAsViewed(*this, view, shownCount_);
}

// The columns start below the tallest heading, all at one height, so that each character
// keeps one line across them.
void TForm5::layOutColumns() {
    int headingsBottom = kMemoTop;
    for (std::size_t k = 0; k < kCompareColumns; ++k) {
        const int width = headingWidth(k);
        const int height = std::max(labels_[k]->heightForWidth(width), labels_[k]->fontMetrics().height());
        labels_[k]->setGeometry(kColumns[k].labelLeft, 0, width, height);
        headingsBottom = std::max(headingsBottom, height + 1);
    }
    for (std::size_t k = 0; k < kCompareColumns; ++k)
        memos_[k]->setGeometry(kColumns[k].memoLeft, headingsBottom, kColumns[k].memoWidth, kMemoHeight);
    memos_[0]->parentWidget()->setFixedSize(kColumns.back().memoLeft + kColumns.back().memoWidth, headingsBottom + kMemoHeight);
}

void TForm5::closeEvent(QCloseEvent* event) {
    event->accept();
    windows_.act([](KeyProgram& p) { p.ComparisonFormClose(); });
}

}  // namespace sporix

#include "AdvisorWindow.h"

#include <QCloseEvent>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <algorithm>

#include "KeyWindows.h"
#include "OpeningList.h"
#include "ShownWindowSync.h"
#include "ViewText.h"
#include "WindowGeometry.h"
#include "WindowKeys.h"

namespace sporix {

namespace {

// Beside the main window, which stands at the left edge of the screen.
constexpr int kLeft = 805;
constexpr int kTop = 6;
constexpr int kOuterWidth = 430;
constexpr int kOuterHeight = 563;

const QColor kDanger(0xA0, 0x00, 0x00);
constexpr int kIndentRole = Qt::UserRole;
constexpr int kGapRole = Qt::UserRole + 1;
constexpr int kMargin = 1;
constexpr int kIndentStep = 12;
// Room above a line: most above a heading, some above an entry, none above its details.
constexpr int kHeadingGap = 9;
constexpr int kEntryGap = 4;

// Each line wraps at the list's width; entries stand in from their heading and details
// further, wrapped lines included, so that the parts read apart.
class AdviceLines : public QStyledItemDelegate {
public:
    explicit AdviceLines(QListWidget& list) : QStyledItemDelegate(&list), list_(list) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QRect text = textRect(option, index, list_.viewport()->width());
        return {list_.viewport()->width(), text.height() + 2 * kMargin + index.data(kGapRole).toInt()};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem line = option;
        initStyleOption(&line, index);
        const bool opens = index.flags() & Qt::ItemIsSelectable;
        const bool hovered = (line.state & QStyle::State_MouseOver) && opens;
        const bool focused = (line.state & QStyle::State_HasFocus) && list_.hasFocus();
        if (hovered || (focused && opens)) painter->fillRect(line.rect, line.palette.brush(QPalette::Midlight));
        if (focused) drawFocusFrame(*painter, line.rect, line.palette.color(QPalette::Text));
        painter->save();
        painter->setFont(line.font);
        painter->setPen(index.data(Qt::ForegroundRole).isValid() ? index.data(Qt::ForegroundRole).value<QColor>()
                                                                 : line.palette.color(QPalette::Text));
        const QRect text = textRect(line, index, line.rect.width()).translated(line.rect.topLeft());
        painter->drawText(text, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, line.text);
        painter->restore();
    }

private:
    // Where the text stands within a line `width` wide, from its top left corner.
    QRect textRect(const QStyleOptionViewItem& option, const QModelIndex& index, int width) const {
        const int left = kMargin + index.data(kIndentRole).toInt() * kIndentStep;
        const int top = kMargin + index.data(kGapRole).toInt();
        const QFont font = index.data(Qt::FontRole).isValid() ? index.data(Qt::FontRole).value<QFont>() : option.font;
        const QRect room(left, top, std::max(1, width - left - kMargin), 1 << 20);
        const QRect used = QFontMetrics(font).boundingRect(room, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
                                                           index.data(Qt::DisplayRole).toString());
        return {left, top, room.width(), used.height()};
    }

    QListWidget& list_;
};

int indentOf(AdviceLineKind kind) {
    switch (kind) {
        case AdviceLineKind::Heading:
            return 0;
        case AdviceLineKind::Entry:
            return 1;
        case AdviceLineKind::Detail:
            return 2;
    }
    return 0;
}

QListWidgetItem* itemFor(const AdviceLine& line, const QFont& font, bool first) {
    auto* item = new QListWidgetItem(shown(line.text));
    QFont itemFont = font;
    itemFont.setBold(line.kind == AdviceLineKind::Heading || line.section == AdviceSection::Status);
    item->setFont(itemFont);
    item->setData(kIndentRole, indentOf(line.kind));
    const int gap = line.kind == AdviceLineKind::Heading ? kHeadingGap
                    : line.kind == AdviceLineKind::Entry ? kEntryGap
                                                         : 0;
    item->setData(kGapRole, first ? kMargin : gap);
    if (line.section == AdviceSection::LookAlikes) item->setForeground(kDanger);
    // Only lines that open something react to the mouse.
    const bool opens = line.row > 0 || !line.speciesCode.empty();
    item->setFlags(opens ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::ItemIsEnabled);
    return item;
}

}  // namespace

AdvisorWindow::AdvisorWindow(KeyWindows& windows) : QWidget(nullptr, Qt::Window), windows_(windows) {
    setObjectName(QStringLiteral("AdvisorWindow"));
    setWindowTitle(QStringLiteral(" Advisor"));
    setFont(keyFont(KeyFace::SansSerif, 11));
    list_ = new OpeningList(this);
    list_->setObjectName(QStringLiteral("AdviceList"));
    // Long lines wrap at the window's width; nothing is cut or shortened.
    list_->setWordWrap(true);
    list_->setTextElideMode(Qt::ElideNone);
    list_->setResizeMode(QListView::Adjust);
    list_->setUniformItemSizes(false);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    // One line at a time can be selected, which opens it; the lines show no selection.
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setMouseTracking(true);
    list_->setItemDelegate(new AdviceLines(*list_));
    setBackground(*list_, kSilver);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    connect(list_, &OpeningList::opened, this, [this](int line) { openLine(line); });
    closeOnEscape(*this);
    placeWindow(*this, kLeft, kTop, kOuterWidth, kOuterHeight);
    keepOnScreen(*this);
}

void AdvisorWindow::showView(const AdvisorWindowView& view) {
    setWindowTitle(shown(view.caption));
    list_->setAccessibleName(shown(view.caption).trimmed());
    const auto same = [](const AdviceLine& a, const AdviceLine& b) {
        return a.text == b.text && a.kind == b.kind && a.section == b.section;
    };
    if (!std::equal(view.lines.begin(), view.lines.end(), shownLines_.begin(), shownLines_.end(), same)) {
        shownLines_ = view.lines;
        list_->clear();
        for (const AdviceLine& line : view.lines) list_->addItem(itemFor(line, font(), list_->count() == 0));
        // New advice is read from its top, where its warnings stand.
        list_->scrollToTop();
        if (list_->count() > 0) list_->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    }
    showWindowAsViewed(*this, view, shownCount_);
}

void AdvisorWindow::openLine(int line) {
    windows_.act([line](KeyProgram& p) { p.AdvisorLineClick(line); });
}

void AdvisorWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    windows_.act([](KeyProgram& p) { p.AdvisorFormClose(); });
}

}  // namespace sporix

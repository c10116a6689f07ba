#include "SpxWrk.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <algorithm>

#include "KeyWindows.h"
#include "OpeningList.h"
#include "QtPictures.h"
#include "StateBox.h"
#include "ViewText.h"
#include "WindowGeometry.h"

namespace sporix {

namespace {

// Character rows: 3 columns of 14 rows; T(r) is the top of the label at place r.
constexpr std::array<int, 14> kRowTop = {0, 36, 73, 109, 145, 182, 218, 254, 290, 327, 363, 399, 436, 472};
constexpr int kRowsPerColumn = 14;
constexpr int kColumnShift = 176;
constexpr int kListEntryHeight = 13;
constexpr int kVisibleStates = 20;

struct RowPlace {
    int x;  // added to each control's own x
    int top;
};

RowPlace placeOf(int row) {
    const int index = row - 1;
    return {kColumnShift * (index / kRowsPerColumn), kRowTop[static_cast<std::size_t>(index % kRowsPerColumn)]};
}

// List entries 13 pixels high, as the key's lists were designed.
class FixedEntryHeight : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), kListEntryHeight};
    }
};

// The percentages stand in a column 25 pixels wide: three digits fit only with the text
// drawn close to the edge and never shortened to an ellipsis.
class PercentEntries : public FixedEntryHeight {
public:
    using FixedEntryHeight::FixedEntryHeight;
    static constexpr int kTextMargin = 1;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem entry = option;
        initStyleOption(&entry, index);
        const bool selected = entry.state & QStyle::State_Selected;
        if (selected) painter->fillRect(entry.rect, entry.palette.brush(QPalette::Highlight));
        painter->save();
        painter->setFont(entry.font);
        painter->setPen(entry.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(entry.rect.adjusted(kTextMargin, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, entry.text);
        painter->restore();
    }
};

template <class List>
List* setUpList(List* list, const char* name, QRect geometry, bool sunken) {
    list->setObjectName(QString::fromLatin1(name));
    list->setGeometry(geometry);
    list->setTextElideMode(Qt::ElideNone);
    list->setItemDelegate(new FixedEntryHeight(list));
    list->setFrameShape(sunken ? QFrame::StyledPanel : QFrame::Box);
    list->setFrameShadow(sunken ? QFrame::Sunken : QFrame::Plain);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setBackground(*list, kSilver);
    return list;
}

QStringList itemsOf(const QListWidget& list) {
    QStringList items;
    for (int i = 0; i < list.count(); ++i) items.push_back(list.item(i)->text());
    return items;
}

void showItems(QListWidget& list, const std::vector<std::string>& lines) {
    const QStringList items = shown(lines);
    if (itemsOf(list) == items) return;
    list.clear();
    list.addItems(items);
}

// What a screen reader says for each line, where it says more than the line shows.
void nameItems(QListWidget& list, const std::vector<std::string>& names) {
    for (int i = 0; i < list.count() && static_cast<std::size_t>(i) < names.size(); ++i) {
        const QString name = shown(names[static_cast<std::size_t>(i)]);
        if (list.item(i)->data(Qt::AccessibleTextRole).toString() != name) list.item(i)->setData(Qt::AccessibleTextRole, name);
    }
}

void setCaption(QLabel& label, const std::string& caption) {
    const QString text = shown(caption);
    if (label.text() == text) return;
    label.setText(text);
    label.adjustSize();
}

}  // namespace

TForm1::TForm1(KeyWindows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral(" Indentification of Fungi"));
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFont(keyFont(KeyFace::SansSerif, 11));
    setBackground(*client, kSilver);
    // Greyed character names must stay readable on silver: the toolkit's own grey for
    // disabled text is nearly silver itself.
    QPalette greyed = client->palette();
    greyed.setColor(QPalette::Disabled, QPalette::WindowText, kDisabledGrey);
    greyed.setColor(QPalette::Disabled, QPalette::ButtonText, kDisabledGrey);
    client->setPalette(greyed);
    setCentralWidget(client);
    createRows(*client);
    createRightHandArea(*client);
    createListBoxes(*client);
    createMenu();
    setKeyboardOrder();
    placeWindow(*this, 0, 6, 801, 563);
}

void TForm1::createRows(QWidget& client) {
    // Labels first: they lie beneath the drop-down lists and buttons.
    for (int n = 1; n <= kMaxCharacters; ++n) {
        const RowPlace at = placeOf(n);
        auto* label = new QLabel(&client);
        label->setObjectName(QStringLiteral("Label%1").arg(n));
        label->setGeometry(12 + at.x, at.top, 3, 13);
        label->setEnabled(false);
        rows_[static_cast<std::size_t>(n - 1)].label = label;
    }
    for (int n = 1; n <= kMaxCharacters; ++n) {
        const RowPlace at = placeOf(n);
        auto& row = rows_[static_cast<std::size_t>(n - 1)];
        row.comboBox = new StateBox(&client);
        row.comboBox->setObjectName(QStringLiteral("ComboBox%1").arg(n));
        row.comboBox->setGeometry(8 + at.x, at.top + 12, 148, 21);
        row.comboBox->setFont(keyFont(KeyFace::Narrow, 11));
        row.label->setBuddy(row.comboBox);  // a screen reader tells the list by its character
        row.comboBox->setEditable(true);
        row.comboBox->setInsertPolicy(QComboBox::NoInsert);
        row.comboBox->setCompleter(nullptr);  // a typed text is taken exactly as typed
        row.comboBox->setMaxVisibleItems(kVisibleStates);
        row.comboBox->setItemDelegate(new FixedEntryHeight(row.comboBox));
        connect(row.comboBox, &StateBox::counts, this, [this] { comboBoxChanged(); });
        // A chosen state shows from its start, not scrolled to its padding blanks.
        connect(row.comboBox, &QComboBox::activated, this, [box = row.comboBox] { box->lineEdit()->setCursorPosition(0); });

        row.button = new QPushButton(QStringLiteral("?"), &client);
        row.button->setObjectName(QStringLiteral("Button%1").arg(n));
        row.button->setGeometry(158 + at.x, at.top + 12, 21, 21);
        row.button->setFont(keyFont(KeyFace::SansSerif, 13));
        row.button->setEnabled(false);
        connect(row.button, &QPushButton::clicked, this, [this, n] { windows_.act([n](KeyProgram& p) { p.ButtonClick(n); }); });
    }
}

void TForm1::createRightHandArea(QWidget& client) {
    label43_ = new QLabel(QStringLiteral(" "), &client);
    label43_->setObjectName(QStringLiteral("Label43"));
    label43_->move(556, 0);
    label43_->adjustSize();
    label43_->setEnabled(false);

    label44_ = new QLabel(QStringLiteral("%"), &client);
    label44_->setObjectName(QStringLiteral("Label44"));
    label44_->setGeometry(704, 0, 8, 13);
    label44_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label44_->setEnabled(false);

    speedButton1_ = new QToolButton(&client);
    speedButton1_->setObjectName(QStringLiteral("SpeedButton1"));
    speedButton1_->setGeometry(656, 0, 105, 13);
    speedButton1_->setAutoRaise(true);
    speedButton1_->setFocusPolicy(Qt::NoFocus);
    speedButton1_->setEnabled(false);
    speedButton1_->setBackgroundRole(QPalette::Window);
    connect(speedButton1_, &QToolButton::clicked, this, [this] { windows_.act([](KeyProgram& p) { p.SpeedButton1Click(); }); });

    image1_ = new QLabel(&client);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setGeometry(536, 16, 249, 489);
    image1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);  // own size, clipped, never stretched
}

void TForm1::createListBoxes(QWidget& client) {
    listBox1_ = setUpList(new OpeningList(&client), "ListBox1", {552, 12, 209, 493}, false);
    connect(listBox1_, &OpeningList::opened, this, [this](int row) { openSpecies(row); });
    checkListBox1_ = setUpList(new QListWidget(&client), "CheckListBox1", {536, 12, 17, 493}, true);
    checkListBox1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    checkListBox1_->hide();
    listBox2_ = setUpList(new QListWidget(&client), "ListBox2", {760, 12, 25, 493}, false);
    listBox2_->setItemDelegate(new PercentEntries(listBox2_));
    listBox2_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The rows' drop-down lists and buttons lie above the right-hand labels and picture.
    for (const auto& row : rows_) {
        row.comboBox->raise();
        row.button->raise();
    }
}

QAction* TForm1::addMenuAction(QMenu& menu, const char* name, const char* caption) {
    QAction* action = menu.addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QAction* TForm1::addBarAction(const char* name, const char* caption) {
    QAction* action = menuBar()->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

void TForm1::createMenu() {
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    genera1_ = menuBar()->addMenu(QStringLiteral("Genera"));
    genera1_->setObjectName(QStringLiteral("Genera1"));
    connect(genera1_, &QMenu::aboutToShow, this, [this] { windows_.act([](KeyProgram& p) { p.Genera1Click(); }); });
    for (int i = 1; i <= kMaxGenera; ++i) {
        QAction* item = genera1_->addAction(QStringLiteral("-"));
        item->setObjectName(QStringLiteral("N%1").arg(i));
        item->setSeparator(true);
        connect(item, &QAction::triggered, this, [this, i] { windows_.act([i](KeyProgram& p) { p.GenusItemClick(i); }); });
        genusItems_[static_cast<std::size_t>(i - 1)] = item;
    }

    info1_ = menuBar()->addMenu(QStringLiteral("Info"));
    info1_->setObjectName(QStringLiteral("Info1"));
    howtostart1_ = addMenuAction(*info1_, "Howtostart1", "How to start");
    connect(howtostart1_, &QAction::triggered, this, [this] { windows_.act([](KeyProgram& p) { p.Howtostart1Click(); }); });
    info1_->addSeparator()->setObjectName(QStringLiteral("N32"));
    const std::array<std::pair<const char*, const char*>, 6> helpItems = {{{"InfoNL1", "NL Hulp"},
                                                                           {"InfoUk1", "UK Help"},
                                                                           {"InfoD1", "D Hilfe"},
                                                                           {"FAide1", "F Aide"},
                                                                           {"ISoccorso1", "I Soccorso"},
                                                                           {"SAyuda1", "S Ayuda"}}};
    // The help items stand in menu order; the help files by language index.
    const std::array<int, 6> helpLanguage = {2, 1, 3, 4, 5, 6};
    for (std::size_t k = 0; k < helpItems.size(); ++k) {
        QAction* item = addMenuAction(*info1_, helpItems[k].first, helpItems[k].second);
        const int language = helpLanguage[k];
        connect(item, &QAction::triggered, this, [this, language] { windows_.act([language](KeyProgram& p) { p.HelpItemClick(language); }); });
    }
    info1_->addSeparator()->setObjectName(QStringLiteral("N33"));
    aboutProgram1_ = addMenuAction(*info1_, "AboutProgram1", "About Program");
    connect(aboutProgram1_, &QAction::triggered, this, [this] { windows_.act([](KeyProgram& p) { p.AboutProgram1Click(); }); });

    clearAll1_ = addBarAction("ClearAll1", "Clear all");
    connect(clearAll1_, &QAction::triggered, this, [this] { windows_.act([](KeyProgram& p) { p.ClearAll1Click(); }); });

    kindofsearching1_ = menuBar()->addMenu(QStringLiteral("Kind of searching:"));
    kindofsearching1_->setObjectName(QStringLiteral("Kindofsearching1"));
    usingAllSpecies_ = addMenuAction(*kindofsearching1_, "Usingallspeciesallcharcters1", "1. Using all species / all characters");
    usingRestSpecies_ = addMenuAction(*kindofsearching1_, "Usingrestspeciesafterlastcharacter1", "2. Using restspecies after last character");
    usingAllSpecies_->setCheckable(true);
    usingAllSpecies_->setChecked(true);
    usingRestSpecies_->setCheckable(true);
    connect(usingAllSpecies_, &QAction::triggered, this, [this] { windows_.act([](KeyProgram& p) { p.Usingallspeciesallcharcters1Click(); }); });
    connect(usingRestSpecies_, &QAction::triggered, this, [this] { windows_.act([](KeyProgram& p) { p.Usingrestspeciesafterlastcharacter1Click(); }); });

    language_ = menuBar()->addMenu(QStringLiteral("Language"));
    language_->setObjectName(QStringLiteral("Language"));
    const std::array<std::pair<const char*, const char*>, 6> languages = {{{"English1", "English"},
                                                                          {"Nederlands1", "Nederlands"},
                                                                          {"Deutsch1", "Deutsch"},
                                                                          {"France1", "Français"},
                                                                          {"Italiano1", "Italiano"},
                                                                          {"Espagoles1", "Español"}}};
    for (std::size_t k = 0; k < languages.size(); ++k) {
        QAction* item = addMenuAction(*language_, languages[k].first, languages[k].second);
        const int index = static_cast<int>(k) + 1;
        connect(item, &QAction::triggered, this, [this, index] { windows_.act([index](KeyProgram& p) { p.LanguageClick(index); }); });
    }

    n31_ = addBarAction("N31", "");
    n31_->setEnabled(false);  // a fixed text in the menu bar, never chosen
    stepback1_ = addBarAction("Stepback1", "Step back");
    stepback1_->setEnabled(false);
    connect(stepback1_, &QAction::triggered, this, [this] { windows_.act([](KeyProgram& p) { p.Stepback1Click(); }); });
    addBarAction("Spacer", "")->setEnabled(false);  // a gap in the bar, never chosen
    comparespecies1_ = addBarAction("Comparespecies1", "Compare species");
    comparespecies1_->setEnabled(false);
    connect(comparespecies1_, &QAction::triggered, this, [this] {
        const std::vector<bool> ticked = ticks();
        windows_.act([&ticked](KeyProgram& p) { p.Comparespecies1Click(ticked); });
    });
    advisor1_ = addBarAction("Advisor1", "Advisor");
    connect(advisor1_, &QAction::triggered, this, [this] { windows_.act([](KeyProgram& p) { p.Advisor1Click(); }); });
}

void TForm1::setKeyboardOrder() {
    QWidget* previous = rows_[0].comboBox;
    const auto chain = [&previous](QWidget* next) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    };
    for (std::size_t n = 1; n < kMaxCharacters; ++n) chain(rows_[n].comboBox);
    chain(listBox1_);
    chain(checkListBox1_);
    chain(listBox2_);
    for (const auto& row : rows_) chain(row.button);
}

void TForm1::openSpecies(int row) {
    windows_.act([row](KeyProgram& p) { p.Species1Click(row); });
}

void TForm1::comboBoxChanged() {
    if (showing_) return;
    const std::vector<std::string> texts = comboBoxTexts();
    windows_.act([&texts](KeyProgram& p) { p.ComboBoxChange(texts); });
}

std::vector<std::string> TForm1::comboBoxTexts() const {
    std::vector<std::string> texts;
    texts.reserve(kMaxCharacters);
    for (const auto& row : rows_) texts.push_back(typed(row.comboBox->currentText()));
    return texts;
}

std::vector<bool> TForm1::ticks() const {
    std::vector<bool> ticked;
    for (int i = 0; i < checkListBox1_->count(); ++i) ticked.push_back(checkListBox1_->item(i)->checkState() == Qt::Checked);
    return ticked;
}

void TForm1::showView(const MainWindowView& view) {
    showing_ = true;
    setWindowTitle(shown(view.caption));
    showRows(view);
    showRightHandArea(view);
    showMenu(view);
    showing_ = false;
    openDropDown(view);
}

void TForm1::showRows(const MainWindowView& view) {
    const QColor windowColour = QApplication::palette().color(QPalette::Base);
    // A genus newly shown brings new states and starts the keyboard at its first character.
    const bool newCharacters = view.characterFills != shownCharacterFills_;
    shownCharacterFills_ = view.characterFills;
    for (std::size_t n = 0; n < kMaxCharacters; ++n) {
        const CharacterRowView& shownRow = view.rows[n];
        CharacterRowControls& row = rows_[n];
        setCaption(*row.label, shownRow.labelCaption);
        row.label->setEnabled(shownRow.labelEnabled);
        const QStringList items = shown(shownRow.comboItems);
        if (newCharacters) {
            row.comboBox->clear();
            row.comboBox->addItems(items);
            row.comboBox->setCurrentIndex(-1);
        }
        const QString text = shown(shownRow.comboText);
        if (row.comboBox->currentText() != text) row.comboBox->setEditText(text);
        setBackground(*row.comboBox, shownRow.comboSilver ? kSilver : windowColour);
        row.button->setEnabled(shownRow.buttonEnabled);
        row.comboBox->setAccessibleName(shown(shownRow.comboAccessibleName));
        row.comboBox->setAccessibleDescription(shown(shownRow.comboAccessibleDescription));
        // Tab passes over the rows the genus does not use; a click still reaches them.
        row.comboBox->setFocusPolicy(items.isEmpty() ? Qt::ClickFocus : Qt::WheelFocus);
        row.button->setAccessibleName(shown(shownRow.buttonAccessibleName));
    }
    const auto hasStates = [](const CharacterRowView& shownRow) { return !shownRow.comboItems.empty(); };
    if (newCharacters && std::any_of(view.rows.begin(), view.rows.end(), hasStates)) rows_[0].comboBox->setFocus(Qt::OtherFocusReason);
}

void TForm1::showRightHandArea(const MainWindowView& view) {
    setCaption(*label43_, view.label43Caption);
    label43_->setEnabled(view.label43Enabled);
    label44_->setEnabled(view.label44Enabled);
    speedButton1_->setText(shown(view.speedButton1Caption));
    speedButton1_->setEnabled(view.speedButton1Enabled);
    // With a caption the flat button covers the "%" beneath it; without one it is not
    // seen, and the "%" of the first kind of searching shows through.
    speedButton1_->setAutoFillBackground(!view.speedButton1Caption.empty());
    if (view.image1 != shownPicture_) {
        shownPicture_ = view.image1;
        image1_->setPixmap(pixmapOf(view.image1));
    }
    image1_->setVisible(view.image1Visible);
    showItems(*listBox1_, view.listBox1);
    listBox1_->setVisible(view.listBox1Visible);
    showItems(*listBox2_, view.listBox2);
    listBox2_->setVisible(view.listBox2Visible);
    if (view.checkListFills != shownCheckListFills_) {
        shownCheckListFills_ = view.checkListFills;
        checkListBox1_->clear();
        for (int i = 0; i < view.checkListItems; ++i) {
            auto* item = new QListWidgetItem(checkListBox1_);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Unchecked);
        }
    }
    checkListBox1_->setVisible(view.checkListVisible);
    nameItems(*listBox1_, view.listBox1AccessibleItems);
    nameItems(*checkListBox1_, view.checkListAccessibleItems);
    listBox1_->setAccessibleName(shown(view.listBox1AccessibleName));
    listBox2_->setAccessibleName(shown(view.listBox2AccessibleName));
    checkListBox1_->setAccessibleName(shown(view.checkListAccessibleName));
}

void TForm1::showMenu(const MainWindowView& view) {
    genera1_->setTitle(shown(view.genera1Caption));
    for (std::size_t i = 0; i < kMaxGenera; ++i) {
        const bool separator = view.genusItems[i] == "-";
        genusItems_[i]->setSeparator(separator);
        genusItems_[i]->setText(shown(view.genusItems[i]));
    }
    info1_->setTitle(shown(view.info1Caption));
    howtostart1_->setText(shown(view.howtostart1Caption));
    aboutProgram1_->setText(shown(view.aboutProgram1Caption));
    clearAll1_->setText(shown(view.clearAll1Caption));
    kindofsearching1_->setTitle(shown(view.kindofsearching1Caption));
    usingAllSpecies_->setText(shown(view.usingAllSpecies.caption));
    usingAllSpecies_->setChecked(view.usingAllSpecies.checked);
    usingRestSpecies_->setText(shown(view.usingRestSpecies.caption));
    usingRestSpecies_->setChecked(view.usingRestSpecies.checked);
    language_->setTitle(shown(view.languageCaption));
    n31_->setText(shown(view.n31Caption));
    stepback1_->setText(shown(view.stepback1.caption));
    stepback1_->setEnabled(view.stepback1.enabled);
    comparespecies1_->setText(shown(view.comparespecies1.caption));
    comparespecies1_->setEnabled(view.comparespecies1.enabled);
    // The key's texts are single-byte and hold no warning sign; the window adds one.
    const QString advisor = shown(view.advisor1.caption);
    advisor1_->setText(view.advisor1Warns ? QStringLiteral("\u26A0 ") + advisor : advisor);
    advisor1_->setToolTip(view.advisor1Warns ? shown(view.advisor1Warning) : advisor);
    advisor1_->setStatusTip(shown(view.advisor1Warning));
    advisor1_->setEnabled(view.advisor1.enabled);
}

void TForm1::openDropDown(const MainWindowView& view) {
    if (view.dropDownOpenings == shownDropDownOpenings_) return;
    shownDropDownOpenings_ = view.dropDownOpenings;
    if (view.dropDownRow < 1 || view.dropDownRow > kMaxCharacters) return;
    activateWindow();
    raise();
    rows_[static_cast<std::size_t>(view.dropDownRow - 1)].comboBox->showPopup();
}

}  // namespace sporix

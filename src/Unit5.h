#pragma once

#include <QWidget>
#include <array>

#include "Views.h"

class QLabel;
class QPlainTextEdit;
class QScrollArea;

namespace sporix {

class KeyWindows;

// The comparison window: character names, the chosen states and up to three species in
// five columns, taller than the window, which scrolls over them.
class TForm5 : public QWidget {
    Q_OBJECT
public:
    explicit TForm5(KeyWindows& windows);
    void showView(const ComparisonWindowView& view);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void layOutColumns();

    KeyWindows& windows_;
    QScrollArea* scrollArea_ = nullptr;
    std::array<QLabel*, kCompareColumns> labels_{};
    std::array<QPlainTextEdit*, kCompareColumns> memos_{};
    std::array<std::vector<std::string>, kCompareColumns> shownMemos_;
    int shownCount_ = 0;
    int shownScrollCount_ = 0;
};

}  // namespace sporix

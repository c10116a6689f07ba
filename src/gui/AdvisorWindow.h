#pragma once

#include <QWidget>
#include <vector>

#include "Views.h"

namespace sporix {

class KeyWindows;
class OpeningList;

// The advisor: a non-modal window beside the main window that shows the advice line by
// line. A click on a line hands it to the program, which opens a drop-down list of the
// main window or a species' description.
class AdvisorWindow : public QWidget {
    Q_OBJECT
public:
    explicit AdvisorWindow(KeyWindows& windows);
    void showView(const AdvisorWindowView& view);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void openLine(int line);

    KeyWindows& windows_;
    OpeningList* list_ = nullptr;
    std::vector<AdviceLine> shownLines_;
    int shownCount_ = 0;
};

}  // namespace sporix

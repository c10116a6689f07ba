#pragma once

#include <QLabel>

namespace sporix {

// A label that reports a click, for the comparison's species headings.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace sporix

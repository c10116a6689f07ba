#pragma once

#include "stroke_font.h"

#include <QStringList>

class QPainter;

// The label of a panel: the state's text in two lines (three rather than letters too
// small), shrunk as far as it stays readable. A label that does not fit even then is
// not whole: its end is cut.
struct LabelLayout {
    QStringList lines;
    TextStyle style;
    double height = 0;
    bool whole = true;
};

LabelLayout layOutLabel(const QString& label, double maxWidth, double maxHeight = 1e9);

// Lines under each other from `top`, centred on x or starting at it.
void drawLabel(QPainter& painter, const LabelLayout& label, double x, double top, bool centred);

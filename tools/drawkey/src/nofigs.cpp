#include "nofigs.h"

#include "stroke_font.h"

#include <QPainter>

namespace {

const QColor paper(247, 246, 242);
const QColor grey(150, 148, 142);
const QColor dark(96, 94, 90);

// A round field of view with an empty slide in it, struck through.
void drawEmptyFieldIcon(QPainter& painter, QPointF centre) {
    painter.setPen(QPen(grey, 4));
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, 70, 70);
    painter.setPen(QPen(grey, 2));
    painter.setBrush(QColor(236, 240, 244));
    painter.drawRoundedRect(QRectF(centre.x() - 48, centre.y() - 20, 96, 40), 3, 3);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(centre.x() - 16, centre.y() - 16, 32, 32));  // the empty cover slip
    QPen strike(QColor(176, 72, 60), 6, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(strike);
    painter.drawLine(centre + QPointF(-50, 50), centre + QPointF(50, -50));
}

}  // namespace

QImage drawNoFigs(const QString& caption) {
    QImage image(noFigsWidth, noFigsHeight, QImage::Format_RGB32);
    image.fill(paper);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(QColor(222, 220, 214), 2));
    painter.drawRect(QRectF(6, 6, noFigsWidth - 12, noFigsHeight - 12));
    drawEmptyFieldIcon(painter, QPointF(noFigsWidth / 2.0, 200));
    painter.setPen(dark);
    drawTextCentred(painter, caption, QPointF(noFigsWidth / 2.0, 330), TextStyle{20, 2.2, 0});
    painter.end();
    return image;
}

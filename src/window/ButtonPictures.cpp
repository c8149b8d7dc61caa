#include "window/ButtonPictures.h"

#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace Quor {

namespace {

constexpr int kSize = 16;

using TDrawing = std::function<void(QPainter&)>;

QPixmap Draw(const TDrawing& drawing, int scale) {
    QPixmap picture(kSize * scale, kSize * scale);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    drawing(painter);
    painter.end();
    picture.setDevicePixelRatio(scale);
    return picture;
}

// The disabled look: the picture in light grey, half transparent.
QPixmap Greyed(const QPixmap& picture) {
    QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = 128 + qGray(line[x]) / 2;
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) / 2);
        }
    }
    QPixmap greyed = QPixmap::fromImage(image);
    greyed.setDevicePixelRatio(picture.devicePixelRatio());
    return greyed;
}

QIcon Picture(const TDrawing& drawing) {
    QIcon icon;
    for (const int scale : {1, 2}) {
        const QPixmap picture = Draw(drawing, scale);
        icon.addPixmap(picture, QIcon::Normal);
        icon.addPixmap(Greyed(picture), QIcon::Disabled);
    }
    return icon;
}

void DrawArrow(QPainter& painter, bool pointsLeft) {
    QPainterPath arrow;
    arrow.moveTo(1.5, 8);
    arrow.lineTo(8, 2);
    arrow.lineTo(8, 5.5);
    arrow.lineTo(14.5, 5.5);
    arrow.lineTo(14.5, 10.5);
    arrow.lineTo(8, 10.5);
    arrow.lineTo(8, 14);
    arrow.closeSubpath();
    if (!pointsLeft)
        arrow = QTransform(-1, 0, 0, 1, kSize, 0).map(arrow);
    painter.setPen(QPen(QColor(128, 0, 0), 1));
    painter.setBrush(QColor(220, 30, 30));
    painter.drawPath(arrow);
}

} // namespace

QIcon BackPicture() {
    return Picture([](QPainter& painter) { DrawArrow(painter, true); });
}

QIcon ForwardPicture() {
    return Picture([](QPainter& painter) { DrawArrow(painter, false); });
}

QIcon SearchPicture() {
    return Picture([](QPainter& painter) {
        // The page with its lines of text.
        painter.setPen(QPen(QColor(90, 90, 90), 1));
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(1.5, 0.5, 10, 13));
        painter.setPen(QPen(QColor(120, 120, 160), 1));
        for (const double y : {3.5, 5.5, 7.5, 9.5})
            painter.drawLine(QPointF(3.5, y), QPointF(9.5, y));
        // The lens with its handle.
        painter.setPen(QPen(QColor(60, 60, 60), 2.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(11.5, 11.5), QPointF(15, 15));
        painter.setPen(QPen(QColor(40, 40, 40), 1.2));
        painter.setBrush(QColor(170, 210, 255, 190));
        painter.drawEllipse(QPointF(9, 9), 3.8, 3.8);
    });
}

QIcon AboutPicture() {
    return Picture([](QPainter& painter) {
        painter.setPen(QPen(QColor(180, 130, 0), 1));
        painter.setBrush(QColor(255, 215, 0));
        painter.drawEllipse(QRectF(0.5, 0.5, 15, 15));
        QFont font = painter.font();
        font.setPixelSize(13);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(QColor(210, 0, 0));
        painter.drawText(QRectF(0, 0, kSize, kSize), Qt::AlignCenter, QStringLiteral("?"));
    });
}

} // namespace Quor

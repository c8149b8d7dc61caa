#include "window/NetworkMapStyle.h"

#include <QFontDatabase>
#include <QFontMetricsF>

#include <algorithm>

namespace Quor {

QPen RelationPen(TMapRelation relation, const QPalette& palette, bool faint) {
    QColor colour = palette.color(QPalette::Text);
    QPen pen;
    switch (relation) {
    case TMapRelation::Absolute:
        pen = QPen(colour, 1.8, Qt::SolidLine);
        break;
    case TMapRelation::Relative:
        colour.setAlphaF(0.75f);
        pen = QPen(colour, 1.2, Qt::DashLine);
        break;
    case TMapRelation::Homonym:
        pen = QPen(palette.color(QPalette::Link), 1.6, Qt::DotLine);
        break;
    }
    pen.setCapStyle(Qt::FlatCap);
    if (faint) {
        QColor faded = pen.color();
        faded.setAlphaF(faded.alphaF() * 0.3f);
        pen.setColor(faded);
    }
    return pen;
}

QColor ClusterFill(TMapRelation relation, const QPalette& palette) {
    QColor colour;
    switch (relation) {
    case TMapRelation::Absolute:
        colour = palette.color(QPalette::Highlight);
        colour.setAlphaF(0.16f);
        break;
    case TMapRelation::Relative:
        colour = palette.color(QPalette::Text);
        colour.setAlphaF(0.07f);
        break;
    case TMapRelation::Homonym:
        colour = palette.color(QPalette::Link);
        colour.setAlphaF(0.12f);
        break;
    }
    return colour;
}

double ReadableLabelScale(const QFont& font) {
    const double smallest =
        QFontMetricsF(QFontDatabase::systemFont(QFontDatabase::SmallestReadableFont)).height();
    return std::min(1.0, smallest / QFontMetricsF(font).height());
}

} // namespace Quor

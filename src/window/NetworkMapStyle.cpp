#include "window/NetworkMapStyle.h"

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
    QColor colour = relation == TMapRelation::Absolute ? palette.color(QPalette::Highlight)
                                                       : palette.color(QPalette::Text);
    colour.setAlphaF(relation == TMapRelation::Absolute ? 0.16f : 0.07f);
    return colour;
}

} // namespace Quor

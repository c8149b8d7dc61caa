#include "window/NetworkMapEdge.h"

#include "window/NetworkMapStyle.h"

#include <QPen>

namespace Quor {

namespace {

constexpr double kParallelLineGap = 3.0;

QLineF Shifted(QLineF line, double shift) {
    const QLineF normal = line.normalVector().unitVector();
    line.translate((normal.p2() - normal.p1()) * (kParallelLineGap * shift));
    return line;
}

} // namespace

TNetworkMapEdge::TNetworkMapEdge(const QLineF& centres, double shift, TMapRelation relation,
                                 const QPalette& palette, bool faint)
    : QGraphicsLineItem(Shifted(centres, shift)) {
    setPen(RelationPen(relation, palette, faint));
}

} // namespace Quor

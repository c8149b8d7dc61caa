#include "window/NetworkMapEdge.h"

#include "window/NetworkMapStyle.h"

#include <QLineF>
#include <QPainterPath>
#include <QPen>

namespace Quor {

namespace {

constexpr double kParallelLineGap = 3.0;

QPainterPath Path(const std::vector<QPointF>& route, double shift) {
    QPainterPath path;
    if (route.empty())
        return path;
    const QLineF normal = QLineF(route.front(), route.back()).normalVector().unitVector();
    const QPointF offset = (normal.p2() - normal.p1()) * (kParallelLineGap * shift);
    path.moveTo(route.front() + offset);
    for (std::size_t i = 1; i + 2 < route.size(); i += 3)
        path.cubicTo(route[i] + offset, route[i + 1] + offset, route[i + 2] + offset);
    return path;
}

} // namespace

TNetworkMapEdge::TNetworkMapEdge(const std::vector<QPointF>& route, double shift,
                                 TMapRelation relation, const QPalette& palette, bool faint)
    : QGraphicsPathItem(Path(route, shift)) {
    setPen(RelationPen(relation, palette, faint));
}

} // namespace Quor

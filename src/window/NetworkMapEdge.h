#pragma once

#include "core/map/NetworkMap.h"

#include <QGraphicsPathItem>
#include <QPalette>
#include <QPointF>

#include <vector>

namespace Quor {

// The line of a relation along a route (a cubic Bézier path: its start, then three points for each
// piece), in the relation's pen (see RelationPen). Two boxes related in two ways get two lines
// side by side: `shift` moves a line sideways by that many of the lines' gaps.
class TNetworkMapEdge final : public QGraphicsPathItem {
public:
    TNetworkMapEdge(const std::vector<QPointF>& route, double shift, TMapRelation relation,
                    const QPalette& palette, bool faint);
};

} // namespace Quor

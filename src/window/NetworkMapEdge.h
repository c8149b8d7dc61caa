#pragma once

#include "core/map/NetworkMap.h"

#include <QGraphicsLineItem>
#include <QLineF>
#include <QPalette>

namespace Quor {

// The line of a relation between two words' centres, in the relation's pen (see RelationPen).
// Two words related in two ways get two lines side by side: `shift` moves a line sideways by
// that many of the lines' gaps.
class TNetworkMapEdge final : public QGraphicsLineItem {
public:
    TNetworkMapEdge(const QLineF& centres, double shift, TMapRelation relation,
                    const QPalette& palette, bool faint);
};

} // namespace Quor

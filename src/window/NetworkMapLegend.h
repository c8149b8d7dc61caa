#pragma once

#include <QFont>
#include <QPainter>
#include <QPalette>
#include <QPointF>

namespace Quor {

// The height of the map's legend in `font`, with the room below it.
double LegendHeight(const QFont& font);
// Draws the legend with its bottom left corner at `bottomLeft`: a sample of each relation's line
// and of each cluster's shade, with its name.
void DrawLegend(QPainter& painter, const QPointF& bottomLeft, const QPalette& palette,
                const QFont& font);

} // namespace Quor

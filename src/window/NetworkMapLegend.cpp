#include "window/NetworkMapLegend.h"

#include "window/NetworkMapStyle.h"

#include <QFontMetricsF>

#include <algorithm>
#include <iterator>

namespace Quor {

namespace {

constexpr int kLegendRows = 6;

} // namespace

double LegendHeight(const QFont& font) {
    return kLegendRows * (QFontMetricsF(font).height() + 4) + 8 + 2 * 6;
}

void DrawLegend(QPainter& painter, const QPointF& bottomLeft, const QPalette& palette,
                const QFont& font) {
    const QFontMetricsF metrics(font);
    const double line = metrics.height() + 4;
    const double sample = 28;
    const struct {
        const char* Text;
        TMapRelation Relation;
        bool Cluster;
    } rows[] = {
        {"absolute synonym", TMapRelation::Absolute, false},
        {"relative synonym", TMapRelation::Relative, false},
        {"homonym", TMapRelation::Homonym, false},
        {"absolute synonyms of the word", TMapRelation::Absolute, true},
        {"homonyms of the word", TMapRelation::Homonym, true},
        {"a group of relative synonyms", TMapRelation::Relative, true},
    };
    static_assert(std::size(rows) == kLegendRows);
    double width = 0;
    for (const auto& row : rows)
        width = std::max(width, metrics.horizontalAdvance(QLatin1String(row.Text)));
    const QRectF box(bottomLeft.x(), bottomLeft.y() - line * std::size(rows) - 8,
                     sample + 14 + width + 8, line * std::size(rows) + 8);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QColor background = palette.color(QPalette::Base);
    background.setAlphaF(0.9f);
    painter.setPen(QPen(palette.color(QPalette::Mid), 1.0));
    painter.setBrush(background);
    painter.drawRoundedRect(box, kMapCornerRadius, kMapCornerRadius);
    painter.setFont(font);
    double y = box.top() + 4;
    for (const auto& row : rows) {
        const double middle = y + line / 2;
        if (row.Cluster) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(ClusterFill(row.Relation, palette));
            painter.drawRoundedRect(QRectF(box.left() + 6, y + 3, sample, line - 6), 3, 3);
        } else {
            painter.setPen(RelationPen(row.Relation, palette));
            painter.drawLine(QPointF(box.left() + 6, middle),
                             QPointF(box.left() + 6 + sample, middle));
        }
        painter.setPen(palette.color(QPalette::Text));
        painter.drawText(QRectF(box.left() + sample + 14, y, width + 4, line), Qt::AlignVCenter,
                         QLatin1String(row.Text));
        y += line;
    }
    painter.restore();
}

} // namespace Quor

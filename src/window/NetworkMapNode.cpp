#include "window/NetworkMapNode.h"

#include "window/NetworkMapStyle.h"
#include "window/WordLabels.h"

#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QPainter>

#include <cmath>
#include <utility>

namespace Quor {

namespace {

constexpr double kNodePadding = 6.0;

QFont CentreFont(QFont font) {
    font.setBold(true);
    return font;
}

} // namespace

std::vector<QSizeF> MapNodeSizes(const TNetworkMap& map, const QFont& font) {
    const QFontMetricsF metrics(font);
    const QFontMetricsF centreMetrics(CentreFont(font));
    std::vector<QSizeF> sizes;
    sizes.reserve(map.Nodes.size());
    for (std::size_t i = 0; i < map.Nodes.size(); ++i) {
        const QFontMetricsF& used = i == 0 ? centreMetrics : metrics;
        sizes.emplace_back(std::ceil(used.horizontalAdvance(WordLabel(map.Nodes[i].Word))) +
                               2 * kNodePadding,
                           std::ceil(used.height()) + kNodePadding);
    }
    return sizes;
}

TNetworkMapNode::TNetworkMapNode(const QRectF& rect, QString label, bool centre, const QFont& font)
    : QGraphicsRectItem(rect), mLabel(std::move(label)), mCentre(centre), mFont(font) {}

void TNetworkMapNode::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    const QPalette palette = scene() ? scene()->palette() : QPalette();
    painter->setPen(QPen(palette.color(mCentre ? QPalette::Highlight : QPalette::Mid), 1.0));
    painter->setBrush(palette.color(mCentre ? QPalette::Highlight : QPalette::Base));
    painter->drawRoundedRect(rect(), kMapCornerRadius, kMapCornerRadius);
    painter->setFont(mCentre ? CentreFont(mFont) : mFont);
    painter->setPen(palette.color(mCentre ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(rect(), Qt::AlignCenter, mLabel);
}

} // namespace Quor

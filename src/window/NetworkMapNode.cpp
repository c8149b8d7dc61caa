#include "window/NetworkMapNode.h"

#include "window/NetworkMapStyle.h"
#include "window/WordLabels.h"

#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

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

TNetworkMapNode::TNetworkMapNode(const QRectF& rect, QString label, TMapNodeLook look,
                                 const QFont& font, double leastLabelScale)
    : QGraphicsRectItem(rect), mLabel(std::move(label)), mLook(look), mFont(font),
      mLeastLabelScale(leastLabelScale) {}

void TNetworkMapNode::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    const QPalette palette = scene() ? scene()->palette() : QPalette();
    const bool centre = mLook == TMapNodeLook::Centre;
    const bool more = mLook == TMapNodeLook::More;
    painter->setPen(QPen(palette.color(centre ? QPalette::Highlight
                                       : more ? QPalette::Link
                                              : QPalette::Mid),
                         1.0, more ? Qt::DashLine : Qt::SolidLine));
    painter->setBrush(palette.color(centre ? QPalette::Highlight : QPalette::Base));
    painter->drawRoundedRect(rect(), kMapCornerRadius, kMapCornerRadius);
    // Too small to read, a label is only noise: the overview shows the boxes.
    const double scale =
        QStyleOptionGraphicsItem::levelOfDetailFromTransform(painter->worldTransform());
    if (scale < mLeastLabelScale * 0.999)
        return;
    painter->setFont(centre ? CentreFont(mFont) : mFont);
    painter->setPen(palette.color(centre ? QPalette::HighlightedText
                                  : more ? QPalette::Link
                                         : QPalette::Text));
    painter->drawText(rect(), Qt::AlignCenter, mLabel);
}

} // namespace Quor

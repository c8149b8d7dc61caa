#pragma once

#include "core/map/NetworkMap.h"

#include <QFont>
#include <QGraphicsRectItem>
#include <QSizeF>
#include <QString>

#include <vector>

namespace Quor {

// The size of each word's box on a map drawn in `font`: the word and its qualifier with room
// around them.
std::vector<QSizeF> MapNodeSizes(const TNetworkMap& map, const QFont& font);

// How a box looks: a word's, the centre word's (highlighted, in bold), or a "+N more" (in the
// colour of links, framed with a dashed line).
enum class TMapNodeLook { Word, Centre, More };

// A word's box: rounded, the word centred in it. Its colours come from the scene's palette. Drawn
// at a scale below `leastLabelScale` it leaves its label out.
class TNetworkMapNode final : public QGraphicsRectItem {
public:
    TNetworkMapNode(const QRectF& rect, QString label, TMapNodeLook look, const QFont& font,
                    double leastLabelScale);

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    QString mLabel;
    TMapNodeLook mLook;
    QFont mFont;
    double mLeastLabelScale;
};

} // namespace Quor

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

// A word's box: rounded, the word centred in it; the centre word highlighted and in bold. Its
// colours come from the scene's palette.
class TNetworkMapNode final : public QGraphicsRectItem {
public:
    TNetworkMapNode(const QRectF& rect, QString label, bool centre, const QFont& font);

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    QString mLabel;
    bool mCentre;
    QFont mFont;
};

} // namespace Quor

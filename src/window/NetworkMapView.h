#pragma once

#include "core/map/NetworkMap.h"
#include "window/PageDialogs.h"

#include <QGraphicsView>
#include <QPoint>
#include <QRectF>
#include <QSizeF>

#include <cstddef>
#include <cstdint>
#include <vector>

class QGraphicsRectItem;
class QPainter;

namespace Quor {

// A word's neighbourhood drawn as a graph: a box per word, the centre word highlighted, a line
// per relation (solid absolute, dashed relative, dotted homonym, as the legend says), and a
// shaded box around each cluster of synonyms. Colours come from the palette. The wheel and
// Ctrl+Plus/Minus zoom, dragging pans, Ctrl+0 fits the map to the view. A click on a word, or
// Enter on the word focused with the arrow keys or Tab, chooses it; the pointer resting on a word
// shows its qualifier and first meaning. The context menu asks for the map's export to a file.
class TNetworkMapView : public QGraphicsView {
    Q_OBJECT

public:
    explicit TNetworkMapView(QWidget* parent = nullptr);

    // Lays the map out and draws it, fitted to the view; raises EQuorError when the layout fails.
    void ShowMap(TNetworkMap map);
    // Draws nothing.
    void Clear();
    const TNetworkMap& Map() const { return mMap; }

    void ZoomIn();
    void ZoomOut();
    void FitToView();

    // The word focused for the keyboard, as a node of the map; Map().Nodes.size() when none.
    std::size_t FocusedNode() const { return mFocused; }
    // Where a node's box is drawn, in the view's own coordinates.
    QPoint NodePosition(std::size_t node) const;

    // The size of a picture of the map with the legend below it, and its painting (without the
    // frame of the focused word).
    QSizeF PictureSize() const;
    void PaintPicture(QPainter& painter, const QSizeF& size);

Q_SIGNALS:
    // The user chose a word.
    void WordChosen(std::int32_t wordId);
    // The user wants the map exported to a file of this kind.
    void ExportAsked(TPageFileKind kind);

protected:
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void focusInEvent(QFocusEvent* event) override;
    void drawForeground(QPainter* painter, const QRectF& rect) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Adds the clusters' boxes, the lines and the words' boxes to the scene.
    void Draw();
    // Draws the map again where it stands, in the colours of the palette.
    void Redraw();
    void Scale(double factor);
    void Focus(std::size_t node);
    // The nearest node from the focused one in the direction (dx, dy); the focused one if none.
    std::size_t NodeToward(int dx, int dy) const;
    std::size_t NodeAt(const QPoint& viewPosition) const;
    void Choose(std::size_t node);

    TNetworkMap mMap;
    // Where the layout put each word, its size, and each cluster's box.
    std::vector<QPointF> mCentres;
    std::vector<QSizeF> mNodeSizes;
    std::vector<QRectF> mClusterBoxes;
    // The map with a margin around it; the scene reaches further down, under the legend.
    QRectF mMapBounds;
    std::vector<QGraphicsRectItem*> mNodeItems;
    QGraphicsRectItem* mFocusFrame = nullptr;
    std::size_t mFocused = 0;
    // Kept fitted to the view until the user zooms.
    bool mFitted = true;
    QPoint mPressPosition;
};

} // namespace Quor

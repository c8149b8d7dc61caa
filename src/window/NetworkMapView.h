#pragma once

#include "core/map/NetworkMap.h"
#include "core/map/NetworkMapFold.h"
#include "core/map/NetworkMapLayout.h"
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

// A word's neighbourhood drawn as a graph: a box per word, the centre word highlighted, a shaded
// box around each cluster (the word's absolute synonyms, its homonyms, a group of relative
// synonyms), and a line per relation between boxes (solid absolute, dashed relative, dotted
// homonym, as the legend says). Large groups are folded (see FoldNetworkMap): a click on their
// "+N more", or Enter on it, shows more of them. Colours come from the palette. The map opens with
// its labels at least as large as the desktop's smallest readable font, around the centre word
// when it does not fit; the wheel and Ctrl+Plus/Minus zoom, dragging pans, Ctrl+0 fits the whole
// map to the view, leaving the labels out when they would be too small to read. A click on a word,
// or Enter on the word focused with the arrow keys or Tab, chooses it; the pointer resting on a
// word shows its qualifier and first meaning. The context menu asks for the map's export to a
// file.
class TNetworkMapView : public QGraphicsView {
    Q_OBJECT

public:
    explicit TNetworkMapView(QWidget* parent = nullptr);

    // Folds the map, lays it out and draws it in its opening view; raises EQuorError when the
    // layout fails.
    void ShowMap(TNetworkMap map);
    // Draws nothing.
    void Clear();
    // The whole map, and what of it is drawn.
    const TNetworkMap& Map() const { return mMap; }
    const TFoldedMap& Folded() const { return mFolded; }
    const TMapLayout& Layout() const { return mLayout; }
    // Shows more of the words behind a "+N more" node of the drawn map, and keeps the focus on
    // the fold; raises EQuorError when the layout fails.
    void Unfold(std::size_t node);

    void ZoomIn();
    void ZoomOut();
    void FitToView();

    // The word focused for the keyboard, as a node of the drawn map; its size when none.
    std::size_t FocusedNode() const { return mFocused; }
    // Where a node of the drawn map is, in the view's own coordinates.
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
    // The user showed more of a folded group.
    void Unfolded();

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
    // How the view follows a resize: it keeps the opening view or the whole map, or stays as the
    // user zoomed it.
    enum class TFit { Opening, Whole, None };

    // Folds the map as opened, lays it out and draws it anew.
    void LayOut(TNetworkMap map, TMapOpenings openings);
    // The labels readable, the whole map when it fits and the centre word in the middle when not.
    void OpeningView();
    void SetScale(double scale, const QPointF& centre);
    double WholeMapScale() const;
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
    TMapOpenings mOpenings;
    TFoldedMap mFolded;
    // The size of each word drawn, and where the layout put it, the clusters and the lines.
    std::vector<QSizeF> mNodeSizes;
    TMapLayout mLayout;
    // The map with a margin around it; the scene reaches further down, under the legend.
    QRectF mMapBounds;
    std::vector<QGraphicsRectItem*> mNodeItems;
    QGraphicsRectItem* mFocusFrame = nullptr;
    std::size_t mFocused = 0;
    TFit mFit = TFit::Opening;
    QPoint mPressPosition;
};

} // namespace Quor

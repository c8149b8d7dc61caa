#include "window/NetworkMapView.h"

#include "core/QuorError.h"
#include "window/NetworkMapEdge.h"
#include "window/NetworkMapLegend.h"
#include "window/NetworkMapNode.h"
#include "window/NetworkMapStyle.h"
#include "window/WordLabels.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QMenu>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace Quor {

namespace {

constexpr double kZoomStep = 1.25;
constexpr double kSmallestScale = 0.05;
constexpr double kLargestScale = 8.0;
// A small map fitted to the view is not blown up beyond the size of the desktop's font.
constexpr double kLargestFittedScale = 1.0;
// Room around the map in the scene and in pictures.
constexpr double kSceneMargin = 12.0;
// A map with more lines than this draws them faint.
constexpr std::size_t kLinesDrawnFull = 150;

} // namespace

TNetworkMapView::TNetworkMapView(QWidget* parent) : QGraphicsView(parent) {
    setScene(new QGraphicsScene(this));
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                   QPainter::SmoothPixmapTransform);
    setDragMode(QGraphicsView::ScrollHandDrag);
    setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
    setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    setFocusPolicy(Qt::StrongFocus);
    setBackgroundRole(QPalette::Base);
}

void TNetworkMapView::ShowMap(TNetworkMap map) {
    Clear();
    LayOut(std::move(map), {});
    OpeningView();
}

void TNetworkMapView::LayOut(TNetworkMap map, TMapOpenings openings) {
    TFoldedMap folded = FoldNetworkMap(map, openings);
    std::vector<QSizeF> sizes = MapNodeSizes(folded.Map, font());
    TMapLayout layout = LayOutNetworkMap(folded.Map, sizes);
    scene()->clear();
    mNodeItems.clear();
    mFocusFrame = nullptr;
    mMap = std::move(map);
    mOpenings = std::move(openings);
    mFolded = std::move(folded);
    mNodeSizes = std::move(sizes);
    mLayout = std::move(layout);
    mFocused = mFolded.Map.Nodes.size();
    Draw();
    mMapBounds = mLayout.Bounds.adjusted(-kSceneMargin, -kSceneMargin, kSceneMargin, kSceneMargin);
    scene()->setSceneRect(mMapBounds);
}

void TNetworkMapView::Unfold(std::size_t node) {
    const TMapNode& more = mFolded.Map.Nodes.at(node);
    if (more.LeftOut == 0)
        return;
    const std::size_t key = more.FoldKey;
    const bool focused = mFocused == node;
    TMapOpenings openings = mOpenings;
    ++openings[key];
    TNetworkMap map = mMap;
    LayOut(std::move(map), std::move(openings));
    OpeningView();
    // The keyboard stays on the fold: on its "+N more" while words are left behind it.
    if (focused) {
        const auto& nodes = mFolded.Map.Nodes;
        const auto still = std::find_if(nodes.begin(), nodes.end(), [key](const TMapNode& n) {
            return n.LeftOut > 0 && n.FoldKey == key;
        });
        Focus(still != nodes.end() ? static_cast<std::size_t>(still - nodes.begin()) : 0);
    }
    Q_EMIT Unfolded();
}

void TNetworkMapView::Draw() {
    scene()->setPalette(palette());
    const TNetworkMap& map = mFolded.Map;
    // The clusters' boxes first, the lines over them, the words on top.
    for (std::size_t c = 0; c < map.Clusters.size(); ++c)
        scene()
            ->addRect(mLayout.ClusterBoxes[c], Qt::NoPen,
                      ClusterFill(map.Clusters[c].Relation, palette()))
            ->setZValue(-2);
    // Boxes related in two ways (a relative synonym that is an absolute one too) get two lines
    // side by side.
    std::size_t lines = 0;
    for (const TMapLine& line : mLayout.Lines)
        lines += line.Relations.size();
    const bool faint = lines > kLinesDrawnFull;
    for (const TMapLine& line : mLayout.Lines)
        for (std::size_t k = 0; k < line.Relations.size(); ++k) {
            const double shift = static_cast<double>(k) - (line.Relations.size() - 1) / 2.0;
            auto* item =
                new TNetworkMapEdge(line.Route, shift, line.Relations[k], palette(), faint);
            scene()->addItem(item);
            item->setZValue(-1);
        }
    const double leastLabelScale = ReadableLabelScale(font());
    for (std::size_t i = 0; i < map.Nodes.size(); ++i) {
        const TMapNode& node = map.Nodes[i];
        QRectF box(QPointF(), mNodeSizes[i]);
        box.moveCenter(mLayout.Centres[i]);
        const TMapNodeLook look = node.LeftOut > 0 ? TMapNodeLook::More
                                  : i == 0         ? TMapNodeLook::Centre
                                                   : TMapNodeLook::Word;
        auto* item = new TNetworkMapNode(box, WordLabel(node.Word), look, font(), leastLabelScale);
        item->setToolTip(node.LeftOut > 0
                             ? QStringLiteral("%1 more words: a click or Enter shows more of them")
                                   .arg(node.LeftOut)
                             : WordToolTip(node.Word, node.LangCode, node.FirstMeaning));
        item->setCursor(Qt::PointingHandCursor);
        scene()->addItem(item);
        mNodeItems.push_back(item);
    }
}

void TNetworkMapView::Redraw() {
    scene()->clear();
    mNodeItems.clear();
    mFocusFrame = nullptr;
    Draw();
    if (mFocused < mNodeItems.size())
        Focus(mFocused);
}

void TNetworkMapView::Clear() {
    scene()->clear();
    mNodeItems.clear();
    mFocusFrame = nullptr;
    mMap = {};
    mOpenings.clear();
    mFolded = {};
    mNodeSizes.clear();
    mLayout = {};
    mMapBounds = {};
    mFocused = 0;
    scene()->setSceneRect(QRectF());
}

void TNetworkMapView::ZoomIn() {
    Scale(kZoomStep);
}

void TNetworkMapView::ZoomOut() {
    Scale(1 / kZoomStep);
}

void TNetworkMapView::Scale(double factor) {
    const double now = transform().m11();
    const double next = std::clamp(now * factor, kSmallestScale, kLargestScale);
    scale(next / now, next / now);
    mFit = TFit::None;
}

void TNetworkMapView::SetScale(double scale, const QPointF& centre) {
    // The legend, which the view draws at its bottom, may cover the map's margin below.
    const double legend = LegendHeight(font());
    scene()->setSceneRect(mMapBounds.adjusted(0, 0, 0, legend / scale));
    setTransform(QTransform::fromScale(scale, scale));
    centerOn(centre);
}

// The scale at which the whole map fits above the legend.
double TNetworkMapView::WholeMapScale() const {
    const QSizeF room(viewport()->width(),
                      std::max(1.0, viewport()->height() - LegendHeight(font())));
    return std::min(
        {room.width() / mMapBounds.width(), room.height() / mMapBounds.height(), kLargestScale});
}

void TNetworkMapView::FitToView() {
    resetTransform();
    if (!mMap.IsEmpty()) {
        const double scale = std::min(WholeMapScale(), kLargestFittedScale);
        SetScale(scale, mMapBounds.center() + QPointF(0, LegendHeight(font()) / scale / 2));
    }
    mFit = TFit::Whole;
}

void TNetworkMapView::OpeningView() {
    resetTransform();
    if (!mMap.IsEmpty()) {
        const double whole = std::min(WholeMapScale(), kLargestFittedScale);
        const double readable = ReadableLabelScale(font());
        if (whole >= readable)
            SetScale(whole, mMapBounds.center() + QPointF(0, LegendHeight(font()) / whole / 2));
        else
            SetScale(readable, mLayout.Centres.front());
    }
    mFit = TFit::Opening;
}

QPoint TNetworkMapView::NodePosition(std::size_t node) const {
    return mapFromScene(mLayout.Centres.at(node));
}

void TNetworkMapView::Focus(std::size_t node) {
    mFocused = node;
    if (!mFocusFrame) {
        mFocusFrame = scene()->addRect(
            QRectF(), QPen(palette().color(QPalette::Highlight), 2.0, Qt::SolidLine));
        mFocusFrame->setZValue(1);
    }
    mFocusFrame->setRect(mNodeItems[node]->rect().adjusted(-3, -3, 3, 3));
    ensureVisible(mFocusFrame);
}

std::size_t TNetworkMapView::NodeToward(int dx, int dy) const {
    std::size_t best = mFocused;
    double bestScore = std::numeric_limits<double>::max();
    const std::vector<QPointF>& centres = mLayout.Centres;
    const QPointF from = centres[mFocused];
    for (std::size_t i = 0; i < centres.size(); ++i) {
        const QPointF v = centres[i] - from;
        const double along = v.x() * dx + v.y() * dy;
        if (i == mFocused || along <= 0)
            continue;
        const double score = along + 2 * std::abs(v.x() * dy - v.y() * dx);
        if (score < bestScore) {
            bestScore = score;
            best = i;
        }
    }
    return best;
}

std::size_t TNetworkMapView::NodeAt(const QPoint& viewPosition) const {
    for (QGraphicsItem* item : items(viewPosition)) {
        const auto found = std::find(mNodeItems.begin(), mNodeItems.end(), item);
        if (found != mNodeItems.end())
            return static_cast<std::size_t>(found - mNodeItems.begin());
    }
    return mNodeItems.size();
}

void TNetworkMapView::Choose(std::size_t node) {
    if (node >= mFolded.Map.Nodes.size())
        return;
    if (mFolded.Map.Nodes[node].LeftOut > 0)
        RunGuarded([&] { Unfold(node); });
    else
        Q_EMIT WordChosen(mFolded.Map.Nodes[node].Word.Id);
}

void TNetworkMapView::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y() / 120;
    if (steps == 0) {
        event->ignore();
        return;
    }
    Scale(std::pow(kZoomStep, steps));
    event->accept();
}

void TNetworkMapView::keyPressEvent(QKeyEvent* event) {
    if (mNodeItems.empty() || event->modifiers() & ~Qt::KeypadModifier) {
        QGraphicsView::keyPressEvent(event);
        return;
    }
    if (mFocused >= mNodeItems.size())
        Focus(0);
    switch (event->key()) {
    case Qt::Key_Left:
        Focus(NodeToward(-1, 0));
        break;
    case Qt::Key_Right:
        Focus(NodeToward(1, 0));
        break;
    case Qt::Key_Up:
        Focus(NodeToward(0, -1));
        break;
    case Qt::Key_Down:
        Focus(NodeToward(0, 1));
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Choose(mFocused);
        break;
    default:
        QGraphicsView::keyPressEvent(event);
        return;
    }
    event->accept();
}

bool TNetworkMapView::focusNextPrevChild(bool next) {
    // Tab walks the words, and leaves the map after the last one.
    if (hasFocus() && !mNodeItems.empty()) {
        const std::size_t count = mNodeItems.size();
        if (mFocused >= count) {
            Focus(next ? 0 : count - 1);
            return true;
        }
        if (next ? mFocused + 1 < count : mFocused > 0) {
            Focus(next ? mFocused + 1 : mFocused - 1);
            return true;
        }
    }
    return QGraphicsView::focusNextPrevChild(next);
}

void TNetworkMapView::focusInEvent(QFocusEvent* event) {
    QGraphicsView::focusInEvent(event);
    if (!mNodeItems.empty() && mFocused >= mNodeItems.size())
        Focus(event->reason() == Qt::BacktabFocusReason ? mNodeItems.size() - 1 : 0);
}

void TNetworkMapView::mousePressEvent(QMouseEvent* event) {
    mPressPosition = event->position().toPoint();
    QGraphicsView::mousePressEvent(event);
}

void TNetworkMapView::mouseReleaseEvent(QMouseEvent* event) {
    QGraphicsView::mouseReleaseEvent(event);
    const QPoint position = event->position().toPoint();
    if (event->button() == Qt::LeftButton &&
        (position - mPressPosition).manhattanLength() < QApplication::startDragDistance())
        Choose(NodeAt(position));
}

void TNetworkMapView::contextMenuEvent(QContextMenuEvent* event) {
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("mMapMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const struct {
        const char* Text;
        TPageFileKind Kind;
    } exports[] = {
        {"Export as &SVG Picture…", TPageFileKind::Svg},
        {"Export as &PNG Picture…", TPageFileKind::Png},
        {"Export as Graphviz &DOT…", TPageFileKind::Dot},
        {"Export as &GraphML…", TPageFileKind::GraphMl},
        {"Export the Relations as &CSV…", TPageFileKind::Csv},
    };
    for (const auto& item : exports) {
        QAction* action = menu->addAction(QString::fromUtf8(item.Text), this,
                                          [this, item] { Q_EMIT ExportAsked(item.Kind); });
        action->setEnabled(!mMap.IsEmpty());
    }
    menu->addSeparator();
    menu->addAction(QStringLiteral("&Fit to the Panel"), this, [this] { FitToView(); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    menu->popup(event->globalPos());
    event->accept();
}

void TNetworkMapView::drawForeground(QPainter* painter, const QRectF&) {
    if (mMap.IsEmpty())
        return;
    painter->save();
    painter->resetTransform();
    DrawLegend(*painter, QPointF(6, viewport()->height() - 6), palette(), font());
    painter->restore();
}

void TNetworkMapView::resizeEvent(QResizeEvent* event) {
    QGraphicsView::resizeEvent(event);
    if (mFit == TFit::Opening)
        OpeningView();
    else if (mFit == TFit::Whole)
        FitToView();
}

void TNetworkMapView::changeEvent(QEvent* event) {
    QGraphicsView::changeEvent(event);
    if (mMap.IsEmpty())
        return;
    // Light and dark themes: the words, lines and shades follow the palette where they stand.
    if (event->type() == QEvent::PaletteChange)
        Redraw();
    // Words of another size need another layout.
    if (event->type() == QEvent::FontChange) {
        TNetworkMap map = mMap;
        TMapOpenings openings = mOpenings;
        RunGuarded([&] {
            LayOut(std::move(map), std::move(openings));
            OpeningView();
        });
    }
}

QSizeF TNetworkMapView::PictureSize() const {
    return {std::max(mMapBounds.width(), 260.0), mMapBounds.height() + LegendHeight(font())};
}

void TNetworkMapView::PaintPicture(QPainter& painter, const QSizeF& size) {
    painter.fillRect(QRectF(QPointF(), size), palette().color(QPalette::Base));
    const bool frame = mFocusFrame && mFocusFrame->isVisible();
    if (mFocusFrame)
        mFocusFrame->setVisible(false);
    const QRectF source = mMapBounds;
    scene()->render(&painter, QRectF(QPointF(), source.size()), source);
    if (mFocusFrame)
        mFocusFrame->setVisible(frame);
    DrawLegend(painter, QPointF(6, size.height() - 6), palette(), font());
}

} // namespace Quor

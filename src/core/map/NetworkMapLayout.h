#pragma once

#include "core/map/NetworkMap.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <cstddef>
#include <vector>

namespace Quor {

// Graphviz's two engines for undirected graphs: neato (stress majorization) and fdp (force
// directed, with clusters).
enum class TLayoutEngine { Neato, Fdp };

// Neato: with each cluster laid out as one box, it lays out the folded map of the heaviest hub of
// a million-word network (400 relative synonyms, 46 boxes drawn) with its lines routed in 7 ms of
// processor time against fdp's 10 ms, and its map to depth 2 (84 boxes) in 0.15 s against 0.16 s.
constexpr TLayoutEngine kDefaultLayoutEngine = TLayoutEngine::Neato;

// A line between two boxes of a layout (a cluster's or a word's outside any cluster), drawn once
// for each relation between their words, along one route that ends at the boxes' edges and goes
// round every other box.
struct TMapLine {
    std::size_t FromUnit = 0;
    std::size_t ToUnit = 0;
    // In the order of TMapRelation, each once.
    std::vector<TMapRelation> Relations;
    // A cubic Bézier path: its start, then three points for each piece.
    std::vector<QPointF> Route;
};

// Where a map's nodes and clusters go, in points with y growing downwards.
struct TMapLayout {
    // The centre of each node, in the order of the map's nodes.
    std::vector<QPointF> Centres;
    // The box around each cluster's members, in the order of the map's clusters.
    std::vector<QRectF> ClusterBoxes;
    // The box of each node: the map's clusters first, then a box for each word outside them.
    std::vector<std::size_t> UnitOf;
    // The lines between boxes; none within a box, whose shade tells how its words are related.
    std::vector<TMapLine> Lines;
    // Everything together.
    QRectF Bounds;
};

// Lays a map out with Graphviz, each node as a box of the given size (in points) that no other
// overlaps, the words of each cluster one below the other in a box that no other word enters,
// and routes the lines between the boxes round the others. Raises EQuorError when Graphviz fails.
TMapLayout LayOutNetworkMap(const TNetworkMap& map, const std::vector<QSizeF>& nodeSizes,
                            TLayoutEngine engine = kDefaultLayoutEngine);

} // namespace Quor

#include "core/map/NetworkMapLayout.h"

#include "core/QuorError.h"
#include "core/map/NetworkMap.h"

#include <graphviz/cgraph.h>
#include <graphviz/gvc.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>

namespace Quor {

namespace {

// Graphviz's context with its plugins, made once: loading the plugins costs more than laying out
// a small map.
GVC_t* GraphvizContext() {
    static const std::unique_ptr<GVC_t, int (*)(GVC_t*)> context(
        [] {
            // Warnings (a node placed twice, a missing font) are no concern of the user's.
            agseterr(AGERR);
            return gvContext();
        }(),
        gvFreeContext);
    return context.get();
}

// cgraph takes names and values as char*, which it does not change.
char* Text(const std::string& text) {
    return const_cast<char*>(text.c_str());
}

char* Text(const char* text) {
    return const_cast<char*>(text);
}

// One graph for one layout; closed, with its layout, when done.
class TGraph {
public:
    explicit TGraph(const char* name) : mGraph(agopen(Text(name), Agundirected, nullptr)) {}
    ~TGraph() {
        if (mLaidOut)
            gvFreeLayout(GraphvizContext(), mGraph);
        agclose(mGraph);
    }
    TGraph(const TGraph&) = delete;
    TGraph& operator=(const TGraph&) = delete;

    Agraph_t* operator*() const { return mGraph; }
    void LayOut(const char* engine) {
        if (gvLayout(GraphvizContext(), mGraph, engine) != 0) {
            const char* reason = aglasterr();
            throw EQuorError(std::string("Graphviz could not lay out the map with ") + engine +
                             (reason ? std::string(": ") + reason : std::string(".")));
        }
        mLaidOut = true;
    }

private:
    Agraph_t* mGraph;
    bool mLaidOut = false;
};

constexpr double kPointsPerInch = 72.0;
// Room around the members of a cluster's box.
constexpr double kClusterMargin = 8.0;
// Between the words of a cluster, one below the other.
constexpr double kStackGap = 8.0;
// The most boxes whose lines are routed round the other boxes.
constexpr std::size_t kRoutedUnits = 200;

// The route Graphviz gave a line, in the layout's coordinates; empty when it gave none.
std::vector<QPointF> Route(Agedge_t* edge) {
    std::vector<QPointF> route;
    const splines* spline = ED_spl(edge);
    if (!spline || spline->size < 1)
        return route;
    const bezier& piece = spline->list[0];
    for (std::size_t i = 0; i < static_cast<std::size_t>(piece.size); ++i)
        route.emplace_back(piece.list[i].x, -piece.list[i].y);
    return route;
}

// Where the line from a box's centre towards `point` leaves the box.
QPointF BoxEdge(const QRectF& box, const QPointF& point) {
    const QPointF d = point - box.center();
    const double scale = std::min(std::abs(d.x()) > 0 ? box.width() / 2 / std::abs(d.x())
                                                      : std::numeric_limits<double>::max(),
                                  std::abs(d.y()) > 0 ? box.height() / 2 / std::abs(d.y())
                                                      : std::numeric_limits<double>::max());
    return scale >= 1 ? point : box.center() + d * scale;
}

// A straight line between two boxes' edges, as a route of one piece.
std::vector<QPointF> StraightRoute(const QRectF& from, const QRectF& to) {
    const QPointF start = BoxEdge(from, to.center()), end = BoxEdge(to, from.center());
    return {start, start, end, end};
}

} // namespace

TMapLayout LayOutNetworkMap(const TNetworkMap& map, const std::vector<QSizeF>& nodeSizes,
                            TLayoutEngine engine) {
    TMapLayout layout;
    if (map.Nodes.empty())
        return layout;
    if (nodeSizes.size() != map.Nodes.size())
        throw EQuorError("The map has " + std::to_string(map.Nodes.size()) + " words but " +
                         std::to_string(nodeSizes.size()) + " sizes.");

    // Each cluster goes into the layout as one box holding its words in a column, so that no
    // other word comes between them; every other word as its own box.
    constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();
    std::vector<std::size_t> unitOf(map.Nodes.size(), kNone);
    std::vector<QPointF> offsets(map.Nodes.size());
    std::vector<QSizeF> unitSizes;
    for (const TMapCluster& cluster : map.Clusters) {
        double width = 0, height = -kStackGap;
        for (const std::size_t member : cluster.Nodes) {
            width = std::max(width, nodeSizes[member].width());
            height += nodeSizes[member].height() + kStackGap;
        }
        double top = -height / 2;
        for (const std::size_t member : cluster.Nodes) {
            unitOf[member] = unitSizes.size();
            offsets[member] = QPointF(0, top + nodeSizes[member].height() / 2);
            top += nodeSizes[member].height() + kStackGap;
        }
        unitSizes.emplace_back(width + 2 * kClusterMargin, height + 2 * kClusterMargin);
    }
    for (std::size_t i = 0; i < map.Nodes.size(); ++i)
        if (unitOf[i] == kNone) {
            unitOf[i] = unitSizes.size();
            unitSizes.push_back(nodeSizes[i]);
        }

    TGraph graph("map");
    Agraph_t* g = *graph;
    agattr(g, AGRAPH, Text("overlap"), Text("false"));
    agattr(g, AGRAPH, Text("sep"), Text("+10"));
    // fdp's ideal edge length, in inches: room for the lines between words to be seen.
    agattr(g, AGRAPH, Text("K"), Text("1.1"));
    // Neato stops when the layout changes less than this: a hundred times its default, which
    // takes three times as long on a map of 500 words and looks no different.
    agattr(g, AGRAPH, Text("epsilon"), Text("0.01"));
    agattr(g, AGNODE, Text("shape"), Text("box"));
    agattr(g, AGNODE, Text("fixedsize"), Text("true"));
    agattr(g, AGNODE, Text("label"), Text(""));
    Agsym_t* width = agattr(g, AGNODE, Text("width"), Text("0.75"));
    Agsym_t* height = agattr(g, AGNODE, Text("height"), Text("0.5"));
    // Synonyms a little closer than homonyms.
    Agsym_t* length = agattr(g, AGEDGE, Text("len"), Text("1.8"));

    std::vector<Agnode_t*> units;
    units.reserve(unitSizes.size());
    for (std::size_t u = 0; u < unitSizes.size(); ++u) {
        Agnode_t* unit = agnode(g, Text("u" + std::to_string(u)), 1);
        agxset(unit, width, Text(std::to_string(unitSizes[u].width() / kPointsPerInch)));
        agxset(unit, height, Text(std::to_string(unitSizes[u].height() / kPointsPerInch)));
        units.push_back(unit);
    }
    // One spring per pair of boxes, a line along it for each relation between their words: a
    // homonym's length when homonyms alone relate them.
    std::map<std::pair<std::size_t, std::size_t>, std::set<TMapRelation>> springs;
    for (const TMapEdge& edge : map.Edges) {
        const auto pair = std::minmax(unitOf[edge.From], unitOf[edge.To]);
        if (pair.first != pair.second)
            springs[pair].insert(edge.Relation);
    }
    std::vector<Agedge_t*> edges;
    edges.reserve(springs.size());
    for (const auto& [pair, relations] : springs) {
        Agedge_t* e = agedge(g, units[pair.first], units[pair.second], nullptr, 1);
        if (relations == std::set{TMapRelation::Homonym})
            agxset(e, length, Text("2.4"));
        edges.push_back(e);
    }
    // Routing the lines round the boxes grows faster than the boxes: a map opened that far gets
    // straight lines.
    agattr(g, AGRAPH, Text("splines"), Text(unitSizes.size() <= kRoutedUnits ? "true" : "false"));

    graph.LayOut(engine == TLayoutEngine::Fdp ? "fdp" : "neato");

    std::vector<QRectF> unitBoxes;
    for (std::size_t u = 0; u < units.size(); ++u) {
        QRectF box(QPointF(), unitSizes[u]);
        box.moveCenter(QPointF(ND_coord(units[u]).x, -ND_coord(units[u]).y));
        unitBoxes.push_back(box);
    }
    layout.UnitOf = unitOf;
    layout.Centres.reserve(map.Nodes.size());
    for (std::size_t i = 0; i < map.Nodes.size(); ++i) {
        const QPointF centre = unitBoxes[unitOf[i]].center() + offsets[i];
        layout.Centres.push_back(centre);
        QRectF box(QPointF(), nodeSizes[i]);
        box.moveCenter(centre);
        layout.Bounds = layout.Bounds.isNull() ? box : layout.Bounds.united(box);
    }
    for (const TMapCluster& cluster : map.Clusters) {
        QRectF box;
        for (const std::size_t member : cluster.Nodes) {
            QRectF node(QPointF(), nodeSizes[member]);
            node.moveCenter(layout.Centres[member]);
            box = box.isNull() ? node : box.united(node);
        }
        box.adjust(-kClusterMargin, -kClusterMargin, kClusterMargin, kClusterMargin);
        layout.ClusterBoxes.push_back(box);
        layout.Bounds = layout.Bounds.united(box);
    }
    std::size_t e = 0;
    for (const auto& [pair, relations] : springs) {
        TMapLine line{
            pair.first, pair.second, {relations.begin(), relations.end()}, Route(edges[e++])};
        if (line.Route.size() < 4 || (line.Route.size() - 1) % 3 != 0)
            line.Route = StraightRoute(unitBoxes[pair.first], unitBoxes[pair.second]);
        for (const QPointF& point : line.Route)
            layout.Bounds = layout.Bounds.united(QRectF(point, QSizeF(0.01, 0.01)));
        layout.Lines.push_back(std::move(line));
    }
    return layout;
}

} // namespace Quor

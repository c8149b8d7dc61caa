#include "core/map/NetworkMapLayout.h"

#include "core/QuorError.h"
#include "core/map/NetworkMap.h"

#include <graphviz/cgraph.h>
#include <graphviz/gvc.h>

#include <algorithm>
#include <limits>
#include <map>
#include <memory>
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
    agattr(g, AGRAPH, Text("splines"), Text("false"));
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
    // One spring per pair of boxes: a homonym's length when homonyms alone relate them.
    std::map<std::pair<std::size_t, std::size_t>, bool> springs;
    for (const TMapEdge& edge : map.Edges) {
        const auto pair = std::minmax(unitOf[edge.From], unitOf[edge.To]);
        if (pair.first == pair.second)
            continue;
        const bool homonym = edge.Relation == TMapRelation::Homonym;
        const auto [spring, added] = springs.emplace(pair, homonym);
        if (!added)
            spring->second = spring->second && homonym;
    }
    for (const auto& [pair, homonym] : springs) {
        Agedge_t* e = agedge(g, units[pair.first], units[pair.second], nullptr, 1);
        if (homonym)
            agxset(e, length, Text("2.4"));
    }

    graph.LayOut(engine == TLayoutEngine::Fdp ? "fdp" : "neato");

    layout.Centres.reserve(map.Nodes.size());
    for (std::size_t i = 0; i < map.Nodes.size(); ++i) {
        const Agnode_t* unit = units[unitOf[i]];
        const QPointF centre = QPointF(ND_coord(unit).x, -ND_coord(unit).y) + offsets[i];
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
    return layout;
}

} // namespace Quor

#include "core/NetworkMapLayout.h"

#include "core/NetworkMap.h"
#include "core/QuorError.h"

#include <graphviz/cgraph.h>
#include <graphviz/gvc.h>

#include <memory>
#include <string>

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

} // namespace

TLayoutEngine LayoutEngineFor(const TNetworkMap& map) {
    return map.Nodes.size() <= kLargestFdpMap ? TLayoutEngine::Fdp : TLayoutEngine::Neato;
}

TMapLayout LayOutNetworkMap(const TNetworkMap& map, const std::vector<QSizeF>& nodeSizes) {
    return LayOutNetworkMap(map, nodeSizes, LayoutEngineFor(map));
}

TMapLayout LayOutNetworkMap(const TNetworkMap& map, const std::vector<QSizeF>& nodeSizes,
                            TLayoutEngine engine) {
    TMapLayout layout;
    if (map.Nodes.empty())
        return layout;
    if (nodeSizes.size() != map.Nodes.size())
        throw EQuorError("The map has " + std::to_string(map.Nodes.size()) + " words but " +
                         std::to_string(nodeSizes.size()) + " sizes.");

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

    std::vector<Agnode_t*> nodes;
    nodes.reserve(map.Nodes.size());
    for (std::size_t i = 0; i < map.Nodes.size(); ++i) {
        Agnode_t* node = agnode(g, Text("n" + std::to_string(i)), 1);
        agxset(node, width, Text(std::to_string(nodeSizes[i].width() / kPointsPerInch)));
        agxset(node, height, Text(std::to_string(nodeSizes[i].height() / kPointsPerInch)));
        nodes.push_back(node);
    }
    for (const TMapEdge& edge : map.Edges) {
        Agedge_t* e = agedge(g, nodes[edge.From], nodes[edge.To], nullptr, 1);
        if (edge.Relation == TMapRelation::Homonym)
            agxset(e, length, Text("2.4"));
    }
    if (engine == TLayoutEngine::Fdp)
        for (std::size_t c = 0; c < map.Clusters.size(); ++c) {
            Agraph_t* cluster = agsubg(g, Text("cluster_" + std::to_string(c)), 1);
            for (const std::size_t member : map.Clusters[c].Nodes)
                agsubnode(cluster, nodes[member], 1);
        }

    graph.LayOut(engine == TLayoutEngine::Fdp ? "fdp" : "neato");

    layout.Centres.reserve(nodes.size());
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const QPointF centre(ND_coord(nodes[i]).x, -ND_coord(nodes[i]).y);
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

// The word map of the heaviest hub: the graph built from the store (to depth 1, and to depth 2
// under the cap on the words), folded and laid out with each of Graphviz's two engines, then as
// the map panel shows it: built, laid out and drawn, and one of its folds opened and drawn again.
#include "BenchSupport.h"

#include "core/map/NetworkMap.h"
#include "core/map/NetworkMapFold.h"
#include "core/map/NetworkMapLayout.h"
#include "window/NetworkMapNode.h"
#include "window/NetworkMapView.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>

using namespace Quor;

namespace {

TNetworkMap HubMapOf(TBenchContext& context, int depth) {
    TMapScope scope;
    scope.Depth = depth;
    return BuildNetworkMap(context.Store(), context.Samples().Hub.Id, scope);
}

void Layout(benchmark::State& state, TBenchContext& context, int depth, TLayoutEngine engine) {
    const TNetworkMap map = HubMapOf(context, depth);
    std::size_t nodes = 0, lines = 0;
    for (auto _ : state) {
        const TFoldedMap folded = FoldNetworkMap(map);
        const TMapLayout layout =
            LayOutNetworkMap(folded.Map, MapNodeSizes(folded.Map, QApplication::font()), engine);
        benchmark::DoNotOptimize(layout.Bounds);
        nodes = folded.Map.Nodes.size();
        lines = layout.Lines.size();
    }
    state.counters["nodes"] = static_cast<double>(nodes);
    state.counters["lines"] = static_cast<double>(lines);
}

void BuildOnly(benchmark::State& state, TBenchContext& context, int depth) {
    // The first look at a large network reads its pages from the disk.
    HubMapOf(context, depth);
    std::size_t nodes = 0, edges = 0;
    for (auto _ : state) {
        const TNetworkMap map = HubMapOf(context, depth);
        nodes = map.Nodes.size();
        edges = map.Edges.size();
    }
    state.counters["nodes"] = static_cast<double>(nodes);
    state.counters["edges"] = static_cast<double>(edges);
}

// A view of the map panel's usual size, painted into a picture as the screen would show it.
class TDrawnMap {
public:
    TDrawnMap() : mImage(QSize(700, 900), QImage::Format_ARGB32_Premultiplied) {
        mView.resize(mImage.size());
    }
    TNetworkMapView& View() { return mView; }
    void Paint() {
        QPainter painter(&mImage);
        mView.render(&painter);
    }

private:
    TNetworkMapView mView;
    QImage mImage;
};

void Drawn(benchmark::State& state, TBenchContext& context, int depth) {
    HubMapOf(context, depth);
    TDrawnMap drawn;
    for (auto _ : state) {
        drawn.View().ShowMap(HubMapOf(context, depth));
        drawn.Paint();
    }
    state.counters["nodes drawn"] = static_cast<double>(drawn.View().Folded().Map.Nodes.size());
}

// Opens the fold of the hub's neighbours once more, from the map as it opens.
void Unfolded(benchmark::State& state, TBenchContext& context) {
    const TNetworkMap map = HubMapOf(context, 1);
    TDrawnMap drawn;
    for (auto _ : state) {
        state.PauseTiming();
        drawn.View().ShowMap(map);
        const auto& nodes = drawn.View().Folded().Map.Nodes;
        const auto more = std::find_if(nodes.begin(), nodes.end(), [&](const TMapNode& node) {
            return node.LeftOut > 0 && node.FoldKey == map.Clusters.size();
        });
        state.ResumeTiming();
        drawn.View().Unfold(static_cast<std::size_t>(more - nodes.begin()));
        drawn.Paint();
    }
    state.counters["nodes drawn"] = static_cast<double>(drawn.View().Folded().Map.Nodes.size());
}

} // namespace

void RegisterMapBenchmarks(TBenchContext& context) {
    using benchmark::State;
    for (const int depth : {1, 2}) {
        const std::string name = "NetworkMap.hub-depth" + std::to_string(depth);
        RegisterFor(context, name + "-build",
                    [depth](State& state, TBenchContext& c) { BuildOnly(state, c, depth); });
        RegisterFor(context, name + "-neato", [depth](State& state, TBenchContext& c) {
            Layout(state, c, depth, TLayoutEngine::Neato);
        });
        RegisterFor(context, name + "-fdp", [depth](State& state, TBenchContext& c) {
            Layout(state, c, depth, TLayoutEngine::Fdp);
        });
        RegisterFor(context, name + "-drawn",
                    [depth](State& state, TBenchContext& c) { Drawn(state, c, depth); });
    }
    RegisterFor(context, "NetworkMap.hub-unfold",
                [](State& state, TBenchContext& c) { Unfolded(state, c); });
}

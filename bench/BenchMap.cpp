// The word map of the heaviest hub: the graph built from the store (to depth 1, and to depth 2
// under the cap on the words) and laid out with each of Graphviz's two engines, as the map panel
// does.
#include "BenchSupport.h"

#include "core/map/NetworkMap.h"
#include "core/map/NetworkMapLayout.h"
#include "window/NetworkMapNode.h"

#include <QApplication>

using namespace Quor;

namespace {

void HubMap(benchmark::State& state, TBenchContext& context, int depth, TLayoutEngine engine) {
    TMapScope scope;
    scope.Depth = depth;
    std::size_t nodes = 0, edges = 0;
    // The first look at a large network reads its pages from the disk.
    BuildNetworkMap(context.Store(), context.Samples().Hub.Id, scope);
    for (auto _ : state) {
        const TNetworkMap map = BuildNetworkMap(context.Store(), context.Samples().Hub.Id, scope);
        const TMapLayout layout =
            LayOutNetworkMap(map, MapNodeSizes(map, QApplication::font()), engine);
        benchmark::DoNotOptimize(layout.Bounds);
        nodes = map.Nodes.size();
        edges = map.Edges.size();
    }
    state.counters["nodes"] = static_cast<double>(nodes);
    state.counters["edges"] = static_cast<double>(edges);
}

void BuildOnly(benchmark::State& state, TBenchContext& context, int depth) {
    TMapScope scope;
    scope.Depth = depth;
    BuildNetworkMap(context.Store(), context.Samples().Hub.Id, scope);
    for (auto _ : state) {
        const TNetworkMap map = BuildNetworkMap(context.Store(), context.Samples().Hub.Id, scope);
        benchmark::DoNotOptimize(map.Nodes.data());
    }
}

} // namespace

void RegisterMapBenchmarks(TBenchContext& context) {
    using benchmark::State;
    for (const int depth : {1, 2}) {
        const std::string name = "NetworkMap.hub-depth" + std::to_string(depth);
        RegisterFor(context, name + "-build",
                    [depth](State& state, TBenchContext& c) { BuildOnly(state, c, depth); });
        RegisterFor(context, name + "-neato", [depth](State& state, TBenchContext& c) {
            HubMap(state, c, depth, TLayoutEngine::Neato);
        });
        RegisterFor(context, name + "-fdp", [depth](State& state, TBenchContext& c) {
            HubMap(state, c, depth, TLayoutEngine::Fdp);
        });
    }
}

#pragma once

#include "core/map/NetworkMap.h"

#include <cstddef>
#include <limits>
#include <map>
#include <string>
#include <vector>

namespace Quor {

// How far the user opened each fold of a map: by a fold's key, how many times.
using TMapOpenings = std::map<std::size_t, std::size_t>;

// What a folded map shows of a whole one.
struct TFoldedMap {
    static constexpr std::size_t kLeftOut = std::numeric_limits<std::size_t>::max();
    // The words shown in the whole map's order, then a "+N more" node for each fold that leaves
    // words out, joined to the word whose words it holds, or inside the cluster it shortens.
    TNetworkMap Map;
    // For each node of Map, its node in the whole map; kLeftOut for a "+N more" node.
    std::vector<std::size_t> Source;
    // The words of the whole map that are not shown.
    std::size_t LeftOut = 0;
};

// A cluster, the word's neighbours (a cluster counting as one) and, at depth 2, the words around
// each neighbour show this many before "+N more"; each opening of a fold shows kMapFoldStep more.
constexpr std::size_t kMapGroupShown = 12;
constexpr std::size_t kMapSecondRingShown = 3;
constexpr std::size_t kMapFoldStep = 12;

// The map as it is drawn: of each cluster, of the word's neighbours and of the words around each
// neighbour only as many as `openings` lets through, the rest behind a "+N more" node. A fold's
// key is the index of its cluster in the whole map; the number of clusters for the word's
// neighbours; and that number plus a neighbour's node for the words around it.
TFoldedMap FoldNetworkMap(const TNetworkMap& map, const TMapOpenings& openings = {});

// The label of a "+N more" node.
std::string MoreLabel(std::size_t leftOut);

} // namespace Quor

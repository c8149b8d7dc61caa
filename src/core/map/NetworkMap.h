#pragma once

#include "core/Word.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace Quor {

class TQuorDataModule;

// How two words of a map are related.
enum class TMapRelation { Absolute, Relative, Homonym };

// The name of a relation as exports write it: "absolute", "relative", "homonym".
const char* RelationName(TMapRelation relation);

// A word of a map, with what a tooltip tells about it. Texts are page text (Windows-1251).
struct TMapNode {
    TWord Word;
    std::string LangCode;
    std::string FirstMeaning;
    // 0 for the centre, 1 for its neighbours, 2 for theirs.
    int Depth = 0;
    // On a folded map, a node that stands for this many words left out, labelled "+N more"; the
    // key of the fold it opens (see FoldNetworkMap).
    std::size_t LeftOut = 0;
    std::size_t FoldKey = 0;
};

// A relation between two nodes, by their positions in the map's node list.
struct TMapEdge {
    std::size_t From = 0;
    std::size_t To = 0;
    TMapRelation Relation = TMapRelation::Relative;

    friend bool operator==(const TMapEdge&, const TMapEdge&) = default;
};

// A cluster of nodes drawn together: the absolute synonyms with the word, the word's homonyms
// (more than one), or one group of the relative synonyms as the word's page groups them. No two
// clusters share a node.
struct TMapCluster {
    TMapRelation Relation = TMapRelation::Absolute;
    std::vector<std::size_t> Nodes;
};

// A word's neighbourhood in the network. Node 0 is the centre.
struct TNetworkMap {
    std::vector<TMapNode> Nodes;
    std::vector<TMapEdge> Edges;
    std::vector<TMapCluster> Clusters;
    // True when the node cap left out words of the second ring.
    bool Capped = false;

    bool IsEmpty() const { return Nodes.empty(); }
};

// What a map holds: the word's own relations (depth 1), or also those of its neighbours
// (depth 2) until the map holds `NodeCap` words.
struct TMapScope {
    static constexpr std::size_t kDefaultNodeCap = 500;
    int Depth = 1;
    std::size_t NodeCap = kDefaultNodeCap;
};

// Builds the map of the word `wordId` from the store's lookups in one read snapshot. Raises
// EQuorError when the word does not exist or the store fails.
TNetworkMap BuildNetworkMap(TQuorDataModule& store, std::int32_t wordId,
                            const TMapScope& scope = {});

} // namespace Quor

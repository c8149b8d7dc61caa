#include "core/map/NetworkMapFold.h"

#include <algorithm>
#include <utility>

namespace Quor {

namespace {

constexpr std::size_t kNone = TFoldedMap::kLeftOut;

// A fold that leaves words out: its key, the words it holds back, and where its "+N more" goes:
// into a cluster, or joined to a word by the relation of the first word it holds back.
struct TFold {
    std::size_t Key = 0;
    std::size_t Count = 0;
    std::size_t Cluster = kNone;
    std::size_t Owner = kNone;
    TMapRelation Relation = TMapRelation::Relative;
};

class TMapFolder {
public:
    TMapFolder(const TNetworkMap& map, const TMapOpenings& openings)
        : mMap(map), mOpenings(openings), mShown(map.Nodes.size(), false),
          mClusterOf(map.Nodes.size(), kNone), mNeighbours(map.Nodes.size()) {
        for (std::size_t c = 0; c < map.Clusters.size(); ++c)
            for (const std::size_t node : map.Clusters[c].Nodes)
                mClusterOf[node] = c;
        for (const TMapEdge& edge : map.Edges) {
            mNeighbours[edge.From].emplace_back(edge.To, edge.Relation);
            mNeighbours[edge.To].emplace_back(edge.From, edge.Relation);
        }
    }

    TFoldedMap Fold() {
        if (mMap.Nodes.empty())
            return {};
        mShown[0] = true;
        const std::size_t own = mClusterOf[0];
        if (own != kNone)
            ShowCluster(own);
        ShowFirstRing(own);
        ShowSecondRing();
        return Folded();
    }

private:
    // How many a fold shows, `first` before the user opens it.
    std::size_t Allowed(std::size_t key, std::size_t first) const {
        const auto opened = mOpenings.find(key);
        return first + (opened == mOpenings.end() ? 0 : opened->second * kMapFoldStep);
    }

    // The relation between two words of the whole map; a relative one when none.
    TMapRelation RelationBetween(std::size_t from, std::size_t to) const {
        for (const auto& [other, relation] : mNeighbours[from])
            if (other == to)
                return relation;
        return TMapRelation::Relative;
    }

    void ShowCluster(std::size_t c) {
        const auto& members = mMap.Clusters[c].Nodes;
        const std::size_t allowed = Allowed(c, kMapGroupShown);
        // The word itself is shown in its own cluster, wherever it stands there.
        std::size_t shown = 0;
        for (const std::size_t member : members)
            if (member == 0 || shown < allowed) {
                mShown[member] = true;
                shown += member == 0 ? 0 : 1;
            }
        const std::size_t others = members.size() - (mClusterOf[0] == c ? 1 : 0);
        if (others > allowed)
            mFolds.push_back({c, others - allowed, c, kNone, mMap.Clusters[c].Relation});
    }

    // The word's neighbours, each cluster of them counting as one, in the order of the map.
    void ShowFirstRing(std::size_t own) {
        std::vector<std::size_t> units; // a cluster's index, or the number of clusters plus a node
        const std::size_t clusters = mMap.Clusters.size();
        for (std::size_t i = 1; i < mMap.Nodes.size(); ++i) {
            if (mMap.Nodes[i].Depth != 1 || (own != kNone && mClusterOf[i] == own))
                continue;
            const std::size_t unit = mClusterOf[i] == kNone ? clusters + i : mClusterOf[i];
            if (std::find(units.begin(), units.end(), unit) == units.end())
                units.push_back(unit);
        }
        const std::size_t key = clusters;
        const std::size_t allowed = Allowed(key, kMapGroupShown);
        TFold fold{key, 0, kNone, 0, TMapRelation::Relative};
        for (std::size_t u = 0; u < units.size(); ++u) {
            const bool cluster = units[u] < clusters;
            if (u < allowed) {
                if (cluster)
                    ShowCluster(units[u]);
                else
                    mShown[units[u] - clusters] = true;
                continue;
            }
            const std::size_t first =
                cluster ? mMap.Clusters[units[u]].Nodes.front() : units[u] - clusters;
            if (fold.Count == 0)
                fold.Relation = RelationBetween(0, first);
            fold.Count += cluster ? mMap.Clusters[units[u]].Nodes.size() : 1;
        }
        if (fold.Count > 0)
            mFolds.push_back(fold);
    }

    // At depth 2, the words around each neighbour shown, each word with the first that has it.
    void ShowSecondRing() {
        std::vector<bool> taken(mMap.Nodes.size(), false);
        for (std::size_t i = 1; i < mMap.Nodes.size(); ++i) {
            if (!mShown[i] || mMap.Nodes[i].Depth != 1)
                continue;
            const std::size_t key = mMap.Clusters.size() + i;
            const std::size_t allowed = Allowed(key, kMapSecondRingShown);
            TFold fold{key, 0, kNone, i, TMapRelation::Relative};
            std::size_t shown = 0;
            for (const auto& [other, relation] : mNeighbours[i]) {
                if (mMap.Nodes[other].Depth != 2 || taken[other])
                    continue;
                taken[other] = true;
                if (shown < allowed) {
                    mShown[other] = true;
                    ++shown;
                    continue;
                }
                if (fold.Count++ == 0)
                    fold.Relation = relation;
            }
            if (fold.Count > 0)
                mFolds.push_back(fold);
        }
    }

    TFoldedMap Folded() const {
        TFoldedMap folded;
        std::vector<std::size_t> index(mMap.Nodes.size(), kNone);
        for (std::size_t i = 0; i < mMap.Nodes.size(); ++i) {
            if (!mShown[i]) {
                ++folded.LeftOut;
                continue;
            }
            index[i] = folded.Map.Nodes.size();
            folded.Map.Nodes.push_back(mMap.Nodes[i]);
            folded.Source.push_back(i);
        }
        for (const TMapEdge& edge : mMap.Edges)
            if (mShown[edge.From] && mShown[edge.To])
                folded.Map.Edges.push_back({index[edge.From], index[edge.To], edge.Relation});
        std::vector<std::size_t> clusterIndex(mMap.Clusters.size(), kNone);
        for (std::size_t c = 0; c < mMap.Clusters.size(); ++c) {
            TMapCluster cluster{mMap.Clusters[c].Relation, {}};
            for (const std::size_t member : mMap.Clusters[c].Nodes)
                if (mShown[member])
                    cluster.Nodes.push_back(index[member]);
            if (cluster.Nodes.empty())
                continue;
            clusterIndex[c] = folded.Map.Clusters.size();
            folded.Map.Clusters.push_back(std::move(cluster));
        }
        for (const TFold& fold : mFolds) {
            const std::size_t more = folded.Map.Nodes.size();
            TMapNode node;
            node.Word.Word = MoreLabel(fold.Count);
            node.LeftOut = fold.Count;
            node.FoldKey = fold.Key;
            if (fold.Cluster != kNone) {
                node.Depth = 1;
                folded.Map.Clusters[clusterIndex[fold.Cluster]].Nodes.push_back(more);
            } else {
                node.Depth = mMap.Nodes[fold.Owner].Depth + 1;
                folded.Map.Edges.push_back({index[fold.Owner], more, fold.Relation});
            }
            folded.Map.Nodes.push_back(std::move(node));
            folded.Source.push_back(kNone);
        }
        folded.Map.Capped = mMap.Capped;
        return folded;
    }

    const TNetworkMap& mMap;
    const TMapOpenings& mOpenings;
    std::vector<bool> mShown;
    std::vector<std::size_t> mClusterOf;
    std::vector<std::vector<std::pair<std::size_t, TMapRelation>>> mNeighbours;
    std::vector<TFold> mFolds;
};

} // namespace

std::string MoreLabel(std::size_t leftOut) {
    return "+" + std::to_string(leftOut) + " more";
}

TFoldedMap FoldNetworkMap(const TNetworkMap& map, const TMapOpenings& openings) {
    return TMapFolder(map, openings).Fold();
}

} // namespace Quor

#include "core/map/NetworkMap.h"

#include "core/pages/SynonymGroups.h"
#include "core/store/QuorData.h"

#include <algorithm>
#include <optional>
#include <set>
#include <tuple>
#include <unordered_map>
#include <utility>

namespace Quor {

const char* RelationName(TMapRelation relation) {
    switch (relation) {
    case TMapRelation::Absolute:
        return "absolute";
    case TMapRelation::Relative:
        return "relative";
    case TMapRelation::Homonym:
        return "homonym";
    }
    return "relative";
}

namespace {

// Gathers the nodes and edges of one map: each word once, each relation of a pair once.
class TMapBuilder {
public:
    TMapBuilder(TQuorDataModule& store, std::size_t nodeCap) : mStore(store), mNodeCap(nodeCap) {}

    // The node of a word, added at `depth` when new; Nodes.size() when the cap leaves it out.
    // The word's language is looked up unless given.
    std::size_t Node(const TWord& word, int depth, std::string langCode = {}) {
        const auto known = mIndex.find(word.Id);
        if (known != mIndex.end())
            return known->second;
        if (mMap.Nodes.size() >= mNodeCap) {
            mMap.Capped = true;
            return mMap.Nodes.size();
        }
        TMapNode node;
        node.Word = word;
        node.LangCode = std::move(langCode);
        if (node.LangCode.empty()) {
            std::string text, moreInfo;
            mStore.GetWordById(std::to_string(word.Id), text, moreInfo, node.LangCode);
        }
        TStringList meanings;
        mStore.FindMeanings(word.Id, meanings);
        if (!meanings.empty())
            node.FirstMeaning = meanings.front();
        node.Depth = depth;
        mIndex.emplace(word.Id, mMap.Nodes.size());
        mMap.Nodes.push_back(std::move(node));
        return mMap.Nodes.size() - 1;
    }

    // The node of a word already in the map; Nodes.size() when none.
    std::size_t Find(std::int32_t wordId) const {
        const auto known = mIndex.find(wordId);
        return known == mIndex.end() ? mMap.Nodes.size() : known->second;
    }

    void Edge(std::size_t from, std::size_t to, TMapRelation relation) {
        if (from >= mMap.Nodes.size() || to >= mMap.Nodes.size() || from == to)
            return;
        const auto key = std::make_tuple(std::min(from, to), std::max(from, to), relation);
        if (mEdges.insert(key).second)
            mMap.Edges.push_back({from, to, relation});
    }

    // Adds the words related to the node at `from`, at `depth`, with their edges.
    void Relations(std::size_t from, const TWordList& words, TMapRelation relation, int depth) {
        for (const TWord& word : words)
            Edge(from, Node(word, depth), relation);
    }

    TNetworkMap Take() { return std::move(mMap); }
    TNetworkMap& Map() { return mMap; }
    const TNetworkMap& Map() const { return mMap; }

private:
    TQuorDataModule& mStore;
    std::size_t mNodeCap;
    TNetworkMap mMap;
    std::unordered_map<std::int32_t, std::size_t> mIndex;
    std::set<std::tuple<std::size_t, std::size_t, TMapRelation>> mEdges;
};

struct TRelations {
    TWordList Homonyms, Absolute, Relative;
};

TRelations LoadRelations(TQuorDataModule& store, std::int32_t wordId) {
    TRelations relations;
    store.FindHomonyms(wordId, relations.Homonyms);
    store.FindSynonyms(wordId, true, relations.Absolute);
    store.FindSynonyms(wordId, false, relations.Relative);
    return relations;
}

// The relative synonyms as the word's page lists them before grouping: the word, its relative
// synonyms, then its absolute ones; empty when it has no relative synonyms.
TWordList RelativeSynonymList(const TWord& centre, const TRelations& relations) {
    TWordList list;
    if (relations.Relative.IsEmpty())
        return list;
    list.Add(centre);
    for (const TWord& word : relations.Relative)
        list.Add(word);
    for (const TWord& word : relations.Absolute)
        list.Add(word);
    return list;
}

using TWordPairs = std::set<std::pair<std::int32_t, std::int32_t>>;

void AddPairs(TWordPairs& pairs, std::int32_t id, const TWordList& others) {
    for (const TWord& other : others)
        pairs.emplace(std::min(id, other.Id), std::max(id, other.Id));
}

// Adds the node of a word to a cluster once, unless the node cap left it out of the map.
void AddMember(TMapCluster& cluster, const TMapBuilder& builder, std::int32_t wordId) {
    const std::size_t index = builder.Find(wordId);
    if (index < builder.Map().Nodes.size() &&
        std::find(cluster.Nodes.begin(), cluster.Nodes.end(), index) == cluster.Nodes.end())
        cluster.Nodes.push_back(index);
}

// The word with its absolute synonyms as one cluster, then the groups of its relative synonyms
// as its page groups them, each of more than one word a cluster. The page's first group, headed
// by the word, is the absolute cluster again, so the clusters share no node. `absolutePairs`
// holds the absolute-synonym pairs of the word and of its neighbours, each as (lower id, higher).
void AddSynonymClusters(TMapBuilder& builder, const TWord& centre, const TRelations& relations,
                        const TWordPairs& absolutePairs) {
    TNetworkMap& map = builder.Map();
    if (!relations.Absolute.IsEmpty()) {
        TMapCluster cluster{TMapRelation::Absolute, {0}};
        for (const TWord& word : relations.Absolute)
            AddMember(cluster, builder, word.Id);
        map.Clusters.push_back(std::move(cluster));
    }
    const TWordList list = RelativeSynonymList(centre, relations);
    const auto groups =
        GroupSynonyms(list, [&absolutePairs](std::int32_t first, std::int32_t second) {
            return absolutePairs.count({std::min(first, second), std::max(first, second)}) > 0;
        });
    for (const auto& group : groups) {
        if (list[group.front()].Id == centre.Id)
            continue;
        TMapCluster cluster{TMapRelation::Relative, {}};
        for (const std::size_t member : group)
            AddMember(cluster, builder, list[member].Id);
        if (cluster.Nodes.size() > 1)
            map.Clusters.push_back(std::move(cluster));
    }
}

// The word's homonyms, all of one spelling, as one cluster when there are more than one; a
// homonym that is a synonym of the word too stays in its synonyms' cluster.
void AddHomonymCluster(TMapBuilder& builder, const TRelations& relations) {
    std::set<std::size_t> clustered;
    for (const TMapCluster& cluster : builder.Map().Clusters)
        clustered.insert(cluster.Nodes.begin(), cluster.Nodes.end());
    TMapCluster cluster{TMapRelation::Homonym, {}};
    for (const TWord& word : relations.Homonyms)
        if (clustered.count(builder.Find(word.Id)) == 0)
            AddMember(cluster, builder, word.Id);
    if (cluster.Nodes.size() > 1)
        builder.Map().Clusters.push_back(std::move(cluster));
}

// The ids of the words that `relations` name and the map does not hold yet.
std::vector<std::int32_t> NewWordIds(const TMapBuilder& builder,
                                     const std::vector<const TRelations*>& relations) {
    std::vector<std::int32_t> ids;
    std::set<std::int32_t> seen;
    for (const TRelations* of : relations)
        for (const TWordList* list : {&of->Homonyms, &of->Absolute, &of->Relative})
            for (const TWord& word : *list)
                if (builder.Find(word.Id) == builder.Map().Nodes.size() &&
                    seen.insert(word.Id).second)
                    ids.push_back(word.Id);
    return ids;
}

} // namespace

// Each ring of words is read a kind of row at a time (one page scope after the other), so that a
// map takes a few statements a ring rather than a few a word.
TNetworkMap BuildNetworkMap(TQuorDataModule& store, std::int32_t wordId, const TMapScope& scope) {
    const TQuorDataModule::TReadScope snapshot(store);
    TWord centre;
    std::string langCode;
    std::optional<TQuorDataModule::TPageScope> rows(std::in_place, store,
                                                    std::vector<std::int32_t>{wordId});
    store.GetWordById(std::to_string(wordId), centre.Word, centre.MoreInfo, langCode);
    centre.Id = wordId;

    TMapBuilder builder(store, std::max<std::size_t>(scope.NodeCap, 1));
    builder.Node(centre, 0, langCode);
    const TRelations relations = LoadRelations(store, wordId);
    rows.reset();
    rows.emplace(store, NewWordIds(builder, {&relations}));
    builder.Relations(0, relations.Homonyms, TMapRelation::Homonym, 1);
    builder.Relations(0, relations.Absolute, TMapRelation::Absolute, 1);
    builder.Relations(0, relations.Relative, TMapRelation::Relative, 1);

    // The neighbours' own relations: among the words of the map (how the homonyms and synonyms
    // hang together, and the absolute pairs that group the relative synonyms), and at depth 2
    // to the words around them.
    const std::size_t firstRing = builder.Map().Nodes.size();
    std::vector<TRelations> ring(firstRing);
    TWordPairs absolutePairs;
    AddPairs(absolutePairs, wordId, relations.Absolute);
    for (std::size_t i = 1; i < firstRing; ++i) {
        const std::int32_t id = builder.Map().Nodes[i].Word.Id;
        ring[i] = LoadRelations(store, id);
        AddPairs(absolutePairs, id, ring[i].Absolute);
    }
    const auto linkWithin = [&builder](std::size_t from, const TWordList& words,
                                       TMapRelation relation) {
        for (const TWord& word : words)
            builder.Edge(from, builder.Find(word.Id), relation);
    };
    for (std::size_t i = 1; i < firstRing; ++i) {
        linkWithin(i, ring[i].Homonyms, TMapRelation::Homonym);
        linkWithin(i, ring[i].Absolute, TMapRelation::Absolute);
        linkWithin(i, ring[i].Relative, TMapRelation::Relative);
    }
    AddSynonymClusters(builder, centre, relations, absolutePairs);
    AddHomonymCluster(builder, relations);

    if (scope.Depth >= 2) {
        std::vector<const TRelations*> ringRelations;
        for (std::size_t i = 1; i < firstRing; ++i)
            ringRelations.push_back(&ring[i]);
        rows.reset();
        rows.emplace(store, NewWordIds(builder, ringRelations));
        for (std::size_t i = 1; i < firstRing; ++i) {
            builder.Relations(i, ring[i].Homonyms, TMapRelation::Homonym, 2);
            builder.Relations(i, ring[i].Absolute, TMapRelation::Absolute, 2);
            builder.Relations(i, ring[i].Relative, TMapRelation::Relative, 2);
        }
    }
    return builder.Take();
}

} // namespace Quor

#pragma once

#include <string>

namespace Quor {

struct TNetworkMap;

// A map as text files for other programs, every word in UTF-8.
// Graphviz DOT: an undirected graph, a node per word labelled with the word and its qualifier,
// an edge per relation with its name and line style.
std::string NetworkMapDot(const TNetworkMap& map);
// GraphML: node attributes word, qualifier, language and wordId (the word's id in the network);
// edge attribute relation.
std::string NetworkMapGraphMl(const TNetworkMap& map);
// CSV of the edges with a header row: word, qualifier, language, relation, other word, other
// qualifier, other language, word id, other word id.
std::string NetworkMapCsv(const TNetworkMap& map);

} // namespace Quor

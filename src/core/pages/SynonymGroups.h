#pragma once

#include "core/Word.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace Quor {

// Whether two words, by id, are absolute synonyms of each other.
using TAbsoluteSynonymTest = std::function<bool(std::int32_t, std::int32_t)>;

// The groups of a list of synonyms, as positions in the list: each group is a head and the later
// words that are absolute synonyms of that head, in list order. Words are compared with heads
// only, so the grouping is not transitive. `areAbsolute` is asked in a fixed order: for each
// head, about every word still ungrouped after it, first to last.
std::vector<std::vector<std::size_t>> GroupSynonyms(const TWordList& words,
                                                    const TAbsoluteSynonymTest& areAbsolute);

// The same groups when every answer is known: `pairs` holds every absolute-synonym pair among the
// words (and may hold others). The time grows with the words and the pairs, not with the square
// of the words: a hub's list of a thousand words is a half million questions.
std::vector<std::vector<std::size_t>> GroupSynonyms(const TWordList& words, const TIdPairs& pairs);

} // namespace Quor

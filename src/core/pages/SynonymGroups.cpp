#include "core/pages/SynonymGroups.h"

#include <algorithm>
#include <unordered_map>

namespace Quor {

std::vector<std::vector<std::size_t>> GroupSynonyms(const TWordList& words,
                                                    const TAbsoluteSynonymTest& areAbsolute) {
    std::vector<std::size_t> remaining(words.Count());
    for (std::size_t i = 0; i < remaining.size(); ++i)
        remaining[i] = i;

    std::vector<std::vector<std::size_t>> groups;
    while (!remaining.empty()) {
        std::vector<std::size_t> group{remaining.front()};
        const std::int32_t headId = words[remaining.front()].Id;
        for (std::size_t i = 1; i < remaining.size();) {
            if (areAbsolute(headId, words[remaining[i]].Id)) {
                group.push_back(remaining[i]);
                remaining.erase(remaining.begin() + static_cast<std::ptrdiff_t>(i));
            } else {
                ++i;
            }
        }
        remaining.erase(remaining.begin());
        groups.push_back(std::move(group));
    }
    return groups;
}

namespace {

using TPositions = std::vector<std::size_t>;

// The positions in the list of the words, not yet grouped, that pair with the word at `head`,
// in list order.
TPositions
UngroupedPartners(const TWordList& words, std::size_t head, const std::vector<bool>& grouped,
                  const std::unordered_map<std::int32_t, std::vector<std::int32_t>>& partners,
                  const std::unordered_map<std::int32_t, TPositions>& positions) {
    TPositions members;
    const auto found = partners.find(words[head].Id);
    if (found == partners.end())
        return members;
    for (const std::int32_t partner : found->second) {
        const auto at = positions.find(partner);
        if (at != positions.end())
            for (const std::size_t position : at->second)
                if (!grouped[position])
                    members.push_back(position);
    }
    std::sort(members.begin(), members.end());
    members.erase(std::unique(members.begin(), members.end()), members.end());
    return members;
}

} // namespace

std::vector<std::vector<std::size_t>> GroupSynonyms(const TWordList& words, const TIdPairs& pairs) {
    std::unordered_map<std::int32_t, TPositions> positions;
    for (std::size_t i = 0; i < words.Count(); ++i)
        positions[words[i].Id].push_back(i);
    std::unordered_map<std::int32_t, std::vector<std::int32_t>> partners;
    for (const auto& [first, second] : pairs) {
        partners[first].push_back(second);
        if (first != second)
            partners[second].push_back(first);
    }
    // Every word before a head is grouped already, so the head's partners that are not come
    // after it, as the questions would find them.
    std::vector<bool> grouped(words.Count(), false);
    std::vector<std::vector<std::size_t>> groups;
    for (std::size_t head = 0; head < words.Count(); ++head) {
        if (grouped[head])
            continue;
        grouped[head] = true;
        std::vector<std::size_t> group{head};
        for (const std::size_t member :
             UngroupedPartners(words, head, grouped, partners, positions)) {
            grouped[member] = true;
            group.push_back(member);
        }
        groups.push_back(std::move(group));
    }
    return groups;
}

} // namespace Quor

#include "core/SynonymGroups.h"

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

} // namespace Quor

#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace Quor {

// One word of the network: the key of its T_WORD row, the word and its qualifier.
struct TWord {
    std::int32_t Id = 0;
    std::string Word;
    std::string MoreInfo;

    friend bool operator==(const TWord&, const TWord&) = default;
};

// An ordered list of words, held by value. TakeOver moves another list's words to its end and
// leaves that list empty.
class TWordList {
public:
    std::size_t Count() const { return mWords.size(); }
    bool IsEmpty() const { return mWords.empty(); }
    const TWord& operator[](std::size_t index) const { return mWords[index]; }
    auto begin() const { return mWords.begin(); }
    auto end() const { return mWords.end(); }

    void Clear() { mWords.clear(); }
    void Add(TWord word) { mWords.push_back(std::move(word)); }
    void InsertFirst(TWord word) { mWords.insert(mWords.begin(), std::move(word)); }

    // Moves every word of `other`, in its order, to the end of this list; `other` is left empty.
    void TakeOver(TWordList& other) {
        mWords.insert(mWords.end(), std::make_move_iterator(other.mWords.begin()),
                      std::make_move_iterator(other.mWords.end()));
        other.mWords.clear();
    }

private:
    std::vector<TWord> mWords;
};

// Absolute-synonym pairs by word id, in either order.
using TIdPairs = std::vector<std::pair<std::int32_t, std::int32_t>>;

// The meaning texts of a word, in the order of their meaning ids.
using TStringList = std::vector<std::string>;

} // namespace Quor

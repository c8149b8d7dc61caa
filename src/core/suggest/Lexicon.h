#pragma once

#include "core/Word.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace Quor {

// The spellings of one language's words, held in memory for the questions a search that found
// nothing asks: which words are spelled like a text but for case and ё, and which are within one
// or two typing errors of it. Texts are Windows-1251 page text.
class TLexicon {
public:
    // A word within a few typing errors of a text.
    struct TNearWord {
        std::string Word;
        int Distance = 0;
    };

    explicit TLexicon(TStringList words);

    std::size_t Count() const { return mWords.size(); }

    // What a spelling is compared by: upper case, ё as е.
    static std::string Key(std::string_view text);
    // The words whose key is `key`, in the order they were given.
    std::vector<std::string> WordsOfKey(std::string_view key) const;
    // The words whose key holds `key` and is longer, in the order given; at most `limit`.
    std::vector<std::string> WordsHoldingKey(std::string_view key, std::size_t limit) const;
    // The words at most `maxDistance` letters wrong, missing, extra or swapped from `key` (and at
    // least one), the nearest first; among equals those with the same first letter and the same
    // length, then in the order given. At most `limit`.
    std::vector<TNearWord> NearWords(std::string_view key, int maxDistance,
                                     std::size_t limit) const;

private:
    // The words of one key length, each with the letters its key holds.
    struct TLengthBucket {
        std::vector<std::uint64_t> Letters;
        std::vector<std::uint32_t> Words;
    };

    std::string_view KeyOf(std::uint32_t word) const;
    std::size_t Slot(std::string_view key) const;
    void AddToTable(std::uint32_t word);

    TStringList mWords;
    // Every word's key, one after the other, and where each begins (one more for the end).
    std::string mKeys;
    std::vector<std::uint32_t> mKeyStarts;
    // Open addressing by key: a word's index plus one, 0 for an empty slot.
    std::vector<std::uint32_t> mTable;
    std::vector<TLengthBucket> mBuckets;
};

} // namespace Quor

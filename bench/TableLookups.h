#pragma once

#include "core/Word.h"

#include <cstdint>
#include <string>
#include <vector>

// The lookups that the window runs for one word information table and for one search, in its
// order, without composing any HTML: the store's part of a page. `TStore` is the word store
// (Quor::TQuorDataModule, page text) or the bare SQL floor (TSqlFloor, UTF-8), which offer the same
// lookups.

struct TLookupCount {
    std::int64_t Lookups = 0;   // every statement run
    std::int64_t PairTests = 0; // of them, AreAbsoluteSynonyms
};

// One table: meanings, homonyms, absolute synonyms (and the word itself when there are any),
// relative synonyms (and, when there are any, the word itself and its absolute synonyms again),
// then one AreAbsoluteSynonyms per comparison of the clustering of the relative synonyms row.
template <typename TStore> TLookupCount RunTableLookups(TStore& store, std::int32_t wordId) {
    TLookupCount count;
    Quor::TStringList meanings;
    store.FindMeanings(wordId, meanings);
    Quor::TWordList homonyms;
    store.FindHomonyms(wordId, homonyms);
    count.Lookups += 2;

    Quor::TWordList absolute;
    store.FindSynonyms(wordId, true, absolute);
    ++count.Lookups;
    if (!absolute.IsEmpty()) {
        Quor::TWord self;
        store.LoadWord(wordId, self);
        ++count.Lookups;
    }

    Quor::TWordList relative;
    store.FindSynonyms(wordId, false, relative);
    ++count.Lookups;
    if (relative.IsEmpty())
        return count;
    Quor::TWord self;
    store.LoadWord(wordId, self);
    relative.InsertFirst(std::move(self));
    Quor::TWordList absoluteAgain;
    store.FindSynonyms(wordId, true, absoluteAgain);
    relative.TakeOver(absoluteAgain);
    count.Lookups += 2;

    // Clusters: each head takes the later words that are its absolute synonyms.
    std::vector<std::int32_t> remaining;
    for (const Quor::TWord& word : relative)
        remaining.push_back(word.Id);
    while (!remaining.empty()) {
        const std::int32_t head = remaining.front();
        for (std::size_t i = 1; i < remaining.size();) {
            ++count.PairTests;
            if (store.AreAbsoluteSynonyms(head, remaining[i]))
                remaining.erase(remaining.begin() + static_cast<std::ptrdiff_t>(i));
            else
                ++i;
        }
        remaining.erase(remaining.begin());
    }
    count.Lookups += count.PairTests;
    return count;
}

// One search as the window runs it: FindWords with the cap of 20, then every word's table.
template <typename TStore>
TLookupCount RunSearchLookups(TStore& store, const std::string& word, const std::string& langCode,
                              bool findSimilar) {
    Quor::TWordList words;
    bool moreWords = false;
    store.FindWords(word, langCode, findSimilar, 20, words, moreWords);
    TLookupCount count{1, 0};
    for (const Quor::TWord& found : words) {
        const TLookupCount table = RunTableLookups(store, found.Id);
        count.Lookups += table.Lookups;
        count.PairTests += table.PairTests;
    }
    return count;
}

#pragma once

#include "core/Word.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

struct sqlite3;

// The floor that the word store's lookups are compared with: the store's own statement texts,
// run bare through the sqlite3 C API. Each statement is prepared once; a lookup binds its
// parameters, steps through the rows, copies the columns it needs into the records and resets
// the statement. Texts stay UTF-8 (no code-page conversion). The lookups have the store's
// signatures, so the same lookup sequences run over either.
class TSqlFloor {
public:
    // Opens the database read-only, with ucase and len registered.
    explicit TSqlFloor(const std::filesystem::path& database);
    ~TSqlFloor();
    TSqlFloor(const TSqlFloor&) = delete;
    TSqlFloor& operator=(const TSqlFloor&) = delete;

    void FindWords(const std::string& word, const std::string& langCode, bool findSimilar,
                   int maxCount, Quor::TWordList& words, bool& moreWords);
    void FindMeanings(std::int32_t wordId, Quor::TStringList& meanings);
    void FindHomonyms(std::int32_t wordId, Quor::TWordList& words);
    void FindSynonyms(std::int32_t wordId, bool absolute, Quor::TWordList& words);
    void LoadWord(std::int32_t wordId, Quor::TWord& word);
    bool AreAbsoluteSynonyms(std::int32_t firstWordId, std::int32_t secondWordId);

    // Runs SQL without rows on the connection, such as "begin" and "commit".
    void Execute(const char* sql);

private:
    class TStatement;

    void ReadWordPairs(TStatement& statement, std::int32_t wordId, Quor::TWordList& words);

    sqlite3* mDb = nullptr;
    std::unique_ptr<TStatement> mWordsExact, mWordsInexact, mMeanings, mHomonyms, mSynonyms,
        mWordById, mCheckAbsSyns;
};

#include "SqlFloor.h"

#include "core/store/SqliteDialect.h"

#include <QByteArray>
#include <QString>

#include <sqlite3.h>

#include <cstring>
#include <stdexcept>
#include <string_view>
#include <vector>

using namespace Quor;

// One prepared statement of the store's dialect. Its parameters and result columns are looked up
// by name once, when it is prepared; afterwards they are used by their place in the lists given.
class TSqlFloor::TStatement {
public:
    TStatement(sqlite3* db, TStatementKind kind, const std::vector<const char*>& parameters,
               const std::vector<const char*>& columns)
        : mDb(db) {
        const QByteArray text = MakeSqliteDialect()->StatementText(kind).toUtf8();
        if (sqlite3_prepare_v3(db, text.constData(), static_cast<int>(text.size()),
                               SQLITE_PREPARE_PERSISTENT, &mHandle, nullptr) != SQLITE_OK)
            Fail("prepare");
        for (const char* name : parameters) {
            const int index =
                sqlite3_bind_parameter_index(mHandle, (":" + std::string(name)).c_str());
            if (index == 0)
                throw std::runtime_error("The statement has no parameter " + std::string(name));
            mParameters.push_back(index);
        }
        for (const char* name : columns)
            mColumns.push_back(ColumnIndex(name));
    }

    ~TStatement() { sqlite3_finalize(mHandle); }
    TStatement(const TStatement&) = delete;
    TStatement& operator=(const TStatement&) = delete;

    void Bind(std::size_t parameter, std::int32_t value) {
        sqlite3_bind_int(mHandle, mParameters[parameter], value);
    }

    // The text must live until Reset.
    void Bind(std::size_t parameter, std::string_view text) {
        sqlite3_bind_text(mHandle, mParameters[parameter], text.data(),
                          static_cast<int>(text.size()), SQLITE_STATIC);
    }

    // True while there is a row.
    bool Step() {
        const int result = sqlite3_step(mHandle);
        if (result == SQLITE_ROW)
            return true;
        if (result != SQLITE_DONE)
            Fail("step");
        return false;
    }

    std::int32_t Integer(std::size_t column) const {
        return sqlite3_column_int(mHandle, mColumns[column]);
    }

    std::string Text(std::size_t column) const {
        const auto* text =
            reinterpret_cast<const char*>(sqlite3_column_text(mHandle, mColumns[column]));
        if (!text)
            return {};
        return std::string(
            text, static_cast<std::size_t>(sqlite3_column_bytes(mHandle, mColumns[column])));
    }

    void Reset() { sqlite3_reset(mHandle); }

private:
    int ColumnIndex(const char* name) const {
        for (int i = 0; i < sqlite3_column_count(mHandle); ++i)
            if (std::strcmp(sqlite3_column_name(mHandle, i), name) == 0)
                return i;
        throw std::runtime_error("The statement has no column " + std::string(name));
    }

    [[noreturn]] void Fail(const char* what) const {
        throw std::runtime_error(std::string("Can not ") + what +
                                 " a statement: " + sqlite3_errmsg(mDb));
    }

    sqlite3* mDb;
    sqlite3_stmt* mHandle = nullptr;
    std::vector<int> mParameters;
    std::vector<int> mColumns;
};

namespace {

// Parameter and column lists of the statements.
constexpr std::size_t kWord = 0, kLangCode = 1;          // exact and similar words
constexpr std::size_t kId = 0, kText = 1, kMoreInfo = 2; // their columns and word by id
constexpr std::size_t kFirstId = 0, kSecondId = 1, kIsAbsolute = 2;
constexpr std::size_t kW1Id = 0, kW1Word = 1, kW1MoreInfo = 2, kW2Id = 3, kW2Word = 4,
                      kW2MoreInfo = 5;

} // namespace

TSqlFloor::TSqlFloor(const std::filesystem::path& database) {
    if (sqlite3_open_v2(database.c_str(), &mDb, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        const std::string message = sqlite3_errmsg(mDb);
        sqlite3_close_v2(mDb);
        throw std::runtime_error("Can not open " + database.string() + ": " + message);
    }
    RegisterSqliteFunctions(mDb);
    using TNames = std::vector<const char*>;
    const auto prepare = [this](TStatementKind kind, const TNames& parameters,
                                const TNames& columns) {
        return std::make_unique<TStatement>(mDb, kind, parameters, columns);
    };
    const TNames wordColumns{"ID", "WORD", "MORE_INFO"};
    const TNames pairColumns{"W1.ID", "W1.WORD", "W1.MORE_INFO",
                             "W2.ID", "W2.WORD", "W2.MORE_INFO"};
    mWordsExact = prepare(TStatementKind::WordsExact, {"WORD", "LANG_CODE"}, wordColumns);
    mWordsInexact = prepare(TStatementKind::WordsInexact, {"WORD", "LANG_CODE"}, wordColumns);
    mMeanings = prepare(TStatementKind::Meanings, {"WORD_ID"}, {"MEANING"});
    mHomonyms = prepare(TStatementKind::Homonyms, {"FIRST_WORD_ID", "SECOND_WORD_ID"}, pairColumns);
    mSynonyms = prepare(TStatementKind::Synonyms,
                        {"FIRST_WORD_ID", "SECOND_WORD_ID", "IS_ABSOLUTE"}, pairColumns);
    mWordById = prepare(TStatementKind::WordById, {"ID"}, wordColumns);
    mCheckAbsSyns = prepare(TStatementKind::CheckAbsSyns,
                            {"WORD_ID_1", "WORD_ID_2", "WORD_ID_3", "WORD_ID_4"}, {});
}

TSqlFloor::~TSqlFloor() {
    mWordsExact.reset();
    mWordsInexact.reset();
    mMeanings.reset();
    mHomonyms.reset();
    mSynonyms.reset();
    mWordById.reset();
    mCheckAbsSyns.reset();
    sqlite3_close_v2(mDb);
}

void TSqlFloor::FindWords(const std::string& word, const std::string& langCode, bool findSimilar,
                          int maxCount, TWordList& words, bool& moreWords) {
    TStatement& statement = findSimilar ? *mWordsInexact : *mWordsExact;
    const std::string pattern = findSimilar ? "%" + word + "%" : word;
    statement.Bind(kWord, pattern);
    statement.Bind(kLangCode, langCode);
    moreWords = false;
    words.Clear();
    for (int count = 1; statement.Step(); ++count) {
        if (count > maxCount) {
            moreWords = true;
            break;
        }
        words.Add({statement.Integer(kId), statement.Text(kText), statement.Text(kMoreInfo)});
    }
    statement.Reset();
}

void TSqlFloor::FindMeanings(std::int32_t wordId, TStringList& meanings) {
    mMeanings->Bind(0, wordId);
    meanings.clear();
    while (mMeanings->Step())
        meanings.push_back(mMeanings->Text(0));
    mMeanings->Reset();
}

void TSqlFloor::FindHomonyms(std::int32_t wordId, TWordList& words) {
    mHomonyms->Bind(kFirstId, wordId);
    mHomonyms->Bind(kSecondId, wordId);
    ReadWordPairs(*mHomonyms, wordId, words);
}

void TSqlFloor::FindSynonyms(std::int32_t wordId, bool absolute, TWordList& words) {
    mSynonyms->Bind(kFirstId, wordId);
    mSynonyms->Bind(kSecondId, wordId);
    mSynonyms->Bind(kIsAbsolute, absolute ? 1 : 0);
    ReadWordPairs(*mSynonyms, wordId, words);
}

void TSqlFloor::ReadWordPairs(TStatement& statement, std::int32_t wordId, TWordList& words) {
    words.Clear();
    while (statement.Step()) {
        if (statement.Integer(kW1Id) == wordId)
            words.Add(
                {statement.Integer(kW2Id), statement.Text(kW2Word), statement.Text(kW2MoreInfo)});
        else
            words.Add(
                {statement.Integer(kW1Id), statement.Text(kW1Word), statement.Text(kW1MoreInfo)});
    }
    statement.Reset();
}

void TSqlFloor::LoadWord(std::int32_t wordId, TWord& word) {
    // The store hands the id over as text, as GetWordById does.
    const std::string idText = std::to_string(wordId);
    mWordById->Bind(0, idText);
    const bool found = mWordById->Step();
    if (found) {
        word.Word = mWordById->Text(kText);
        word.MoreInfo = mWordById->Text(kMoreInfo);
        word.Id = wordId;
    }
    mWordById->Reset();
    if (!found)
        throw std::runtime_error("Can not find word with id=" + idText);
}

bool TSqlFloor::AreAbsoluteSynonyms(std::int32_t firstWordId, std::int32_t secondWordId) {
    mCheckAbsSyns->Bind(0, firstWordId);
    mCheckAbsSyns->Bind(1, secondWordId);
    mCheckAbsSyns->Bind(2, secondWordId);
    mCheckAbsSyns->Bind(3, firstWordId);
    const bool found = mCheckAbsSyns->Step();
    mCheckAbsSyns->Reset();
    return found;
}

void TSqlFloor::Execute(const char* sql) {
    char* message = nullptr;
    if (sqlite3_exec(mDb, sql, nullptr, nullptr, &message) != SQLITE_OK) {
        const std::string text = message ? message : "unknown error";
        sqlite3_free(message);
        throw std::runtime_error(std::string("Can not run ") + sql + ": " + text);
    }
}

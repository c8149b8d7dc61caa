#pragma once

#include "core/Word.h"
#include "core/store/SearchIndex.h"
#include "core/store/SqlDialect.h"

#include <QSqlDatabase>

#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace Quor {

// The word store: the one database connection and the read-only statements over the semantic
// network (the seven lookups' and the search in meanings), and the lookups that turn their rows
// into words, meanings and answers. Texts in and out are Windows-1251 page text. Every failure is
// raised as EQuorError carrying the engine's message; no lookup catches.
class TQuorDataModule {
public:
    static constexpr const char* kDefaultDatabasePath = "../Database/QuorSemanticNetwork.mdb";

    // Opens the connection read-only. A failure goes to the application's error handler and the
    // store is created all the same; every lookup then tries to open it again.
    // The store of the network `databasePath` names: an SQLite file, or a network on a PostgreSQL
    // server given by a "postgresql://" connection URI (see DialectFactory.h).
    explicit TQuorDataModule(QString databasePath = QString::fromLatin1(kDefaultDatabasePath));
    // The store of the network at `databasePath` in the engine that `dialect` speaks.
    TQuorDataModule(QString databasePath, std::unique_ptr<TSqlDialect> dialect);
    // The store of the network `databasePath` names, for a thread of its own: a failure to
    // connect goes to no error handler, and IsConnected tells of it.
    struct TQuietFailure {};
    TQuorDataModule(QString databasePath, TQuietFailure);
    ~TQuorDataModule();
    TQuorDataModule(const TQuorDataModule&) = delete;
    TQuorDataModule& operator=(const TQuorDataModule&) = delete;

    // Words equal to `word` (or, with `findSimilar`, containing it) in one language, ignoring
    // case: at most `maxCount`, the shortest first when similar. `moreWords` tells whether more
    // matched. Reads at most maxCount + 1 rows.
    void FindWords(const std::string& word, const std::string& langCode, bool findSimilar,
                   int maxCount, TWordList& words, bool& moreWords);
    // Words of one language with a meaning that holds every word of `text` (in any case, ё read
    // as е), each as the start of one of its words: a search for "измер уред" finds the words
    // meaning "уред за измерване". At most `maxCount` words, those of the shortest such meaning
    // first; `moreWords` tells whether more matched. A text without a letter or digit finds
    // nothing.
    void FindWordsByMeanings(const std::string& text, const std::string& langCode, int maxCount,
                             TWordList& words, bool& moreWords);
    // The meanings of a word in ascending meaning id.
    void FindMeanings(std::int32_t wordId, TStringList& meanings);
    // For every homonym pair holding the word, the other word of the pair.
    void FindHomonyms(std::int32_t wordId, TWordList& words);
    // For every synonym pair of one kind holding the word, the other word of the pair.
    void FindSynonyms(std::int32_t wordId, bool absolute, TWordList& words);
    // The word with the id given as text; raises "Can not find word with id=..." when none.
    void GetWordById(const std::string& idText, std::string& word, std::string& moreInfo,
                     std::string& langCode);
    // Fills `word` with the word of `wordId`; its Id is set only when the word was found.
    void LoadWord(std::int32_t wordId, TWord& word);
    // True when an absolute-synonym pair holds the two words, in either order.
    bool AreAbsoluteSynonyms(std::int32_t firstWordId, std::int32_t secondWordId);

    // The spelling of every word of one language, in the engine's order. When `stop` turns true
    // the reading ends between two rows, with some of the words only.
    void ReadLanguageWords(const std::string& langCode, TStringList& words,
                           const std::atomic<bool>* stop = nullptr);
    // What tells the network as the store reads it now from the network after a change; empty
    // when the engine can not tell. Raises EQuorError when the store can not connect.
    QString NetworkLabel();

    bool IsConnected() const;
    // The network as given: an SQLite file's path or a PostgreSQL URI.
    const QString& DatabasePath() const { return mDatabasePath; }

    // Told while the store builds something that takes a while, such as the search index of a
    // large network on its first search.
    void SetBusyNotice(TSearchIndex::TBusyNotice busy) { mBuilding.Busy = std::move(busy); }
    // Whether the index of the search in meanings, which takes long to build on a large network,
    // is built in a thread of its own, the searches reading every meaning until it is ready: for
    // a window. Else a search waits for it.
    void SetBackgroundBuilds(bool background) { mBuilding.InBackground = background; }
    // The dictionary forms of a word (page text) in a language, with which a search in meanings
    // finds the other forms of the typed words too (домами: дом, домом).
    using TTermForms =
        std::function<TStringList(const std::string& word, const std::string& langCode)>;
    void SetTermForms(TTermForms forms) { mTermForms = std::move(forms); }
    // Told once, with the text to show, when the network lacks something the user should know
    // of, such as a server's network without the indexes its searches need; told at once when
    // the store has found that already.
    using TNetworkNotice = std::function<void(const QString& notice)>;
    void SetNetworkNotice(TNetworkNotice notice);

    // While one lives, every lookup reads the same snapshot of the database under one shared
    // lock, instead of taking the lock and checking the file again for every statement. Meant
    // for the few milliseconds of composing one page; scopes may nest. Never fails: without a
    // connection the lookups raise as usual.
    class TReadScope {
    public:
        explicit TReadScope(TQuorDataModule& store);
        ~TReadScope();
        TReadScope(const TReadScope&) = delete;
        TReadScope& operator=(const TReadScope&) = delete;

    private:
        TQuorDataModule& mStore;
    };

    // While one lives, inside a read scope of its own, AreAbsoluteSynonyms of two of the given
    // words is answered from every absolute-synonym pair among them, read with one statement
    // when it begins (where the engine has that statement). The answers are those the questions
    // would get one by one; a word table asks thousands of them.
    class TAbsolutePairsScope {
    public:
        TAbsolutePairsScope(TQuorDataModule& store, const TWordList& words);
        ~TAbsolutePairsScope();
        TAbsolutePairsScope(const TAbsolutePairsScope&) = delete;
        TAbsolutePairsScope& operator=(const TAbsolutePairsScope&) = delete;

        // Every absolute-synonym pair among the words, when they were read at once; else null.
        const TIdPairs* Pairs() const;

    private:
        TReadScope mSnapshot;
        TQuorDataModule& mStore;
    };

    // While one lives, inside a read scope of its own, the lookups about the given words are
    // answered from rows read for all of them at once, one statement for each kind of row when a
    // lookup first needs it: their meanings, homonyms, absolute and relative synonyms, their own
    // rows (LoadWord, and GetWordById of an id's decimal text), and the absolute-synonym pairs
    // among the words of their relative-synonym rows. The answers are those the lookups give one
    // by one, with the same rows in the same order; other words, and whatever the engine can not
    // read at once, are asked one by one as before. Meant for one page: a nested one, while
    // another lives, reads nothing of its own.
    class TPageScope {
    public:
        TPageScope(TQuorDataModule& store, const std::vector<std::int32_t>& wordIds);
        ~TPageScope();
        TPageScope(const TPageScope&) = delete;
        TPageScope& operator=(const TPageScope&) = delete;

    private:
        TReadScope mSnapshot;
        TQuorDataModule& mStore;
        bool mOwnsRows = false;
    };

private:
    class TQuery;
    class TKnownPairs;
    class TPageRows;
    using TParameters = std::vector<std::pair<const char*, QVariant>>;
    using TStatements = std::array<std::unique_ptr<TQuery>, kStatementKindCount>;
    // A word search's index, where the dialect has one, and its statement.
    struct TIndexedSearch {
        std::unique_ptr<TSearchIndex> Index;
        std::unique_ptr<TQuery> Query;
    };

    TQuorDataModule(QString databasePath, std::unique_ptr<TSqlDialect> dialect, bool reportFailure);
    static TStatements MakeStatements(const TSqlDialect& dialect);
    TQuery& Statement(TStatementKind kind);
    // The seven statements and those standing in for some of them.
    std::vector<TQuery*> AllStatements() const;

    void Connect();
    void EnsureConnected();
    // A database server may end the connection (a restart); the next statement fails. When the
    // connection then no longer answers, outside a page's snapshot, the store opens it again and
    // runs `run` once more.
    template <typename TRun> void RetryOnceWhenConnectionLost(const TRun& run);
    void BeginReading() noexcept;
    void EndReading() noexcept;
    void BeginTransaction() noexcept;
    void EndTransaction() noexcept;
    TQuery& Open(TQuery& query, const TParameters& parameters);
    // The search's index when it is ready to answer, else null.
    TIndexedSearch* ReadyIndex(TIndexedSearch& search);
    // Reads the found words from an open words statement, at most maxCount of them; with
    // `distinct`, a word that comes again is passed over.
    // The terms of the dictionary forms of a typed word's term.
    std::vector<std::string> FormTerms(const std::string& term, const std::string& langCode) const;
    static void ReadFoundWords(TQuery& query, int maxCount, TWordList& words, bool& moreWords,
                               bool distinct = false);
    // Reads the words from the search's index when it is ready, answers and is found current;
    // else false, and the plain statement is to answer.
    bool ReadFromIndex(TIndexedSearch& search, const TParameters& parameters, int maxCount,
                       TWordList& words, bool& moreWords, bool distinct);
    void ReadWordPairs(TQuery& query, std::int32_t wordId, TWordList& words);
    // The word of a pair row that is not `wordId`.
    static TWord OtherWord(TQuery& query, std::int32_t wordId);
    void ReadAbsolutePairs(const TWordList& words);
    // Reads every absolute-synonym pair among `ids` into `known`; false when the engine can not.
    bool ReadPairsAmong(const std::vector<std::int32_t>& ids, TKnownPairs& known);
    // Runs the batch statement of `kind` on the page's words, handing each row to `readRow` with
    // the place of its word; false when the engine has no such statement or it failed.
    bool ReadBatch(TBatchKind kind, TParameters parameters,
                   const std::function<void(TQuery& query, std::size_t place)>& readRow);
    // The page's rows of one kind for a word: read for every word of the page first, when that
    // was not tried yet; null when the word is none of the page's or they could not be read.
    const TStringList* PageMeanings(std::int32_t wordId);
    const TWordList* PagePairs(std::int32_t wordId, TStatementKind kind, bool absolute);
    // The absolute-synonym pairs among the words of the page's relative-synonym rows; null when
    // they can not be read.
    const TKnownPairs* PageAbsolutePairs();
    void GiveNetworkNotice();

    QString mDatabasePath;
    std::unique_ptr<TSqlDialect> mDialect;
    QString mConnectionName;
    QSqlDatabase mDbConnection;
    // The seven statements, one for each TStatementKind in its order, and each by its name.
    TStatements mStatements;
    TQuery& mWordsExactQuery;
    TQuery& mWordsInexactQuery;
    TQuery& mMeaningsQuery;
    TQuery& mHomonymsQuery;
    TQuery& mSynonymsQuery;
    TQuery& mWordQueryById;
    TQuery& mCheckAbsSynsQuery;
    // The statements that stand in for some of the seven where that is faster; the dialect may
    // have none of them.
    TIndexedSearch mWordsExactIndex;
    TIndexedSearch mWordsInexactIndex;
    TIndexedSearch mMeaningsIndex;
    std::unique_ptr<TQuery> mAbsolutePairsQuery;
    std::unique_ptr<TQuery> mLanguageWordsQuery;
    std::array<std::unique_ptr<TQuery>, kBatchKindCount> mBatchQueries;
    // The absolute pairs a TAbsolutePairsScope read, and those it answers from (the page's, when
    // they cover its words), while it lives.
    std::unique_ptr<TKnownPairs> mKnownPairs;
    const TKnownPairs* mPairsInUse = nullptr;
    // The rows of the outermost TPageScope, while it lives.
    std::unique_ptr<TPageRows> mPageRows;
    TSearchIndex::TBuilding mBuilding;
    TTermForms mTermForms;
    TNetworkNotice mNetworkNotice;
    QString mNotice;
    bool mNoticeGiven = false;
    // Nesting depth of TReadScope, whether the outermost one began a read transaction, and
    // whether a statement has run in it since.
    int mReadDepth = 0;
    bool mReadTransaction = false;
    bool mReadInTransaction = false;
};

} // namespace Quor

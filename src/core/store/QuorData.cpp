#include "core/store/QuorData.h"

#include "core/QuorError.h"
#include "core/store/DialectFactory.h"
#include "core/text/CodePage.h"
#include "core/text/MeaningWords.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

#include <algorithm>
#include <atomic>
#include <charconv>
#include <optional>
#include <unordered_map>
#include <unordered_set>

namespace Quor {

namespace {

QString NewConnectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("QuorDataModule-%1").arg(++counter);
}

// The ids as a JSON array of numbers, as the statements for many words take them.
QString IdArray(const std::vector<std::int32_t>& ids) {
    QString array = QStringLiteral("[");
    for (const std::int32_t id : ids)
        array += QString::number(id) + QLatin1Char(',');
    if (ids.empty())
        array += QLatin1Char(']');
    else
        array.back() = QLatin1Char(']');
    return array;
}

// The id whose decimal text `idText` is, exactly as LoadWord writes it.
std::optional<std::int32_t> DecimalId(const std::string& idText) {
    std::int32_t id = 0;
    const auto [end, error] = std::from_chars(idText.data(), idText.data() + idText.size(), id);
    if (error != std::errc() || end != idText.data() + idText.size() ||
        std::to_string(id) != idText)
        return std::nullopt;
    return id;
}

} // namespace

// One prepared statement: prepared on its first use, then executed again with new values. Rows
// are read forward only and columns by name.
class TQuorDataModule::TQuery {
public:
    explicit TQuery(QString text) : mText(std::move(text)) {}

    // False for a statement the engine has none of at the moment.
    bool HasText() const { return !mText.isEmpty(); }

    // Another text for the statement, prepared on its next use.
    void SetText(QString text) {
        if (text == mText)
            return;
        Forget();
        mText = std::move(text);
        mPlaceholders.clear();
    }

    // Drops the prepared statement, which belongs to a connection that has ended.
    void Forget() {
        mQuery.reset();
        mColumns.clear();
        mOnRow = false;
    }

    // Ends the reading of the last result, so that the statement holds no lock on the file.
    void Close() {
        if (mQuery && mQuery->isActive())
            mQuery->finish();
    }

    // Executes the statement with new values and stands on the first row, if any.
    void Open(const QSqlDatabase& connection, const TParameters& parameters) {
        Close();
        if (!mQuery)
            Prepare(connection);
        for (std::size_t i = 0; i < parameters.size(); ++i)
            mQuery->bindValue(Placeholder(i, parameters[i].first), parameters[i].second);
        if (!mQuery->exec())
            throw EQuorError(EngineMessage(mQuery->lastError()));
        Next();
    }

    bool Eof() const { return !mOnRow; }

    void Next() {
        mOnRow = mQuery->next();
        if (!mOnRow && mQuery->lastError().isValid())
            throw EQuorError(EngineMessage(mQuery->lastError()));
    }

    // The text of a column of the current row; NULL reads as empty text.
    std::string Text(const char* column) {
        const QVariant value = mQuery->value(ColumnIndex(column));
        return value.isNull() ? std::string() : ToPageText(value.toString());
    }

    // The integer of a column of the current row; anything else, a fraction or a number beyond
    // 32 bits included, raises instead of being cut to some other word's id.
    std::int32_t Integer(const char* column) {
        const QVariant value = mQuery->value(ColumnIndex(column));
        bool ok = false;
        const qlonglong number = value.toLongLong(&ok);
        if (ok && value.typeId() == QMetaType::Double)
            ok = value.toDouble() == static_cast<double>(number);
        if (!ok || number < INT32_MIN || number > INT32_MAX)
            throw EQuorError("The column " + std::string(column) + " holds '" +
                             ToPageText(value.toString()) + "', which is not an integer.");
        return static_cast<std::int32_t>(number);
    }

private:
    void Prepare(const QSqlDatabase& connection) {
        QSqlQuery query(connection);
        query.setForwardOnly(true);
        if (!query.prepare(mText))
            throw EQuorError(EngineMessage(query.lastError()));
        mQuery.emplace(std::move(query));
        mColumns.clear();
    }

    // ":NAME" of the i-th parameter, made once: a page may run this statement thousands of times.
    const QString& Placeholder(std::size_t i, const char* name) {
        if (i == mPlaceholders.size())
            mPlaceholders.push_back(QLatin1Char(':') + QLatin1String(name));
        return mPlaceholders[i];
    }

    int ColumnIndex(const char* column) {
        for (const auto& [name, index] : mColumns)
            if (name == column)
                return index;
        const int index = mQuery->record().indexOf(QLatin1String(column));
        if (index < 0)
            throw EQuorError("The result has no column " + std::string(column) + ".");
        mColumns.emplace_back(column, index);
        return index;
    }

    QString mText;
    std::optional<QSqlQuery> mQuery;
    std::vector<std::pair<std::string, int>> mColumns;
    std::vector<QString> mPlaceholders;
    bool mOnRow = false;
};

// The words of a TAbsolutePairsScope and the absolute-synonym pairs among them.
class TQuorDataModule::TKnownPairs {
public:
    void AddWord(std::int32_t id) { mWords.insert(id); }
    void AddPair(std::int32_t firstId, std::int32_t secondId) {
        mPairs.insert(Key(firstId, secondId));
        mPairList.emplace_back(firstId, secondId);
    }
    const TIdPairs& Pairs() const { return mPairList; }
    // Whether the answer for two words is known: both are among the words.
    bool Covers(std::int32_t firstId, std::int32_t secondId) const {
        return mWords.contains(firstId) && mWords.contains(secondId);
    }
    bool Holds(std::int32_t firstId, std::int32_t secondId) const {
        return mPairs.contains(Key(firstId, secondId));
    }
    bool CoversAll(const TWordList& words) const {
        return std::all_of(words.begin(), words.end(),
                           [this](const TWord& word) { return mWords.contains(word.Id); });
    }

private:
    // The same for both orders of the two words.
    static std::uint64_t Key(std::int32_t firstId, std::int32_t secondId) {
        const auto [low, high] = std::minmax(firstId, secondId);
        return (std::uint64_t(std::uint32_t(low)) << 32) | std::uint32_t(high);
    }

    std::unordered_set<std::int32_t> mWords;
    std::unordered_set<std::uint64_t> mPairs;
    TIdPairs mPairList;
};

// The rows of a TPageScope's words, each kind read for all of them when a lookup first needs it,
// by the word's place among them.
class TQuorDataModule::TPageRows {
public:
    template <typename TRow> struct TKind {
        bool Tried = false;
        bool Read = false;
        std::vector<TRow> Rows;
    };
    struct TWordRow {
        bool Found = false;
        std::string Word, MoreInfo, LangCode;
    };

    explicit TPageRows(const std::vector<std::int32_t>& wordIds) {
        for (const std::int32_t id : wordIds)
            if (mPlaces.emplace(id, mIds.size()).second)
                mIds.push_back(id);
    }

    const std::vector<std::int32_t>& Ids() const { return mIds; }

    // The row of `kind` for the word; `read` reads them for every word the first time, handing
    // each row's place to the function it is given, which gives the row to fill, and tells
    // whether that succeeded. Null when the word is none of these or the rows could not be read.
    template <typename TRow, typename TRead>
    const TRow* Known(TKind<TRow>& kind, std::int32_t wordId, const TRead& read) {
        const auto place = mPlaces.find(wordId);
        if (place == mPlaces.end())
            return nullptr;
        if (!kind.Tried) {
            kind.Tried = true;
            kind.Rows.assign(mIds.size(), TRow{});
            kind.Read = read([&kind](std::size_t at) -> TRow& { return kind.Rows[at]; });
            if (!kind.Read)
                kind.Rows.clear();
        }
        return kind.Read ? &kind.Rows[place->second] : nullptr;
    }

    TKind<TWordRow> Words;
    TKind<TStringList> Meanings;
    TKind<TWordList> Homonyms, Absolute, Relative;
    bool PairsTried = false;
    std::unique_ptr<TKnownPairs> Pairs;

private:
    std::vector<std::int32_t> mIds;
    std::unordered_map<std::int32_t, std::size_t> mPlaces;
};

TQuorDataModule::TQuorDataModule(QString databasePath)
    : TQuorDataModule(databasePath, MakeDialectFor(databasePath)) {}

TQuorDataModule::TQuorDataModule(QString databasePath, std::unique_ptr<TSqlDialect> dialect)
    : TQuorDataModule(std::move(databasePath), std::move(dialect), true) {}

TQuorDataModule::TQuorDataModule(QString databasePath, TQuietFailure)
    : TQuorDataModule(databasePath, MakeDialectFor(databasePath), false) {}

TQuorDataModule::TQuorDataModule(QString databasePath, std::unique_ptr<TSqlDialect> dialect,
                                 bool reportFailure)
    : mDatabasePath(std::move(databasePath)), mDialect(std::move(dialect)),
      mConnectionName(NewConnectionName()), mStatements(MakeStatements(*mDialect)),
      mWordsExactQuery(Statement(TStatementKind::WordsExact)),
      mWordsInexactQuery(Statement(TStatementKind::WordsInexact)),
      mMeaningsQuery(Statement(TStatementKind::Meanings)),
      mHomonymsQuery(Statement(TStatementKind::Homonyms)),
      mSynonymsQuery(Statement(TStatementKind::Synonyms)),
      mWordQueryById(Statement(TStatementKind::WordById)),
      mCheckAbsSynsQuery(Statement(TStatementKind::CheckAbsSyns)) {
    for (const auto& [kind, search] :
         {std::pair(TStatementKind::WordsExact, &mWordsExactIndex),
          std::pair(TStatementKind::WordsInexact, &mWordsInexactIndex),
          std::pair(TStatementKind::WordsByMeanings, &mMeaningsIndex)}) {
        search->Index = mDialect->MakeSearchIndex(kind, mDatabasePath);
        if (search->Index)
            search->Query = std::make_unique<TQuery>(search->Index->StatementText());
    }
    if (const QString pairs = mDialect->AbsolutePairsText(); !pairs.isEmpty())
        mAbsolutePairsQuery = std::make_unique<TQuery>(pairs);
    mLanguageWordsQuery = std::make_unique<TQuery>(mDialect->LanguageWordsText());
    // The batches' texts come with the connection, which tells which the engine has.
    for (std::unique_ptr<TQuery>& batch : mBatchQueries)
        batch = std::make_unique<TQuery>(QString());
    mDbConnection = QSqlDatabase::addDatabase(mDialect->DriverName(), mConnectionName);
    try {
        Connect();
    } catch (const std::exception& error) {
        if (reportFailure)
            HandleApplicationException(error);
    }
}

TQuorDataModule::~TQuorDataModule() {
    // Statements first: a connection is removed only when nothing uses it any more.
    for (TQuery* statement : AllStatements())
        statement->Forget();
    mDbConnection.close();
    mDbConnection = QSqlDatabase();
    QSqlDatabase::removeDatabase(mConnectionName);
}

auto TQuorDataModule::MakeStatements(const TSqlDialect& dialect) -> TStatements {
    TStatements statements;
    for (std::size_t kind = 0; kind < statements.size(); ++kind)
        statements[kind] =
            std::make_unique<TQuery>(dialect.StatementText(static_cast<TStatementKind>(kind)));
    return statements;
}

TQuorDataModule::TQuery& TQuorDataModule::Statement(TStatementKind kind) {
    return *mStatements[static_cast<std::size_t>(kind)];
}

std::vector<TQuorDataModule::TQuery*> TQuorDataModule::AllStatements() const {
    std::vector<TQuery*> statements;
    for (const std::unique_ptr<TQuery>& statement : mStatements)
        statements.push_back(statement.get());
    for (TQuery* statement :
         {mWordsExactIndex.Query.get(), mWordsInexactIndex.Query.get(), mMeaningsIndex.Query.get(),
          mAbsolutePairsQuery.get(), mLanguageWordsQuery.get()})
        if (statement)
            statements.push_back(statement);
    for (const std::unique_ptr<TQuery>& statement : mBatchQueries)
        statements.push_back(statement.get());
    return statements;
}

bool TQuorDataModule::IsConnected() const {
    return mDbConnection.isOpen();
}

void TQuorDataModule::Connect() {
    const std::string path = ToPageText(mDialect->DisplayName(mDatabasePath));
    for (TQuery* statement : AllStatements())
        statement->Forget();
    mDbConnection.close();
    mDialect->PrepareToOpen(mDbConnection, mDatabasePath);
    if (!mDbConnection.open())
        throw EQuorError("Can not open the database " + path + ": " +
                         EngineMessage(mDbConnection.lastError()));
    try {
        mDialect->SetUpConnection(mDbConnection, mDatabasePath);
    } catch (const EQuorError& error) {
        mDbConnection.close();
        throw EQuorError("Can not read the database " + path + ": " + error.Message());
    }
    // The statements in the words of the network this connection found.
    for (std::size_t kind = 0; kind < mStatements.size(); ++kind)
        mStatements[kind]->SetText(mDialect->StatementText(static_cast<TStatementKind>(kind)));
    for (std::size_t kind = 0; kind < mBatchQueries.size(); ++kind)
        mBatchQueries[kind]->SetText(mDialect->BatchText(static_cast<TBatchKind>(kind)));
    if (mNotice.isEmpty())
        mNotice = mDialect->NetworkNotice(mDatabasePath);
    GiveNetworkNotice();
}

void TQuorDataModule::SetNetworkNotice(TNetworkNotice notice) {
    mNetworkNotice = std::move(notice);
    GiveNetworkNotice();
}

void TQuorDataModule::GiveNetworkNotice() {
    if (mNetworkNotice && !mNotice.isEmpty() && !mNoticeGiven) {
        mNoticeGiven = true;
        mNetworkNotice(mNotice);
    }
}

void TQuorDataModule::EnsureConnected() {
    if (mDbConnection.isOpen())
        return;
    // A new connection would read another snapshot than the page began with.
    if (mReadTransaction)
        throw EQuorError("The connection to the database " +
                         ToPageText(mDialect->DisplayName(mDatabasePath)) +
                         " ended while the page was being composed.");
    Connect();
}

template <typename TRun> void TQuorDataModule::RetryOnceWhenConnectionLost(const TRun& run) {
    try {
        run();
    } catch (const EQuorError&) {
        if (mReadTransaction ||
            (mDbConnection.isOpen() && QSqlQuery(mDbConnection).exec(QStringLiteral("select 1"))))
            throw;
        Connect();
        run();
    }
}

TQuorDataModule::TReadScope::TReadScope(TQuorDataModule& store) : mStore(store) {
    mStore.BeginReading();
}

TQuorDataModule::TReadScope::~TReadScope() {
    mStore.EndReading();
}

void TQuorDataModule::BeginReading() noexcept {
    if (mReadDepth++ == 0)
        BeginTransaction();
}

void TQuorDataModule::EndReading() noexcept {
    if (--mReadDepth == 0)
        EndTransaction();
}

void TQuorDataModule::BeginTransaction() noexcept {
    mReadInTransaction = false;
    try {
        EnsureConnected();
        RetryOnceWhenConnectionLost([this] {
            mReadTransaction = mDbConnection.transaction();
            if (!mReadTransaction && !mDbConnection.isOpen())
                throw EQuorError(EngineMessage(mDbConnection.lastError()));
        });
    } catch (const std::exception&) {
        // The first lookup raises the same failure with its message.
        mReadTransaction = false;
    }
}

void TQuorDataModule::EndTransaction() noexcept {
    if (!mReadTransaction)
        return;
    mReadTransaction = false;
    for (TQuery* statement : AllStatements())
        statement->Close();
    if (!mDbConnection.commit())
        mDbConnection.rollback();
}

TQuorDataModule::TQuery& TQuorDataModule::Open(TQuery& query, const TParameters& parameters) {
    EnsureConnected();
    mReadInTransaction = true;
    RetryOnceWhenConnectionLost([&] { query.Open(mDbConnection, parameters); });
    return query;
}

auto TQuorDataModule::ReadyIndex(TIndexedSearch& search) -> TIndexedSearch* {
    if (!search.Index)
        return nullptr;
    EnsureConnected();
    auto readiness = search.Index->Prepare(mDbConnection, mBuilding);
    // An index is attached outside a transaction. A read transaction that has read nothing yet
    // ends for that and begins again, with nothing lost.
    if (readiness == TSearchIndex::TReadiness::OutsideTransaction && mReadTransaction &&
        !mReadInTransaction) {
        EndTransaction();
        readiness = search.Index->Prepare(mDbConnection, mBuilding);
        BeginTransaction();
    }
    return readiness == TSearchIndex::TReadiness::Ready ? &search : nullptr;
}

void TQuorDataModule::FindWords(const std::string& word, const std::string& langCode,
                                bool findSimilar, int maxCount, TWordList& words, bool& moreWords) {
    const QString pattern =
        findSimilar ? QLatin1Char('%') + FromPageText(word) + QLatin1Char('%') : FromPageText(word);
    // A dialect may use ROW_LIMIT to have the engine stop at the one row beyond the count.
    const TParameters parameters{{"WORD", pattern},
                                 {"LANG_CODE", FromPageText(langCode)},
                                 {"ROW_LIMIT", std::max(maxCount, 0) + 1LL}};
    if (ReadFromIndex(findSimilar ? mWordsInexactIndex : mWordsExactIndex, parameters, maxCount,
                      words, moreWords, false))
        return;
    TQuery& query = findSimilar ? mWordsInexactQuery : mWordsExactQuery;
    ReadFoundWords(Open(query, parameters), maxCount, words, moreWords);
    query.Close();
}

bool TQuorDataModule::ReadFromIndex(TIndexedSearch& search, const TParameters& parameters,
                                    int maxCount, TWordList& words, bool& moreWords,
                                    bool distinct) {
    TIndexedSearch* indexed = ReadyIndex(search);
    if (!indexed)
        return false;
    // The rows of an index found out of date or unreadable are dropped, and the plain statement
    // answers.
    TQuery& query = *indexed->Query;
    try {
        ReadFoundWords(Open(query, parameters), maxCount, words, moreWords, distinct);
        const bool current = indexed->Index->IsCurrent(mDbConnection);
        query.Close();
        if (current)
            return true;
    } catch (const EQuorError&) {
        query.Close();
    }
    indexed->Index->Discard();
    return false;
}

void TQuorDataModule::FindWordsByMeanings(const std::string& text, const std::string& langCode,
                                          int maxCount, TWordList& words, bool& moreWords) {
    moreWords = false;
    words.Clear();
    const std::vector<std::string> terms = SearchTerms(FromPageText(text).toStdString());
    if (terms.empty())
        return;
    // For each typed word, the starts of the words that count as it, as a JSON array of arrays
    // for the statements, and as the full-text queries of an index, SQLite's and PostgreSQL's.
    // They hold letters and digits only.
    QStringList list, match, prefixes;
    for (const std::string& term : terms) {
        QStringList starts, matchStarts, prefixStarts;
        for (const std::string& start : TermStarts(term, FormTerms(term, langCode))) {
            const QString word = QString::fromStdString(start);
            starts << QLatin1Char('"') + word + QLatin1Char('"');
            matchStarts << QLatin1Char('"') + word + QStringLiteral("\"*");
            prefixStarts << word + QStringLiteral(":*");
        }
        const auto any = [](const QStringList& parts, const char* separator) {
            const QString joined = parts.join(QLatin1String(separator));
            return parts.size() > 1 ? QLatin1Char('(') + joined + QLatin1Char(')') : joined;
        };
        list << QLatin1Char('[') + starts.join(QLatin1Char(',')) + QLatin1Char(']');
        match << any(matchStarts, " OR ");
        prefixes << any(prefixStarts, " | ");
    }
    const QString json = QLatin1Char('[') + list.join(QLatin1Char(',')) + QLatin1Char(']');
    const TParameters parameters{{"TERMS", json},
                                 {"MATCH", match.join(QStringLiteral(" AND "))},
                                 {"PREFIXES", prefixes.join(QStringLiteral(" & "))},
                                 {"LANG_CODE", FromPageText(langCode)}};
    if (ReadFromIndex(mMeaningsIndex, parameters, maxCount, words, moreWords, true))
        return;
    // Every meaning is read while the index is being built: a while on a large network.
    const bool building = mMeaningsIndex.Index && mMeaningsIndex.Index->BeingBuilt();
    const TBusyTime busy(building ? mBuilding.Busy : TSearchIndex::TBusyNotice());
    TQuery& query = Statement(TStatementKind::WordsByMeanings);
    ReadFoundWords(Open(query, parameters), maxCount, words, moreWords, true);
    query.Close();
}

std::vector<std::string> TQuorDataModule::FormTerms(const std::string& term,
                                                    const std::string& langCode) const {
    std::vector<std::string> formTerms;
    if (!mTermForms)
        return formTerms;
    for (const std::string& form :
         mTermForms(ToPageText(QString::fromStdString(term).toLower()), langCode)) {
        const std::vector<std::string> words = SearchTerms(FromPageText(form).toStdString());
        if (words.size() == 1)
            formTerms.push_back(words.front());
    }
    return formTerms;
}

void TQuorDataModule::ReadFoundWords(TQuery& query, int maxCount, TWordList& words, bool& moreWords,
                                     bool distinct) {
    moreWords = false;
    words.Clear();
    std::unordered_set<std::int32_t> found;
    for (int count = 1; !query.Eof(); query.Next()) {
        if (distinct && !found.insert(query.Integer("ID")).second)
            continue;
        if (count++ > maxCount) {
            moreWords = true;
            break;
        }
        words.Add({query.Integer("ID"), query.Text("WORD"), query.Text("MORE_INFO")});
    }
}

void TQuorDataModule::FindMeanings(std::int32_t wordId, TStringList& meanings) {
    if (const TStringList* known = PageMeanings(wordId)) {
        meanings = *known;
        return;
    }
    TQuery& query = Open(mMeaningsQuery, {{"WORD_ID", wordId}});
    meanings.clear();
    for (; !query.Eof(); query.Next())
        meanings.push_back(query.Text("MEANING"));
    query.Close();
}

void TQuorDataModule::FindHomonyms(std::int32_t wordId, TWordList& words) {
    if (const TWordList* known = PagePairs(wordId, TStatementKind::Homonyms, false)) {
        words = *known;
        return;
    }
    Open(mHomonymsQuery, {{"FIRST_WORD_ID", wordId}, {"SECOND_WORD_ID", wordId}});
    ReadWordPairs(mHomonymsQuery, wordId, words);
}

void TQuorDataModule::FindSynonyms(std::int32_t wordId, bool absolute, TWordList& words) {
    if (const TWordList* known = PagePairs(wordId, TStatementKind::Synonyms, absolute)) {
        words = *known;
        return;
    }
    Open(
        mSynonymsQuery,
        {{"FIRST_WORD_ID", wordId}, {"SECOND_WORD_ID", wordId}, {"IS_ABSOLUTE", absolute ? 1 : 0}});
    ReadWordPairs(mSynonymsQuery, wordId, words);
}

void TQuorDataModule::ReadWordPairs(TQuery& query, std::int32_t wordId, TWordList& words) {
    words.Clear();
    for (; !query.Eof(); query.Next())
        words.Add(OtherWord(query, wordId));
    query.Close();
}

TWord TQuorDataModule::OtherWord(TQuery& query, std::int32_t wordId) {
    if (query.Integer("W1.ID") == wordId)
        return {query.Integer("W2.ID"), query.Text("W2.WORD"), query.Text("W2.MORE_INFO")};
    return {query.Integer("W1.ID"), query.Text("W1.WORD"), query.Text("W1.MORE_INFO")};
}

void TQuorDataModule::GetWordById(const std::string& idText, std::string& word,
                                  std::string& moreInfo, std::string& langCode) {
    word.clear();
    moreInfo.clear();
    langCode.clear();
    const std::optional<std::int32_t> pageWord = mPageRows ? DecimalId(idText) : std::nullopt;
    if (pageWord)
        if (const TPageRows::TWordRow* known =
                mPageRows->Known(mPageRows->Words, *pageWord, [this](const auto& row) {
                    return ReadBatch(TBatchKind::Words, {}, [&row](TQuery& query, std::size_t at) {
                        TPageRows::TWordRow& word = row(at);
                        if (word.Found)
                            return; // the first row, as the one-by-one statement gives
                        word = {true, query.Text("WORD"), query.Text("MORE_INFO"),
                                query.Text("LANG_CODE")};
                    });
                })) {
            if (!known->Found)
                throw EQuorError("Can not find word with id=" + idText);
            word = known->Word;
            moreInfo = known->MoreInfo;
            langCode = known->LangCode;
            return;
        }
    TQuery& query = Open(mWordQueryById, {{"ID", FromPageText(idText)}});
    if (query.Eof()) {
        query.Close();
        throw EQuorError("Can not find word with id=" + idText);
    }
    word = query.Text("WORD");
    moreInfo = query.Text("MORE_INFO");
    langCode = query.Text("LANG_CODE");
    query.Close();
}

void TQuorDataModule::LoadWord(std::int32_t wordId, TWord& word) {
    word.Word.clear();
    word.MoreInfo.clear();
    std::string langCode;
    GetWordById(std::to_string(wordId), word.Word, word.MoreInfo, langCode);
    word.Id = wordId;
}

bool TQuorDataModule::AreAbsoluteSynonyms(std::int32_t firstWordId, std::int32_t secondWordId) {
    if (mPairsInUse && mPairsInUse->Covers(firstWordId, secondWordId))
        return mPairsInUse->Holds(firstWordId, secondWordId);
    TQuery& query = Open(mCheckAbsSynsQuery, {{"WORD_ID_1", firstWordId},
                                              {"WORD_ID_2", secondWordId},
                                              {"WORD_ID_3", secondWordId},
                                              {"WORD_ID_4", firstWordId}});
    const bool found = !query.Eof();
    query.Close();
    return found;
}

void TQuorDataModule::ReadLanguageWords(const std::string& langCode, TStringList& words,
                                        const std::atomic<bool>* stop) {
    TQuery& query = Open(*mLanguageWordsQuery, {{"LANG_CODE", FromPageText(langCode)}});
    words.clear();
    for (; !query.Eof() && !(stop && stop->load(std::memory_order_relaxed)); query.Next())
        words.push_back(query.Text("WORD"));
    query.Close();
}

QString TQuorDataModule::NetworkLabel() {
    EnsureConnected();
    return mDialect->NetworkLabel(mDbConnection);
}

TQuorDataModule::TAbsolutePairsScope::TAbsolutePairsScope(TQuorDataModule& store,
                                                          const TWordList& words)
    : mSnapshot(store), mStore(store) {
    mStore.ReadAbsolutePairs(words);
}

TQuorDataModule::TAbsolutePairsScope::~TAbsolutePairsScope() {
    mStore.mPairsInUse = nullptr;
    mStore.mKnownPairs.reset();
}

const TIdPairs* TQuorDataModule::TAbsolutePairsScope::Pairs() const {
    return mStore.mPairsInUse ? &mStore.mPairsInUse->Pairs() : nullptr;
}

void TQuorDataModule::ReadAbsolutePairs(const TWordList& words) {
    mPairsInUse = nullptr;
    mKnownPairs.reset();
    if (words.Count() < 2)
        return;
    if (const TKnownPairs* page = PageAbsolutePairs(); page && page->CoversAll(words)) {
        mPairsInUse = page;
        return;
    }
    std::vector<std::int32_t> ids;
    for (const TWord& word : words)
        ids.push_back(word.Id);
    auto known = std::make_unique<TKnownPairs>();
    if (!ReadPairsAmong(ids, *known))
        return;
    mKnownPairs = std::move(known);
    mPairsInUse = mKnownPairs.get();
}

bool TQuorDataModule::ReadPairsAmong(const std::vector<std::int32_t>& ids, TKnownPairs& known) {
    if (!mAbsolutePairsQuery)
        return false;
    const QString array = IdArray(ids);
    try {
        TQuery& query =
            Open(*mAbsolutePairsQuery, {{"FIRST_WORD_IDS", array}, {"SECOND_WORD_IDS", array}});
        for (; !query.Eof(); query.Next())
            known.AddPair(query.Integer("FIRST_WORD_ID"), query.Integer("SECOND_WORD_ID"));
        query.Close();
    } catch (const EQuorError&) {
        // The questions go to the engine one by one, which raises whatever is wrong there.
        mAbsolutePairsQuery->Close();
        return false;
    }
    for (const std::int32_t id : ids)
        known.AddWord(id);
    return true;
}

TQuorDataModule::TPageScope::TPageScope(TQuorDataModule& store,
                                        const std::vector<std::int32_t>& wordIds)
    : mSnapshot(store), mStore(store) {
    if (mStore.mPageRows || wordIds.empty())
        return;
    mStore.mPageRows = std::make_unique<TPageRows>(wordIds);
    mOwnsRows = true;
}

TQuorDataModule::TPageScope::~TPageScope() {
    if (mOwnsRows)
        mStore.mPageRows.reset();
}

bool TQuorDataModule::ReadBatch(TBatchKind kind, TParameters parameters,
                                const std::function<void(TQuery&, std::size_t)>& readRow) {
    TQuery* query = mBatchQueries[static_cast<std::size_t>(kind)].get();
    if (!query->HasText())
        return false;
    const std::vector<std::int32_t>& ids = mPageRows->Ids();
    parameters.insert(parameters.begin(), {"WORD_IDS", IdArray(ids)});
    try {
        Open(*query, parameters);
        for (; !query->Eof(); query->Next()) {
            const std::int32_t place = query->Integer("PLACE");
            if (place < 0 || static_cast<std::size_t>(place) >= ids.size())
                throw EQuorError("The batch gave a row of no word asked about.");
            readRow(*query, static_cast<std::size_t>(place));
        }
        query->Close();
        return true;
    } catch (const EQuorError&) {
        // The lookups go to the engine one by one, which raises whatever is wrong there.
        query->Close();
        return false;
    }
}

const TStringList* TQuorDataModule::PageMeanings(std::int32_t wordId) {
    if (!mPageRows)
        return nullptr;
    return mPageRows->Known(mPageRows->Meanings, wordId, [this](const auto& row) {
        return ReadBatch(TBatchKind::Meanings, {}, [&row](TQuery& query, std::size_t at) {
            row(at).push_back(query.Text("MEANING"));
        });
    });
}

const TWordList* TQuorDataModule::PagePairs(std::int32_t wordId, TStatementKind kind,
                                            bool absolute) {
    if (!mPageRows)
        return nullptr;
    const bool homonyms = kind == TStatementKind::Homonyms;
    auto& rows = homonyms   ? mPageRows->Homonyms
                 : absolute ? mPageRows->Absolute
                            : mPageRows->Relative;
    TParameters parameters;
    if (!homonyms)
        parameters.emplace_back("IS_ABSOLUTE", absolute ? 1 : 0);
    return mPageRows->Known(rows, wordId, [&](const auto& row) {
        const std::vector<std::int32_t>& ids = mPageRows->Ids();
        return ReadBatch(homonyms ? TBatchKind::Homonyms : TBatchKind::Synonyms, parameters,
                         [&row, &ids](TQuery& query, std::size_t at) {
                             row(at).Add(OtherWord(query, ids[at]));
                         });
    });
}

auto TQuorDataModule::PageAbsolutePairs() -> const TKnownPairs* {
    if (!mPageRows)
        return nullptr;
    TPageRows& page = *mPageRows;
    if (!page.PairsTried && page.Relative.Read && page.Absolute.Read) {
        page.PairsTried = true;
        // Every word that a relative-synonym row groups: the word, its relative and its absolute
        // synonyms.
        std::vector<std::int32_t> ids;
        std::unordered_set<std::int32_t> seen;
        const auto add = [&](std::int32_t id) {
            if (seen.insert(id).second)
                ids.push_back(id);
        };
        for (std::size_t place = 0; place < page.Ids().size(); ++place) {
            if (page.Relative.Rows[place].IsEmpty())
                continue;
            add(page.Ids()[place]);
            for (const TWordList* words : {&page.Relative.Rows[place], &page.Absolute.Rows[place]})
                for (const TWord& word : *words)
                    add(word.Id);
        }
        auto known = std::make_unique<TKnownPairs>();
        if (ids.size() >= 2 && ReadPairsAmong(ids, *known))
            page.Pairs = std::move(known);
    }
    return page.Pairs.get();
}

} // namespace Quor

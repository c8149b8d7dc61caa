#include "core/store/SqliteDialect.h"

#include "core/QuorError.h"
#include "core/store/SqliteNetworkState.h"
#include "core/text/CodePage.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <array>
#include <cerrno>
#include <sqlite3.h>
#include <sys/stat.h>

namespace Quor {

namespace {

// Statement texts, line by line; each line ends with CR LF.
QString Lines(std::initializer_list<const char*> lines) {
    QString text;
    for (const char* line : lines)
        text += QString::fromLatin1(line) + QStringLiteral("\r\n");
    return text;
}

// Bytes 18 and 19 of an SQLite file's header are 2 when it uses a write-ahead log.
bool InWriteAheadLogMode(const QString& databasePath) {
    QFile file(databasePath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(20);
    return header.size() == 20 && header[18] == 2 && header[19] == 2;
}

// Why a database that opened can not be read: the engine's message, or what the user can do
// where the engine's words would not tell.
std::string UnreadableReason(const QString& databasePath, const QSqlError& error) {
    const QString journal = databasePath + QStringLiteral("-journal");
    if (QFileInfo::exists(journal))
        return "Another program left an unfinished change in " + ToPageText(journal) +
               "; the network can be read again once that program, or sqlite3 opening the file "
               "for writing, completes it.";
    const QString log = databasePath + QStringLiteral("-wal");
    const QString index = databasePath + QStringLiteral("-shm");
    if (InWriteAheadLogMode(databasePath) && !(QFileInfo::exists(log) && QFileInfo::exists(index)))
        return "The network is in write-ahead-log mode: SQLite reads it only with the files " +
               ToPageText(log) + " and " + ToPageText(index) +
               " beside it, and can not create them in the folder " +
               ToPageText(QFileInfo(databasePath).absolutePath()) +
               ". Let this user write to that folder, or turn the network to rollback-journal "
               "mode with the statement \"pragma journal_mode = delete\" in sqlite3";
    return EngineMessage(error);
}

class TSqliteDialect final : public TSqlDialect {
public:
    explicit TSqliteDialect(TSearchIndexSettings searchIndexes)
        : mSearchIndexes(std::move(searchIndexes)) {}

    QString DriverName() const override { return QStringLiteral("QSQLITE"); }

    void PrepareToOpen(QSqlDatabase& connection, const QString& databasePath) const override {
        const std::string path = ToPageText(databasePath);
        struct stat file {};
        if (::stat(QFile::encodeName(databasePath).constData(), &file) != 0) {
            if (errno == ENOENT || errno == ENOTDIR)
                throw EQuorError("The database file " + path + " does not exist.");
            // A folder on the way that this user may not enter, for example.
            throw EQuorError("The database file " + path +
                             " can not be reached: " + SystemErrorText() + ".");
        }
        if (!S_ISREG(file.st_mode))
            throw EQuorError("The database " + path + " is not a file.");
        // SQLite would take an empty file for an empty database.
        if (file.st_size == 0)
            throw EQuorError("The database file " + path + " is empty.");

        // A writer holding the file locked makes a lookup wait a moment, then fail with the
        // engine's "database is locked" rather than hang the window. A database in
        // write-ahead-log mode is read through its "-wal" and "-shm" files, which SQLite creates
        // beside it when they are missing, so that another program's changes are seen.
        connection.setDatabaseName(databasePath);
        connection.setConnectOptions(
            QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=1000"));
    }

    void SetUpConnection(QSqlDatabase& connection, const QString& databasePath) const override {
        sqlite3* db = SqliteHandle(connection);
        if (!db || RegisterSqliteFunctions(db) != SQLITE_OK)
            throw EQuorError("Can not register the SQL functions ucase and len.");
        // SQLite reads the file lazily; reading the schema now tells a file that is not a
        // database at once. A larger page cache keeps the relation indexes of a big network
        // in memory while a page is composed.
        QSqlQuery probe(connection);
        if (!probe.exec(QStringLiteral("select count(*) from sqlite_master")))
            throw EQuorError(UnreadableReason(databasePath, probe.lastError()));
        probe.exec(QStringLiteral("pragma cache_size = -16384"));
        // Where SQLite would walk the pairs of a word's batch otherwise than the word's own
        // statement walks them (ids stored as text make it scan the words), the order of its rows
        // could differ: those lookups go one by one.
        for (const auto& [batch, single] :
             {std::pair(TBatchKind::Homonyms, TStatementKind::Homonyms),
              std::pair(TBatchKind::Synonyms, TStatementKind::Synonyms)})
            mBatchRefused[static_cast<std::size_t>(batch)] =
                Plan(connection, BatchText(batch), true) != Plan(connection, StatementText(single));
    }

    // The statements give the same rows whether the ids are stored as integers or, as in a network
    // imported with sqlite3's ".import --csv", as text: a value bound to a parameter takes the
    // type of the column it is compared with, and the id orders and the id text of WordById are
    // read as numbers.
    QString StatementText(TStatementKind kind) const override {
        switch (kind) {
        case TStatementKind::WordsExact:
            return Lines({"select ID, MORE_INFO, WORD", "from T_WORD ",
                          "where ucase(WORD) = ucase(:WORD)", "and LANG_CODE = :LANG_CODE"});
        case TStatementKind::WordsInexact:
            return Lines({"select ID, MORE_INFO, WORD", "from T_WORD ",
                          "where ucase(WORD) like ucase(:WORD)", "and LANG_CODE = :LANG_CODE",
                          "order by len(WORD)"});
        case TStatementKind::Meanings:
            return Lines({"select T_MEANING.ID as ID, MEANING", "from T_MEANING, TM_WORD_MEANING",
                          "where TM_WORD_MEANING.WORD_ID = :WORD_ID",
                          "and T_MEANING.ID = TM_WORD_MEANING.MEANING_ID",
                          "order by cast(T_MEANING.ID as integer)"});
        case TStatementKind::Homonyms:
            return PairsText("T_HOMONYM AS H", "H", {});
        case TStatementKind::Synonyms:
            return PairsText("T_SYNONYM AS S", "S", {"and", "    S.IS_ABSOLUTE=:IS_ABSOLUTE"});
        case TStatementKind::WordById:
            // An id text that reads as a number ("12", " 12 ", "12.0", "1e1") is that number, as
            // an integer column would take it; any other text is compared as it is.
            return Lines(
                {"select *", "from T_WORD",
                 "where ID=(select case when cast(T as numeric) = T then cast(T as numeric) "
                 "else T end from (select :ID as T))"});
        case TStatementKind::CheckAbsSyns:
            // Only whether a row exists matters; selecting a constant instead of every column
            // spares the driver describing them on each of the thousands of runs of a word table.
            return Lines(
                {"select ", "    1", "from ", "    T_SYNONYM", "where ", "     IS_ABSOLUTE = 1",
                 "and", "    (", "        (FIRST_WORD_ID=:WORD_ID_1 and SECOND_WORD_ID=:WORD_ID_2)",
                 "        or", "        (FIRST_WORD_ID=:WORD_ID_3 and SECOND_WORD_ID=:WORD_ID_4)",
                 "    )"});
        case TStatementKind::WordsByMeanings:
            // Every word of the language, each of its meanings and each typed word, found where
            // the meaning has a word with one of its starts: slow on a large network, where the
            // meanings index answers instead.
            return Lines({"select W.ID as ID, W.MORE_INFO as MORE_INFO, W.WORD as WORD",
                          "from T_WORD AS W, TM_WORD_MEANING AS WM, T_MEANING AS M",
                          "where W.LANG_CODE = :LANG_CODE",
                          "and WM.WORD_ID = W.ID and M.ID = WM.MEANING_ID",
                          "and not exists (select 1 from json_each(:TERMS) AS T",
                          "    where not exists (select 1 from json_each(T.value) AS S",
                          "        where instr(meaning_words(M.MEANING), ' ' || S.value) > 0))",
                          "order by len(M.MEANING), cast(M.ID as integer), cast(W.ID as integer)"});
        }
        return {};
    }

    // The lists are read by json_each. Each id of them is compared with the column as a bound id
    // is in the one-by-one question: "+value" has no type of its own, so it takes the column's,
    // integer or text. Only FIRST_WORD_ID is sought in the list (one seek per word); the test of
    // SECOND_WORD_ID against the other copy of it is wrapped in "is true", which keeps SQLite from
    // seeking it too (that would make it try every pair of the list's words).
    QString AbsolutePairsText() const override {
        return Lines(
            {"select", "    S.FIRST_WORD_ID as FIRST_WORD_ID, S.SECOND_WORD_ID as SECOND_WORD_ID",
             "from", "    T_SYNONYM AS S", "where", "    S.IS_ABSOLUTE = 1", "and",
             "    S.FIRST_WORD_ID in (select +value from json_each(:FIRST_WORD_IDS))", "and",
             "    (S.SECOND_WORD_ID in (select +value from json_each(:SECOND_WORD_IDS))) is true"});
    }

    QString NetworkLabel(QSqlDatabase& connection) const override {
        sqlite3* db = SqliteHandle(connection);
        return db ? SqliteNetworkLabel(db, "main") : QString();
    }

    // Each batch reads the ids from json_each in a loop outside the one-by-one statement's tables
    // ("cross join" keeps it outside), so that every word's rows come from the plan of its own
    // statement, in its order; "+J.value" is compared as a bound id is.
    QString BatchText(TBatchKind kind) const override {
        if (mBatchRefused[static_cast<std::size_t>(kind)])
            return {};
        switch (kind) {
        case TBatchKind::Words:
            return Lines({"select J.key as PLACE, W.ID as ID, W.WORD as WORD, W.MORE_INFO as "
                          "MORE_INFO, W.LANG_CODE as LANG_CODE",
                          "from json_each(:WORD_IDS) as J cross join T_WORD as W",
                          "where W.ID = +J.value"});
        case TBatchKind::Meanings:
            return Lines({"select J.key as PLACE, T_MEANING.ID as ID, MEANING",
                          "from json_each(:WORD_IDS) as J cross join TM_WORD_MEANING, T_MEANING",
                          "where TM_WORD_MEANING.WORD_ID = +J.value",
                          "and T_MEANING.ID = TM_WORD_MEANING.MEANING_ID",
                          "order by J.key, cast(T_MEANING.ID as integer)"});
        case TBatchKind::Homonyms:
            return PairsBatchText("T_HOMONYM AS H", "H", {});
        case TBatchKind::Synonyms:
            return PairsBatchText("T_SYNONYM AS S", "S", {"and", "    S.IS_ABSOLUTE=:IS_ABSOLUTE"});
        }
        return {};
    }

    std::unique_ptr<TSearchIndex> MakeSearchIndex(TStatementKind kind,
                                                  const QString& databasePath) const override {
        return MakeSqliteSearchIndex(kind, databasePath, StatementText(kind), mSearchIndexes);
    }

private:
    // The homonym and synonym statements: the pairs that hold a word, each with both its words.
    static QString PairsText(const char* pairTable, const char* alias,
                             std::initializer_list<const char*> extraLines) {
        const QString a = QString::fromLatin1(alias);
        QString text = Lines({"select",
                              "    W1.ID as \"W1.ID\", W1.WORD as \"W1.WORD\", "
                              "W1.MORE_INFO as \"W1.MORE_INFO\", ",
                              "    W2.ID as \"W2.ID\", W2.WORD as \"W2.WORD\", "
                              "W2.MORE_INFO as \"W2.MORE_INFO\"",
                              "from"});
        text += QStringLiteral("    T_WORD AS W1, T_WORD AS W2, ") +
                QString::fromLatin1(pairTable) + QStringLiteral("\r\nwhere\r\n");
        text += QStringLiteral("    %1.FIRST_WORD_ID=W1.ID and %1.SECOND_WORD_ID=W2.ID\r\n"
                               "and\r\n"
                               "    (%1.FIRST_WORD_ID=:FIRST_WORD_ID or \r\n"
                               "     %1.SECOND_WORD_ID = :SECOND_WORD_ID)\r\n")
                    .arg(a);
        text += Lines(extraLines);
        return text;
    }

    // The steps of a statement's query plan; those of a batch without its first, the loop over
    // the ids.
    static QStringList Plan(QSqlDatabase& connection, const QString& statement,
                            bool batch = false) {
        // Through SQLite itself: the driver refuses a statement whose parameters have no values.
        sqlite3_stmt* plan = nullptr;
        const QByteArray text = (QStringLiteral("explain query plan ") + statement).toUtf8();
        QStringList steps;
        if (sqlite3_prepare_v2(SqliteHandle(connection), text.constData(), -1, &plan, nullptr) !=
            SQLITE_OK)
            steps << QStringLiteral("no plan");
        while (plan && sqlite3_step(plan) == SQLITE_ROW)
            steps << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(plan, 3)));
        sqlite3_finalize(plan);
        if (batch && !steps.isEmpty() && steps.front().startsWith(QLatin1String("SCAN J ")))
            steps.removeFirst();
        return steps;
    }

    static QString PairsBatchText(const char* pairTable, const char* alias,
                                  std::initializer_list<const char*> extraLines) {
        const QString a = QString::fromLatin1(alias);
        QString text = Lines({"select", "    J.key as PLACE,",
                              "    W1.ID as \"W1.ID\", W1.WORD as \"W1.WORD\", "
                              "W1.MORE_INFO as \"W1.MORE_INFO\", ",
                              "    W2.ID as \"W2.ID\", W2.WORD as \"W2.WORD\", "
                              "W2.MORE_INFO as \"W2.MORE_INFO\"",
                              "from"});
        text += QStringLiteral("    json_each(:WORD_IDS) as J cross join ") +
                QString::fromLatin1(pairTable) +
                QStringLiteral(", T_WORD AS W1, T_WORD AS W2\r\nwhere\r\n");
        text += QStringLiteral("    %1.FIRST_WORD_ID=W1.ID and %1.SECOND_WORD_ID=W2.ID\r\n"
                               "and\r\n"
                               "    (%1.FIRST_WORD_ID=+J.value or \r\n"
                               "     %1.SECOND_WORD_ID = +J.value)\r\n")
                    .arg(a);
        text += Lines(extraLines);
        return text;
    }

    const TSearchIndexSettings mSearchIndexes;
    // The batches that the connection found walking their words' rows in another way.
    mutable std::array<bool, kBatchKindCount> mBatchRefused{};
};

} // namespace

std::unique_ptr<TSqlDialect> MakeSqliteDialect(const TSearchIndexSettings& searchIndexes) {
    return std::make_unique<TSqliteDialect>(searchIndexes);
}

} // namespace Quor

#include "core/store/PostgresDialect.h"

#include "core/QuorError.h"
#include "core/store/PostgresAddress.h"
#include "core/text/CodePage.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <algorithm>

namespace Quor {

namespace {

// libpq's quoting of a value in a connection string.
QString ConnectionValue(const QString& value) {
    QString quoted = value;
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    quoted.replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

// The connection options for QPSQL: the URI's own, then a name the server's administrator sees
// and a limit on waiting for an unreachable server, unless the URI sets them.
QString ConnectOptions(const TPostgresAddress& address) {
    auto options = address.Options;
    const auto given = [&options](QLatin1String name) {
        for (const auto& option : options)
            if (option.first == name)
                return true;
        return false;
    };
    if (!given(QLatin1String("application_name")))
        options.emplace_back(QStringLiteral("application_name"),
                             QStringLiteral("QuorSemNetBrowser"));
    if (!given(QLatin1String("connect_timeout")))
        options.emplace_back(QStringLiteral("connect_timeout"), QStringLiteral("10"));
    QStringList parts;
    for (const auto& [name, value] : options) {
        // QPSQL separates the options with ";"; a name is a plain word.
        const bool plainName =
            !name.isEmpty() && std::all_of(name.begin(), name.end(), [](QChar c) {
                return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || c == QLatin1Char('_');
            });
        if (!plainName || value.contains(QLatin1Char(';')))
            throw EQuorError("The connection option " + ToPageText(name) +
                             " of the database address can not be passed on: an option is a "
                             "lower-case name and a value without \";\".");
        parts << name + QLatin1Char('=') + ConnectionValue(value);
    }
    return parts.join(QLatin1Char(';'));
}

// The search in meanings, every meaning of the language's words read.
QString MeaningsSearchText() {
    return QStringLiteral(
               "select W.ID as \"ID\", W.MORE_INFO as \"MORE_INFO\", W.WORD as \"WORD\"\n"
               "from T_WORD as W, TM_WORD_MEANING as WM, T_MEANING as M\n"
               "where W.LANG_CODE = :LANG_CODE\n"
               "and WM.WORD_ID = W.ID and M.ID = WM.MEANING_ID\n"
               "and not exists (\n"
               "    select 1 from json_array_elements_text(cast(:TERMS as json)) as T\n"
               "    where position(' ' || T.value in %1) = 0)\n"
               "order by char_length(M.MEANING), M.ID, W.ID\n")
        .arg(PostgresMeaningWords(QStringLiteral("M.MEANING")));
}

// The search in meanings through the full-text index that the loader makes on the words of each
// meaning (IX_MEANING_WORDS, over T_MEANING.MEANING_WORDS): the meanings with a word beginning
// with each typed word (PREFIXES, "ИЗМЕРВ:* & УРЕД:*"), then the same rows and order as the plain
// statement. The server's parser reads the words as they are kept, parted by spaces (in the C
// locale every letter beyond ASCII is a letter to it), and both sides of the match are lower-cased
// alike.
class TPostgresMeaningsIndex final : public TSearchIndex {
public:
    TReadiness Prepare(QSqlDatabase& connection, const TBusyNotice&) override {
        // Asked once a connection: a network loaded by an older loader has no such index.
        if (mAskedOf != connection.connectionName() || !mAsked) {
            QSqlQuery query(connection);
            mReady =
                query.exec(QStringLiteral("select to_regclass('ix_meaning_words') is not null")) &&
                query.next() && query.value(0).toBool();
            mAskedOf = connection.connectionName();
            mAsked = true;
        }
        return mReady ? TReadiness::Ready : TReadiness::Refused;
    }
    QString StatementText() const override {
        return QStringLiteral(
            "select W.ID as \"ID\", W.MORE_INFO as \"MORE_INFO\", W.WORD as \"WORD\"\n"
            "from T_MEANING as M, TM_WORD_MEANING as WM, T_WORD as W\n"
            "where to_tsvector('simple', M.MEANING_WORDS) @@ to_tsquery('simple', :PREFIXES)\n"
            "and not exists (\n"
            "    select 1 from json_array_elements_text(cast(:TERMS as json)) as T\n"
            "    where position(' ' || T.value in M.MEANING_WORDS) = 0)\n"
            "and WM.MEANING_ID = M.ID and W.ID = WM.WORD_ID and W.LANG_CODE = :LANG_CODE\n"
            "order by char_length(M.MEANING), M.ID, W.ID\n");
    }
    bool IsCurrent(QSqlDatabase&) const override { return true; }
    void Discard() override { mAsked = false; }

private:
    QString mAskedOf;
    bool mAsked = false;
    bool mReady = false;
};

// The self-join of the homonym and synonym statements: the pairs that hold the word first, and
// those that hold it second only. The loader numbers each pair's place in SQLite's order among
// the first ones in FIRST_ORD and among the second ones in SECOND_ORD.
QString PairsText(const QString& table, const QString& extraCondition) {
    return QStringLiteral(
               "select\n"
               "    W1.ID as \"W1.ID\", W1.WORD as \"W1.WORD\", W1.MORE_INFO as \"W1.MORE_INFO\",\n"
               "    W2.ID as \"W2.ID\", W2.WORD as \"W2.WORD\", W2.MORE_INFO as \"W2.MORE_INFO\"\n"
               "from\n"
               "    (select P.*, P.FIRST_ORD as PLACE from %1 as P\n"
               "     where P.FIRST_WORD_ID = :FIRST_WORD_ID\n"
               "     union all\n"
               "     select P.*, P.SECOND_ORD from %1 as P\n"
               "     where P.SECOND_WORD_ID = :SECOND_WORD_ID\n"
               "     and P.FIRST_WORD_ID <> P.SECOND_WORD_ID) as R,\n"
               "    T_WORD as W1, T_WORD as W2\n"
               "where\n"
               "    R.FIRST_WORD_ID = W1.ID and R.SECOND_WORD_ID = W2.ID%2\n"
               "order by R.PLACE\n")
        .arg(table, extraCondition);
}

class TPostgresDialect final : public TSqlDialect {
public:
    QString DriverName() const override { return QStringLiteral("QPSQL"); }

    QString DisplayName(const QString& database) const override {
        try {
            return ParsePostgresUri(database).Described();
        } catch (const EQuorError&) {
            return UriWithoutPassword(database);
        }
    }

    void PrepareToOpen(QSqlDatabase& connection, const QString& databasePath) const override {
        // Qt says only "Driver not loaded"; the driver is a package of its own.
        if (!QSqlDatabase::isDriverAvailable(DriverName()))
            throw EQuorError("Can not open the database " + ToPageText(DisplayName(databasePath)) +
                             ": Qt's PostgreSQL driver is not installed (Debian's package "
                             "libqt6sql6-psql).");
        const TPostgresAddress address = ParsePostgresUri(databasePath);
        connection.setHostName(address.Host);
        connection.setPort(address.Port);
        connection.setDatabaseName(address.DatabaseName);
        connection.setUserName(address.User);
        connection.setPassword(address.Password);
        connection.setConnectOptions(ConnectOptions(address));
    }

    void SetUpConnection(QSqlDatabase& connection, const QString&) const override {
        QSqlQuery setUp(connection);
        // Each statement is prepared once and planned once: every plan is a few index lookups
        // whatever the values, and the server would otherwise plan some statements again for
        // every run, which costs more than running them.
        for (const char* statement :
             {"set session characteristics as transaction isolation level repeatable read, "
              "read only",
              "set plan_cache_mode = force_generic_plan"})
            if (!setUp.exec(QLatin1String(statement)))
                throw EQuorError(EngineMessage(setUp.lastError()));
        // Every table and column the statements read, and the collation of ucase.
        QSqlQuery probe(connection);
        if (!probe.exec(QStringLiteral(
                "select W.ID, W.WORD, W.MORE_INFO, W.LANG_CODE, W.ORD,\n"
                "    W.WORD_UPPER, upper(W.WORD collate \"und-x-icu\"), M.ID, M.MEANING, "
                "WM.WORD_ID,\n"
                "    WM.MEANING_ID, H.FIRST_WORD_ID, H.SECOND_WORD_ID, H.FIRST_ORD, H.SECOND_ORD,\n"
                "    S.FIRST_WORD_ID, S.SECOND_WORD_ID, S.IS_ABSOLUTE, S.FIRST_ORD, S.SECOND_ORD\n"
                "from T_WORD as W, T_MEANING as M, TM_WORD_MEANING as WM, T_HOMONYM as H,\n"
                "    T_SYNONYM as S\n"
                "where false")))
            throw EQuorError(EngineMessage(probe.lastError()) +
                             " A network is put on a server with the loader LoadNetwork, which "
                             "makes every table and column the browser reads.");
    }

    QString StatementText(TStatementKind kind) const override {
        // The search text's upper case is a subquery, which the server computes once per run
        // rather than once for every word it passes. The similar search's pattern has no escape
        // character, as in SQLite: each backslash is doubled for PostgreSQL's default escape
        // (what "escape ''" does too, but again for every word).
        switch (kind) {
        case TStatementKind::WordsExact:
            return QStringLiteral(
                "select ID as \"ID\", MORE_INFO as \"MORE_INFO\", WORD as \"WORD\"\n"
                "from T_WORD\n"
                "where WORD_UPPER = (select upper(cast(:WORD as text) collate \"und-x-icu\")) "
                "collate \"C\"\n"
                "and LANG_CODE = :LANG_CODE\n"
                "order by ORD\n"
                "limit :ROW_LIMIT\n");
        case TStatementKind::WordsInexact:
            return QStringLiteral(
                "select ID as \"ID\", MORE_INFO as \"MORE_INFO\", WORD as \"WORD\"\n"
                "from T_WORD\n"
                "where WORD_UPPER like (select replace(upper(cast(:WORD as text) collate "
                "\"und-x-icu\"), '\\', '\\\\')) collate \"C\"\n"
                "and LANG_CODE = :LANG_CODE\n"
                "order by char_length(WORD), ORD\n"
                "limit :ROW_LIMIT\n");
        case TStatementKind::Meanings:
            return QStringLiteral("select T_MEANING.ID as \"ID\", MEANING as \"MEANING\"\n"
                                  "from T_MEANING, TM_WORD_MEANING\n"
                                  "where TM_WORD_MEANING.WORD_ID = :WORD_ID\n"
                                  "and T_MEANING.ID = TM_WORD_MEANING.MEANING_ID\n"
                                  "order by T_MEANING.ID\n");
        case TStatementKind::Homonyms:
            return PairsText(QStringLiteral("T_HOMONYM"), {});
        case TStatementKind::Synonyms:
            return PairsText(QStringLiteral("T_SYNONYM"),
                             QStringLiteral("\nand R.IS_ABSOLUTE = :IS_ABSOLUTE"));
        case TStatementKind::WordById:
            // SQLite compares the id text with the integer column as a number when it reads as
            // one ("12", " 12 ", "12.0", "1e1") and finds nothing otherwise; so does this,
            // instead of failing on a text that is no number.
            return QStringLiteral(
                "select ID as \"ID\", WORD as \"WORD\", MORE_INFO as \"MORE_INFO\",\n"
                "    LANG_CODE as \"LANG_CODE\"\n"
                "from T_WORD\n"
                "where ID = (\n"
                "    select case when N = trunc(N) and abs(N) <= 9223372036854775807\n"
                "        then cast(N as bigint) end\n"
                "    from (select cast(case when T ~ "
                "'^[[:space:]]*[-+]?([0-9]+[.]?[0-9]*|[.][0-9]+)"
                "([eE][-+]?[0-9]{1,3})?[[:space:]]*$' then T end as numeric) as N\n"
                "        from (select cast(:ID as text) as T) as P) as Q)\n");
        case TStatementKind::CheckAbsSyns:
            return QStringLiteral(
                "select 1\n"
                "from T_SYNONYM\n"
                "where IS_ABSOLUTE = 1\n"
                "and ((FIRST_WORD_ID = :WORD_ID_1 and SECOND_WORD_ID = :WORD_ID_2)\n"
                "    or (FIRST_WORD_ID = :WORD_ID_3 and SECOND_WORD_ID = :WORD_ID_4))\n"
                "limit 1\n");
        case TStatementKind::WordsByMeanings:
            return MeaningsSearchText();
        }
        return {};
    }

    std::unique_ptr<TSearchIndex> MakeSearchIndex(TStatementKind kind,
                                                  const QString&) const override {
        if (kind != TStatementKind::WordsByMeanings)
            return nullptr;
        return std::make_unique<TPostgresMeaningsIndex>();
    }

    // The two lists arrive as JSON text, each id cast to the columns' type so that the pair
    // index serves: the server seeks the pairs of each first word in the index and keeps those
    // whose second word is in the other list.
    QString AbsolutePairsText() const override {
        return QStringLiteral(
            "select S.FIRST_WORD_ID as \"FIRST_WORD_ID\", S.SECOND_WORD_ID as \"SECOND_WORD_ID\"\n"
            "from T_SYNONYM as S\n"
            "where S.FIRST_WORD_ID in (select cast(F.value as bigint)\n"
            "    from json_array_elements_text(cast(:FIRST_WORD_IDS as json)) as F)\n"
            "and S.SECOND_WORD_ID in (select cast(P.value as bigint)\n"
            "    from json_array_elements_text(cast(:SECOND_WORD_IDS as json)) as P)\n"
            "and S.IS_ABSOLUTE = 1\n");
    }
};

} // namespace

QString PostgresMeaningWords(const QString& column) {
    return QStringLiteral("' ' || regexp_replace(translate(upper(\n"
                          "        regexp_replace(%1, '[\\u0300-\\u036F]', '', 'g') collate "
                          "\"und-x-icu\"),\n"
                          "        'ЁЍ', 'ЕИ'), '[^[:alnum:]]+', ' ', 'g') || ' '")
        .arg(column);
}

std::unique_ptr<TSqlDialect> MakePostgresDialect() {
    return std::make_unique<TPostgresDialect>();
}

} // namespace Quor

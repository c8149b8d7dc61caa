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
    if (!address.Ports.isEmpty())
        options.emplace_back(QStringLiteral("port"), address.Ports);
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
               "    select 1 from json_array_elements(cast(:TERMS as json)) as T\n"
               "    where not exists (\n"
               "        select 1 from json_array_elements_text(T.value) as S\n"
               "        where position(' ' || S.value in %1) > 0))\n"
               "order by char_length(M.MEANING), M.ID, W.ID\n")
        .arg(PostgresMeaningWords(QStringLiteral("M.MEANING")));
}

// The search in meanings through the full-text index that the loader makes on the words of each
// meaning (IX_MEANING_WORDS, over T_MEANING.MEANING_WORDS): the meanings with a word beginning
// with one of the starts of each typed word (PREFIXES, "ИЗМЕРВ:* & (УРЕД:* | ПРИБОР:*)"), then the
// same rows and order as the plain statement. The server's parser reads the words as they are kept,
// parted by spaces (in the C locale every letter beyond ASCII is a letter to it), and both sides of
// the match are lower-cased alike.
class TPostgresMeaningsIndex final : public TSearchIndex {
public:
    TReadiness Prepare(QSqlDatabase& connection, const TBuilding&) override {
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
            "    select 1 from json_array_elements(cast(:TERMS as json)) as T\n"
            "    where not exists (\n"
            "        select 1 from json_array_elements_text(T.value) as S\n"
            "        where position(' ' || S.value in M.MEANING_WORDS) > 0))\n"
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

// The pairs of the homonym and synonym statements that hold the word :FIRST_WORD_ID (or, given
// `word`, that expression): those that hold it first, and those that hold it second only, each
// with its order keys K1, K2 and K3. The loader numbers each pair's place in SQLite's order among
// the first ones in FIRST_ORD and among the second ones in SECOND_ORD; a plain network has the
// first ones before the second ones, each by the other word's id, and a pair stored twice in the
// order of the table.
QString PairsHoldingWord(const QString& table, bool plain, const QString& first,
                         const QString& second) {
    const QString keys = plain ? QStringLiteral("0 as K1, P.SECOND_WORD_ID as K2, P.ctid as K3")
                               : QStringLiteral("0 as K1, P.FIRST_ORD as K2, P.ctid as K3");
    const QString secondKeys = plain ? QStringLiteral("1, P.FIRST_WORD_ID, P.ctid")
                                     : QStringLiteral("0, P.SECOND_ORD, P.ctid");
    return QStringLiteral("(select P.FIRST_WORD_ID, P.SECOND_WORD_ID%5, %2 from %1 as P\n"
                          "     where P.FIRST_WORD_ID = %3\n"
                          "     union all\n"
                          "     select P.FIRST_WORD_ID, P.SECOND_WORD_ID%5, %6 from %1 as P\n"
                          "     where P.SECOND_WORD_ID = %4\n"
                          "     and P.FIRST_WORD_ID <> P.SECOND_WORD_ID)")
        .arg(table, keys, first, second,
             table == QLatin1String("T_SYNONYM") ? QStringLiteral(", P.IS_ABSOLUTE") : QString(),
             secondKeys);
}

constexpr const char* kPairColumns =
    "    W1.ID as \"W1.ID\", W1.WORD as \"W1.WORD\", W1.MORE_INFO as \"W1.MORE_INFO\",\n"
    "    W2.ID as \"W2.ID\", W2.WORD as \"W2.WORD\", W2.MORE_INFO as \"W2.MORE_INFO\"\n";

// The self-join of the homonym and synonym statements.
QString PairsText(const QString& table, bool plain, const QString& extraCondition) {
    return QStringLiteral("select\n%1from\n    %2 as R,\n"
                          "    T_WORD as W1, T_WORD as W2\n"
                          "where\n"
                          "    R.FIRST_WORD_ID = W1.ID and R.SECOND_WORD_ID = W2.ID%3\n"
                          "order by R.K1, R.K2, R.K3\n")
        .arg(QLatin1String(kPairColumns),
             PairsHoldingWord(table, plain, QStringLiteral(":FIRST_WORD_ID"),
                              QStringLiteral(":SECOND_WORD_ID")),
             extraCondition);
}

// The word ids of a batch, J.WORD_ID, each with its place in the array, J.PLACE (from 0).
constexpr const char* kBatchIds =
    "(select cast(I.value as bigint) as WORD_ID, I.ordinality - 1 as PLACE\n"
    "     from json_array_elements_text(cast(:WORD_IDS as json)) with ordinality as I) as J";

// The pairs of every word of a batch, each word's in the order of its own statement.
QString PairsBatchText(const QString& table, bool plain, const QString& extraCondition) {
    return QStringLiteral("select\n    J.PLACE as \"PLACE\",\n%1from\n    %2\n"
                          "    cross join lateral %3 as R,\n"
                          "    T_WORD as W1, T_WORD as W2\n"
                          "where\n"
                          "    R.FIRST_WORD_ID = W1.ID and R.SECOND_WORD_ID = W2.ID%4\n"
                          "order by J.PLACE, R.K1, R.K2, R.K3\n")
        .arg(QLatin1String(kPairColumns), QLatin1String(kBatchIds),
             PairsHoldingWord(table, plain, QStringLiteral("J.WORD_ID"),
                              QStringLiteral("J.WORD_ID")),
             extraCondition);
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
                "select W.ID, W.WORD, W.MORE_INFO, W.LANG_CODE, upper(W.WORD collate "
                "\"und-x-icu\"),\n"
                "    M.ID, M.MEANING, WM.WORD_ID, WM.MEANING_ID, H.FIRST_WORD_ID, "
                "H.SECOND_WORD_ID,\n"
                "    S.FIRST_WORD_ID, S.SECOND_WORD_ID, S.IS_ABSOLUTE\n"
                "from T_WORD as W, T_MEANING as M, TM_WORD_MEANING as WM, T_HOMONYM as H,\n"
                "    T_SYNONYM as S\n"
                "where false")))
            throw EQuorError(EngineMessage(probe.lastError()) +
                             " The browser reads the five tables T_WORD, T_MEANING, "
                             "TM_WORD_MEANING, T_HOMONYM and T_SYNONYM.");
        // The loader's columns for the searches and the orders; a network put on the server by
        // another tool lacks them, and is read with statements over the plain tables.
        mPlain = !probe.exec(QStringLiteral(
            "select W.ORD, W.WORD_UPPER, H.FIRST_ORD, H.SECOND_ORD, S.FIRST_ORD, S.SECOND_ORD\n"
            "from T_WORD as W, T_HOMONYM as H, T_SYNONYM as S\n"
            "where false"));
    }

    QString NetworkNotice(const QString& databasePath) const override {
        if (!mPlain)
            return {};
        return QStringLiteral("The network on %1 lacks the search indexes, so searches of a large "
                              "network are slow. Its owner adds them with "
                              "\"LoadNetwork --add-indexes URI\".")
            .arg(DisplayName(databasePath));
    }

    QString StatementText(TStatementKind kind) const override {
        // The search text's upper case is a subquery, which the server computes once per run
        // rather than once for every word it passes. The similar search's pattern has no escape
        // character, as in SQLite: each backslash is doubled for PostgreSQL's default escape
        // (what "escape ''" does too, but again for every word).
        switch (kind) {
        case TStatementKind::WordsExact:
            if (mPlain)
                return QStringLiteral(
                    "select ID as \"ID\", MORE_INFO as \"MORE_INFO\", WORD as \"WORD\"\n"
                    "from T_WORD\n"
                    "where upper(WORD collate \"und-x-icu\") collate \"C\" =\n"
                    "    (select upper(cast(:WORD as text) collate \"und-x-icu\")) collate \"C\"\n"
                    "and LANG_CODE = :LANG_CODE\n"
                    "order by ID\n"
                    "limit :ROW_LIMIT\n");
            return QStringLiteral(
                "select ID as \"ID\", MORE_INFO as \"MORE_INFO\", WORD as \"WORD\"\n"
                "from T_WORD\n"
                "where WORD_UPPER = (select upper(cast(:WORD as text) collate \"und-x-icu\")) "
                "collate \"C\"\n"
                "and LANG_CODE = :LANG_CODE\n"
                "order by ORD\n"
                "limit :ROW_LIMIT\n");
        case TStatementKind::WordsInexact:
            if (mPlain)
                return QStringLiteral(
                    "select ID as \"ID\", MORE_INFO as \"MORE_INFO\", WORD as \"WORD\"\n"
                    "from T_WORD\n"
                    "where upper(WORD collate \"und-x-icu\") collate \"C\" like\n"
                    "    (select replace(upper(cast(:WORD as text) collate \"und-x-icu\"), '\\', "
                    "'\\\\')) collate \"C\"\n"
                    "and LANG_CODE = :LANG_CODE\n"
                    "order by char_length(WORD), ID\n"
                    "limit :ROW_LIMIT\n");
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
            return PairsText(QStringLiteral("T_HOMONYM"), mPlain, {});
        case TStatementKind::Synonyms:
            return PairsText(QStringLiteral("T_SYNONYM"), mPlain,
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

    QString BatchText(TBatchKind kind) const override {
        switch (kind) {
        case TBatchKind::Words:
            return QStringLiteral("select J.PLACE as \"PLACE\", W.ID as \"ID\", W.WORD as "
                                  "\"WORD\",\n"
                                  "    W.MORE_INFO as \"MORE_INFO\", W.LANG_CODE as \"LANG_CODE\"\n"
                                  "from %1, T_WORD as W\n"
                                  "where W.ID = J.WORD_ID\n")
                .arg(QLatin1String(kBatchIds));
        case TBatchKind::Meanings:
            return QStringLiteral("select J.PLACE as \"PLACE\", M.ID as \"ID\", M.MEANING as "
                                  "\"MEANING\"\n"
                                  "from %1, TM_WORD_MEANING as WM, T_MEANING as M\n"
                                  "where WM.WORD_ID = J.WORD_ID and M.ID = WM.MEANING_ID\n"
                                  "order by J.PLACE, M.ID\n")
                .arg(QLatin1String(kBatchIds));
        case TBatchKind::Homonyms:
            return PairsBatchText(QStringLiteral("T_HOMONYM"), mPlain, {});
        case TBatchKind::Synonyms:
            return PairsBatchText(QStringLiteral("T_SYNONYM"), mPlain,
                                  QStringLiteral("\nand R.IS_ABSOLUTE = :IS_ABSOLUTE"));
        }
        return {};
    }

private:
    // Whether the connection found a network without the loader's columns.
    mutable bool mPlain = false;
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

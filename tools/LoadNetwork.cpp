// LoadNetwork: copies a network file (the word browser's SQLite database) into a PostgreSQL
// database, where browsers read it with --database postgresql://...
//
//   LoadNetwork [--replace] [--reader ROLE] --database URI NETWORK
//   LoadNetwork [--replace] [--reader ROLE] --print NETWORK > network.sql
//   LoadNetwork --add-indexes URI
//
// It writes one SQL script and runs it with psql (which finds the password in ~/.pgpass or
// PGPASSWORD, or asks) as one transaction: the five tables, their rows in bulk with COPY, the
// indexes the browser's statements use, and a read-only login role for the browsers (quor_reader
// unless --reader names another) that may connect and read the five tables. A database that
// already holds a network is left as it is unless --replace is given; then the old network is
// replaced in the same transaction, so that browsers see either the old or the new one.
//
// The browser's PostgreSQL statements give the rows in the order SQLite gives them for this file.
// Where SQLite's order follows its query plan, the loader asks SQLite and keeps the order in
// columns of its own:
// - T_WORD.ORD: the order in which SQLite's similar search gives the words of a language (by
//   length, ties in the order of the index it walks: row id, or ucase(WORD) with an index on
//   (LANG_CODE, len(WORD), ucase(WORD))); the exact search gives equal words in the same order;
// - T_HOMONYM and T_SYNONYM FIRST_ORD and SECOND_ORD: the place of a pair among the pairs of a
//   word that holds it as first and as second word. With an index on each column SQLite gives
//   the first ones in the order of their index, then the second ones in the order of theirs;
//   scanning the table, it gives every pair in row order.
// Rows that editors add on the server later take the next numbers and so come after these.
// --add-indexes gives a network that another tool put on the server (the five tables and their
// plain columns) those columns and indexes, in one transaction, leaving its rows as they are: the
// order columns then number the order the browser gives such a network, words by id and a word's
// pairs holding it first before those holding it second only, each by the other word's id.
// T_WORD.WORD_UPPER holds the upper case of WORD as the browser's ucase gives it, computed by the
// server, so that a search compares stored text instead of upper-casing every word it passes.
#include "core/store/PostgresDialect.h"
#include "core/store/SqliteDialect.h"

#include <QRegularExpression>
#include <QString>

#include <sqlite3.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

extern char** environ;

using namespace Quor;

namespace {

constexpr const char* kUsage =
    "usage: LoadNetwork [--replace] [--reader ROLE] (--database URI | --print) NETWORK\n"
    "       LoadNetwork --add-indexes URI\n"
    "  Copies the network file NETWORK into the PostgreSQL database that URI names\n"
    "  (postgresql://user@host:port/dbname, run through psql; the password comes from\n"
    "  ~/.pgpass or PGPASSWORD), or prints the SQL script with --print.\n"
    "  --replace  replace a network the database already holds (else it is left alone)\n"
    "  --reader   the read-only login role for the browsers (default quor_reader)\n"
    "  --add-indexes  adds the search indexes and order columns to a network that another\n"
    "             tool put into the database URI names, as the tables' owner\n";

struct TOptions {
    std::string Network;
    std::string Database;
    std::string Reader = "quor_reader";
    bool Replace = false;
    bool Print = false;
    bool AddIndexes = false;
};

// --- Reading the network file -------------------------------------------------------------------

struct TFinalize {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using TStatement = std::unique_ptr<sqlite3_stmt, TFinalize>;

class TNetworkFile {
public:
    explicit TNetworkFile(const std::string& path) {
        if (access(path.c_str(), R_OK) != 0)
            throw std::runtime_error("Can not read the network file " + path + ": " +
                                     std::strerror(errno));
        sqlite3* db = nullptr;
        const int result = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
        mDb.reset(db);
        if (result != SQLITE_OK || RegisterSqliteFunctions(db) != SQLITE_OK)
            Fail("open " + path);
        Prepare("select count(*) from sqlite_master"); // tells a file that is no database
    }

    TStatement Prepare(const std::string& sql) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(mDb.get(), sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
            Fail("read the network (" + sql.substr(0, sql.find('\n')) + ")");
        return TStatement(statement);
    }

    // Steps a statement; false at its end.
    bool Step(sqlite3_stmt* statement) {
        const int result = sqlite3_step(statement);
        if (result != SQLITE_ROW && result != SQLITE_DONE)
            Fail("read the network");
        return result == SQLITE_ROW;
    }

    // The text of a statement of the browser's SQLite dialect.
    static std::string BrowserStatement(TStatementKind kind) {
        return MakeSqliteDialect()->StatementText(kind).toStdString();
    }

private:
    [[noreturn]] void Fail(const std::string& what) {
        throw std::runtime_error("Can not " + what + ": " + sqlite3_errmsg(mDb.get()));
    }

    struct TClose {
        void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
    };
    std::unique_ptr<sqlite3, TClose> mDb;
};

// The columns of the index with which the plan finds the pairs holding a word in `column`; none
// when it finds them without an index.
std::optional<std::string> IndexColumns(TNetworkFile& file, const std::vector<std::string>& plan,
                                        const std::string& column) {
    const QRegularExpression search(QStringLiteral("USING (COVERING )?INDEX (\\S+) \\(") +
                                    QString::fromStdString(column) + QStringLiteral("=\\?"));
    for (const std::string& detail : plan) {
        const QRegularExpressionMatch match = search.match(QString::fromStdString(detail));
        if (!match.hasMatch())
            continue;
        const TStatement info =
            file.Prepare("pragma index_info(\"" + match.captured(2).toStdString() + "\")");
        std::string columns;
        while (file.Step(info.get())) {
            const auto* name = sqlite3_column_text(info.get(), 2);
            if (!name)
                return std::nullopt; // an expression
            columns += std::string(reinterpret_cast<const char*>(name)) + ", ";
        }
        return columns;
    }
    return std::nullopt;
}

// SQL for the two order columns of a pair table, FIRST_ORD and SECOND_ORD: the order in which
// the browser's statement gives the pairs of a word. With an index on each column SQLite reads
// the pairs holding the word first in the first index's order, then those holding it second
// only in the second index's order (a multi-index OR); without, it scans the table in row order.
std::string PairOrderColumns(TNetworkFile& file, TStatementKind kind, const std::string& table) {
    const TStatement plan =
        file.Prepare("explain query plan " + TNetworkFile::BrowserStatement(kind));
    std::vector<std::string> details;
    while (file.Step(plan.get()))
        details.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(plan.get(), 3)));
    const auto first = IndexColumns(file, details, "FIRST_WORD_ID");
    const auto second = IndexColumns(file, details, "SECOND_WORD_ID");
    if (first && second)
        return "row_number() over (order by " + *first + "rowid), (select count(*) from " + table +
               ") + row_number() over (order by " + *second + "rowid)";
    if (std::find(details.begin(), details.end(), "SCAN " + table.substr(2, 1)) == details.end())
        std::fprintf(stderr,
                     "LoadNetwork: SQLite reads %s in a way the server does not copy; a word's "
                     "pairs may come in another order there.\n",
                     table.c_str());
    return "rowid, rowid";
}

// --- Writing the script -------------------------------------------------------------------------

// The script, written to psql or to the standard output.
class TScript {
public:
    explicit TScript(std::FILE* out) : mOut(out) {}

    void Line(const std::string& text) { Write(text + "\n"); }

    void Write(std::string_view text) {
        if (!mFailed && std::fwrite(text.data(), 1, text.size(), mOut) != text.size())
            mFailed = true; // psql has stopped; its own message says why
    }

    bool Failed() const { return mFailed; }

    // Copies the rows of an SQLite query into a table with COPY, in its text format: columns
    // separated by tabs, NULL as \N, backslash, tab, line feed and carriage return escaped.
    std::int64_t CopyRows(TNetworkFile& file, const std::string& table, const std::string& columns,
                          const std::string& query) {
        Line("copy " + table + " (" + columns + ") from stdin;");
        const TStatement rows = file.Prepare(query);
        std::int64_t count = 0;
        const int columnCount = sqlite3_column_count(rows.get());
        std::string line;
        while (!mFailed && file.Step(rows.get())) {
            line.clear();
            for (int i = 0; i < columnCount; ++i) {
                if (i > 0)
                    line += '\t';
                AppendValue(rows.get(), i, line);
            }
            line += '\n';
            Write(line);
            ++count;
        }
        Line("\\.");
        return count;
    }

    // T_WORD in the order of SQLite's similar search, which ORD numbers: the browser's own
    // statement, run per language with a pattern every word matches, then the words it never
    // finds (no text or no language) in row order. The server so keeps the words of a language
    // shortest first on disk too, in the order its similar search walks them.
    std::int64_t CopyWords(TNetworkFile& file) {
        Line("copy t_word (id, word, more_info, lang_code, ord) from stdin;");
        const TStatement languages =
            file.Prepare("select distinct LANG_CODE from T_WORD where LANG_CODE is not null");
        const TStatement similar =
            file.Prepare(TNetworkFile::BrowserStatement(TStatementKind::WordsInexact));
        const std::vector<int> columns = {Column(similar.get(), "ID"),
                                          Column(similar.get(), "WORD"),
                                          Column(similar.get(), "MORE_INFO")};
        std::int64_t count = 0;
        while (file.Step(languages.get())) {
            sqlite3_reset(similar.get());
            sqlite3_bind_text(similar.get(), sqlite3_bind_parameter_index(similar.get(), ":WORD"),
                              "%%", -1, SQLITE_STATIC);
            sqlite3_bind_value(similar.get(),
                               sqlite3_bind_parameter_index(similar.get(), ":LANG_CODE"),
                               sqlite3_column_value(languages.get(), 0));
            while (!mFailed && file.Step(similar.get()))
                WriteWord(similar.get(), columns, languages.get(), ++count);
        }
        const TStatement rest = file.Prepare("select ID, WORD, MORE_INFO, LANG_CODE from T_WORD "
                                             "where WORD is null or LANG_CODE is null "
                                             "order by rowid");
        while (!mFailed && file.Step(rest.get()))
            WriteWord(rest.get(), {0, 1, 2}, rest.get(), ++count, 3);
        Line("\\.");
        const TStatement all = file.Prepare("select count(*) from T_WORD");
        if (file.Step(all.get()) && sqlite3_column_int64(all.get(), 0) != count && !mFailed)
            throw std::runtime_error("The similar search of the network file gives " +
                                     std::to_string(count) + " words of " +
                                     std::to_string(sqlite3_column_int64(all.get(), 0)) +
                                     "; the order of its words can not be copied.");
        return count;
    }

private:
    static int Column(sqlite3_stmt* statement, const char* name) {
        for (int i = 0; i < sqlite3_column_count(statement); ++i)
            if (std::string_view(sqlite3_column_name(statement, i)) == name)
                return i;
        throw std::runtime_error(std::string("The similar search has no column ") + name + ".");
    }

    // ID, WORD and MORE_INFO from `row`'s columns, LANG_CODE from `language`'s, and ORD.
    void WriteWord(sqlite3_stmt* row, const std::vector<int>& columns, sqlite3_stmt* language,
                   std::int64_t order, int languageColumn = 0) {
        std::string line;
        for (const int column : columns) {
            AppendValue(row, column, line);
            line += '\t';
        }
        AppendValue(language, languageColumn, line);
        line += '\t' + std::to_string(order) + '\n';
        Write(line);
    }

    static void AppendValue(sqlite3_stmt* row, int column, std::string& line) {
        if (sqlite3_column_type(row, column) == SQLITE_NULL) {
            line += "\\N";
            return;
        }
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(row, column));
        const int size = sqlite3_column_bytes(row, column);
        for (int i = 0; i < size; ++i) {
            switch (text[i]) {
            case '\\':
                line += "\\\\";
                break;
            case '\t':
                line += "\\t";
                break;
            case '\n':
                line += "\\n";
                break;
            case '\r':
                line += "\\r";
                break;
            default:
                line += text[i];
            }
        }
    }

    std::FILE* mOut;
    bool mFailed = false;
};

std::string Identifier(const std::string& name) {
    std::string quoted = "\"";
    for (char c : name) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + '"';
}

std::string Literal(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c;
        if (c == '\'')
            quoted += '\'';
    }
    return quoted + '\'';
}

// A PL/pgSQL block, its body dollar-quoted with a tag that the body does not hold.
std::string DoBlock(const std::string& body) {
    std::string tag = "$$";
    for (int n = 1; body.find(tag) != std::string::npos; ++n)
        tag = "$q" + std::to_string(n) + "$";
    return "do " + tag + " begin " + body + " end " + tag + ";";
}

// One argument of a psql meta-command such as \echo, taken as it is: quoted, so that psql
// neither splits it nor puts its variables (:NAME) or further commands (\x) into it.
std::string PsqlArgument(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\n' || c == '\r') {
            quoted += c == '\n' ? "\\n" : "\\r";
            continue;
        }
        quoted += c;
        if (c == '\'' || c == '\\')
            quoted += c;
    }
    return quoted + '\'';
}

constexpr const char* kTables = "t_word, t_meaning, tm_word_meaning, t_homonym, t_synonym";

// The exact search, the similar search walking the words shortest first, the meanings, and the
// pairs of a word in the order of the statements; a network of plain tables may have some.
void WriteIndexes(TScript& script) {
    script.Line("create index if not exists ix_word_ucase on t_word (word_upper, lang_code);");
    script.Line("create index if not exists ix_word_lang_len_ord on t_word (lang_code, "
                "char_length(word), ord);");
    script.Line("create index if not exists ix_word_meaning_word_id on tm_word_meaning (word_id, "
                "meaning_id);");
    script.Line(
        "create index if not exists ix_homonym_first on t_homonym (first_word_id, first_ord);");
    script.Line(
        "create index if not exists ix_homonym_second on t_homonym (second_word_id, second_ord);");
    script.Line(
        "create index if not exists ix_synonym_first on t_synonym (first_word_id, first_ord);");
    script.Line(
        "create index if not exists ix_synonym_second on t_synonym (second_word_id, second_ord);");
    script.Line(
        "create index if not exists ix_synonym_pair on t_synonym (first_word_id, second_word_id, "
        "is_absolute);");
    // The search in meanings: the meanings with a word beginning with each typed word, and the
    // words of each meaning.
    script.Line("create index if not exists ix_meaning_words on t_meaning using gin "
                "(to_tsvector('simple', meaning_words));");
    script.Line("create index if not exists ix_word_meaning_meaning_id on tm_word_meaning "
                "(meaning_id);");
    script.Line("analyze " + std::string(kTables) + ";");
}

// The loader's columns and indexes for a network of the five plain tables, numbered in the order
// the browser gives such a network, in one transaction.
void WriteAddIndexesScript(TScript& script) {
    script.Line("begin;");
    script.Line("set client_min_messages = warning;");
    script.Line(DoBlock(
        "if to_regclass('t_word') is null then raise exception 'The database % holds no network "
        "(the table t_word).', current_database(); end if; if exists (select from "
        "information_schema.columns where table_schema = current_schema() and table_name = "
        "'t_word' and column_name = 'word_upper') then raise exception 'The network in the "
        "database % has its search indexes already.', current_database(); end if;"));
    script.Line("create sequence quor_row_order;");
    const std::string order = " bigint default nextval('quor_row_order')";
    script.Line("alter table t_word add column ord" + order +
                ", add column word_upper text collate \"C\" generated always as "
                "(upper(word collate \"und-x-icu\")) stored;");
    script.Line(
        "alter table t_meaning add column if not exists meaning_words text collate \"C\" generated "
        "always as (" +
        PostgresMeaningWords(QStringLiteral("meaning")).toStdString() + ") stored;");
    script.Line("update t_word set ord = N.ord from (select ctid as place, row_number() over "
                "(order by id, ctid) as ord from t_word) as N where t_word.ctid = N.place;");
    for (const char* table : {"t_homonym", "t_synonym"}) {
        const std::string name = table;
        script.Line("alter table " + name + " add column first_ord" + order +
                    ", add column second_ord" + order + ";");
        script.Line("update " + name +
                    " set first_ord = N.first_ord, second_ord = N.second_ord "
                    "from (select ctid as place, row_number() over (order by first_word_id, "
                    "second_word_id, ctid) as first_ord, (select count(*) from " +
                    name +
                    ") + row_number() over (order by second_word_id, first_word_id, ctid) as "
                    "second_ord from " +
                    name + ") as N where " + name + ".ctid = N.place;");
    }
    script.Line(DoBlock("perform setval('quor_row_order', greatest((select count(*) from t_word), "
                        "2 * (select count(*) from t_homonym), 2 * (select count(*) from "
                        "t_synonym), 1));"));
    WriteIndexes(script);
    script.Line("commit;");
    script.Line("\\echo Added the search indexes to the network in the database :DBNAME on the "
                "server :HOST, port :PORT.");
}

void WriteScript(TScript& script, TNetworkFile& file, const TOptions& options) {
    // The script's own transaction, not psql's --single-transaction: psql commits that one when
    // its input just ends, as it does when this program fails half way. A session that ends
    // before "commit" is rolled back, and the network that was there stays.
    script.Line("begin;");
    script.Line("set client_encoding = 'UTF8';");
    script.Line("set client_min_messages = warning;");
    if (options.Replace) {
        script.Line(std::string("drop table if exists ") + kTables + ";");
        script.Line("drop sequence if exists quor_row_order;");
    } else {
        script.Line(
            DoBlock("if to_regclass('t_word') is not null then raise exception 'The "
                    "database % already holds a network (the table t_word); LoadNetwork "
                    "replaces it only when given --replace.', current_database(); end if;"));
    }
    // The order columns of rows added later, after those loaded here.
    script.Line("create sequence quor_row_order;");
    const std::string order = " bigint not null default nextval('quor_row_order')";
    script.Line("create table t_word (id bigint not null, word text, more_info text, "
                "lang_code text, ord" +
                order +
                ", word_upper text collate \"C\" generated always as "
                "(upper(word collate \"und-x-icu\")) stored);");
    // The words of each meaning as the search in meanings compares them, kept by the server.
    script.Line("create table t_meaning (id bigint not null, meaning text, meaning_words text "
                "collate \"C\" generated always as (" +
                PostgresMeaningWords(QStringLiteral("meaning")).toStdString() + ") stored);");
    script.Line("create table tm_word_meaning (word_id bigint, meaning_id bigint);");
    script.Line("create table t_homonym (first_word_id bigint, second_word_id bigint, "
                "first_ord" +
                order + ", second_ord" + order + ");");
    script.Line("create table t_synonym (first_word_id bigint, second_word_id bigint, "
                "is_absolute integer, first_ord" +
                order + ", second_ord" + order + ");");

    const std::int64_t words = script.CopyWords(file);
    script.CopyRows(file, "t_meaning", "id, meaning", "select ID, MEANING from T_MEANING");
    script.CopyRows(file, "tm_word_meaning", "word_id, meaning_id",
                    "select WORD_ID, MEANING_ID from TM_WORD_MEANING");
    for (const auto& [table, kind, extra] :
         {std::tuple{"T_HOMONYM", TStatementKind::Homonyms, ""},
          std::tuple{"T_SYNONYM", TStatementKind::Synonyms, "IS_ABSOLUTE, "}}) {
        const std::string columns = "FIRST_WORD_ID, SECOND_WORD_ID, " + std::string(extra);
        script.CopyRows(file, QString::fromLatin1(table).toLower().toStdString(),
                        columns + "FIRST_ORD, SECOND_ORD",
                        "select " + columns + PairOrderColumns(file, kind, table) + " from " +
                            table + " order by rowid");
    }
    if (script.Failed())
        return;

    script.Line(DoBlock("perform setval('quor_row_order', greatest((select max(ord) from t_word), "
                        "(select max(greatest(first_ord, second_ord)) from t_homonym), (select "
                        "max(greatest(first_ord, second_ord)) from t_synonym), 1));"));
    script.Line("alter table t_word add primary key (id);");
    script.Line("alter table t_meaning add primary key (id);");
    WriteIndexes(script);

    // The browsers' role: it may connect and read the network, nothing else.
    const std::string reader = Identifier(options.Reader);
    const std::string readerName = Literal(options.Reader);
    script.Line(DoBlock("if not exists (select from pg_roles where rolname = " + readerName +
                        ") then create role " + reader + " login; end if;"));
    script.Line("alter role " + reader + " set default_transaction_read_only = on;");
    script.Line(DoBlock(
        "execute format('grant connect on database %I to %I', current_database(), " + readerName +
        "); execute format('grant usage on schema %I to %I', current_schema(), " + readerName +
        ");"));
    script.Line(std::string("grant select on ") + kTables + " to " + reader + ";");
    script.Line("commit;");
    script.Line("\\echo Loaded " + std::to_string(words) + " words into the database :DBNAME " +
                "on the server :HOST, port :PORT; role " + PsqlArgument(options.Reader) +
                " reads it.");
}

// --- Running psql -------------------------------------------------------------------------------

// psql reading the script from a pipe; Finish() waits for it and gives its exit status.
class TPsql {
public:
    explicit TPsql(const std::string& database) {
        int ends[2];
        if (pipe(ends) != 0)
            throw std::runtime_error(std::string("Can not make a pipe: ") + std::strerror(errno));
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, ends[0], STDIN_FILENO);
        posix_spawn_file_actions_addclose(&actions, ends[1]);
        std::vector<std::string> arguments = {"psql", "-X",     "-q", "-v", "ON_ERROR_STOP=1",
                                              "-d",   database, "-f", "-"};
        std::vector<char*> argv;
        for (std::string& argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        const int result = posix_spawnp(&mPid, "psql", &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        close(ends[0]);
        if (result != 0) {
            close(ends[1]);
            throw std::runtime_error(std::string("Can not run psql (Debian package "
                                                 "postgresql-client): ") +
                                     std::strerror(result));
        }
        mInput = fdopen(ends[1], "w");
    }

    // psql of a load that failed half way has ended too when the program says so.
    ~TPsql() {
        if (mInput)
            Finish();
    }
    TPsql(const TPsql&) = delete;
    TPsql& operator=(const TPsql&) = delete;

    std::FILE* Input() const { return mInput; }

    int Finish() {
        std::fclose(std::exchange(mInput, nullptr));
        int status = 0;
        while (waitpid(mPid, &status, 0) < 0 && errno == EINTR) {
        }
        return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
    }

private:
    pid_t mPid = 0;
    std::FILE* mInput = nullptr;
};

TOptions ParseOptions(int argc, char* argv[]) {
    TOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        const auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                throw std::invalid_argument(std::string(argument) + " needs a value.");
            return argv[++i];
        };
        if (argument == "--replace")
            options.Replace = true;
        else if (argument == "--add-indexes") {
            options.AddIndexes = true;
            options.Database = value();
        } else if (argument == "--print")
            options.Print = true;
        else if (argument == "--database")
            options.Database = value();
        else if (argument == "--reader")
            options.Reader = value();
        else if (argument.starts_with("-") || !options.Network.empty())
            throw std::invalid_argument("Unknown argument " + std::string(argument));
        else
            options.Network = argument;
    }
    if (options.AddIndexes) {
        if (!options.Network.empty() || options.Print || options.Replace)
            throw std::invalid_argument("--add-indexes takes the database's URI alone.");
        return options;
    }
    if (options.Network.empty())
        throw std::invalid_argument("The NETWORK file is missing.");
    if (options.Database.empty() == !options.Print)
        throw std::invalid_argument("Give either --database URI or --print.");
    if (options.Reader.empty())
        throw std::invalid_argument("The --reader role needs a name.");
    return options;
}

} // namespace

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]) == "--help") {
            std::printf("%s", kUsage);
            return 0;
        }
    TOptions options;
    try {
        options = ParseOptions(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "LoadNetwork: %s\n%s", error.what(), kUsage);
        return 2;
    }
    try {
        if (options.AddIndexes) {
            std::signal(SIGPIPE, SIG_IGN);
            TPsql psql(options.Database);
            TScript script(psql.Input());
            WriteAddIndexesScript(script);
            if (psql.Finish() != 0) {
                std::fprintf(stderr, "LoadNetwork: no index was added; psql said why.\n");
                return 1;
            }
            return 0;
        }
        TNetworkFile file(options.Network);
        if (options.Print) {
            TScript script(stdout);
            WriteScript(script, file, options);
            return std::fflush(stdout) == 0 && !script.Failed() ? 0 : 1;
        }
        std::signal(SIGPIPE, SIG_IGN); // psql stopping early is told by its exit status
        TPsql psql(options.Database);
        TScript script(psql.Input());
        WriteScript(script, file, options);
        if (psql.Finish() != 0) {
            std::fprintf(stderr, "LoadNetwork: the network was not loaded; psql said why.\n");
            return 1;
        }
        // Marks every row as visible to all, once, rather than by the first searches.
        TPsql vacuum(options.Database);
        TScript(vacuum.Input()).Line(std::string("vacuum ") + kTables + ";");
        if (vacuum.Finish() != 0)
            std::fprintf(stderr, "LoadNetwork: the network is loaded; vacuuming it failed.\n");
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "LoadNetwork: %s\n", error.what());
        return 1;
    }
}

// The word store on a PostgreSQL server: failures to open, a server that goes away and comes
// back, one snapshot per page while an editor commits, the batched pair question, and the loader.
#include "PostgresSupport.h"
#include "TestSupport.h"
#include "core/QuorError.h"
#include "core/pages/PageComposer.h"
#include "core/store/PostgresDialect.h"
#include "core/store/QuorData.h"
#include "core/text/CodePage.h"

#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

#include <functional>
#include <optional>

using namespace Quor;

namespace {

const QString kStore = QStringLiteral("store");
const QString kPort = QStringLiteral(":5432");

// The words an exact search of "кот" finds, as "id word".
QString FindCat(TQuorDataModule& store) {
    TWordList words;
    bool more = false;
    store.FindWords(Cp("кот"), "BG", false, 20, words, more);
    QStringList found;
    for (const TWord& word : words)
        found << QString::number(word.Id) + QLatin1Char(' ') + FromPageText(word.Word);
    return found.join(QLatin1String(", "));
}

// A network file: "кот" (1) with a meaning, an absolute synonym (2) and a relative one (3);
// absolute pairs 1-2, 3-1 and 4-5, a relative pair 2-4.
std::unique_ptr<TFixtureDatabase> SmallNetwork() {
    auto file = std::make_unique<TFixtureDatabase>();
    file->Exec(R"(
insert into T_WORD values (1, 'кот', '', 'BG'), (2, 'котак', '', 'BG'), (3, 'мачор', '', 'BG'),
    (4, 'пес', '', 'BG'), (5, 'куче', '', 'BG');
insert into T_MEANING values (1, 'Домашно животно');
insert into TM_WORD_MEANING values (1, 1);
insert into T_SYNONYM values (1, 2, 1), (3, 1, 1), (4, 5, 1), (2, 4, 0), (1, 4, 0);
)");
    file->Close();
    return file;
}

// Every row of a network's five tables, in the order of their keys, its values joined by "|".
QStringList NetworkRows(const QSqlDatabase& network) {
    static const char* const kTables[] = {
        "select ID, WORD, MORE_INFO, LANG_CODE from T_WORD order by ID",
        "select ID, MEANING from T_MEANING order by ID",
        "select WORD_ID, MEANING_ID from TM_WORD_MEANING order by WORD_ID, MEANING_ID",
        "select FIRST_WORD_ID, SECOND_WORD_ID from T_HOMONYM order by FIRST_WORD_ID, "
        "SECOND_WORD_ID",
        "select FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE from T_SYNONYM order by FIRST_WORD_ID, "
        "SECOND_WORD_ID, IS_ABSOLUTE"};
    QStringList rows;
    for (const char* statement : kTables) {
        QSqlQuery query(network);
        if (!query.exec(QLatin1String(statement)))
            return {query.lastError().text()};
        while (query.next()) {
            QStringList values;
            for (int i = 0; i < query.record().count(); ++i)
                values << (query.isNull(i) ? QStringLiteral("NULL") : query.value(i).toString());
            rows << values.join(u'|');
        }
    }
    return rows;
}

QStringList ServerRows(const QString& database, const QString& user) {
    TServerConnection connection(database, user);
    QString error;
    return connection.Open(&error) ? NetworkRows(connection.Database()) : QStringList{error};
}

QStringList FileRows(const QString& path) {
    const QString name = QStringLiteral("network file");
    QStringList rows;
    {
        QSqlDatabase file = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        file.setDatabaseName(path);
        file.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        rows = file.open() ? NetworkRows(file) : QStringList{file.lastError().text()};
    }
    QSqlDatabase::removeDatabase(name);
    return rows;
}

} // namespace

class TestPostgresStore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        if (const QString reason = TTestServer::MissingReason(); !reason.isEmpty())
            QSKIP(qPrintable(reason));
        mNetwork = SmallNetwork();
        TTestServer::CreateDatabase(kStore);
        QCOMPARE(TTestServer::Load(
                     {QStringLiteral("--database"), TTestServer::Uri(kStore), mNetwork->Path()}),
                 0);
        TTestServer::CreateDatabase(QStringLiteral("empty_network"));
        QCOMPARE(TTestServer::Exec(QStringLiteral("postgres"),
                                   {QStringLiteral("create role quor_guarded login password "
                                                   "'right-secret'")}),
                 QString());
    }

    // A network of the plain tables is said once to lack the search indexes; LoadNetwork
    // --add-indexes adds them once, as the tables' owner only.
    void plainNetworkIsNoticedUntilIndexed_data() {
        QTest::addColumn<QString>("step");
        QTest::addColumn<int>("loaderStatus");
        QTest::addColumn<int>("notices");
        QTest::newRow("loaded network") << QString() << 0 << 0;
        QTest::newRow("plain tables") << QStringLiteral("plain") << 0 << 1;
        QTest::newRow("indexes added by the reader") << QStringLiteral("reader") << 1 << 1;
        QTest::newRow("indexes added") << QStringLiteral("owner") << 0 << 0;
        QTest::newRow("indexes added twice") << QStringLiteral("twice") << 1 << 0;
    }

    void plainNetworkIsNoticedUntilIndexed() {
        QFETCH(QString, step);
        QFETCH(int, loaderStatus);
        QFETCH(int, notices);
        const QString database = QStringLiteral("plain_network");
        TTestServer::CreateDatabase(database);
        QCOMPARE(TTestServer::Load(
                     {QStringLiteral("--database"), TTestServer::Uri(database), mNetwork->Path()}),
                 0);
        if (!step.isEmpty())
            QCOMPARE(
                TTestServer::Exec(
                    database, {QStringLiteral("alter table t_word drop column ord, drop column "
                                              "word_upper"),
                               QStringLiteral("alter table t_homonym drop column first_ord, drop "
                                              "column second_ord"),
                               QStringLiteral("alter table t_synonym drop column first_ord, drop "
                                              "column second_ord"),
                               QStringLiteral("drop sequence quor_row_order")}),
                QString());
        const QString user = step == QLatin1String("reader") ? QStringLiteral("quor_reader")
                                                             : QStringLiteral("postgres");
        int status = 0;
        for (int run = 0; run < (step == QLatin1String("twice") ? 2 : 1); ++run)
            if (step != QLatin1String("plain") && !step.isEmpty())
                status = TTestServer::Load(
                    {QStringLiteral("--add-indexes"), TTestServer::Uri(database, user)});
        QCOMPARE(status, loaderStatus);
        TQuorDataModule store(TTestServer::Uri(database, QStringLiteral("quor_reader")));
        QStringList told;
        store.SetNetworkNotice([&told](const QString& notice) { told << notice; });
        TWordList words;
        bool more = false;
        TTestServer::Stop(); // the connection opened again says nothing more
        TTestServer::Start();
        store.FindWords("", "BG", true, 20, words, more);
        QCOMPARE(told.size(), notices);
        QVERIFY(words.Count() > 0);
        if (notices > 0)
            QVERIFY(told.front().contains(QLatin1String("LoadNetwork --add-indexes")));
    }

    void openingFailuresNameServerAndDatabase_data() {
        QTest::addColumn<QString>("uri");
        QTest::addColumn<QString>("database");
        QTest::addColumn<bool>("serverDown");
        QTest::newRow("server down, then back") << TTestServer::Uri(kStore) << kStore << true;
        QTest::newRow("unknown database") << TTestServer::Uri(QStringLiteral("no_network"))
                                          << QStringLiteral("no_network") << false;
        QTest::newRow("refused login") << TTestServer::Uri(kStore, QStringLiteral("quor_guarded"),
                                                           QStringLiteral("wrong-secret"))
                                       << kStore << false;
        QTest::newRow("no network in the database")
            << TTestServer::Uri(QStringLiteral("empty_network")) << QStringLiteral("empty_network")
            << false;
    }

    void openingFailuresNameServerAndDatabase() {
        QFETCH(QString, uri);
        QFETCH(QString, database);
        QFETCH(bool, serverDown);
        if (serverDown)
            TTestServer::Stop();
        TCapturedErrors errors;
        TQuorDataModule store(uri);
        TTestServer::Start();

        QCOMPARE(errors.Messages.size(), std::size_t(1));
        const QString message = FromPageText(errors.Messages[0]);
        QVERIFY2(message.startsWith(QStringLiteral("Can not ")), qPrintable(message));
        QVERIFY2(message.contains(database + QStringLiteral(" on the PostgreSQL server ") +
                                  TTestServer::Host() + kPort),
                 qPrintable(message));
        QVERIFY2(!message.contains(QStringLiteral("secret")), qPrintable(message));
        QVERIFY(!store.IsConnected());
        const auto again = ErrorOf([&] { FindCat(store); });
        if (serverDown)
            QCOMPARE(again, std::nullopt);
        else
            QVERIFY(again && !FromPageText(*again).contains(QStringLiteral("secret")));
    }

    void lostConnectionIsOpenedAgain_data() {
        QTest::addColumn<bool>("downAtLookup");
        QTest::addColumn<bool>("inPage");
        // A page that read the network before the restart: it must not go on with another
        // connection, which would show another state of the network.
        QTest::addColumn<bool>("inPageThatRead");
        for (const bool inPage : {false, true}) {
            const char* where = inPage ? "in a page" : "alone";
            QTest::addRow("server restarted, next lookup %s", where) << false << inPage << false;
            QTest::addRow("server stopped at a lookup %s, then started", where)
                << true << inPage << false;
        }
        QTest::newRow("server restarted, next lookup in a page that read before")
            << false << false << true;
    }

    void lostConnectionIsOpenedAgain() {
        QFETCH(bool, downAtLookup);
        QFETCH(bool, inPage);
        QFETCH(bool, inPageThatRead);
        TQuorDataModule store(TTestServer::Uri(kStore));
        std::optional<TQuorDataModule::TReadScope> pageThatRead;
        if (inPageThatRead)
            pageThatRead.emplace(store);
        QCOMPARE(FindCat(store), QStringLiteral("1 кот"));
        const auto lookup = [&] {
            std::optional<TQuorDataModule::TReadScope> page;
            if (inPage)
                page.emplace(store);
            return ErrorOf([&] { FindCat(store); });
        };

        TTestServer::Stop();
        auto started = qScopeGuard([] { TTestServer::Start(); });
        if (downAtLookup) {
            const auto error = lookup();
            QVERIFY(error);
            QVERIFY2(FromPageText(*error).contains(kStore +
                                                   QStringLiteral(" on the PostgreSQL server ")),
                     error->c_str());
        }
        TTestServer::Start();
        if (pageThatRead) {
            QVERIFY2(lookup(), "the page read on with a new connection");
            pageThatRead.reset();
        }
        QCOMPARE(lookup(), std::nullopt);
        QCOMPARE(FindCat(store), QStringLiteral("1 кот"));
    }

    void pageShowsOneSnapshotWhileAnEditorCommits() {
        TTestServer::CreateDatabase(QStringLiteral("edited"));
        QCOMPARE(TTestServer::Load({QStringLiteral("--database"),
                                    TTestServer::Uri(QStringLiteral("edited")), mNetwork->Path()}),
                 0);
        TQuorDataModule store(TTestServer::Uri(QStringLiteral("edited")));
        TPageComposer composer;
        composer.SetDataModule(&store);
        const auto table = [&] { return composer.WordInfoTableHtml(1, Cp("кот"), ""); };
        const std::string before = table();

        std::string during;
        {
            const TQuorDataModule::TReadScope page(store);
            QCOMPARE(FindCat(store), QStringLiteral("1 кот"));
            // An editor's change, committed after the page's first statement: new rows without
            // the loader's order columns, changed and removed ones.
            QCOMPARE(TTestServer::Exec(
                         QStringLiteral("edited"),
                         {QStringLiteral("begin"),
                          QStringLiteral("insert into t_homonym (first_word_id, second_word_id) "
                                         "values (1, 5)"),
                          QStringLiteral("update t_meaning set meaning = 'Променено' where id = 1"),
                          QStringLiteral("delete from t_synonym where first_word_id = 3"),
                          QStringLiteral("commit")}),
                     QString());
            during = table();
        }
        QCOMPARE(during, before);
        const std::string after = table();
        QVERIFY(after.find(Cp("Променено")) != std::string::npos);
        QVERIFY(after.find(Cp("куче")) != std::string::npos);
        QVERIFY(after.find(Cp("мачор")) == std::string::npos);
    }

    void absolutePairsAmongASet_data() {
        QTest::addColumn<QList<int>>("ids");
        QTest::addColumn<QString>("pairs");
        QTest::newRow("pairs in both orders") << QList<int>{1, 2, 3} << QStringLiteral("1-2 3-1");
        QTest::newRow("a relative pair is none") << QList<int>{2, 4} << QString();
        QTest::newRow("both words must be in the set") << QList<int>{4, 1, 9} << QString();
        QTest::newRow("one pair") << QList<int>{5, 4} << QStringLiteral("4-5");
        QTest::newRow("no ids") << QList<int>{} << QString();
    }

    void absolutePairsAmongASet() {
        QFETCH(QList<int>, ids);
        QFETCH(QString, pairs);
        TServerConnection connection(kStore, QStringLiteral("quor_reader"));
        QVERIFY(connection.Open());
        QSqlQuery query(connection.Database());
        query.setForwardOnly(true);
        QVERIFY(query.prepare(MakePostgresDialect()->AbsolutePairsText()));
        QStringList list;
        for (const int id : ids)
            list << QString::number(id);
        const QString json = QLatin1Char('[') + list.join(QLatin1Char(',')) + QLatin1Char(']');
        query.bindValue(QStringLiteral(":FIRST_WORD_IDS"), json);
        query.bindValue(QStringLiteral(":SECOND_WORD_IDS"), json);
        QVERIFY2(query.exec(), qPrintable(query.lastError().text()));
        QStringList found;
        while (query.next())
            found << query.value(QStringLiteral("FIRST_WORD_ID")).toString() + QLatin1Char('-') +
                         query.value(QStringLiteral("SECOND_WORD_ID")).toString();
        found.sort();
        QCOMPARE(found.join(QLatin1Char(' ')), pairs);
    }

    // The second load of a database, each time of a network whose words are `texts` (each text
    // a word, its qualifier and its meaning): the server holds the second network afterwards, row
    // for row, when the loader succeeded, else the first one, readable by the reader role. The
    // loader's psql takes a moment to end, and the loader waits for it.
    void loaderReplacesOnlyWhenAsked_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said");
        QTest::addColumn<QString>("missingTable"); // of the second network
        const QStringList plain = {QStringLiteral("друг"), QStringLiteral("втори")};
        const QStringList replace = {QStringLiteral("--replace")};
        QTest::newRow("a second load")
            << QStringList() << plain << 1 << QStringLiteral("--replace") << QString();
        QTest::newRow("a file that is missing")
            << QStringList{QStringLiteral("--replace"), QStringLiteral("/nonexistent.mdb")} << plain
            << 1 << QStringLiteral("Can not read the network file /nonexistent.mdb") << QString();
        QTest::newRow("--replace")
            << replace << plain << 0 << QStringLiteral("Loaded 2") << QString();
        // Its words are already on their way to the server when the file fails.
        QTest::newRow("--replace with a network that breaks off after its words")
            << replace << plain << 1
            << QStringLiteral("psql ended.\nLoadNetwork: Can not read the network (select ID, "
                              "MEANING from T_MEANING): no such table")
            << QStringLiteral("T_MEANING");
        QTest::newRow("texts of several lines, with quotes")
            << replace
            << QStringList{QStringLiteral("it's\n\"two\" lines"), QStringLiteral("a\r\nb\r")} << 0
            << QStringLiteral("Loaded 2") << QString();
        QTest::newRow("texts with tabs")
            << replace << QStringList{QStringLiteral("a\tb"), QStringLiteral("\t")} << 0
            << QStringLiteral("Loaded 2") << QString();
        QTest::newRow("texts with backslashes")
            << replace
            << QStringList{QStringLiteral("a\\b"), QStringLiteral("\\N"), QStringLiteral("\\."),
                           QStringLiteral("\\")}
            << 0 << QStringLiteral("Loaded 4") << QString();
        QTest::newRow("--reader o'brien")
            << replace + QStringList{QStringLiteral("--reader"), QStringLiteral("o'brien")} << plain
            << 0 << QStringLiteral("role o'brien reads it.") << QString();
        QTest::newRow("--reader with what psql and PL/pgSQL take apart")
            << replace + QStringList{QStringLiteral("--reader"), QStringLiteral("$$ :DBNAME \\x")}
            << plain << 0 << QStringLiteral("role $$ :DBNAME \\x reads it.") << QString();
        QTest::newRow("--print, run by psql")
            << replace + QStringList{QStringLiteral("--print")} << plain << 0
            << QStringLiteral("Loaded 2") << QString();
    }

    void loaderReplacesOnlyWhenAsked() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, texts);
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        QFETCH(QString, missingTable);
        const QString database = QStringLiteral("loaded");
        TTestServer::CreateDatabase(database);
        const QString uri = TTestServer::Uri(database);
        QCOMPARE(TTestServer::Load({QStringLiteral("--database"), uri, mNetwork->Path()}), 0);
        TFixtureDatabase other;
        for (const QString& text : texts) {
            const std::string utf8 = text.toStdString();
            other.AddMeaning(other.AddWord(utf8, "BG", utf8), utf8);
        }
        if (!missingTable.isEmpty())
            other.Exec("drop table " + missingTable.toStdString());
        other.Close();
        if (!arguments.contains(QStringLiteral("/nonexistent.mdb")))
            arguments << other.Path();

        QString output;
        if (arguments.removeAll(QStringLiteral("--print")) > 0) {
            QCOMPARE(TTestServer::LoadPrinted(arguments, uri, &output), exitCode);
        } else {
            QCOMPARE(TTestServer::Load(QStringList{QStringLiteral("--database"), uri} + arguments,
                                       &output, true),
                     exitCode);
        }
        QVERIFY2(output.contains(said), qPrintable(output));
        const qsizetype reader = arguments.indexOf(QStringLiteral("--reader"));
        QCOMPARE(ServerRows(database,
                            reader < 0 ? QStringLiteral("quor_reader") : arguments[reader + 1]),
                 FileRows(exitCode == 0 ? other.Path() : mNetwork->Path()));
    }

    void readerRoleOnlyReads() {
        TQuorDataModule store(TTestServer::Uri(kStore, QStringLiteral("quor_reader")));
        QCOMPARE(FindCat(store), QStringLiteral("1 кот"));
        TServerConnection connection(kStore, QStringLiteral("quor_reader"));
        QVERIFY(connection.Open());
        QSqlQuery query(connection.Database());
        QVERIFY(query.exec(QStringLiteral("start transaction read write")));
        QVERIFY(!query.exec(QStringLiteral("delete from t_meaning")));
        const QString error = query.lastError().databaseText();
        QVERIFY2(error.contains(QStringLiteral("permission denied")), qPrintable(error));
    }

private:
    TWorkingFolder mFolder;
    std::unique_ptr<TFixtureDatabase> mNetwork;
};

QTEST_GUILESS_MAIN(TestPostgresStore)
#include "test_postgres_store.moc"

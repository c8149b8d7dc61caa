// The word browser on a PostgreSQL server beside the same network in its SQLite file:
//
//   QuorPostgresBenchmarks NETWORK.mdb... [Google Benchmark flags]
//
// Runs inside a server that tests/postgres/throwaway-server started (PGHOST names its socket
// folder); scripts/bench-postgres does that. Each network is loaded into a database of its own
// with LoadNetwork, and every benchmark runs on both engines: "<benchmark>/<engine>/<network>".
// The server's engines are also reached through DelayProxy at 0, 1 and 5 ms round trip
// ("postgres-rtt1ms"): a TCP connection whose each direction waits half the round trip.
// Without a server every benchmark is skipped with the reason.
#include "BenchSupport.h"

#include "core/map/NetworkMap.h"
#include "core/pages/PageComposer.h"
#include "core/store/QuorData.h"
#include "core/text/CodePage.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUrl>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

using namespace Quor;

namespace {

QString ServerMissing() {
    if (!qEnvironmentVariableIsSet("QUOR_TEST_POSTGRES"))
        return QStringLiteral("no PostgreSQL server: run through scripts/bench-postgres");
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL")))
        return QStringLiteral("Qt's QPSQL driver is not installed (libqt6sql6-psql)");
    return {};
}

QString DatabaseUri(const QString& database) {
    return QStringLiteral("postgresql:///%1?host=%2")
        .arg(database,
             QString::fromLatin1(QUrl::toPercentEncoding(qEnvironmentVariable("PGHOST"))));
}

// The words the benchmarks ask about, from the network file.
struct TSamples {
    std::string TwentyHomonyms; // page text
    std::int32_t Hub = 0;
    std::string HubWord;
};

TSamples FindSamples(const QString& path) {
    TSamples samples;
    const QString name = QStringLiteral("samples");
    {
        QSqlDatabase file = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        file.setDatabaseName(path);
        file.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        file.open();
        QSqlQuery query(file);
        query.exec(QStringLiteral("select WORD from T_WORD where LANG_CODE = 'BG' group by WORD "
                                  "order by count(*) desc limit 1"));
        if (query.next())
            samples.TwentyHomonyms = query.value(0).toString().toStdString();
        query.exec(QStringLiteral(
            "select W, count(*) from (select FIRST_WORD_ID as W from T_SYNONYM where "
            "IS_ABSOLUTE = 0 union all select SECOND_WORD_ID from T_SYNONYM where IS_ABSOLUTE = "
            "0) group by W order by 2 desc limit 1"));
        if (query.next())
            samples.Hub = query.value(0).toInt();
    }
    QSqlDatabase::removeDatabase(name);
    return samples;
}

// One network in one engine: its store and composer.
struct TEngine {
    QString Database; // the file's path or the server's URI
    bool Server = false;
    std::unique_ptr<TQuorDataModule> Store;
    TPageComposer Composer;
    TSamples Samples;
};

// Counts the statements that one run of `page` starts on the engine, transaction control left
// out. The file's are seen on the store's own connection; the server's are those it logs for a
// store of their own, whose connection asks the server to log every statement (a superuser's
// connection option).
std::int64_t CountStatements(TEngine& engine,
                             const std::function<void(TQuorDataModule&, TPageComposer&)>& page) {
    if (!engine.Server) {
        const TStatementCounter counter(engine.Database.toStdString());
        page(*engine.Store, engine.Composer);
        return counter.Count();
    }
    TQuorDataModule store(engine.Database + QStringLiteral("&options=-c%20log_statement%3Dall"));
    TPageComposer composer;
    composer.SetDataModule(&store);
    page(store, composer); // each statement is prepared on its first run
    QFile log(qEnvironmentVariable("QUOR_TEST_POSTGRES") + QStringLiteral("/server.log"));
    if (!log.open(QIODevice::ReadOnly))
        return -1;
    log.seek(log.size());
    page(store, composer);
    std::int64_t count = 0;
    for (const QByteArray& line : log.readAll().split('\n')) {
        const qsizetype at = line.indexOf("LOG:  statement: ");
        if (at < 0)
            continue;
        const QByteArray statement = line.mid(at + 17).trimmed().toUpper();
        if (!(statement == "BEGIN" || statement == "COMMIT" || statement == "ROLLBACK"))
            ++count;
    }
    return count;
}

// A whole search composed into a page, and the statements one such page runs.
void SearchPage(benchmark::State& state, TEngine& engine, const std::string& word, bool similar) {
    for (auto _ : state)
        benchmark::DoNotOptimize(
            engine.Composer.HtmlPage(engine.Composer.SearchWordsHtml(word, "BG", similar)));
    state.counters["statements"] =
        static_cast<double>(CountStatements(engine, [&](TQuorDataModule&, TPageComposer& composer) {
            composer.HtmlPage(composer.SearchWordsHtml(word, "BG", similar));
        }));
}

void RegisterFor(const std::string& network, const std::string& engineName, TEngine& engine) {
    const auto name = [&](const char* benchmark) {
        return std::string(benchmark) + "/" + engineName + "/" + network;
    };
    const auto add = [&](const char* benchmark, auto function) {
        benchmark::RegisterBenchmark(name(benchmark).c_str(), [&engine,
                                                               function](benchmark::State& state) {
            if (const QString missing = ServerMissing(); !missing.isEmpty()) {
                state.SkipWithError(qPrintable(missing));
                return;
            }
            function(state, engine);
        })->Unit(benchmark::kMillisecond);
    };
    add("SearchPage.exact-20", [](benchmark::State& state, TEngine& e) {
        SearchPage(state, e, Utf8ToPageText(e.Samples.TwentyHomonyms), false);
    });
    add("SearchPage.similar", [](benchmark::State& state, TEngine& e) {
        SearchPage(state, e, Utf8ToPageText("ра"), true);
    });
    add("SearchPage.similar-none", [](benchmark::State& state, TEngine& e) {
        const std::string word = Utf8ToPageText("щщщ");
        for (auto _ : state)
            benchmark::DoNotOptimize(
                e.Composer.HtmlPage(e.Composer.SearchWordsHtml(word, "BG", true)));
    });
    add("WordTable.hub", [](benchmark::State& state, TEngine& e) {
        TWord hub;
        e.Store->LoadWord(e.Samples.Hub, hub);
        for (auto _ : state)
            benchmark::DoNotOptimize(e.Composer.WordInfoTableHtml(hub.Id, hub.Word, hub.MoreInfo));
        state.counters["statements"] =
            static_cast<double>(CountStatements(e, [&hub](TQuorDataModule&, TPageComposer& c) {
                c.WordInfoTableHtml(hub.Id, hub.Word, hub.MoreInfo);
            }));
    });
    add("WordPage.hub", [](benchmark::State& state, TEngine& e) {
        const std::string id = std::to_string(e.Samples.Hub);
        std::int32_t wordId = 0;
        const auto page = [&](TPageComposer& composer) {
            return composer.WordPageHtml(
                id, [](const std::string&) {}, wordId);
        };
        for (auto _ : state)
            benchmark::DoNotOptimize(page(e.Composer));
        state.counters["statements"] = static_cast<double>(
            CountStatements(e, [&](TQuorDataModule&, TPageComposer& composer) { page(composer); }));
    });
    add("Map.hub", [](benchmark::State& state, TEngine& e) {
        const TMapScope scope;
        for (auto _ : state)
            benchmark::DoNotOptimize(BuildNetworkMap(*e.Store, e.Samples.Hub, scope));
        state.counters["statements"] =
            static_cast<double>(CountStatements(e, [&](TQuorDataModule& store, TPageComposer&) {
                BuildNetworkMap(store, e.Samples.Hub, scope);
            }));
    });
    add("PairsAmong.hub", [](benchmark::State& state, TEngine& e) {
        // The pair questions of the hub's table in one statement: every absolute pair among the
        // hub and its relative synonyms.
        TWordList words;
        e.Store->FindSynonyms(e.Samples.Hub, false, words);
        words.Add({e.Samples.Hub, {}, {}});
        for (auto _ : state)
            const TQuorDataModule::TAbsolutePairsScope pairs(*e.Store, words);
        state.counters["words"] = static_cast<double>(words.Count());
    });
    add("WordTable.hub-without-pair-tests", [](benchmark::State& state, TEngine& e) {
        // Every lookup of the hub's table but the pair questions of the grouping; with the
        // batched pair question that statement comes on top.
        for (auto _ : state) {
            const TQuorDataModule::TReadScope page(*e.Store);
            TStringList meanings;
            TWordList homonyms, absolute, relative, again;
            TWord self;
            e.Store->FindMeanings(e.Samples.Hub, meanings);
            e.Store->FindHomonyms(e.Samples.Hub, homonyms);
            e.Store->FindSynonyms(e.Samples.Hub, true, absolute);
            e.Store->LoadWord(e.Samples.Hub, self);
            e.Store->FindSynonyms(e.Samples.Hub, false, relative);
            e.Store->LoadWord(e.Samples.Hub, self);
            e.Store->FindSynonyms(e.Samples.Hub, true, again);
        }
    });
    add("Pair.check", [](benchmark::State& state, TEngine& e) {
        for (auto _ : state) {
            const TQuorDataModule::TReadScope page(*e.Store);
            benchmark::DoNotOptimize(
                e.Store->AreAbsoluteSynonyms(e.Samples.Hub, e.Samples.Hub + 2));
        }
    });
}

} // namespace

int main(int argc, char* argv[]) {
    benchmark::Initialize(&argc, argv);
    QCoreApplication application(argc, argv);
    std::vector<std::string> networks(argv + 1, argv + argc);
    if (networks.empty()) {
        std::fprintf(stderr, "usage: QuorPostgresBenchmarks NETWORK.mdb... [benchmark flags]\n");
        return 2;
    }
    std::map<std::string, std::unique_ptr<TEngine>> engines;
    const bool server = ServerMissing().isEmpty();
    // A proxy for each round trip, to the server's socket.
    std::vector<std::unique_ptr<QProcess>> proxies;
    std::vector<std::pair<std::string, int>> delayed; // engine name, port
    for (const auto& [name, oneWayMs] :
         {std::pair("postgres-rtt0ms", "0"), std::pair("postgres-rtt1ms", "0.5"),
          std::pair("postgres-rtt5ms", "2.5")}) {
        if (!server)
            break;
        auto& proxy = proxies.emplace_back(std::make_unique<QProcess>());
        proxy->start(QStringLiteral(QUOR_DELAY_PROXY),
                     {QStringLiteral("--delay"), QString::fromLatin1(oneWayMs),
                      QStringLiteral("--to"),
                      qEnvironmentVariable("PGHOST") + QStringLiteral("/.s.PGSQL.") +
                          qEnvironmentVariable("PGPORT", QStringLiteral("5432"))});
        proxy->waitForReadyRead(10000);
        const QByteArray line = proxy->readLine().trimmed();
        delayed.emplace_back(name, line.mid(line.lastIndexOf(' ') + 1).toInt());
    }
    for (const std::string& path : networks) {
        const std::string network = std::filesystem::path(path).stem().string();
        const QString database =
            QString::fromStdString(network).replace(QLatin1Char('-'), QLatin1Char('_'));
        const TSamples samples = FindSamples(QString::fromStdString(path));
        auto& sqlite = engines[network + "/sqlite"] = std::make_unique<TEngine>();
        sqlite->Database = QString::fromStdString(path);
        sqlite->Store = std::make_unique<TQuorDataModule>(sqlite->Database);
        sqlite->Samples = samples;
        sqlite->Composer.SetDataModule(sqlite->Store.get());
        auto& postgres = engines[network + "/postgres"] = std::make_unique<TEngine>();
        if (server) {
            QProcess::execute(QStringLiteral("psql"),
                              {QStringLiteral("-q"), QStringLiteral("-d"),
                               QStringLiteral("postgres"), QStringLiteral("-c"),
                               QStringLiteral("create database ") + database});
            QProcess::execute(QStringLiteral(QUOR_LOAD_NETWORK),
                              {QStringLiteral("--replace"), QStringLiteral("--database"),
                               DatabaseUri(database), QString::fromStdString(path)});
        }
        postgres->Database = DatabaseUri(database);
        postgres->Server = true;
        postgres->Store = std::make_unique<TQuorDataModule>(postgres->Database);
        postgres->Samples = samples;
        postgres->Composer.SetDataModule(postgres->Store.get());
        RegisterFor(network, "sqlite", *sqlite);
        RegisterFor(network, "postgres", *postgres);
        for (const auto& [name, port] : delayed) {
            auto& engine = engines[network + "/" + name] = std::make_unique<TEngine>();
            engine->Database = QStringLiteral("postgresql://127.0.0.1:%1/%2?user=postgres")
                                   .arg(port)
                                   .arg(database);
            engine->Server = true;
            engine->Store = std::make_unique<TQuorDataModule>(engine->Database);
            engine->Samples = samples;
            engine->Composer.SetDataModule(engine->Store.get());
            RegisterFor(network, name, *engine);
        }
    }
    benchmark::RunSpecifiedBenchmarks();
    engines.clear();
    for (auto& proxy : proxies) {
        proxy->kill();
        proxy->waitForFinished();
    }
    benchmark::Shutdown();
    return 0;
}

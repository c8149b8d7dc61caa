// The same network in both engines gives the same pages, byte for byte: the sample network, a
// generated one and a small one of awkward texts, each read from its SQLite file and from a
// PostgreSQL database that LoadNetwork filled from that file; from the same tables without the
// loader's columns and indexes, as another tool would leave them; and from those once
// LoadNetwork --add-indexes has added them. A page's rows read a kind at a time give the pages
// of the lookups one by one.
#include "PostgresSupport.h"
#include "TestSupport.h"
#include "core/QuorError.h"
#include "core/pages/PageComposer.h"
#include "core/store/PostgresDialect.h"
#include "core/store/QuorData.h"
#include "core/text/CodePage.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTest>

#include <functional>
#include <map>
#include <memory>
#include <optional>

using namespace Quor;

namespace {

// The server's dialect with every lookup one by one: no statement reads many words at once. A
// table's pair questions are still read at once, with the statement that the store's own suites
// compare with asking them one by one.
class TOneByOne final : public TBareDialect {
public:
    TOneByOne() : TBareDialect(MakePostgresDialect()) {}
    QString AbsolutePairsText() const override { return Engine().AbsolutePairsText(); }
};

// One page composer over its own store.
struct TEngine {
    explicit TEngine(std::unique_ptr<TQuorDataModule> store) : Store(std::move(store)) {
        Composer.SetDataModule(Store.get());
    }
    std::unique_ptr<TQuorDataModule> Store;
    TPageComposer Composer;
};

// One network in both engines: the file, the loaded database, the database of plain tables, that
// one with the indexes added, and the loaded one asked one by one.
struct TEngines {
    std::unique_ptr<TFixtureDatabase> File;
    std::map<QString, std::unique_ptr<TEngine>> Engines;
    TEngine& Sqlite() { return *Engines.at(QStringLiteral("file")); }
};

// The plain tables that another tool would make of a network: the loader's columns and indexes
// dropped.
const char* const kPlainTables[] = {
    "alter table t_word drop column ord, drop column word_upper",
    "alter table t_homonym drop column first_ord, drop column second_ord",
    "alter table t_synonym drop column first_ord, drop column second_ord",
    "alter table t_meaning drop column meaning_words",
    "drop index ix_word_meaning_word_id, ix_word_meaning_meaning_id, ix_synonym_pair",
    "drop sequence quor_row_order",
};

// Awkward texts: characters whose upper case Qt and a C-locale server disagree on, LIKE's
// wildcards and escape character, quotes; pairs stored twice, in both orders and of a word with
// itself.
const char* const kAwkwardNetwork = R"(
insert into T_WORD values (1, 'Straße', null, 'BG'), (2, 'STRASSE', 'ss', 'BG'),
    (3, 'ѐѓџ', '', 'BG'), (4, 'ЀЃЏ', 'главни', 'BG'), (5, 'a\b', '', 'BG'), (6, 'a%b', '', 'BG'),
    (7, 'a_b', '', 'BG'), (8, 'axb', '', 'BG'), (9, 'it''s', '', 'BG'), (10, '"quoted"', '', 'BG'),
    (11, 'µm', '', 'BG'), (12, 'ёлка', '', 'RU'), (13, 'Ёлка', 'ель', 'RU'), (14, 'елка', '', 'RU'),
    (15, 'a\\b', '', 'BG'), (16, 'ǆungla', '', 'BG');
insert into T_MEANING values (1, 'Улица'), (2, 'Дърво'), (3, 'Path \ with "quotes" and ''it''');
insert into TM_WORD_MEANING values (1, 1), (2, 1), (12, 2), (13, 2), (5, 3), (5, 3);
insert into T_HOMONYM values (2, 1), (1, 2), (12, 13), (13, 12), (14, 12), (12, 12);
insert into T_SYNONYM values (5, 6, 1), (7, 5, 1), (5, 8, 0), (9, 5, 0), (6, 7, 1), (5, 5, 1),
    (8, 5, 0), (10, 5, 1), (5, 10, 1), (11, 5, 0);
)";

} // namespace

class TestPostgresPages : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        if (const QString reason = TTestServer::MissingReason(); !reason.isEmpty())
            QSKIP(qPrintable(reason));

        auto sample = std::make_unique<TFixtureDatabase>("");
        QFile sql(QStringLiteral(QUOR_SAMPLE_NETWORK_SQL));
        QVERIFY(sql.open(QIODevice::ReadOnly));
        sample->Exec(sql.readAll().toStdString());
        AddNetwork(QStringLiteral("sample"), std::move(sample));

        auto generated = std::make_unique<TFixtureDatabase>("");
        generated->Close();
        QFile::remove(generated->Path());
        QProcess generator;
        generator.start(QStringLiteral(QUOR_GENERATE_NETWORK),
                        {QStringLiteral("--words"), QStringLiteral("2000"),
                         QStringLiteral("--seed"), QStringLiteral("3"), QStringLiteral("--output"),
                         generated->Path(), QStringLiteral("--ucase-index")});
        QVERIFY(generator.waitForFinished(120000) && generator.exitCode() == 0);
        const QString report = QString::fromUtf8(generator.readAllStandardOutput());
        mHubId = QRegularExpression(QStringLiteral("heaviest hub: word id (\\d+) \\(BG \"([^\"]+)"))
                     .match(report)
                     .capturedTexts();
        mShowcase =
            QRegularExpression(QStringLiteral("20 homonyms: BG \"([^\"]+)\", first word id (\\d+)"))
                .match(report)
                .capturedTexts();
        QCOMPARE(mHubId.size(), 3);
        QCOMPARE(mShowcase.size(), 3);
        AddNetwork(QStringLiteral("generated"), std::move(generated));

        auto awkward = std::make_unique<TFixtureDatabase>();
        awkward->Exec(kAwkwardNetwork);
        AddNetwork(QStringLiteral("awkward"), std::move(awkward));
    }

    void searchPagesAreTheSame_data() {
        QTest::addColumn<QString>("network");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("similar");
        const struct {
            const char *name, *network, *text, *language;
            bool similar;
        } rows[] = {
            {"exact", "sample", "компютър", "BG", false},
            {"exact in upper case", "sample", "КОМПЮТЪР", "BG", false},
            {"exact, not found", "sample", "компютри", "BG", false},
            {"similar", "sample", "ком", "BG", true},
            {"similar Russian", "sample", "а", "RU", true},
            {"every word of a language, beyond the cap", "sample", "", "BG", true},
            {"% is a wildcard", "sample", "к%р", "BG", true},
            {"_ is a wildcard", "sample", "к_м", "RU", true},
            {"exactly 20 words", "generated", "", "BG", false},
            {"similar, ties of length", "generated", "ра", "BG", true},
            {"similar Russian, ties of length", "generated", "ра", "RU", true},
            {"every word, beyond the cap", "generated", "", "RU", true},
            {"ß is SS", "awkward", "strasse", "BG", false},
            {"ß is SS, similar", "awkward", "ss", "BG", true},
            {"Cyrillic beyond я", "awkward", "ЃЏ", "BG", true},
            {"ё", "awkward", "ЁЛКА", "RU", false},
            {"µ", "awkward", "µM", "BG", false},
            {"backslash, exact", "awkward", "a\\b", "BG", false},
            {"backslash, similar", "awkward", "\\", "BG", true},
            {"two backslashes", "awkward", "a\\\\b", "BG", true},
            {"% in an exact search", "awkward", "a%b", "BG", false},
            {"% in a similar search", "awkward", "a%b", "BG", true},
            {"_ in an exact search", "awkward", "a_b", "BG", false},
            {"_ in a similar search", "awkward", "a_b", "BG", true},
            {"apostrophe", "awkward", "'", "BG", true},
            {"double quotes", "awkward", "\"quoted\"", "BG", false},
        };
        for (const auto& row : rows)
            QTest::addRow("%s: %s", row.network, row.name)
                << QString::fromLatin1(row.network) << QByteArray(row.text)
                << QString::fromLatin1(row.language) << row.similar;
    }

    void searchPagesAreTheSame() {
        QFETCH(QString, network);
        QFETCH(QByteArray, text);
        QFETCH(QString, language);
        QFETCH(bool, similar);
        TEngines& engines = *mNetworks.at(network);
        // The generated network's showcase spelling, found exactly 20 times.
        const std::string word =
            text.isEmpty() && !similar ? ToPageText(mShowcase[1]) : Cp(text.constData());
        const std::string lang = language.toStdString();
        const std::string expected = engines.Sqlite().Composer.SearchWordsHtml(word, lang, similar);
        QVERIFY2(expected.find("ErrorMessage") == std::string::npos, expected.c_str());
        CompareEngines(network, expected, [&](TEngine& engine) {
            return engine.Composer.SearchWordsHtml(word, lang, similar);
        });
    }

    // Every word's table and page of the generated network, its rows read a kind at a time and
    // one by one.
    void pagesOfEveryWordAreThoseOfTheLookupsOneByOne_data() {
        QTest::addColumn<QString>("engine");
        QTest::newRow("loaded") << QStringLiteral("server");
        QTest::newRow("plain tables") << QStringLiteral("plain");
    }

    void pagesOfEveryWordAreThoseOfTheLookupsOneByOne() {
        QFETCH(QString, engine);
        TEngines& engines = *mNetworks.at(QStringLiteral("generated"));
        TEngine& batched = *engines.Engines.at(engine);
        TEngine& oneByOne = *engines.Engines.at(engine + QStringLiteral(" one by one"));
        TWordList words;
        bool more = false;
        for (const char* language : {"BG", "RU"}) {
            const TQuorDataModule::TReadScope snapshot(*engines.Sqlite().Store);
            TWordList some;
            engines.Sqlite().Store->FindWords("", language, true, 100000, some, more);
            words.TakeOver(some);
        }
        QVERIFY(words.Count() == 2000);
        // Link pages of every word, results pages of a tenth of them (within the suite's time).
        for (const TWord& word : words) {
            const std::string id = std::to_string(word.Id);
            QVERIFY2(LinkPage(batched, id) == LinkPage(oneByOne, id), id.c_str());
            if (word.Id % 10 == 0)
                QVERIFY2(batched.Composer.SearchWordsHtml(word.Word, "BG", false) ==
                             oneByOne.Composer.SearchWordsHtml(word.Word, "BG", false),
                         id.c_str());
        }
    }

    // Through the full-text index that the loader makes, and through the plain statement on a
    // network without it (one loaded by an earlier loader).
    // The server's full-text index where the loader made it or --add-indexes added it, the plain
    // statement on plain tables: the pages of the file.
    void meaningsPagesAreTheSame_data() {
        QTest::addColumn<QString>("network");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("language");
        const struct {
            const char *name, *network, *text, *language;
        } rows[] = {
            {"two words", "sample", "устройство данни", "BG"},
            {"the start of a word, upper case", "sample", "ИЗМЕРВ", "BG"},
            {"Russian, ё", "sample", "устройство", "RU"},
            {"nothing found", "sample", "мерване", "BG"},
            {"a short word, beyond the cap", "generated", "на", "BG"},
            {"two words", "generated", "вид на", "BG"},
            {"a word's two meanings", "awkward", "дърво", "RU"},
            {"a meaning linked twice, Latin letters", "awkward", "path QUOTES", "BG"},
        };
        for (const auto& row : rows)
            QTest::addRow("%s: %s", row.network, row.name)
                << QString::fromLatin1(row.network) << QByteArray(row.text)
                << QString::fromLatin1(row.language);
    }

    void meaningsPagesAreTheSame() {
        QFETCH(QString, network);
        QFETCH(QByteArray, text);
        QFETCH(QString, language);
        const std::string typed = Cp(text.constData());
        const std::string lang = language.toStdString();
        const auto page = [&](TEngine& engine) {
            std::optional<std::int32_t> first;
            return engine.Composer.SearchMeaningsHtml(typed, lang, first);
        };
        const std::string expected = page(mNetworks.at(network)->Sqlite());
        QVERIFY2(expected.find("ErrorMessage") == std::string::npos, expected.c_str());
        CompareEngines(network, expected, page);
    }

    void linkPagesAreTheSame_data() {
        QTest::addColumn<QString>("network");
        QTest::addColumn<QString>("idText");
        const struct {
            const char *name, *network, *id;
        } rows[] = {
            {"87 absolute synonyms as first word", "sample", "1"},
            {"87 absolute synonyms as second word", "sample", "2"},
            {"homonyms", "sample", "143"},
            {"relative synonyms", "sample", "20"},
            {"no such word", "sample", "0"},
            {"not a number", "sample", "abc"},
            {"blanks around", "sample", " 7 "},
            {"a sign", "sample", "+7"},
            {"a fraction of zero", "sample", "7.0"},
            {"an exponent", "sample", "7e0"},
            {"a fraction", "sample", "7.5"},
            {"beyond 64 bits", "sample", "99999999999999999999"},
            {"hexadecimal", "sample", "0x07"},
            {"empty", "sample", ""},
            {"the heaviest hub", "generated", "hub"},
            {"one of 20 homonyms", "generated", "showcase"},
            {"pairs both ways, with itself", "awkward", "5"},
            {"homonyms stored twice", "awkward", "12"},
            {"ß", "awkward", "1"},
        };
        for (const auto& row : rows)
            QTest::addRow("%s: %s", row.network, row.name)
                << QString::fromLatin1(row.network) << QString::fromLatin1(row.id);
    }

    void linkPagesAreTheSame() {
        QFETCH(QString, network);
        QFETCH(QString, idText);
        TEngines& engines = *mNetworks.at(network);
        const QString id = idText == QLatin1String("hub")        ? mHubId[1]
                           : idText == QLatin1String("showcase") ? mShowcase[2]
                                                                 : idText;
        CompareEngines(network, LinkPage(engines.Sqlite(), id.toStdString()),
                       [&](TEngine& engine) { return LinkPage(engine, id.toStdString()); });
    }

private:
    void AddNetwork(const QString& name, std::unique_ptr<TFixtureDatabase> file) {
        file->Close();
        auto engines = std::make_unique<TEngines>();
        const auto add = [&engines](const QString& engine, std::unique_ptr<TQuorDataModule> store) {
            engines->Engines[engine] = std::make_unique<TEngine>(std::move(store));
        };
        add(QStringLiteral("file"), std::make_unique<TQuorDataModule>(file->Path()));
        for (const QString& kind :
             {QStringLiteral("server"), QStringLiteral("plain"), QStringLiteral("indexed")}) {
            const QString database = QStringLiteral("pages_%1_%2").arg(name, kind);
            TTestServer::CreateDatabase(database);
            QString output;
            const QString uri = TTestServer::Uri(database);
            QVERIFY2(
                TTestServer::Load({QStringLiteral("--database"), uri, file->Path()}, &output) == 0,
                qPrintable(output));
            if (kind != QLatin1String("server")) {
                QStringList plain;
                for (const char* statement : kPlainTables)
                    plain << QString::fromLatin1(statement);
                QVERIFY2(TTestServer::Exec(database, plain).isEmpty(), qPrintable(database));
            }
            if (kind == QLatin1String("indexed"))
                QVERIFY2(TTestServer::Load({QStringLiteral("--add-indexes"), uri}, &output) == 0,
                         qPrintable(output));
            add(kind, std::make_unique<TQuorDataModule>(uri));
            QVERIFY(engines->Engines.at(kind)->Store->IsConnected());
            if (kind != QLatin1String("indexed"))
                add(kind + QStringLiteral(" one by one"),
                    std::make_unique<TQuorDataModule>(uri, std::make_unique<TOneByOne>()));
        }
        engines->File = std::move(file);
        mNetworks[name] = std::move(engines);
    }

    // Every engine's page is the file's. The plain tables know nothing of the file's order,
    // where SQLite leaves it to its plan: they give pairs and words of one length by id, which is
    // the sample network's order but not that of the others; there the plain tables' pages, one
    // by one, are the ones to give.
    void CompareEngines(const QString& network, const std::string& filePage,
                        const std::function<std::string(TEngine&)>& page) {
        TEngines& engines = *mNetworks.at(network);
        const std::string plainPage =
            network == QLatin1String("sample")
                ? filePage
                : page(*engines.Engines.at(QStringLiteral("plain one by one")));
        for (const auto& [name, engine] : engines.Engines) {
            const bool plain =
                name.startsWith(QLatin1String("plain")) || name == QLatin1String("indexed");
            const auto [actualPart, expectedPart] =
                FromTheParting(Bytes(page(*engine)), Bytes(plain ? plainPage : filePage));
            QVERIFY2(actualPart == expectedPart,
                     qPrintable(name + QLatin1Char(' ') +
                                QString::fromLatin1(actualPart.left(200)) +
                                QStringLiteral("\nexpected ") +
                                QString::fromLatin1(expectedPart.left(200))));
        }
    }

    // The page a followed word link shows, as the main window composes it.
    static std::string LinkPage(TEngine& engine, const std::string& idText) {
        const std::string address = "quor://QuorSemanticNetworkServer/ShowWord?wordId=" + idText;
        try {
            std::int32_t id = 0;
            return engine.Composer.WordPageHtml(
                idText, [](const std::string&) {}, id);
        } catch (const std::exception& error) {
            return engine.Composer.LinkErrorPageHtml(address, ErrorMessage(error));
        }
    }

    TWorkingFolder mFolder;
    std::map<QString, std::unique_ptr<TEngines>> mNetworks;
    QStringList mHubId, mShowcase;
};

QTEST_GUILESS_MAIN(TestPostgresPages)
#include "test_postgres_pages.moc"

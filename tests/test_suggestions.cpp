// The words offered when a search finds nothing: which words each source finds in a small network
// of real Bulgarian and Russian words, in which order, and why.
#include "TestSupport.h"
#include "core/store/QuorData.h"
#include "core/store/SqliteDialect.h"
#include "core/suggest/Suggestions.h"
#include "core/text/CodePage.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Quor;

namespace {

// The network's words, in UTF-8, by language.
const char* const kBulgarian[] = {"къща", "компютър", "книга",  "хубав",
                                  "дума", "щастие",   "ябълка", "баща"};
const char* const kRussian[] = {"дом",   "верный", "весёлый",     "елка", "стол",      "стул",
                                "щётка", "журнал", "хлеб",        "язык", "компьютер", "код",
                                "кот",   "кол",    "ком",         "кок",  "кош",       "кон",
                                "коп",   "кофр",   "жёсткий диск"};

// "word | why" for each suggestion, in their order.
QStringList Described(const std::vector<TSuggestion>& suggestions) {
    QStringList described;
    for (const TSuggestion& suggestion : suggestions)
        described << FromPageText(suggestion.Word) + QStringLiteral(" | ") +
                         FromPageText(suggestion.Why);
    return described;
}

// SQLite, but the statement for a language's words reads none: a store that suggests words had
// them read ahead, on a store of its own.
class TNoLanguageWords final : public TBareDialect {
public:
    TNoLanguageWords() : TBareDialect(MakeSqliteDialect()) {}
    QString LanguageWordsText() const override {
        return QStringLiteral("select WORD from T_WORD where LANG_CODE = :LANG_CODE and 0");
    }
    QString NetworkLabel(QSqlDatabase& connection) const override {
        return Engine().NetworkLabel(connection);
    }
};

} // namespace

class TestSuggestions : public QObject {
    Q_OBJECT

    std::unique_ptr<TFixtureDatabase> mDb;
    std::unique_ptr<TQuorDataModule> mStore;
    // With the system's dictionaries, and with none (an empty folder); each reads them once.
    QTemporaryDir mNoDictionaries;
    std::unique_ptr<TSuggestions> mWithDictionaries, mWithoutDictionaries;

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(mNoDictionaries.isValid());
        mDb = std::make_unique<TFixtureDatabase>();
        for (const char* word : kBulgarian)
            mDb->AddWord(word, "BG");
        for (const char* word : kRussian)
            mDb->AddWord(word, "RU");
        // A Bulgarian homonym of a Russian word: each language suggests its own.
        mDb->AddWord("дом", "BG");
        mDb->Close();
        mStore = std::make_unique<TQuorDataModule>(mDb->Path());
        mWithDictionaries = std::make_unique<TSuggestions>();
        mWithoutDictionaries = std::make_unique<TSuggestions>(mNoDictionaries.path());
        for (TSuggestions* suggestions : {mWithDictionaries.get(), mWithoutDictionaries.get()})
            suggestions->SetDataModule(mStore.get());
    }

    void suggestsWhatTheTextProbablyMeant_data() {
        QTest::addColumn<QString>("text"); // as the search strip leaves it
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("dictionaries"); // whether Hunspell's are there
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char* name, const char* text, const char* language,
                            QStringList expected, bool dictionaries = true) {
            QTest::newRow(name) << QString::fromUtf8(text) << QString::fromLatin1(language)
                                << dictionaries << expected;
        };
        const auto s = [](const char* utf8) { return QString::fromUtf8(utf8); };

        row("definite form", "Къщата", "BG", {s("къща | dictionary form of Къщата")});
        row("definite form of a masculine", "Компютъра", "BG",
            {s("компютър | dictionary form of Компютъра")});
        row("instrumental plural", "Домами", "RU", {s("дом | dictionary form of Домами")});
        row("adjective's genitive", "Верного", "RU", {s("верный | dictionary form of Верного")});
        row("form and typing error: the form first", "Столы", "RU",
            {s("стол | dictionary form of Столы"), s("стул | similar spelling")});
        row("form in the other language only", "Домами", "BG", {});
        row("no dictionaries: a quiet no-form", "Къщата", "BG", {s("къща | similar spelling")},
            false);

        row("е for ё", "Веселый", "RU", {s("весёлый | spelled with ё")});
        row("ё for е", "Ёлка", "RU", {s("елка | spelled with е")});
        row("е for ё in a part", "Жесткий", "RU", {s("жёсткий диск | spelled with ё")});
        row("ё inflected", "Щётками", "RU", {s("щётка | dictionary form of Щётками")});

        row("Bulgarian sht and a for ъ", "kashta", "BG", {s("къща | from Latin letters")});
        row("Bulgarian yu and a for ъ", "kompyutar", "BG", {s("компютър | from Latin letters")});
        row("Bulgarian capitals", "SHTASTIE", "BG", {s("щастие | from Latin letters")});
        row("Bulgarian ya", "yabalka", "BG", {s("ябълка | from Latin letters")});
        row("Russian zh", "zhurnal", "RU", {s("журнал | from Latin letters")});
        row("Russian kh", "khleb", "RU", {s("хлеб | from Latin letters")});
        row("Russian h", "hleb", "RU", {s("хлеб | from Latin letters")});
        row("Russian ya and y", "yazyk", "RU", {s("язык | from Latin letters")});
        row("Russian ja", "jazyk", "RU", {s("язык | from Latin letters")});
        row("Russian shch, e for ё", "shchetka", "RU", {s("щётка | from Latin letters")});
        row("Russian without its soft sign", "kompyuter", "RU",
            {s("компьютер | similar spelling")});
        row("Latin letters in the other language", "kashta", "RU", {});
        row("Latin letters of an inflected form", "kashtata", "BG",
            {s("къща | from Latin letters")});
        row("Latin letters of an inflected form, Russian", "zhurnalami", "RU",
            {s("журнал | from Latin letters")});

        row("two letters swapped", "Кинга", "BG", {s("книга | similar spelling")});
        row("a letter missing", "Журнл", "RU", {s("журнал | similar spelling")});
        row("a letter extra", "Журнаал", "RU", {s("журнал | similar spelling")});
        row("a letter wrong", "Хлеп", "RU", {s("хлеб | similar spelling")});
        row("two letters wrong", "Щостиа", "BG", {s("щастие | similar spelling")});
        row("three letters wrong", "Щостиаа", "BG", {});
        row("short words take one error", "Бащата", "BG", {s("баща | dictionary form of Бащата")});
        row("eight at most, the same length first", "Коф", "RU",
            {s("код | similar spelling"), s("кот | similar spelling"), s("кол | similar spelling"),
             s("ком | similar spelling"), s("кок | similar spelling"), s("кош | similar spelling"),
             s("кон | similar spelling"), s("коп | similar spelling")});
        row("two letters take no error", "Кд", "RU", {});
        row("nothing near", "Жираф", "RU", {});
        row("empty", "", "BG", {});
        row("far too long", std::string(10000, 'a').c_str(), "BG", {});
    }

    void suggestsWhatTheTextProbablyMeant() {
        QFETCH(QString, text);
        QFETCH(QString, language);
        QFETCH(bool, dictionaries);
        QFETCH(QStringList, expected);
        TSuggestions& suggestions = dictionaries ? *mWithDictionaries : *mWithoutDictionaries;
        QCOMPARE(Described(suggestions.Suggest(ToPageText(text), language.toStdString())),
                 expected);
    }

    // The words are read once, and again when another program has changed the network.
    void seesTheNetworkChanged() {
        TFixtureDatabase db;
        db.AddWord("дом", "RU");
        TQuorDataModule store(db.Path());
        TSuggestions suggestions;
        suggestions.SetDataModule(&store);
        int reads = 0;
        suggestions.SetBusyNotice([&reads](bool busy) { reads += busy ? 1 : 0; });
        QCOMPARE(Described(suggestions.Suggest(Cp("Домами"), "RU")),
                 QStringList{QStringLiteral("дом | dictionary form of Домами")});
        QCOMPARE(Described(suggestions.Suggest(Cp("Стола"), "RU")), QStringList());
        QCOMPARE(reads, 1);
        db.AddWord("стол", "RU");
        QCOMPARE(Described(suggestions.Suggest(Cp("Стола"), "RU")),
                 QStringList{QStringLiteral("стол | dictionary form of Стола")});
        QCOMPARE(reads, 2);
    }

    // The words read ahead in a thread of their own, and what may happen before the question.
    void readsAhead_data() {
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<QStringList>("expected"); // for Домами in Russian
        const QStringList found = {QStringLiteral("дом | dictionary form of Домами")};
        QTest::newRow("asked at once: waits for them") << "nothing" << found;
        QTest::newRow("another network opened: its words") << "another network" << QStringList();
        QTest::newRow("the store closed")
            << "store closed" << QStringList{QStringLiteral("raises")};
        QTest::newRow("network gone for the thread: quietly read by the store")
            << "network removed" << found;
    }

    void readsAhead() {
        QFETCH(QString, meanwhile);
        QFETCH(QStringList, expected);
        TFixtureDatabase network, empty;
        network.AddWord("дом", "RU");
        network.Close();
        empty.Close();
        // Only the store of the removed network reads words itself: it still holds the file open.
        const bool removed = meanwhile == u"network removed";
        auto store = removed ? std::make_unique<TQuorDataModule>(network.Path())
                             : std::make_unique<TQuorDataModule>(
                                   network.Path(), std::make_unique<TNoLanguageWords>());
        if (removed)
            QVERIFY(QFile::remove(network.Path()));
        TQuorDataModule other(empty.Path());
        const TCapturedErrors errors;
        TSuggestions suggestions;
        suggestions.SetDataModule(store.get());
        suggestions.ReadAhead("RU");
        if (meanwhile == u"another network")
            suggestions.SetDataModule(&other);
        if (meanwhile == u"store closed") {
            suggestions.SetDataModule(nullptr);
            store.reset();
        }
        QStringList offered;
        if (ErrorOf([&] { offered = Described(suggestions.Suggest(Cp("Домами"), "RU")); }))
            offered << QStringLiteral("raises");
        QCOMPARE(offered, expected);
        QCOMPARE(errors.Messages.size(), 0u);
    }
};

QTEST_GUILESS_MAIN(TestSuggestions)
#include "test_suggestions.moc"

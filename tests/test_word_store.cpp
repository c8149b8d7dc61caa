#include "TestSupport.h"
#include "core/QuorError.h"
#include "core/store/QuorData.h"
#include "core/store/SqliteDialect.h"
#include "core/suggest/WordForms.h"
#include "core/text/CodePage.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <sqlite3.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <optional>

using namespace Quor;

namespace {

QString Shown(const std::string& pageText) {
    return FromPageText(pageText);
}

QStringList Shown(const TStringList& texts) {
    QStringList shown;
    for (const std::string& text : texts)
        shown << Shown(text);
    return shown;
}

// Words as QCOMPARE compares them, record by record.
using TWords = QList<TWord>;

TWords Words(const TWordList& list) {
    return TWords(list.begin(), list.end());
}

// In the order of their ids, for lookups that promise no order.
TWords SortedById(TWords words) {
    std::stable_sort(words.begin(), words.end(),
                     [](const TWord& a, const TWord& b) { return a.Id < b.Id; });
    return words;
}

// The lookups as functions of what they find. Every list and flag starts with a stale value,
// which the lookup must replace; `more` brings the flag's stale value in and the found one out.
TWords Find(TQuorDataModule& store, const std::string& text, bool similar, bool* more = nullptr,
            int maxCount = 20) {
    TWordList words;
    words.Add({-99, "stale", ""});
    bool flag = true;
    store.FindWords(text, "BG", similar, maxCount, words, more ? *more : flag);
    return Words(words);
}

// "homonyms", "absolute" or "relative" synonyms of a word, in the order of their ids.
TWords Related(TQuorDataModule& store, const QString& relation, std::int32_t id) {
    TWordList words;
    words.Add({-99, "stale", ""});
    if (relation == QLatin1String("homonyms"))
        store.FindHomonyms(id, words);
    else
        store.FindSynonyms(id, relation == QLatin1String("absolute"), words);
    return SortedById(Words(words));
}

QStringList Meanings(TQuorDataModule& store, std::int32_t id) {
    TStringList meanings{"stale"};
    store.FindMeanings(id, meanings);
    return Shown(meanings);
}

// What GetWordById reads for an id text: the word, its more-info and its language code.
QStringList ById(TQuorDataModule& store, const std::string& idText) {
    std::string word = "stale", moreInfo = "stale", langCode = "stale";
    store.GetWordById(idText, word, moreInfo, langCode);
    return {Shown(word), Shown(moreInfo), Shown(langCode)};
}

TWord Loaded(TQuorDataModule& store, std::int32_t id, TWord word = {}) {
    store.LoadWord(id, word);
    return word;
}

// Every lookup once, asked about the words with ids 1 and 2.
const std::vector<std::pair<QString, std::function<void(TQuorDataModule&)>>> kEveryLookup = {
    {QStringLiteral("FindWords exact"), [](TQuorDataModule& s) { Find(s, Cp("кот"), false); }},
    {QStringLiteral("FindWords similar"), [](TQuorDataModule& s) { Find(s, Cp("о"), true); }},
    {QStringLiteral("FindMeanings"), [](TQuorDataModule& s) { Meanings(s, 1); }},
    {QStringLiteral("FindHomonyms"),
     [](TQuorDataModule& s) { Related(s, QStringLiteral("homonyms"), 1); }},
    {QStringLiteral("FindSynonyms"),
     [](TQuorDataModule& s) { Related(s, QStringLiteral("absolute"), 1); }},
    {QStringLiteral("GetWordById"), [](TQuorDataModule& s) { ById(s, "1"); }},
    {QStringLiteral("LoadWord"), [](TQuorDataModule& s) { Loaded(s, 1); }},
    {QStringLiteral("AreAbsoluteSynonyms"),
     [](TQuorDataModule& s) { s.AreAbsoluteSynonyms(1, 2); }},
};

// Words A..H (ids 1..8): homonyms A-B, absolute synonyms A-C, relative synonyms D-A, homonyms and
// absolute synonyms F-G each stored in both orders, homonyms H-H. E has no relations.
std::map<QChar, TWord> AddRelatedWords(TFixtureDatabase& fixture) {
    const std::vector<std::pair<const char*, const char*>> texts = {
        {"ключ", "за врата"}, {"ключ", "извор"},    {"клавиш", ""},     {"шифър", "код"},
        {"самотник", ""},     {"коса", "на глава"}, {"коса", "сечиво"}, {"лук", "растение"}};
    std::map<QChar, TWord> words;
    for (std::size_t i = 0; i < texts.size(); ++i)
        words[QLatin1Char(char('A' + i))] = {fixture.AddWord(texts[i].first, "BG", texts[i].second),
                                             Cp(texts[i].first), Cp(texts[i].second)};
    const auto id = [&](char name) { return words.at(QLatin1Char(name)).Id; };
    fixture.AddHomonyms(id('A'), id('B'));
    fixture.AddSynonyms(id('A'), id('C'), true);
    fixture.AddSynonyms(id('D'), id('A'), false);
    fixture.AddHomonyms(id('F'), id('G'));
    fixture.AddHomonyms(id('G'), id('F'));
    fixture.AddSynonyms(id('F'), id('G'), true);
    fixture.AddSynonyms(id('G'), id('F'), true);
    fixture.AddHomonyms(id('H'), id('H'));
    return words;
}

// What a page over the network of ChangesOfAnotherProgram shows: the words of a similar search for
// "кот", the meanings of кот and its relative synonyms; or the failure.
QString Seen(TQuorDataModule& store) {
    try {
        QStringList seen;
        TWordList words;
        bool more = false;
        store.FindWords(Cp("кот"), "BG", true, 20, words, more);
        QStringList texts;
        for (const TWord& word : words)
            texts << Shown(word.Word);
        seen << texts.join(u' ');
        seen << Meanings(store, 1).join(u' ');
        store.FindSynonyms(1, false, words);
        texts.clear();
        for (const TWord& word : words)
            texts << Shown(word.Word);
        seen << texts.join(u' ');
        return seen.join(QLatin1String(" | "));
    } catch (const EQuorError& error) {
        return Shown(error.Message());
    }
}

} // namespace

class TestWordStore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // --- FindWords ---

    void FindWords_exactMatchKeepsToTheLanguage() {
        TFixtureDatabase fixture;
        const auto bg = fixture.AddWord("кот", "BG", "животно");
        const auto ru = fixture.AddWord("кот", "RU");
        fixture.AddWord("котка", "BG");
        TQuorDataModule store(fixture.Path());

        bool more = true;
        QCOMPARE(Find(store, Cp("кот"), false, &more), (TWords{{bg, Cp("кот"), Cp("животно")}}));
        QCOMPARE(more, false);
        TWordList words;
        store.FindWords(Cp("кот"), "RU", false, 20, words, more);
        QCOMPARE(Words(words), (TWords{{ru, Cp("кот"), ""}}));
    }

    // --- FindWordsByMeanings ---

    // Each search runs on the network's own statement and on the meanings index beside it.
    void FindWordsByMeanings_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("found"); // the words, in their order
        QTest::addColumn<bool>("more");
        const auto row = [](const char* name, const char* text, const char* language,
                            const QStringList& found, bool more = false) {
            QTest::newRow(name) << QString::fromUtf8(text) << QString::fromUtf8(language) << found
                                << more;
        };
        const QString barometer = QStringLiteral("барометър");
        const QString manometer = QStringLiteral("манометър");
        const QString thermometer = QStringLiteral("термометър");
        row("every typed word in one meaning, shortest meaning first", "налягане измерване", "BG",
            {barometer, manometer});
        row("a typed word missing from the meaning", "измерване температура влага", "BG", {});
        row("forms: the start of a word, in any case", "ИЗМЕРВ", "BG",
            {barometer, thermometer, manometer});
        row("not the middle of a word", "мерване", "BG", {});
        row("an inflected typed word: every form of its dictionary form", "налягането", "BG",
            {barometer, manometer});
        row("an inflected typed word, Russian", "измерениями", "RU", {QStringLiteral("прибор")});
        row("a stress mark in the meaning", "температура", "BG", {thermometer});
        row("ё in the meaning, е typed", "зеленая", "RU", {QStringLiteral("ёлка")});
        row("ё typed, е in the meaning", "ёлочная", "RU", {QStringLiteral("ель")});
        row("words parted by punctuation", "уред,за;налягане", "BG", {barometer, manometer});
        row("a word of two matching meanings once", "уред", "BG",
            {barometer, thermometer, manometer});
        row("only the language's words", "уред", "RU", {});
        row("no letter typed", "...", "BG", {});
        QStringList twenty;
        for (int i = 1; i <= 20; ++i)
            twenty << QStringLiteral("мярка %1").arg(i);
        row("twenty words", "дължина", "BG", twenty, false);
        row("more than twenty words, with the warning", "тегло", "BG", twenty, true);
    }

    void FindWordsByMeanings() {
        QFETCH(QString, text);
        QFETCH(QString, language);
        QFETCH(QStringList, found);
        QFETCH(bool, more);
        TFixtureDatabase fixture;
        const auto add = [&](const char* word, const char* lang,
                             std::initializer_list<const char*> meanings) {
            const auto id = fixture.AddWord(word, lang);
            for (const char* meaning : meanings)
                fixture.AddMeaning(id, meaning);
        };
        fixture.Exec("begin");
        add("манометър", "BG", {"Уред за измерване на налягането на газове и течности"});
        add("барометър", "BG", {"Уред за атмосферно налягане", "Уред за измерване на налягане"});
        add("термометър", "BG", {"Уред за изме\u0301рване на температура"});
        add("прибор", "RU", {"Устройство для измерения"});
        add("ёлка", "RU", {"Зелёная хвоя"});
        add("ель", "RU", {"Елочная игрушка"});
        for (int i = 1; i <= 21; ++i) {
            const auto id = fixture.AddWord(QStringLiteral("мярка %1").arg(i).toStdString(), "BG");
            if (i <= 20)
                fixture.AddMeaning(id, "Мярка за дължина");
            fixture.AddMeaning(id, "Мярка за тегло");
        }
        fixture.Exec("commit");
        fixture.Close();
        const QTemporaryDir indexes;
        TQuorDataModule plain(fixture.Path(), MakeSqliteDialect({}));
        TQuorDataModule indexed(fixture.Path(), MakeSqliteDialect({indexes.path(), 0}));
        TWordForms forms;
        for (TQuorDataModule* store : {&plain, &indexed}) {
            store->SetTermForms([&forms](const std::string& word, const std::string& langCode) {
                return forms.DictionaryForms(word, langCode);
            });
            TWordList words;
            words.Add({-99, "stale", ""});
            bool moreWords = !more;
            store->FindWordsByMeanings(ToPageText(text), ToPageText(language), 20, words,
                                       moreWords);
            QStringList shown;
            for (const TWord& word : words)
                shown << Shown(word.Word);
            QCOMPARE(shown, found);
            QCOMPARE(moreWords, more);
        }
        // The index answered.
        if (!found.isEmpty())
            QCOMPARE(
                QDir(indexes.path()).entryList({QStringLiteral("*.sqlite")}, QDir::Files).size(),
                1);
    }

    void FindWords_ignoresCase_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QByteArray>("searched");
        QTest::addColumn<bool>("similar");
        QTest::addColumn<bool>("found");
        const struct {
            const char *name, *stored, *searched;
            bool found;
        } rows[] = {{"Cyrillic", "Кот", "кОТ", true},
                    {"Cyrillic lower", "котка", "КОТКА", true},
                    {"Latin", "Cat", "cAT", true},
                    {"ё", "Ёлха", "ёЛХА", true},
                    {"Serbian ђ", "Ђак", "ђАК", true},
                    {"Macedonian ѓ", "Ѓавол", "ѓАВОЛ", true},
                    {"Belarusian ў", "Ўзор", "ўЗОР", true},
                    {"Ukrainian і", "Ірис", "іРИС", true},
                    {"Ukrainian ґ", "Ґанок", "ґАНОК", true},
                    {"with №", "Кот №5", "кОТ №5", true},
                    {"е is not ё", "Ёж", "еж", false},
                    {"Latin c is not с", "сом", "com", false},
                    {"a and z", "az", "AZ", true},
                    {"A and Z", "AZ", "az", true},
                    {"а and я", "ая", "АЯ", true},
                    {"А and Я", "АЯ", "ая", true},
                    {"an emoji is no Cyrillic", "🐈", "пј", false}};
        for (const bool similar : {false, true})
            for (const auto& row : rows)
                QTest::addRow("%s: %s", similar ? "similar" : "exact", row.name)
                    << QByteArray(row.stored) << QByteArray(row.searched) << similar << row.found;
    }

    void FindWords_ignoresCase() {
        QFETCH(QByteArray, stored);
        QFETCH(QByteArray, searched);
        QFETCH(bool, similar);
        QFETCH(bool, found);
        TFixtureDatabase fixture;
        const auto id = fixture.AddWord(stored.toStdString());
        TQuorDataModule store(fixture.Path());

        bool more = true;
        const TWords expected{{id, Cp(stored.constData()), ""}};
        QCOMPARE(Find(store, Cp(searched.constData()), similar, &more),
                 found ? expected : TWords());
        QCOMPARE(more, false);
    }

    // The searches compare ucase of both sides: it must upper-case exactly as Qt does.
    void Ucase_upperCasesAsQt_data() {
        QTest::addColumn<QByteArray>("text"); // UTF-8, or bytes that are not
        QTest::newRow("ASCII") << QByteArray("az AZ @[`{ 09");
        QTest::newRow("а to я") << QByteArray("абвгдежзийклмнопрстуфхцчшщъыьэюя");
        QTest::newRow("ѐ to џ") << QByteArray("ѐёђѓєѕіїјљњћќѝўџ");
        QTest::newRow("Ѐ to Я stay")
            << QByteArray("ЀЁЂЃЄЅІЇЈЉЊЋЌЍЎЏАБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ");
        QTest::newRow("old Cyrillic ѡ ѣ") << QByteArray("ѡѣ");
        QTest::newRow("Ukrainian ґ") << QByteArray("ґанок");
        QTest::newRow("emoji") << QByteArray("🐈");
        QTest::newRow("emoji after Cyrillic") << QByteArray("кот🐈");
        QTest::newRow("Greek") << QByteArray("αβγ ως");
        QTest::newRow("German ß") << QByteArray("straße");
        QTest::newRow("CJK") << QByteArray("漢字");
        QTest::newRow("continuation bytes alone") << QByteArray("\x90\x88");
        QTest::newRow("cut Cyrillic letter") << QByteArray("к\xD0");
        QTest::newRow("Cyrillic lead before ASCII") << QByteArray("\xD0"
                                                                  "A");
    }

    void Ucase_upperCasesAsQt() {
        QFETCH(QByteArray, text);
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(":memory:", &db), SQLITE_OK);
        const std::unique_ptr<sqlite3, int (*)(sqlite3*)> closer(db, sqlite3_close);
        QCOMPARE(RegisterSqliteFunctions(db), SQLITE_OK);
        sqlite3_stmt* statement = nullptr;
        QCOMPARE(sqlite3_prepare_v2(db, "select ucase(?)", -1, &statement, nullptr), SQLITE_OK);
        const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> finalizer(statement,
                                                                              sqlite3_finalize);
        sqlite3_bind_text(statement, 1, text.constData(), int(text.size()), SQLITE_STATIC);
        QCOMPARE(sqlite3_step(statement), SQLITE_ROW);
        const QByteArray upper(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)),
                               sqlite3_column_bytes(statement, 0));
        QCOMPARE(upper, QString::fromUtf8(text).toUpper().toUtf8());
    }

    void FindWords_capsTheCount_data() {
        QTest::addColumn<bool>("similar");
        QTest::addColumn<int>("matching");
        QTest::addColumn<int>("maxCount");
        QTest::addColumn<int>("expectedCount");
        QTest::addColumn<bool>("expectedMore");
        const struct {
            const char* name;
            int matching, maxCount, expectedCount;
            bool expectedMore;
        } rows[] = {{"20 of cap 20", 20, 20, 20, false}, {"21 of cap 20", 21, 20, 20, true},
                    {"45 of cap 20", 45, 20, 20, true},  {"none", 0, 20, 0, false},
                    {"1 of cap 0", 1, 0, 0, true},       {"none of cap 0", 0, 0, 0, false}};
        for (const bool similar : {false, true})
            for (const auto& row : rows)
                QTest::addRow("%s: %s", similar ? "similar" : "exact", row.name)
                    << similar << row.matching << row.maxCount << row.expectedCount
                    << row.expectedMore;
    }

    void FindWords_capsTheCount() {
        QFETCH(bool, similar);
        QFETCH(int, matching);
        QFETCH(int, maxCount);
        QFETCH(int, expectedCount);
        QFETCH(bool, expectedMore);
        TFixtureDatabase fixture;
        fixture.AddWord("кит", "BG");
        fixture.AddWord("кот", "RU");
        TWords matchingWords;
        for (int i = 0; i < matching; ++i) {
            const std::string info = std::to_string(i);
            matchingWords << TWord{fixture.AddWord("Кот", "BG", info), Cp("Кот"), info};
        }
        TQuorDataModule store(fixture.Path());

        bool more = !expectedMore;
        const TWords found = Find(store, Cp("кот"), similar, &more, maxCount);
        QCOMPARE(found.size(), expectedCount);
        QCOMPARE(more, expectedMore);
        for (const TWord& word : found)
            QVERIFY2(matchingWords.contains(word) && found.count(word) == 1,
                     qPrintable(Described(word)));
    }

    void FindWords_similarEmptyTextTakesTheShortestWordsOfTheLanguage() {
        TFixtureDatabase fixture;
        std::map<int, TWord> ofLength;
        for (int i = 0; i < 25; ++i) {
            // Lengths 1..25 scrambled; odd lengths Cyrillic, so that bytes would order otherwise.
            const int length = (i * 7) % 25 + 1;
            std::string text;
            for (int c = 0; c < length; ++c)
                text += length % 2 ? "я" : "z";
            ofLength[length] = {fixture.AddWord(text, "BG"), Cp(text.c_str()), ""};
        }
        fixture.AddWord("а", "RU");
        TQuorDataModule store(fixture.Path());

        TWords expected;
        for (int length = 1; length <= 20; ++length)
            expected << ofLength[length];
        bool more = false;
        QCOMPARE(Find(store, "", true, &more), expected);
        QCOMPARE(more, true);
    }

    void FindWords_wildcards_data() {
        QTest::addColumn<QByteArray>("searched");
        QTest::addColumn<bool>("similar");
        QTest::addColumn<QString>("expected"); // the words found, in any order
        QTest::newRow("containing") << QByteArray("оТ") << true << QStringLiteral("кот скот");
        QTest::newRow("% in similar")
            << QByteArray("к%т") << true << QStringLiteral("к%т к_т кит кот кт скот");
        QTest::newRow("% in exact") << QByteArray("к%т") << false << QStringLiteral("к%т");
        QTest::newRow("% in exact, no such word") << QByteArray("к%") << false << QString();
        QTest::newRow("_ in similar")
            << QByteArray("к_т") << true << QStringLiteral("к%т к_т кит кот скот");
        QTest::newRow("_ in exact") << QByteArray("к_т") << false << QStringLiteral("к_т");
        QTest::newRow("_ in exact, no such word") << QByteArray("_от") << false << QString();
        // A row without a word is never found, not even by the empty texts.
        QTest::newRow("empty text in similar")
            << QByteArray() << true << QStringLiteral("к%т к_т кит кот кт скот тук");
        QTest::newRow("empty text in exact") << QByteArray() << false << QString();
    }

    void FindWords_wildcards() {
        QFETCH(QByteArray, searched);
        QFETCH(bool, similar);
        QFETCH(QString, expected);
        TFixtureDatabase fixture;
        for (const char* text : {"кот", "кит", "кт", "к%т", "к_т", "скот", "тук"})
            fixture.AddWord(text, "BG");
        fixture.AddWord("кот", "RU");
        fixture.Exec("insert into T_WORD (WORD, LANG_CODE) values (null, 'BG');");
        TQuorDataModule store(fixture.Path());

        TWordList words;
        bool more = false;
        store.FindWords(Cp(searched.constData()), "BG", similar, 20, words, more);
        QStringList found;
        for (const TWord& word : words)
            found << Shown(word.Word);
        found.sort();
        QCOMPARE(found, expected.split(u' ', Qt::SkipEmptyParts));
    }

    // --- FindHomonyms, FindSynonyms, AreAbsoluteSynonyms ---

    void RelatedWords_data() {
        QTest::addColumn<QString>("relation");
        QTest::addColumn<QChar>("word");
        QTest::addColumn<QString>("expected"); // names of the words found, in any order
        const char* rows[][3] = {
            {"homonyms", "A", "B"},  {"homonyms", "B", "A"},  {"absolute", "A", "C"},
            {"absolute", "C", "A"},  {"relative", "A", "D"},  {"relative", "D", "A"},
            {"relative", "C", ""},   {"absolute", "D", ""},   {"homonyms", "C", ""},
            {"relative", "B", ""},   {"homonyms", "E", ""},   {"homonyms", "F", "GG"},
            {"homonyms", "G", "FF"}, {"absolute", "G", "FF"}, {"homonyms", "H", "H"}};
        for (const auto& row : rows)
            QTest::addRow("%s of %s", row[0], row[1])
                << QString::fromLatin1(row[0]) << QChar::fromLatin1(row[1][0])
                << QString::fromLatin1(row[2]);
    }

    void RelatedWords() {
        QFETCH(QString, relation);
        QFETCH(QChar, word);
        QFETCH(QString, expected);
        TFixtureDatabase fixture;
        const auto words = AddRelatedWords(fixture);
        TQuorDataModule store(fixture.Path());

        TWords expectedWords;
        for (const QChar name : expected)
            expectedWords << words.at(name);
        QCOMPARE(Related(store, relation, words.at(word).Id), SortedById(expectedWords));
    }

    void AreAbsoluteSynonyms_data() {
        QTest::addColumn<QChar>("first");
        QTest::addColumn<QChar>("second");
        QTest::addColumn<bool>("expected");
        // A-C and F-G are absolute pairs, D-A a relative pair stored as (D, A), A-B homonyms.
        for (const char* row : {"AC+", "CA+", "FG+", "GF+", "AD-", "DA-", "AB-", "CD-", "AA-"})
            QTest::addRow("%c, %c", row[0], row[1])
                << QChar::fromLatin1(row[0]) << QChar::fromLatin1(row[1]) << (row[2] == '+');
    }

    void AreAbsoluteSynonyms() {
        QFETCH(QChar, first);
        QFETCH(QChar, second);
        QFETCH(bool, expected);
        TFixtureDatabase fixture;
        const auto words = AddRelatedWords(fixture);
        TQuorDataModule store(fixture.Path());
        QCOMPARE(store.AreAbsoluteSynonyms(words.at(first).Id, words.at(second).Id), expected);
    }

    void StatementsReusedManyTimesKeepAnsweringRight() {
        TFixtureDatabase fixture;
        const auto words = AddRelatedWords(fixture);
        const TWord &a = words.at(u'A'), &c = words.at(u'C'), &d = words.at(u'D');
        TQuorDataModule store(fixture.Path());

        // In turn: absolute and relative synonyms, asked from either word of the pair.
        for (int i = 0; i < 1000; ++i) {
            const bool absolute = i % 2 == 0, fromA = i % 4 < 2;
            const TWord& partner = absolute ? c : d;
            const TWords found = Related(store, QLatin1String(absolute ? "absolute" : "relative"),
                                         fromA ? a.Id : partner.Id);
            const bool areAbsolute = fromA ? store.AreAbsoluteSynonyms(a.Id, partner.Id)
                                           : store.AreAbsoluteSynonyms(partner.Id, a.Id);
            QStringList byId; // word 0 does not exist
            const bool raised = ErrorOf([&] {
                                    byId = ById(store, absolute ? std::to_string(d.Id) : "0");
                                }).has_value();
            if (found != TWords{fromA ? partner : a} || areAbsolute != absolute ||
                raised == absolute || (absolute && byId.value(0) != Shown(d.Word)))
                QFAIL(qPrintable(QStringLiteral("Wrong answer in round %1").arg(i)));
        }
    }

    // --- FindMeanings ---

    void FindMeanings_inAscendingIdOrderWithDuplicates() {
        TFixtureDatabase fixture;
        const auto a = fixture.AddWord("ключ"), b = fixture.AddWord("клавиш");
        const auto none = fixture.AddWord("самотник");
        fixture.AddMeaning(a, "трето", 30);
        fixture.AddMeaning(a, "първо", 10);
        fixture.AddMeaning(a, "второ", 20);
        fixture.AddMeaning(a, "първо", 40);
        fixture.AddMeaning(b, "пето", 50);
        fixture.Exec("insert into TM_WORD_MEANING values (" + std::to_string(b) + ", 20);");
        TQuorDataModule store(fixture.Path());

        QCOMPARE(Meanings(store, a),
                 Shown(TStringList{Cp("първо"), Cp("второ"), Cp("трето"), Cp("първо")}));
        QCOMPARE(Meanings(store, b), Shown(TStringList{Cp("второ"), Cp("пето")}));
        QCOMPARE(Meanings(store, none), QStringList());
    }

    // --- GetWordById, LoadWord ---

    void GetWordById_raisesWhenNotFound_data() {
        QTest::addColumn<QByteArray>("idText");
        for (const char* text : {"0", "99", "-7", "abc", "7abc", "", "7.5", "7 or 1=1", "7б"})
            QTest::addRow("[%s]", text) << QByteArray(text);
    }

    void GetWordById_raisesWhenNotFound() {
        QFETCH(QByteArray, idText);
        TFixtureDatabase fixture;
        fixture.AddWord("кот", "BG", "животно", 7);
        TQuorDataModule store(fixture.Path());

        const std::string id = Cp(idText.constData());
        std::string word = "stale", moreInfo = "stale", lang = "stale";
        const auto error = ErrorOf([&] { store.GetWordById(id, word, moreInfo, lang); });
        QVERIFY2(error.has_value(), qPrintable(QLatin1String("found ") + Shown(word)));
        QCOMPARE(Shown(*error), Shown("Can not find word with id=" + id));
        QVERIFY(word.empty() && moreInfo.empty() && lang.empty());
    }

    void GetWordById_andLoadWord_readTheRow_data() {
        QTest::addColumn<std::int32_t>("id");
        QTest::addColumn<QByteArray>("word");
        QTest::addColumn<QByteArray>("moreInfo");
        QTest::addColumn<QByteArray>("langCode");
        QTest::newRow("with more-info")
            << 7 << QByteArray("кот") << QByteArray("животно") << QByteArray("BG");
        QTest::newRow("Russian") << 8 << QByteArray("кошка") << QByteArray() << QByteArray("RU");
        QTest::newRow("negative id")
            << -3 << QByteArray("минус") << QByteArray() << QByteArray("BG");
        QTest::newRow("lowest id")
            << INT32_MIN << QByteArray("най-малко") << QByteArray() << QByteArray("BG");
        QTest::newRow("highest id")
            << INT32_MAX << QByteArray("най-много") << QByteArray("край") << QByteArray("RU");
    }

    // GetWordById, LoadWord and an exact search for the word all read the row of the id, and
    // not its neighbour.
    void GetWordById_andLoadWord_readTheRow() {
        QFETCH(std::int32_t, id);
        QFETCH(QByteArray, word);
        QFETCH(QByteArray, moreInfo);
        QFETCH(QByteArray, langCode);
        TFixtureDatabase fixture;
        fixture.AddWord("съсед", langCode.toStdString(), "", 1);
        fixture.AddWord(word.toStdString(), langCode.toStdString(), moreInfo.toStdString(), id);
        TQuorDataModule store(fixture.Path());

        const TWord stored{id, Cp(word.constData()), Cp(moreInfo.constData())};
        QCOMPARE(ById(store, std::to_string(id)),
                 Shown(TStringList{stored.Word, stored.MoreInfo, langCode.toStdString()}));
        QCOMPARE(Loaded(store, id, {1, "stale", "stale"}), stored);
        TWordList words;
        bool more = true;
        store.FindWords(stored.Word, langCode.toStdString(), false, 20, words, more);
        QCOMPARE(Words(words), TWords{stored});
    }

    void LoadWord_missingIdRaisesAndKeepsTheId() {
        TFixtureDatabase fixture;
        fixture.AddWord("кот", "BG", "животно", 7);
        TQuorDataModule store(fixture.Path());

        TWord word{5, "stale", "stale"};
        const auto error = ErrorOf([&] { store.LoadWord(99, word); });
        QCOMPARE(Shown(error.value_or("no error")), QStringLiteral("Can not find word with id=99"));
        QCOMPARE(word, (TWord{5, "", ""}));
    }

    // --- Odd content and bad databases ---

    void NullTextsReadAsEmpty() {
        TFixtureDatabase fixture;
        fixture.Exec("insert into T_WORD values (1, 'кот', null, 'BG');"
                     "insert into T_WORD values (2, null, null, null);"
                     "insert into T_MEANING values (1, null);"
                     "insert into TM_WORD_MEANING values (1, 1);"
                     "insert into T_HOMONYM values (1, 2);"
                     "insert into T_SYNONYM values (2, 1, 0);");
        TQuorDataModule store(fixture.Path());

        const TWords cat{{1, Cp("кот"), ""}};
        QCOMPARE(Find(store, Cp("кот"), false), cat);
        QCOMPARE(Related(store, QStringLiteral("homonyms"), 1), (TWords{{2, "", ""}}));
        QCOMPARE(Related(store, QStringLiteral("relative"), 2), cat);
        QCOMPARE(Meanings(store, 1), QStringList{QString()});
        QCOMPARE(ById(store, "2"), QStringList({QString(), QString(), QString()}));
    }

    // A network imported with sqlite3's ".import --csv" keeps its ids as text.
    void IdsStoredAsText_giveTheRowsOfIntegerIds_data() {
        QTest::addColumn<QString>("lookup");
        QTest::addColumn<QByteArray>("argument");
        QTest::newRow("meanings of ids 9 and 10 in order")
            << QStringLiteral("FindMeanings") << QByteArray("1");
        QTest::newRow("id text with blanks around")
            << QStringLiteral("GetWordById") << QByteArray(" 1 ");
        QTest::newRow("id text with a fraction of zero")
            << QStringLiteral("GetWordById") << QByteArray("1.0");
    }

    void IdsStoredAsText_giveTheRowsOfIntegerIds() {
        QFETCH(QString, lookup);
        QFETCH(QByteArray, argument);
        TFixtureDatabase fixture;
        const auto cat = fixture.AddWord("кот", "BG", "животно", 1);
        fixture.AddMeaning(cat, "второ", 10);
        fixture.AddMeaning(cat, "първо", 9);
        fixture.Close();
        const QString textIds = fixture.Folder() + QStringLiteral("/text-ids.mdb");
        QVERIFY(QFile::copy(fixture.Path(), textIds));
        StoreEveryColumnAsText(textIds);
        const auto answer = [&](const QString& network) {
            TQuorDataModule store(network);
            QStringList found;
            const auto error = ErrorOf([&] {
                found = lookup == u"FindMeanings" ? Meanings(store, argument.toInt())
                                                  : ById(store, argument.toStdString());
            });
            return error ? QStringList{Shown(*error)} : found;
        };

        QCOMPARE(answer(textIds), answer(fixture.Path()));
    }

    void MissingDatabaseFileIsReportedThenConnectedWhenItAppears_data() {
        QTest::addColumn<QString>("folderName");
        QTest::newRow("Latin path") << QStringLiteral("Database");
        QTest::newRow("Cyrillic path") << QStringLiteral("База данни");
    }

    void MissingDatabaseFileIsReportedThenConnectedWhenItAppears() {
        QFETCH(QString, folderName);
        TFixtureDatabase fixture;
        const auto id = fixture.AddWord("кот", "BG", "животно");
        fixture.Close();
        QVERIFY(QDir(fixture.Folder()).mkpath(folderName));
        const QString folder = fixture.Folder() + u'/' + folderName;
        const QString path = folder + QStringLiteral("/QuorSemanticNetwork.mdb");
        TCapturedErrors errors;
        TQuorDataModule store(path);

        QCOMPARE(errors.Messages.size(), std::size_t(1));
        QVERIFY2(Shown(errors.Messages[0]).contains(path), qPrintable(Shown(errors.Messages[0])));
        QVERIFY(!store.IsConnected());
        for (const auto& [name, lookup] : kEveryLookup) {
            const auto error = ErrorOf([&, &lookup = lookup] { lookup(store); });
            QVERIFY2(error && Shown(*error).contains(path), qPrintable(name));
        }
        QVERIFY(QDir(folder).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));

        QVERIFY(QFile::copy(fixture.Path(), path));
        QCOMPARE(Find(store, Cp("кот"), false), (TWords{{id, Cp("кот"), Cp("животно")}}));
        QVERIFY(store.IsConnected());
    }

    void FileThatIsNotADatabase_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const QString notADatabase = QStringLiteral("not a database");
        QTest::newRow("random bytes") << Bytes(Noise(4096, 1251)) << notADatabase;
        QTest::newRow("text") << QByteArray("A note, not a database.\n") << notADatabase;
        QTest::newRow("zero bytes") << QByteArray() << QStringLiteral("empty");
    }

    void FileThatIsNotADatabase() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("QuorSemanticNetwork.mdb"));
        WriteFileBytes(path, bytes.toStdString());
        {
            TCapturedErrors errors;
            TQuorDataModule store(path);
            QCOMPARE(errors.Messages.size(), std::size_t(1));
            const QString message = Shown(errors.Messages[0]);
            QVERIFY2(message.contains(reason) && message.contains(path), qPrintable(message));
            for (const auto& [name, lookup] : kEveryLookup) {
                const auto error = ErrorOf([&, &lookup = lookup] { lookup(store); });
                QVERIFY2(error && Shown(*error).contains(reason), qPrintable(name));
            }
        }
        QCOMPARE(QByteArray::fromStdString(ReadFileBytes(path)), bytes);
    }

    void LookupsNeedingAMissingPartRaise_data() {
        QTest::addColumn<QByteArray>("change");
        QTest::addColumn<QString>("failing"); // the lookups, separated by commas
        QTest::addColumn<QString>("message");
        QTest::newRow("no T_HOMONYM")
            << QByteArray("drop table T_HOMONYM;") << QStringLiteral("FindHomonyms")
            << QStringLiteral("no such table: T_HOMONYM");
        QTest::newRow("no T_SYNONYM") << QByteArray("drop table T_SYNONYM;")
                                      << QStringLiteral("FindSynonyms,AreAbsoluteSynonyms")
                                      << QStringLiteral("no such table: T_SYNONYM");
        QTest::newRow("no TM_WORD_MEANING")
            << QByteArray("drop table TM_WORD_MEANING;") << QStringLiteral("FindMeanings")
            << QStringLiteral("no such table: TM_WORD_MEANING");
        QTest::newRow("no MORE_INFO")
            << QByteArray("alter table T_WORD drop column MORE_INFO;")
            << QStringLiteral("FindWords exact,FindWords similar,FindHomonyms,FindSynonyms,"
                              "GetWordById,LoadWord")
            << QStringLiteral("MORE_INFO");
    }

    void LookupsNeedingAMissingPartRaise() {
        QFETCH(QByteArray, change);
        QFETCH(QString, failing);
        QFETCH(QString, message);
        TFixtureDatabase fixture;
        fixture.Exec("insert into T_WORD (ID, WORD, LANG_CODE) values (1, 'кот', 'BG');" +
                     change.toStdString());
        TCapturedErrors errors;
        TQuorDataModule store(fixture.Path());
        QVERIFY(errors.Messages.empty());

        for (int round = 0; round < 2; ++round) // a statement that failed fails the same again
            for (const auto& [name, lookup] : kEveryLookup) {
                const auto error = ErrorOf([&, &lookup = lookup] { lookup(store); });
                const QString shown = name + QLatin1String(": ") + Shown(error.value_or("none"));
                if (failing.split(u',').contains(name))
                    QVERIFY2(error && Shown(*error).contains(message), qPrintable(shown));
                else
                    QVERIFY2(!error, qPrintable(shown));
            }
    }

    // --- Another program changing the network ---

    void ChangesOfAnotherProgram_data() {
        QTest::addColumn<QByteArray>("journal"); // the journal mode of the network
        QTest::addColumn<QByteArray>("change");  // what the other program does
        QTest::addColumn<QByteArray>("undo");    // and how it takes it back
        QTest::addColumn<QString>("changed");    // what the store shows after the change
        const char* const changes[][4] = {
            {"inserts a word", "insert into T_WORD values (3, 'котенце', '', 'BG');",
             "delete from T_WORD where ID = 3;", "кот котка котенце | домашно животно | котка"},
            {"changes a meaning", "update T_MEANING set MEANING = 'животно' where ID = 1;",
             "update T_MEANING set MEANING = 'домашно животно' where ID = 1;",
             "кот котка | животно | котка"},
            {"deletes a synonym pair", "delete from T_SYNONYM;",
             "insert into T_SYNONYM values (1, 2, 0);", "кот котка | домашно животно | "}};
        for (const char* journal : {"delete", "wal"})
            for (const auto& row : changes)
                QTest::addRow("%s: %s", journal, row[0])
                    << QByteArray(journal) << QByteArray(row[1]) << QByteArray(row[2])
                    << QString::fromUtf8(row[3]);
    }

    // A lookup shows the network before a change or after it, never a mix, or fails with the
    // engine's "database is locked" within the busy timeout; the folder gets no file but what
    // SQLite needs for the journal mode.
    void ChangesOfAnotherProgram() {
        QFETCH(QByteArray, journal);
        QFETCH(QByteArray, change);
        QFETCH(QByteArray, undo);
        QFETCH(QString, changed);
        const bool wal = journal == "wal";
        TFixtureDatabase fixture;
        fixture.Exec("pragma journal_mode = " + journal.toStdString() + ";");
        fixture.AddWord("кот", "BG", "", 1);
        fixture.AddWord("котка", "BG", "", 2);
        fixture.AddMeaning(1, "домашно животно");
        fixture.AddSynonyms(1, 2, false);
        fixture.Close(); // no other program has the network open: no "-wal" file
        const QString before = QStringLiteral("кот котка | домашно животно | котка");
        TQuorDataModule store(fixture.Path());
        QCOMPARE(Seen(store), before);

        // Between lookups: a change is seen once it is committed.
        TOtherProgram other(fixture.Path());
        QCOMPARE(other.Run("begin; " + change), SQLITE_OK);
        QCOMPARE(Seen(store), before);
        QCOMPARE(other.Run("commit"), SQLITE_OK);
        QCOMPARE(Seen(store), changed);

        // During the reading of one page: the page keeps the state it began with. With a rollback
        // journal the other program can not commit while the page is read, and then keeps new
        // readers out until it does.
        {
            const TQuorDataModule::TReadScope page(store);
            QCOMPARE(Seen(store), changed);
            QCOMPARE(other.Run("begin; " + undo), SQLITE_OK);
            QCOMPARE(Seen(store), changed);
            QCOMPARE(other.Run("commit"), wal ? SQLITE_OK : SQLITE_BUSY);
            QCOMPARE(Seen(store), changed);
        }
        if (!wal) {
            QElapsedTimer clock;
            clock.start();
            QCOMPARE(Seen(store), QStringLiteral("database is locked"));
            QVERIFY2(clock.elapsed() < kLockedLookupBound,
                     qPrintable(QString::number(clock.elapsed())));
            QCOMPARE(other.Run("commit"), SQLITE_OK);
        }
        QCOMPARE(Seen(store), before);

        const QString name = QFileInfo(fixture.Path()).fileName();
        QStringList allowed{name};
        if (wal)
            allowed << name + QStringLiteral("-shm") << name + QStringLiteral("-wal");
        const QStringList files =
            QDir(fixture.Folder())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QString& file : files)
            QVERIFY2(allowed.contains(file), qPrintable(files.join(u' ')));
    }

    // --- The file is only read ---

    void LeavesTheDatabaseFileUntouched() {
        TFixtureDatabase fixture;
        AddRelatedWords(fixture);
        fixture.AddMeaning(1, "значение");
        fixture.Close();
        const QDateTime past(QDate(2001, 2, 3), QTime(4, 5, 6), Qt::UTC);
        {
            QFile file(fixture.Path());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY(file.setFileTime(past, QFileDevice::FileModificationTime));
        }
        // A file that may not be written still opens.
        QVERIFY(QFile::setPermissions(fixture.Path(), QFileDevice::ReadOwner));
        const std::string bytes = ReadFileBytes(fixture.Path());
        const QDir folder(fixture.Folder());
        const auto filter = QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot;
        const QStringList entries = folder.entryList(filter);
        {
            TCapturedErrors errors;
            TQuorDataModule store(fixture.Path());
            QVERIFY(errors.Messages.empty() && store.IsConnected());
            for (const auto& [name, lookup] : kEveryLookup) {
                const auto error = ErrorOf([&, &lookup = lookup] { lookup(store); });
                QVERIFY2(!error,
                         qPrintable(name + QLatin1String(": ") + Shown(error.value_or(""))));
            }
        }
        QVERIFY(ReadFileBytes(fixture.Path()) == bytes);
        QCOMPARE(QFileInfo(fixture.Path()).lastModified().toUTC(), past);
        QCOMPARE(folder.entryList(filter), entries);
    }
};

QTEST_GUILESS_MAIN(TestWordStore)
#include "test_word_store.moc"

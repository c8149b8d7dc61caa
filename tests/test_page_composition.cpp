// The pages the program composes: search results, the page frame with its stylesheet, the
// welcome page and the word information table, compared byte for byte with Windows-1251 text.
#include "TestSupport.h"
#include "core/QuorError.h"
#include "core/pages/PageComposer.h"
#include "core/store/QuorData.h"
#include "core/store/SqliteDialect.h"

#include <QDir>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QTest>

#include <sqlite3.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

using namespace Quor;

namespace {

// The store's questions in a readable form, from the statement as the engine ran it: "meanings of
// 1", "homonyms of 1", "absolute synonyms of 1", "relative synonyms of 1", "word 1", "pair 1-2",
// "words".
QString Question(const QString& sql) {
    static const std::vector<std::pair<const char*, const char*>> kinds = {
        {R"(IS_ABSOLUTE = 1.*?FIRST_WORD_ID=(-?\d+) and SECOND_WORD_ID=(-?\d+))", "pair %1-%2"},
        {R"(S\.FIRST_WORD_ID=(-?\d+) .*S\.IS_ABSOLUTE=1)", "absolute synonyms of %1"},
        {R"(S\.FIRST_WORD_ID=(-?\d+) .*S\.IS_ABSOLUTE=0)", "relative synonyms of %1"},
        {R"(H\.FIRST_WORD_ID=(-?\d+) )", "homonyms of %1"},
        {R"(TM_WORD_MEANING\.WORD_ID = (-?\d+))", "meanings of %1"},
        {R"(where ID=.*\(select '?(-?\d+)'? as T\))", "word %1"},
        {R"(^select ID, MORE_INFO, WORD)", "words"},
    };
    for (const auto& [pattern, format] : kinds) {
        const QRegularExpression expression(QLatin1String(pattern),
                                            QRegularExpression::DotMatchesEverythingOption);
        const QRegularExpressionMatch match = expression.match(sql);
        if (!match.hasMatch())
            continue;
        QString question = QLatin1String(format);
        for (int i = 1; i <= match.lastCapturedIndex(); ++i)
            question = question.arg(match.captured(i));
        return question;
    }
    return sql;
}

// The engine's own dialect, which also notes every statement the engine starts, with its values.
class TRecordingDialect final : public TSqlDialect {
public:
    explicit TRecordingDialect(QStringList& questions) : mQuestions(questions) {}

    QString DriverName() const override { return mSqlite->DriverName(); }
    void PrepareToOpen(QSqlDatabase& connection, const QString& path) const override {
        mSqlite->PrepareToOpen(connection, path);
    }
    QString StatementText(TStatementKind kind) const override {
        return mSqlite->StatementText(kind);
    }
    void SetUpConnection(QSqlDatabase& connection, const QString& path) const override {
        mSqlite->SetUpConnection(connection, path);
        const QVariant handle = connection.driver()->handle();
        sqlite3* db = *static_cast<sqlite3* const*>(handle.data());
        sqlite3_trace_v2(db, SQLITE_TRACE_STMT, &Note, &mQuestions);
    }

private:
    // Notes every lookup; the read transaction around a page is no question.
    static int Note(unsigned, void* questions, void* statement, void*) {
        char* sql = sqlite3_expanded_sql(static_cast<sqlite3_stmt*>(statement));
        const QString text = QString::fromUtf8(sql);
        sqlite3_free(sql);
        static const QRegularExpression transaction(QStringLiteral("^(BEGIN|COMMIT|ROLLBACK)\\b"));
        if (!transaction.match(text).hasMatch())
            static_cast<QStringList*>(questions)->append(Question(text));
        return 0;
    }

    std::unique_ptr<TSqlDialect> mSqlite = MakeSqliteDialect();
    QStringList& mQuestions;
};

const std::string kStylesheet =
    "span.Word { font-weight: bold; }\r\na.WordLink { color: navy; }\r\n";

// The head of a page with kStylesheet.
const std::string kHead =
    PageHead({"span.Word { font-weight: bold; }", "a.WordLink { color: navy; }"});

// Everything a page needs: a database and a working folder; the stylesheet warnings are kept.
// The store (over the database, or over `DatabasePath` when set) and the composer come with
// Composer().
struct TPages {
    explicit TPages(const std::string* stylesheet = &kStylesheet,
                    const char* schema = TFixtureDatabase::kSchema)
        : Db(schema), Folder(stylesheet) {}

    TPageComposer& Composer() {
        if (!mStore) {
            mStore = std::make_unique<TQuorDataModule>(DatabasePath.value_or(Db.Path()),
                                                       std::make_unique<TRecordingDialect>(Asked));
            mComposer.SetDataModule(mStore.get());
            mComposer.SetStylesheetWarning(
                [this](const QString& message) { Warnings.append(message); });
        }
        return mComposer;
    }
    TQuorDataModule& Store() {
        Composer();
        return *mStore;
    }
    QString Warned() const { return Warnings.join(QStringLiteral(" | ")); }

    // The message of the failure the store raises for `lookup`.
    std::string StoreError(const std::function<void(TQuorDataModule&)>& lookup) {
        return ErrorOf([&] { lookup(Store()); }).value_or("(no failure)");
    }

    // Sets relations written as "r1-2 a3-4": r for a relative, a for an absolute synonym pair.
    void AddSynonyms(const QString& pairs) {
        for (const QString& pair : pairs.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QStringList ids = pair.mid(1).split(QLatin1Char('-'));
            Db.AddSynonyms(ids[0].toInt(), ids[1].toInt(), pair.startsWith(QLatin1Char('a')));
        }
    }

    TFixtureDatabase Db;
    TWorkingFolder Folder;
    std::optional<QString> DatabasePath;
    QStringList Asked;
    QStringList Warnings;

private:
    std::unique_ptr<TQuorDataModule> mStore;
    TPageComposer mComposer;
};

// UTF-8 texts of the test's source.
QStringList Texts(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* text : texts)
        list << QString::fromUtf8(text);
    return list;
}

// --- Expected pieces of the word information table ---

const std::string kNoMeanings = "<span class=\"NotFoundMessage\">No meanings found.</span>\r\n";
const std::string kNoHomonyms = "<span class=\"NotFoundMessage\">No homonyms found.</span>";
const std::string kNoAbsolute =
    "<span class=\"NotFoundMessage\">No absolute synonyms found.</span>";
const std::string kNoRelative =
    "<span class=\"NotFoundMessage\">No relative synonyms found.</span>";

std::string Link(std::int32_t id, const std::string& text) {
    return "<a class=\"WordLink\" href=\"" + kWordLinkAddress + std::to_string(id) + "\">" + text +
           "</a>";
}

std::string WordSpan(const std::string& word, const std::string& moreInfo = "") {
    std::string span = "<span class=\"Word\">" + word + "</span>";
    return moreInfo.empty() ? span
                            : span + " <span class=\"WordMoreInfo\">(" + moreInfo + ")</span>";
}

std::string Block(const std::string& caption, const std::string& content) {
    return "\t<tr><td class=\"TableCaptionCell\">" + caption + "</td></tr>\r\n" +
           "\t<tr><td class=\"TableDataCell\">" + content + "</td></tr>\r\n";
}

struct TTable {
    std::string Word;
    std::string MeaningsCaption = "Meanings:";
    std::string Meanings = kNoMeanings;
    std::string Homonyms = kNoHomonyms;
    std::string Absolute = kNoAbsolute;
    std::string Relative = kNoRelative;

    std::string Html() const {
        return "<table class=\"WordInfoTable\">\r\n" + Block("Word:", Word) +
               Block(MeaningsCaption, Meanings) + Block("Homonyms:", Homonyms) +
               Block("Absolute synonyms:", Absolute) + Block("Relative synonyms:", Relative) +
               "</table>\r\n";
    }
};

// Five related words with ids 1 to 5, each with a more-info that synonym links never show.
const char* const kNames[] = {"река", "поток", "ручей", "струя", "извор"};

void AddFiveWords(TFixtureDatabase& db) {
    for (const char* name : kNames)
        db.AddWord(name, "BG", "бел.");
}

// The questions of a relative synonyms row of word 1 that finds something, ending with `pairs`.
QStringList Grouped(std::initializer_list<const char*> pairs) {
    return Texts({"relative synonyms of 1", "word 1", "absolute synonyms of 1"}) + Texts(pairs);
}

std::string L(std::int32_t id) {
    return Link(id, Cp(kNames[id - 1]));
}

// --- Expected pieces of the search results ---

std::string Header(const std::string& searchText) {
    return "<p class=\"InfoMessage\">Query results for word \"" + searchText + "\":</p>\r\n\r\n";
}

const std::string kSeparator = "\r\n<br>\r\n\r\n";
const std::string kWarning = "<br>\r\n\r\n\r\n<span class=\"WarningMessage\">Warning: There are "
                             "more words maching your search criteria but the complete list is "
                             "too long to be displayed.</span>\r\n";

// The word store's schema without one table.
std::string SchemaWithout(const QString& table) {
    QStringList lines = QString::fromLatin1(TFixtureDatabase::kSchema).split(QLatin1Char('\n'));
    lines.removeIf([&table](const QString& line) {
        return line.startsWith(QLatin1String("create table ") + table + QLatin1Char(' '));
    });
    return lines.join(QLatin1Char('\n')).toStdString();
}

} // namespace

class TestPageComposition : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // --- WordInfoTableHtml ---

    void WordInfoTable_wordWithNothingRelatedHasAllTenRows() {
        TPages pages;
        const std::int32_t id = pages.Db.AddWord("самотник");
        COMPARE_TEXT(pages.Composer().WordInfoTableHtml(id, Cp("самотник"), ""),
                     Bytes("<table class=\"WordInfoTable\">\r\n"
                           "\t<tr><td class=\"TableCaptionCell\">Word:</td></tr>\r\n"
                           "\t<tr><td class=\"TableDataCell\"><span class=\"Word\">" +
                           Cp("самотник") +
                           "</span></td></tr>\r\n"
                           "\t<tr><td class=\"TableCaptionCell\">Meanings:</td></tr>\r\n"
                           "\t<tr><td class=\"TableDataCell\"><span class=\"NotFoundMessage\">No "
                           "meanings found.</span>\r\n</td></tr>\r\n"
                           "\t<tr><td class=\"TableCaptionCell\">Homonyms:</td></tr>\r\n"
                           "\t<tr><td class=\"TableDataCell\"><span class=\"NotFoundMessage\">No "
                           "homonyms found.</span></td></tr>\r\n"
                           "\t<tr><td class=\"TableCaptionCell\">Absolute synonyms:</td></tr>\r\n"
                           "\t<tr><td class=\"TableDataCell\"><span class=\"NotFoundMessage\">No "
                           "absolute synonyms found.</span></td></tr>\r\n"
                           "\t<tr><td class=\"TableCaptionCell\">Relative synonyms:</td></tr>\r\n"
                           "\t<tr><td class=\"TableDataCell\"><span class=\"NotFoundMessage\">No "
                           "relative synonyms found.</span></td></tr>\r\n"
                           "</table>\r\n"));
        QCOMPARE(pages.Asked, Texts({"meanings of 1", "homonyms of 1", "absolute synonyms of 1",
                                     "relative synonyms of 1"}));
    }

    void WordInfoTable_wordRowShowsTheCallersTexts_data() {
        QTest::addColumn<QByteArray>("word");
        QTest::addColumn<QByteArray>("moreInfo");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("no more-info") << Bytes(Cp("Кон")) << QByteArray()
                                      << Bytes("<span class=\"Word\">" + Cp("Кон") + "</span>");
        QTest::newRow("more-info")
            << Bytes(Cp("кон")) << Bytes(Cp("животно"))
            << Bytes("<span class=\"Word\">" + Cp("кон") +
                     "</span> <span class=\"WordMoreInfo\">(" + Cp("животно") + ")</span>");
        QTest::newRow("markup unchanged")
            << QByteArray("a<b>&amp;") << QByteArray("x & \"y\"")
            << QByteArray("<span class=\"Word\">a<b>&amp;</span> "
                          "<span class=\"WordMoreInfo\">(x & \"y\")</span>");
    }

    void WordInfoTable_wordRowShowsTheCallersTexts() {
        QFETCH(QByteArray, word);
        QFETCH(QByteArray, moreInfo);
        QFETCH(QByteArray, expected);
        TPages pages;
        const std::int32_t id = pages.Db.AddWord("кон", "BG", "стар");
        COMPARE_TEXT(
            pages.Composer().WordInfoTableHtml(id, word.toStdString(), moreInfo.toStdString()),
            Bytes(TTable{.Word = expected.toStdString()}.Html()));
    }

    void WordInfoTable_meanings_data() {
        QTest::addColumn<QStringList>("meanings");
        QTest::addColumn<QByteArray>("caption");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("one") << Texts({"водна площ"}) << QByteArray("Meaning:")
                             << Bytes("<span class=\"Meaning\">" + Cp("водна площ") + "</span>.");
        QTest::newRow("one ending in a full stop")
            << Texts({"и т.н."}) << QByteArray("Meaning:")
            << Bytes("<span class=\"Meaning\">" + Cp("и т.н") + ".</span>.");
        QTest::newRow("three") << Texts({"първо", "второ.", "a & <b>"}) << QByteArray("Meanings:")
                               << Bytes("<span class=\"MeaningNumber\">1. </span>"
                                        "<span class=\"Meaning\">" +
                                        Cp("първо") +
                                        "</span>.<br>"
                                        "<span class=\"MeaningNumber\">2. </span>"
                                        "<span class=\"Meaning\">" +
                                        Cp("второ") +
                                        ".</span>.<br>"
                                        "<span class=\"MeaningNumber\">3. </span>"
                                        "<span class=\"Meaning\">a & <b></span>.");
    }

    void WordInfoTable_meanings() {
        QFETCH(QStringList, meanings);
        QFETCH(QByteArray, caption);
        QFETCH(QByteArray, content);
        TPages pages;
        const std::int32_t id = pages.Db.AddWord("езеро");
        pages.Db.AddMeaning(pages.Db.AddWord("друга"), "чужда");
        for (const QString& meaning : meanings)
            pages.Db.AddMeaning(id, meaning.toStdString());
        COMPARE_TEXT(pages.Composer().WordInfoTableHtml(id, Cp("езеро"), ""),
                     Bytes(TTable{.Word = WordSpan(Cp("езеро")),
                                  .MeaningsCaption = caption.toStdString(),
                                  .Meanings = content.toStdString()}
                               .Html()));
    }

    void WordInfoTable_homonymsCarryTheirMoreInfoAndSynonymsDoNot() {
        TPages pages;
        const std::int32_t key = pages.Db.AddWord("ключ", "BG", "за врата");
        const std::int32_t spring = pages.Db.AddWord("ключ", "BG", "извор");
        const std::int32_t plain = pages.Db.AddWord("ключ");
        pages.Db.AddHomonyms(key, spring);
        pages.Db.AddHomonyms(key, plain);
        pages.Db.AddSynonyms(key, spring, true);
        COMPARE_TEXT(
            pages.Composer().WordInfoTableHtml(key, Cp("ключ"), Cp("за врата")),
            Bytes(TTable{.Word = WordSpan(Cp("ключ"), Cp("за врата")),
                         .Homonyms =
                             Link(spring, Cp("ключ (извор)")) + "<br>" + Link(plain, Cp("ключ")),
                         .Absolute = Link(key, Cp("ключ")) + " - " + Link(spring, Cp("ключ"))}
                      .Html()));
    }

    void WordInfoTable_absoluteRowStartsWithTheStoredWord() {
        TPages pages;
        const std::int32_t horse = pages.Db.AddWord("кон", "BG", "животно");
        const std::int32_t stallion = pages.Db.AddWord("жребец", "BG", "мъжки");
        const std::int32_t steed = pages.Db.AddWord("ат");
        pages.Db.AddSynonyms(horse, stallion, true);
        pages.Db.AddSynonyms(horse, steed, true);
        COMPARE_TEXT(
            pages.Composer().WordInfoTableHtml(horse, Cp("КОН"), ""),
            Bytes(TTable{.Word = WordSpan(Cp("КОН")),
                         .Absolute = Link(horse, Cp("кон")) + " - " + Link(stallion, Cp("жребец")) +
                                     " - " + Link(steed, Cp("ат"))}
                      .Html()));
        // Without relative synonyms the absolute ones are not looked up a second time.
        QCOMPARE(pages.Asked, Texts({"meanings of 1", "homonyms of 1", "absolute synonyms of 1",
                                     "word 1", "relative synonyms of 1"}));
    }

    void Search_linksCarryTheIdsWithTheirSign_data() {
        QTest::addColumn<std::int32_t>("first");
        QTest::addColumn<std::int32_t>("second");
        QTest::addColumn<QByteArray>("firstHref"); // the wordId in the links
        QTest::addColumn<QByteArray>("secondHref");
        QTest::newRow("negative") << -7 << 5 << QByteArray("-7") << QByteArray("5");
        QTest::newRow("32-bit bounds")
            << INT32_MIN << INT32_MAX << QByteArray("-2147483648") << QByteArray("2147483647");
    }

    // The word found and its absolute synonym, linked by their ids.
    void Search_linksCarryTheIdsWithTheirSign() {
        QFETCH(std::int32_t, first);
        QFETCH(std::int32_t, second);
        QFETCH(QByteArray, firstHref);
        QFETCH(QByteArray, secondHref);
        TPages pages;
        pages.Db.AddWord("минус", "BG", "", first);
        pages.Db.AddWord("плюс", "BG", "", second);
        pages.Db.AddSynonyms(first, second, true);
        const std::string link = "<a class=\"WordLink\" href=\"" + kWordLinkAddress;
        COMPARE_TEXT(pages.Composer().SearchWordsHtml(Cp("минус"), "BG", false),
                     Bytes(Header(Cp("минус")) +
                           TTable{.Word = WordSpan(Cp("минус")),
                                  .Absolute = link + firstHref.toStdString() + "\">" + Cp("минус") +
                                              "</a> - " + link + secondHref.toStdString() + "\">" +
                                              Cp("плюс") + "</a>"}
                               .Html()));
    }

    // --- RelativeSynonymsRowHtml and the clusters of GroupSynonymLinks ---

    void RelativeRow_data() {
        QTest::addColumn<QString>("pairs");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("asked");
        QTest::newRow("no relative synonyms")
            << QStringLiteral("a1-2") << Bytes(kNoRelative) << Texts({"relative synonyms of 1"});
        QTest::newRow("relatives unrelated among themselves")
            << QStringLiteral("r1-2 r1-3") << Bytes(L(1) + " - " + L(2) + " - " + L(3))
            << Grouped({"pair 1-2", "pair 1-3", "pair 2-3"});
        QTest::newRow("relatives forming a cluster")
            << QStringLiteral("r1-2 r1-3 a2-3") << Bytes(L(1) + " - " + L(2) + ", " + L(3))
            << Grouped({"pair 1-2", "pair 1-3", "pair 2-3"});
        QTest::newRow("absolute synonyms join the word's group")
            << QStringLiteral("r1-2 a1-3") << Bytes(L(1) + ", " + L(3) + " - " + L(2))
            << Grouped({"pair 1-2", "pair 1-3"});
        QTest::newRow("relative and absolute synonym stands twice")
            << QStringLiteral("r1-2 a1-2 a1-3")
            << Bytes(L(1) + ", " + L(2) + ", " + L(2) + ", " + L(3))
            << Grouped({"pair 1-2", "pair 1-2", "pair 1-3"});
        QTest::newRow("clusters are not transitive")
            << QStringLiteral("r1-2 r1-3 r1-4 a2-3 a3-4")
            << Bytes(L(1) + " - " + L(2) + ", " + L(3) + " - " + L(4))
            << Grouped({"pair 1-2", "pair 1-3", "pair 1-4", "pair 2-3", "pair 2-4"});
        QTest::newRow("three groups")
            << QStringLiteral("r1-2 r1-3 r1-4 a1-5 a3-4")
            << Bytes(L(1) + ", " + L(5) + " - " + L(2) + " - " + L(3) + ", " + L(4))
            << Grouped({"pair 1-2", "pair 1-3", "pair 1-4", "pair 1-5", "pair 2-3", "pair 2-4",
                        "pair 3-4"});
    }

    void RelativeRow() {
        QFETCH(QString, pairs);
        QFETCH(QByteArray, content);
        QFETCH(QStringList, asked);
        TPages pages;
        AddFiveWords(pages.Db);
        pages.AddSynonyms(pairs);
        pages.Store();
        pages.Asked.clear();
        const std::string row = pages.Composer().RelativeSynonymsRowHtml(1);
        QCOMPARE(pages.Asked, asked);
        COMPARE_TEXT(row, Bytes(Block("Relative synonyms:", content.toStdString())));
    }

    void GroupSynonymLinks_data() {
        QTest::addColumn<QByteArray>("words");
        QTest::addColumn<QString>("pairs");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<QStringList>("asked");
        const auto link = [](char letter) {
            return Link(letter - 'A' + 1, std::string(1, letter));
        };
        QTest::newRow("A-C and B-D")
            << QByteArray("ABCD") << QStringLiteral("a1-3 a2-4")
            << Bytes(link('A') + ", " + link('C') + " - " + link('B') + ", " + link('D'))
            << Texts({"pair 1-2", "pair 1-3", "pair 1-4", "pair 2-4"});
        QTest::newRow("A-B and B-C") << QByteArray("ABC") << QStringLiteral("a1-2 a2-3")
                                     << Bytes(link('A') + ", " + link('B') + " - " + link('C'))
                                     << Texts({"pair 1-2", "pair 1-3"});
        QTest::newRow("C first, relative A-C ignored")
            << QByteArray("CBA") << QStringLiteral("a1-2 a2-3 r1-3")
            << Bytes(link('C') + ", " + link('B') + " - " + link('A'))
            << Texts({"pair 3-2", "pair 3-1"});
        QTest::newRow("members not compared with each other")
            << QByteArray("ABCD") << QStringLiteral("a1-3 a1-4 a3-2")
            << Bytes(link('A') + ", " + link('C') + ", " + link('D') + " - " + link('B'))
            << Texts({"pair 1-2", "pair 1-3", "pair 1-4"});
        QTest::newRow("one word") << QByteArray("A") << QString() << Bytes(link('A')) << Texts({});
        QTest::newRow("no words") << QByteArray() << QStringLiteral("a1-2") << QByteArray()
                                  << Texts({});
    }

    void GroupSynonymLinks() {
        QFETCH(QByteArray, words);
        QFETCH(QString, pairs);
        QFETCH(QByteArray, expected);
        QFETCH(QStringList, asked);
        TPages pages;
        pages.AddSynonyms(pairs);
        TWordList list;
        for (const char letter : words)
            list.Add({letter - 'A' + 1, std::string(1, letter), "more"});
        pages.Store();
        pages.Asked.clear();
        COMPARE_TEXT(pages.Composer().GroupSynonymLinks(list, " - ", ", "), expected);
        QCOMPARE(pages.Asked, asked);
    }

    // --- SearchWordsHtml and SearchResultsHtml ---

    void Search_nothingFound_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("word") << Bytes(Cp("кот"));
        QTest::newRow("empty text") << QByteArray();
        QTest::newRow("markup") << QByteArray("a&b<");
    }

    void Search_nothingFound() {
        QFETCH(QByteArray, text);
        TPages pages;
        pages.Db.AddWord("кот", "RU");
        COMPARE_TEXT(pages.Composer().SearchWordsHtml(text.toStdString(), "BG", false),
                     NotFoundMessage(text.toStdString()) + "\r\n");
    }

    void Search_oneWordFound_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("similar");
        QTest::addColumn<QByteArray>("shown"); // the stored word on the page
        QTest::newRow("other case")
            << Bytes(Cp("КОТ")) << QByteArray("кот") << false << Bytes(Cp("кот"));
        QTest::newRow("markup") << QByteArray("a&b<") << QByteArray("a&b<") << false
                                << QByteArray("a&b<");
        QTest::newRow("outside the BMP, one ?")
            << Bytes(Cp("кот")) << QByteArray("😀кот") << true << Bytes("?" + Cp("кот"));
    }

    void Search_oneWordFound() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, stored);
        QFETCH(bool, similar);
        QFETCH(QByteArray, shown);
        TPages pages;
        const std::int32_t id = pages.Db.AddWord(stored.toStdString(), "BG", "животно");
        pages.Db.AddMeaning(id, "домашно животно");
        COMPARE_TEXT(pages.Composer().SearchWordsHtml(text.toStdString(), "BG", similar),
                     Bytes(Header(text.toStdString()) +
                           TTable{.Word = WordSpan(shown.toStdString(), Cp("животно")),
                                  .MeaningsCaption = "Meaning:",
                                  .Meanings = "<span class=\"Meaning\">" + Cp("домашно животно") +
                                              "</span>."}
                               .Html()));
    }

    void Search_tablesAndSeparators_data() {
        QTest::addColumn<int>("matches");
        QTest::addColumn<int>("tables");
        QTest::newRow("3") << 3 << 3;
        QTest::newRow("20") << 20 << 20;
        QTest::newRow("21") << 21 << 20;
        QTest::newRow("25") << 25 << 20;
    }

    void Search_tablesAndSeparators() {
        QFETCH(int, matches);
        QFETCH(int, tables);
        TPages pages;
        for (int i = 1; i <= matches; ++i)
            pages.Db.AddWord("дума", "BG", std::to_string(i));
        std::string expected = Header(Cp("дума"));
        for (int i = 1; i <= tables; ++i) {
            if (i > 1)
                expected += kSeparator;
            expected += TTable{.Word = WordSpan(Cp("дума"), std::to_string(i))}.Html();
        }
        if (matches > 20)
            expected += kWarning;
        COMPARE_TEXT(pages.Composer().SearchWordsHtml(Cp("дума"), "BG", false), Bytes(expected));
    }

    void SearchResults_warningAfterTheNotFoundMessage() {
        TPages pages;
        COMPARE_TEXT(pages.Composer().SearchResultsHtml(TWordList(), "x", true),
                     NotFoundMessage("x") + "\r\n" + kWarning);
    }

    void Search_unreachableDatabaseGivesTheErrorAlone() {
        TPages pages;
        pages.DatabasePath = pages.Db.Folder() + QStringLiteral("/gone/QuorSemanticNetwork.mdb");
        const std::string message = pages.StoreError([](TQuorDataModule& store) {
            TWordList words;
            bool more = false;
            store.FindWords("x", "BG", false, 20, words, more);
        });
        QVERIFY(message.find("gone") != std::string::npos);
        pages.Warnings.clear();
        COMPARE_TEXT(pages.Composer().SearchWordsHtml("x", "BG", false),
                     Bytes(kSearchErrorOpening + message + "</span>"));
        QCOMPARE(pages.Warned(), QString());
    }

    void Search_missingTableGivesTheErrorAlone_data() {
        QTest::addColumn<QString>("table");
        QTest::newRow("T_WORD, while searching") << QStringLiteral("T_WORD");
        QTest::newRow("T_MEANING, first row of a table") << QStringLiteral("T_MEANING");
        QTest::newRow("T_SYNONYM, after the first rows of a table") << QStringLiteral("T_SYNONYM");
    }

    void Search_missingTableGivesTheErrorAlone() {
        QFETCH(QString, table);
        const std::string schema = SchemaWithout(table);
        TPages pages(&kStylesheet, schema.c_str());
        if (table != QLatin1String("T_WORD")) {
            pages.Db.AddWord("мост", "BG", "1");
            pages.Db.AddWord("мост", "BG", "2");
        }
        const std::string message = pages.StoreError([&table](TQuorDataModule& store) {
            TWordList words;
            bool more = false;
            TStringList meanings;
            if (table == QLatin1String("T_WORD"))
                store.FindWords("x", "BG", false, 20, words, more);
            else if (table == QLatin1String("T_MEANING"))
                store.FindMeanings(1, meanings);
            else
                store.FindSynonyms(1, true, words);
        });
        QVERIFY(message.find(table.toStdString()) != std::string::npos);
        COMPARE_TEXT(pages.Composer().SearchWordsHtml(Cp("мост"), "BG", false),
                     Bytes(kSearchErrorOpening + message + "</span>"));
        QCOMPARE(pages.Warned(), QString());
    }

    // --- HtmlHead and HtmlPage ---

    void HtmlPage_emptyBody() {
        TPages pages;
        COMPARE_TEXT(pages.Composer().HtmlPage(""),
                     Bytes("<html>\r\n" + kHead + "\r\n<body>\r\n\r\n\r\n</body> \r\n</html>\r\n"));
        QCOMPARE(pages.Warned(), QString());
    }

    void HtmlPage_bodyInsertedUnchanged() {
        TPages pages;
        const std::string body = "<p>" + Cp("тяло") + " & </p>\r\n\t<br>";
        COMPARE_TEXT(pages.Composer().HtmlPage(body),
                     Bytes("<html>\r\n" + kHead + "\r\n<body>\r\n\r\n" + body +
                           "\r\n</body> \r\n</html>\r\n"));
    }

    void HtmlHead_copiesTheStylesheetLines_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("lines");
        QTest::newRow("LF") << QByteArray("p {}\nspan {}\n")
                            << QByteArray("\t\tp {}\r\n\t\tspan {}\r\n");
        QTest::newRow("CR LF") << QByteArray("p {}\r\nspan {}\r\n")
                               << QByteArray("\t\tp {}\r\n\t\tspan {}\r\n");
        QTest::newRow("empty file") << QByteArray() << QByteArray();
        QTest::newRow("blank lines")
            << QByteArray("a\n\r\n\nb\n") << QByteArray("\t\ta\r\n\t\t\r\n\t\t\r\n\t\tb\r\n");
        QTest::newRow("blanks kept")
            << QByteArray("  a { }  \n\t b\t\n") << QByteArray("\t\t  a { }  \r\n\t\t\t b\t\r\n");
        QTest::newRow("last line without ending")
            << QByteArray("a\nb") << QByteArray("\t\ta\r\n\t\tb\r\n");
        QTest::newRow("lone CR dropped")
            << QByteArray("a\rb\r\r\nc\r") << QByteArray("\t\tab\r\n\t\tc\r\n");
        QTest::newRow("Ctrl-Z inside a line") << QByteArray("a\nb\x1a"
                                                            "c\nd\n")
                                              << QByteArray("\t\ta\r\n\t\tb\r\n");
        QTest::newRow("Ctrl-Z after a line end") << QByteArray("a\n\x1a"
                                                               "b\n")
                                                 << QByteArray("\t\ta\r\n");
        QTest::newRow("Ctrl-Z first") << QByteArray("\x1a"
                                                    "a\n")
                                      << QByteArray();
        QTest::newRow("Windows-1251 bytes")
            << Bytes(Cp("/* шрифт */\n")) << Bytes("\t\t" + Cp("/* шрифт */") + "\r\n");
    }

    void HtmlHead_copiesTheStylesheetLines() {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, lines);
        const std::string stylesheet = file.toStdString();
        TPages pages(&stylesheet);
        COMPARE_TEXT(pages.Composer().HtmlHead(),
                     Bytes(kHeadOpening) + lines + Bytes(kHeadClosing));
        QCOMPARE(pages.Warned(), QString());
    }

    void HtmlHead_unreadableStylesheet_data() {
        QTest::addColumn<bool>("folder");
        QTest::newRow("missing") << false;
        QTest::newRow("a folder") << true;
    }

    void HtmlHead_unreadableStylesheet() {
        QFETCH(bool, folder);
        TPages pages(nullptr);
        if (folder)
            QVERIFY(QDir(pages.Folder.Path()).mkdir(QStringLiteral("styles.css")));
        TPageComposer& composer = pages.Composer();
        QCOMPARE(pages.Warned(), QString());
        const std::string bareHead = kHeadOpening + kHeadClosing;
        COMPARE_TEXT(composer.HtmlHead(), Bytes(bareHead));
        QCOMPARE(pages.Warned(), QStringLiteral("Can not read stylesheet styles.css"));
        COMPARE_TEXT(
            composer.HtmlPage("x"),
            Bytes("<html>\r\n" + bareHead + "\r\n<body>\r\n\r\nx\r\n</body> \r\n</html>\r\n"));
        composer.HtmlPage("y");
        QCOMPARE(pages.Warnings,
                 QStringList(3, QStringLiteral("Can not read stylesheet styles.css")));
    }

    void HtmlHead_readsTheStylesheetAfreshEachTime() {
        const std::string first = "a {}\n";
        TPages pages(&first);
        TPageComposer& composer = pages.Composer();
        COMPARE_TEXT(composer.HtmlHead(), Bytes(kHeadOpening + "\t\ta {}\r\n" + kHeadClosing));
        pages.Folder.WriteStylesheet("b {}\r\nc {}");
        COMPARE_TEXT(composer.HtmlHead(),
                     Bytes(kHeadOpening + "\t\tb {}\r\n\t\tc {}\r\n" + kHeadClosing));
        pages.Folder.RemoveStylesheet();
        COMPARE_TEXT(composer.HtmlHead(), Bytes(kHeadOpening + kHeadClosing));
        QCOMPARE(pages.Warnings.size(), 1);
        pages.Folder.WriteStylesheet("d {}\n");
        COMPARE_TEXT(composer.HtmlHead(), Bytes(kHeadOpening + "\t\td {}\r\n" + kHeadClosing));
        QCOMPARE(pages.Warnings.size(), 1);
    }

    // --- WelcomePageHtml ---

    void WelcomePage_fixedTextWithoutStylesheet() {
        const QByteArray welcome = "<html><body><center>\r\n"
                                   "Welcome to the\r\n"
                                   "<h1>Quor Semantic Network</h1><br>\r\n"
                                   "<font size=\"+1\">Semantic network for the terminology of the"
                                   "<br>fine Quor in Bulgarian and Russian language</font>\r\n"
                                   "</center></body></html>\r\n";
        TPages pages(nullptr);
        TPageComposer& composer = pages.Composer();
        COMPARE_TEXT(composer.WelcomePageHtml(), welcome);
        QCOMPARE(pages.Warned(), QString());
    }
};

QTEST_GUILESS_MAIN(TestPageComposition)
#include "test_page_composition.moc"

// The word store's shortcuts: the search indexes it keeps beside a network that lacks indexes of
// its own, and the absolute-synonym pairs of a word table read at once. The pages composed with
// them are byte for byte those of the plain statements, whatever state the index is found in.
#include "TestSupport.h"
#include "core/pages/PageComposer.h"
#include "core/store/QuorData.h"
#include "core/store/SqliteDialect.h"
#include "core/text/CodePage.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <sqlite3.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <utility>

using namespace Quor;

namespace {

// SQLite's dialect, telling of every statement the engine starts but transaction control.
// Without shortcuts it offers the seven statements alone: no search index, and a page's rows and
// the pairs of a word table asked one by one. With `pairsRefused` the engine refuses its statement
// for the pairs of a word table, as an SQLite built without the JSON functions does.
class TTracedSqlite final : public TSqlDialect {
public:
    using TNote = std::function<void(const QString& statement)>;

    TTracedSqlite(TNote note, bool shortcuts, const TSearchIndexSettings& indexes,
                  bool pairsRefused)
        : mNote(std::move(note)), mShortcuts(shortcuts), mPairsRefused(pairsRefused),
          mSqlite(MakeSqliteDialect(indexes)) {}

    QString DriverName() const override { return mSqlite->DriverName(); }
    void PrepareToOpen(QSqlDatabase& connection, const QString& path) const override {
        mSqlite->PrepareToOpen(connection, path);
    }
    void SetUpConnection(QSqlDatabase& connection, const QString& path) const override {
        mSqlite->SetUpConnection(connection, path);
        sqlite3_trace_v2(SqliteHandle(connection), SQLITE_TRACE_STMT, &Note,
                         const_cast<TNote*>(&mNote));
    }
    QString StatementText(TStatementKind kind) const override {
        return mSqlite->StatementText(kind);
    }
    QString AbsolutePairsText() const override {
        if (!mShortcuts)
            return {};
        QString text = mSqlite->AbsolutePairsText();
        return mPairsRefused ? text.replace(QLatin1String("json_each"), QLatin1String("no_json"))
                             : text;
    }
    QString BatchText(TBatchKind kind) const override {
        return mShortcuts ? mSqlite->BatchText(kind) : QString();
    }
    std::unique_ptr<TSearchIndex> MakeSearchIndex(TStatementKind kind,
                                                  const QString& path) const override {
        return mShortcuts ? mSqlite->MakeSearchIndex(kind, path) : nullptr;
    }

private:
    static int Note(unsigned, void* note, void* statement, void*) {
        const QString sql = QString::fromUtf8(sqlite3_sql(static_cast<sqlite3_stmt*>(statement)));
        if (!sql.startsWith(QLatin1String("BEGIN")) && !sql.startsWith(QLatin1String("COMMIT")))
            (*static_cast<TNote*>(note))(sql);
        return 0;
    }

    const TNote mNote;
    const bool mShortcuts;
    const bool mPairsRefused;
    const std::unique_ptr<TSqlDialect> mSqlite;
};

// A word store on a network and the page composer over it, with the statements it ran, how many
// times it said it was busy building, and whether it still says so. Its search indexes are kept
// in `indexFolder`, for networks of every size unless `minimumBytes` says otherwise.
struct TPages {
    TPages(const QString& network, bool shortcuts, const QString& indexFolder = {},
           qint64 minimumBytes = 0, bool pairsRefused = false)
        : Store(network, std::make_unique<TTracedSqlite>(
                             [this](const QString& sql) { Noted(sql); }, shortcuts,
                             TSearchIndexSettings{indexFolder, minimumBytes}, pairsRefused)) {
        Composer.SetDataModule(&Store);
        Store.SetBusyNotice([this](bool busy) {
            Builds += busy ? 1 : 0;
            Busy += busy ? 1 : -1;
        });
    }

    std::string Search(const std::string& word, const std::string& langCode, bool similar) {
        return Composer.SearchWordsHtml(word, langCode, similar);
    }
    std::string SearchMeanings(const std::string& text, const std::string& langCode) {
        std::optional<std::int32_t> firstWord;
        return Composer.SearchMeaningsHtml(text, langCode, firstWord);
    }
    // How many times an index answered a search.
    qsizetype IndexReads() const { return Statements.filter(kIndexRead).size(); }
    qsizetype MeaningsIndexReads() const { return Statements.filter(kMeaningsIndexRead).size(); }

    QStringList Statements;
    int Builds = 0;
    int Busy = 0;
    // Run once, as the next reading of an index begins.
    std::function<void()> BeforeIndexRead;
    // Run as the reading of a word's meanings begins.
    std::function<void()> BeforeMeanings;
    TQuorDataModule Store;
    TPageComposer Composer;

private:
    // The search's statement, not the check of the index's rows as it is attached.
    static constexpr QLatin1String kIndexRead{"_INDEX.WORD_KEY AS K"};
    static constexpr QLatin1String kMeaningsIndexRead{"_INDEX.MEANING_TEXT AS F"};

    void Noted(const QString& sql) {
        Statements.append(sql);
        if (BeforeIndexRead && sql.contains(kIndexRead))
            std::exchange(BeforeIndexRead, nullptr)();
        if (BeforeMeanings && sql.contains(QLatin1String("TM_WORD_MEANING")))
            BeforeMeanings();
    }
};

// The rows of a query on a network, each as its columns joined by a tab.
QStringList Rows(const QString& network, const char* sql) {
    sqlite3* db = nullptr;
    sqlite3_stmt* statement = nullptr;
    QStringList rows;
    if (sqlite3_open_v2(network.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) ==
            SQLITE_OK &&
        sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK)
        while (sqlite3_step(statement) == SQLITE_ROW) {
            QStringList columns;
            for (int i = 0; i < sqlite3_column_count(statement); ++i)
                columns << QString::fromUtf8(
                    reinterpret_cast<const char*>(sqlite3_column_text(statement, i)));
            rows << columns.join(QLatin1Char('\t'));
        }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return rows;
}

// While it lives, the files that SQLite opens run `step` once, from inside SQLite, right after
// the first write that `pick` picks out, told the file's name and the bytes written.
class TWriteHook {
public:
    using TPick = std::function<bool(const QByteArray& file, const unsigned char* data, int size)>;
    using TStep = std::function<void(const QString& file)>;

    TWriteHook(TPick pick, TStep step) {
        Hook() = {std::move(pick), std::move(step)};
        sqlite3_vfs_register(Vfs(), 1);
    }
    ~TWriteHook() {
        sqlite3_vfs_unregister(Vfs());
        Hook() = {};
    }
    TWriteHook(const TWriteHook&) = delete;
    TWriteHook& operator=(const TWriteHook&) = delete;

    // The write that ends a commit to a write-ahead log, before readers see the commit. SQLite
    // writes each page to the log as a header of 24 bytes, which gives the network's size after
    // the commit on a commit's last page, and then the page itself.
    static TPick HalfwayThroughACommit() {
        return [commitPage = false](const QByteArray& file, const unsigned char* data,
                                    int size) mutable {
            if (!file.endsWith("-wal"))
                return false;
            if (size == 24) {
                commitPage = (data[4] | data[5] | data[6] | data[7]) != 0;
                return false;
            }
            return std::exchange(commitPage, false);
        };
    }

private:
    // Kept after the system's own part of every file: its methods and its name.
    struct TFileNote {
        const sqlite3_io_methods* Methods;
        const char* Name;
    };

    static std::pair<TPick, TStep>& Hook() {
        static std::pair<TPick, TStep> hook;
        return hook;
    }
    static sqlite3_vfs* System() {
        static sqlite3_vfs* const system = sqlite3_vfs_find(nullptr);
        return system;
    }
    static TFileNote& Note(sqlite3_file* file) {
        return *reinterpret_cast<TFileNote*>(reinterpret_cast<char*>(file) + System()->szOsFile);
    }
    static int Write(sqlite3_file* file, const void* data, int size, sqlite3_int64 offset) {
        const TFileNote note = Note(file);
        const int result = note.Methods->xWrite(file, data, size, offset);
        auto& [pick, step] = Hook();
        if (step && pick(QByteArray(note.Name), static_cast<const unsigned char*>(data), size))
            std::exchange(step, nullptr)(QFile::decodeName(note.Name));
        return result;
    }
    static int Open(sqlite3_vfs*, const char* name, sqlite3_file* file, int flags, int* outFlags) {
        const int result = System()->xOpen(System(), name, file, flags, outFlags);
        if (result != SQLITE_OK || !file->pMethods || !name)
            return result;
        // One copy of each of the system's kinds of methods, writing through Write.
        static std::map<const sqlite3_io_methods*, sqlite3_io_methods> hooked;
        auto [methods, added] = hooked.try_emplace(file->pMethods, *file->pMethods);
        if (added)
            methods->second.xWrite = &Write;
        Note(file) = {file->pMethods, name};
        file->pMethods = &methods->second;
        return result;
    }
    static sqlite3_vfs* Vfs() {
        static sqlite3_vfs vfs = [] {
            sqlite3_vfs hooked = *System();
            hooked.zName = "quor-write-hook";
            hooked.szOsFile = System()->szOsFile + static_cast<int>(sizeof(TFileNote));
            hooked.xOpen = &Open;
            return hooked;
        }();
        return &vfs;
    }
};

// What a search page or a word page may cost at most, whatever its words: one statement for the
// search or the word, and one for each kind of row of the page's words.
constexpr qsizetype kMostStatementsPerPage = 8;

} // namespace

class TestStoreShortcuts : public QObject {
    Q_OBJECT

private:
    QTemporaryDir mGenerated;
    std::unique_ptr<TFixtureDatabase> mSample;

    // "sample", "generated", "generated with its indexes" on ucase(WORD) and len(WORD), or
    // "generated with text ids".
    QString Network(const QString& name) const {
        return name == QLatin1String("sample") ? mSample->Path()
                                               : mGenerated.filePath(name + QStringLiteral(".mdb"));
    }

    static bool Generate(const QString& path, const QStringList& options = {}) {
        QProcess generator;
        generator.setStandardOutputFile(QProcess::nullDevice());
        generator.start(QStringLiteral(QUOR_GENERATE_NETWORK),
                        QStringList{QStringLiteral("--words"), QStringLiteral("2000"),
                                    QStringLiteral("--seed"), QStringLiteral("1"),
                                    QStringLiteral("--output"), path} +
                            options);
        return generator.waitForFinished() && generator.exitCode() == 0;
    }

private Q_SLOTS:
    void initTestCase() {
        mSample = std::make_unique<TFixtureDatabase>(SampleNetworkSql().constData());
        mSample->Close();
        QVERIFY(Generate(Network(QStringLiteral("generated"))));
        QVERIFY(Generate(Network(QStringLiteral("generated with its indexes")),
                         {QStringLiteral("--ucase-index")}));
        const QString textIds = Network(QStringLiteral("generated with text ids"));
        QVERIFY(QFile::copy(Network(QStringLiteral("generated")), textIds));
        StoreEveryColumnAsText(textIds);
    }

    // Every search composes every table of the words it finds, so the tables of the words found
    // are compared as well, the heaviest hub's (400 relative synonyms) among them.
    void Searches_pagesAreThoseOfThePlainStatements_data() {
        QTest::addColumn<QString>("network");
        QTest::addColumn<bool>("similar");
        // The texts searched for in both languages; none: every word in its own language.
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<bool>("indexed");
        // The size from which networks get an index; 0 for every network.
        QTest::addColumn<qint64>("minimumBytes");
        const QStringList similar{
            QString(),           QStringLiteral("а"),  QStringLiteral("РА"), QStringLiteral("ст"),
            QStringLiteral("%"), QStringLiteral("_а"), QStringLiteral("zz")};
        QTest::newRow("sample network, every word")
            << QStringLiteral("sample") << false << QStringList() << true << 0LL;
        QTest::newRow("sample network, similar")
            << QStringLiteral("sample") << true << similar << true << 0LL;
        QTest::newRow("generated network, every word")
            << QStringLiteral("generated") << false << QStringList() << true << 0LL;
        QTest::newRow("generated network, similar")
            << QStringLiteral("generated") << true << similar << true << 0LL;
        // Its own index orders words of one length by their upper case.
        QTest::newRow("network with its own indexes, similar")
            << QStringLiteral("generated with its indexes") << true << similar << false << 0LL;
        // A few milliseconds of a plain search are not worth an index.
        QTest::newRow("sample network, similar, the program's minimum size")
            << QStringLiteral("sample") << true << similar << false
            << TSearchIndexSettings::Default().MinimumNetworkBytes;
    }

    void Searches_pagesAreThoseOfThePlainStatements() {
        QFETCH(QString, network);
        QFETCH(bool, similar);
        QFETCH(QStringList, texts);
        QFETCH(bool, indexed);
        QFETCH(qint64, minimumBytes);
        QStringList searches;
        if (texts.isEmpty())
            searches = Rows(Network(network), "select WORD, LANG_CODE from T_WORD order by ID");
        for (const QString& text : texts)
            searches << text + QStringLiteral("\tBG") << text + QStringLiteral("\tRU");
        const QTemporaryDir indexes;
        TPages shortcut(Network(network), true, indexes.path(), minimumBytes);
        TPages plain(Network(network), false);
        for (const QString& search : searches) {
            const std::string word = ToPageText(search.section(QLatin1Char('\t'), 0, 0));
            const std::string langCode = ToPageText(search.section(QLatin1Char('\t'), 1));
            const qsizetype before = shortcut.Statements.size();
            QVERIFY2(Bytes(shortcut.Search(word, langCode, similar)) ==
                         Bytes(plain.Search(word, langCode, similar)),
                     qPrintable(search));
            // A page's rows are read a kind at a time; the first search also attaches the index.
            if (before > 0)
                QVERIFY2(shortcut.Statements.size() - before <= kMostStatementsPerPage,
                         qPrintable(search + shortcut.Statements.mid(before).join(u'\n')));
        }
        QCOMPARE(shortcut.IndexReads(), indexed ? searches.size() : 0);
    }

    void Fallbacks_data() {
        QTest::addColumn<QString>("state");
        // How often the last session builds an index (the exact and the similar one are built
        // apart), each time with the busy notice.
        QTest::addColumn<int>("builds");
        QTest::newRow("missing") << QStringLiteral("missing") << 2;
        QTest::newRow("stale, network changed since the last session")
            << QStringLiteral("changed between sessions") << 2;
        QTest::newRow("stale, network changed during the session")
            << QStringLiteral("changed during the session") << 4;
        // The change goes to the log beside the network, which stays as it was.
        QTest::newRow("stale, network changed in its write-ahead log")
            << QStringLiteral("changed in the log") << 4;
        // SQLite keeps the log beside the file that the link names.
        QTest::newRow("stale, network changed in its log since the last session, through a link")
            << QStringLiteral("changed in the log between sessions, through a link") << 2;
        QTest::newRow("stale, built as a commit to the network's log was halfway")
            << QStringLiteral("built halfway through a commit") << 2;
        // The exact index is read, found stale and built anew by the next exact search.
        QTest::newRow("stale, network changed as the search began to read")
            << QStringLiteral("changed while searching") << 3;
        QTest::newRow("corrupt, not a database") << QStringLiteral("not a database") << 2;
        // The first page lists the tables and the second holds the label; the rows fail to read
        // as the index is attached, and it is built anew.
        QTest::newRow("corrupt beyond its first two pages") << QStringLiteral("damaged rows") << 2;
        // Values changed as a flipped bit would change them, in files that SQLite finds sound:
        // the index is checked whole as it is attached, and each row it finds against the
        // network's own row.
        QTest::newRow("damaged, a word under another key")
            << QStringLiteral("key changed between sessions") << 2;
        QTest::newRow("damaged during the session, a word's row pointing at another word")
            << QStringLiteral("row changed during the session") << 4;
        // Another version of the program keeps its files in the same folder.
        QTest::newRow("of another layout") << QStringLiteral("other layout") << 2;
        // The index files are attached to the new connection as they are.
        QTest::newRow("connection opened again") << QStringLiteral("reconnected") << 2;
        // Tried once each, not on every search.
        QTest::newRow("unwritable cache folder") << QStringLiteral("unwritable") << 2;
    }

    void Fallbacks() {
        QFETCH(QString, state);
        QFETCH(int, builds);
        TFixtureDatabase network(SampleNetworkSql().constData());
        const bool halfway = state == QLatin1String("built halfway through a commit");
        if (state.contains(QLatin1String("in the log")) || halfway)
            network.Exec("pragma journal_mode = wal");
        QTemporaryDir cache;
        QString path = network.Path();
        if (state.endsWith(QLatin1String("through a link"))) {
            path = cache.filePath(QStringLiteral("linked.mdb"));
            QVERIFY(QFile::link(network.Path(), path));
        }
        QString folder = cache.filePath(QStringLiteral("indexes"));
        if (state == QLatin1String("unwritable")) {
            WriteFileBytes(cache.filePath(QStringLiteral("file")), "not a folder");
            folder = cache.filePath(QStringLiteral("file/indexes"));
        }
        // An exact and a similar search, and a change to the network that both would show.
        const std::vector<std::pair<std::string, bool>> searches{{Cp("мишка"), false},
                                                                 {Cp("ка"), true}};
        const char* const changeSql = "insert into T_WORD (WORD, MORE_INFO, LANG_CODE)"
                                      " values ('ка', '', 'BG'), ('Мишка', 'нова', 'BG');";
        const auto change = [&] { network.Exec(changeSql); };
        const auto searchAll = [&](TPages& pages) {
            for (const auto& [word, similar] : searches)
                pages.Search(word, "BG", similar);
        };
        const bool changedBetween = state.startsWith(QLatin1String("changed")) &&
                                    state.contains(QLatin1String("between sessions"));
        // Changes both index files as `sql` says; SQLite finds the files sound.
        const auto damage = [&](const char* sql) {
            for (const QFileInfo& file :
                 QDir(folder).entryInfoList({QStringLiteral("*.sqlite")}, QDir::Files)) {
                TOtherProgram editor(file.filePath());
                QCOMPARE(editor.Run(sql), SQLITE_OK);
                editor.Close();
                QCOMPARE(Rows(file.filePath(), "pragma integrity_check"),
                         QStringList{QStringLiteral("ok")});
            }
        };
        const char* const keyChanged = "update WORD_KEY set UCASE_WORD = 'МИШКБ'"
                                       " where UCASE_WORD = 'МИШКА'";
        const char* const rowChanged = "update WORD_KEY set WORD_ROWID = 22 where WORD_ROWID = 21";
        if (changedBetween || halfway || state == QLatin1String("not a database") ||
            state == QLatin1String("damaged rows") ||
            state == QLatin1String("key changed between sessions") ||
            state == QLatin1String("other layout")) {
            TPages earlier(path, true, folder);
            if (halfway) {
                const TWriteHook commit(TWriteHook::HalfwayThroughACommit(),
                                        [&](const QString&) { searchAll(earlier); });
                QCOMPARE(TOtherProgram(network.Path()).Run(changeSql), SQLITE_OK);
            } else {
                searchAll(earlier);
            }
            QCOMPARE(earlier.IndexReads(), 2);
        }
        if (changedBetween)
            change();
        if (state == QLatin1String("key changed between sessions"))
            RUN_STEP(damage(keyChanged));
        if (state == QLatin1String("other layout"))
            RUN_STEP(damage("update SEARCH_INDEX set LAYOUT = 'other'"));
        for (const QFileInfo& file :
             QDir(folder).entryInfoList({QStringLiteral("*.sqlite")}, QDir::Files)) {
            const std::string bytes = ReadFileBytes(file.filePath());
            if (state == QLatin1String("not a database"))
                WriteFileBytes(file.filePath(), std::string(bytes.size(), 'x'));
            else if (state == QLatin1String("damaged rows"))
                WriteFileBytes(file.filePath(), bytes.substr(0, 2 * 4096) +
                                                    std::string(bytes.size() - 2 * 4096, 'x'));
        }

        TPages shortcut(path, true, folder);
        if (state == QLatin1String("changed during the session") ||
            state == QLatin1String("changed in the log")) {
            searchAll(shortcut);
            change();
        } else if (state == QLatin1String("changed while searching")) {
            shortcut.BeforeIndexRead = change;
        } else if (state == QLatin1String("row changed during the session")) {
            searchAll(shortcut);
            RUN_STEP(damage(rowChanged));
        } else if (state == QLatin1String("reconnected")) {
            searchAll(shortcut);
            // The store's connection is the only one.
            for (const QString& name : QSqlDatabase::connectionNames())
                QSqlDatabase::database(name, false).close();
        }
        TPages plain(path, false);
        for (int round = 0; round < 2; ++round)
            for (const auto& [word, similar] : searches) {
                // The shortcut's search first: it may change the network as it reads.
                const std::string page = shortcut.Search(word, "BG", similar);
                COMPARE_TEXT(page, plain.Search(word, "BG", similar));
            }
        QCOMPARE(shortcut.Busy, 0);
        QCOMPARE(shortcut.Builds, builds);
    }

    // The typed texts: words of the network's meanings, their starts, and pairs of them.
    void MeaningsSearches_pagesAreThoseOfThePlainStatement_data() {
        QTest::addColumn<QString>("network");
        QTest::addColumn<bool>("forms");
        for (const char* network : {"sample", "generated", "generated with text ids"})
            QTest::newRow(network) << QString::fromLatin1(network) << false;
        // Made-up dictionary forms of every typed word: the word two letters shorter, whose start
        // stands for it, and "на", which shares too little with it and is looked for beside it.
        QTest::newRow("generated, with dictionary forms") << QStringLiteral("generated") << true;
    }

    void MeaningsSearches_pagesAreThoseOfThePlainStatement() {
        QFETCH(QString, network);
        QFETCH(bool, forms);
        QStringList texts{QStringLiteral("а"), QStringLiteral("на"), QStringLiteral("НА ЗА"),
                          QStringLiteral("...")};
        for (const QString& meaning :
             Rows(Network(network), "select MEANING from T_MEANING order by ID limit 12")) {
            const QStringList words = meaning.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            texts << words.value(1) << words.value(2).left(3)
                  << words.value(0) + QLatin1Char(' ') + words.value(3);
        }
        const QTemporaryDir indexes;
        TPages shortcut(Network(network), true, indexes.path());
        TPages plain(Network(network), false);
        if (forms)
            for (TPages* pages : {&shortcut, &plain})
                pages->Store.SetTermForms([](const std::string& word, const std::string&) {
                    const QString text = FromPageText(word);
                    return TStringList{ToPageText(text.left(text.size() - 2)), Cp("на")};
                });
        for (const QString& text : texts)
            for (const char* langCode : {"BG", "RU"})
                QVERIFY2(Bytes(shortcut.SearchMeanings(ToPageText(text), langCode)) ==
                             Bytes(plain.SearchMeanings(ToPageText(text), langCode)),
                         qPrintable(text + QLatin1Char(' ') + QLatin1String(langCode)));
        // Every search with a letter typed.
        QCOMPARE(shortcut.MeaningsIndexReads(), 2 * (texts.size() - 1));
        QCOMPARE(shortcut.Builds, 1);
    }

    void MeaningsFallbacks_data() {
        QTest::addColumn<QString>("state");
        // How often the last session builds the meanings index, each time with the busy notice.
        QTest::addColumn<int>("builds");
        QTest::newRow("missing") << QStringLiteral("missing") << 1;
        // The rows an earlier session checked are not read again while the file stays as it was.
        QTest::newRow("kept from an earlier session")
            << QStringLiteral("kept between sessions") << 0;
        QTest::newRow("stale, network changed since the last session")
            << QStringLiteral("changed between sessions") << 1;
        QTest::newRow("stale, network changed during the session")
            << QStringLiteral("changed during the session") << 2;
        QTest::newRow("corrupt, not a database") << QStringLiteral("not a database") << 1;
        // Values changed in a file that SQLite finds sound: the checksum as it is attached, and
        // each row it finds against the network's own meaning and word.
        QTest::newRow("damaged, a meaning's word pointing at another word")
            << QStringLiteral("word changed between sessions") << 1;
        QTest::newRow("damaged, a meaning's words missing")
            << QStringLiteral("words removed between sessions") << 1;
        QTest::newRow("damaged during the session, a meaning's word pointing at another word")
            << QStringLiteral("word changed during the session") << 2;
        QTest::newRow("connection opened again") << QStringLiteral("reconnected") << 1;
        QTest::newRow("unwritable cache folder") << QStringLiteral("unwritable") << 1;
    }

    void MeaningsFallbacks() {
        QFETCH(QString, state);
        QFETCH(int, builds);
        TFixtureDatabase network(SampleNetworkSql().constData());
        QTemporaryDir cache;
        QString folder = cache.filePath(QStringLiteral("indexes"));
        if (state == QLatin1String("unwritable")) {
            WriteFileBytes(cache.filePath(QStringLiteral("file")), "not a folder");
            folder = cache.filePath(QStringLiteral("file/indexes"));
        }
        const std::string text = Cp("устройство данни");
        const auto change = [&] {
            network.Exec("insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE)"
                         " values (9001, 'диск', 'нов', 'BG');"
                         "insert into T_MEANING (ID, MEANING) values (9001, 'Устройство за данни');"
                         "insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (9001, 9001);");
        };
        const auto damage = [&](const char* sql) {
            for (const QFileInfo& file :
                 QDir(folder).entryInfoList({QStringLiteral("*.sqlite")}, QDir::Files)) {
                TOtherProgram editor(file.filePath());
                QCOMPARE(editor.Run(sql), SQLITE_OK);
            }
        };
        const char* const wordChanged = "update MEANING_WORD set WORD_ROWID = WORD_ROWID + 1";
        const bool betweenSessions = state.contains(QLatin1String("between sessions")) ||
                                     state == QLatin1String("not a database");
        if (betweenSessions) {
            TPages earlier(network.Path(), true, folder);
            earlier.SearchMeanings(text, "BG");
            QCOMPARE(earlier.MeaningsIndexReads(), 1);
        }
        if (state == QLatin1String("changed between sessions"))
            change();
        if (state == QLatin1String("word changed between sessions"))
            RUN_STEP(damage(wordChanged));
        if (state == QLatin1String("words removed between sessions"))
            RUN_STEP(damage("delete from MEANING_WORD where WORD_NUMBER % 2 = 0"));
        if (state == QLatin1String("not a database"))
            for (const QFileInfo& file :
                 QDir(folder).entryInfoList({QStringLiteral("*.sqlite")}, QDir::Files))
                WriteFileBytes(file.filePath(),
                               std::string(static_cast<std::size_t>(file.size()), 'x'));

        TPages shortcut(network.Path(), true, folder);
        if (state.endsWith(QLatin1String("during the session")) ||
            state == QLatin1String("reconnected"))
            shortcut.SearchMeanings(text, "BG");
        if (state == QLatin1String("changed during the session"))
            change();
        if (state == QLatin1String("word changed during the session"))
            RUN_STEP(damage(wordChanged));
        if (state == QLatin1String("reconnected"))
            for (const QString& name : QSqlDatabase::connectionNames())
                QSqlDatabase::database(name, false).close();
        TPages plain(network.Path(), false);
        for (int round = 0; round < 2; ++round)
            COMPARE_TEXT(shortcut.SearchMeanings(text, "BG"), plain.SearchMeanings(text, "BG"));
        QCOMPARE(shortcut.Busy, 0);
        QCOMPARE(shortcut.Builds, builds);
        if (builds == 0) {
            QCOMPARE(shortcut.MeaningsIndexReads(), 2);
            QCOMPARE(shortcut.Statements.filter(QLatin1String("select * from QUOR_MEANINGS_INDEX"))
                         .size(),
                     0);
        }
    }

    void MeaningsIndex_builtInBackground_data() {
        QTest::addColumn<QString>("network");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("closedAtOnce");
        QTest::newRow("built aside, then it answers") << QStringLiteral("sample") << true << false;
        QTest::newRow("cache folder unwritable, built once and refused")
            << QStringLiteral("sample") << false << false;
        QTest::newRow("store closed while it builds")
            << QStringLiteral("generated") << true << true;
    }

    // A window's store builds the meanings index in a thread of its own; until it is ready the
    // plain statement answers, under the busy notice, and a store closed meanwhile stops it.
    void MeaningsIndex_builtInBackground() {
        QFETCH(QString, network);
        QFETCH(bool, writable);
        QFETCH(bool, closedAtOnce);
        const QTemporaryDir cache;
        if (!writable)
            WriteFileBytes(cache.filePath(QStringLiteral("file")), "not a folder");
        const QString folder =
            cache.filePath(writable ? QStringLiteral("indexes") : QStringLiteral("file/indexes"));
        const std::string text = Cp(network == QLatin1String("sample") ? "устройство" : "на");
        TPages plain(Network(network), false);
        const std::string expected = plain.SearchMeanings(text, "BG");
        {
            TPages shortcut(Network(network), true, folder);
            shortcut.Store.SetBackgroundBuilds(true);
            COMPARE_TEXT(shortcut.SearchMeanings(text, "BG"), expected);
            QCOMPARE(shortcut.MeaningsIndexReads(), 0);
            // A build that can not write fails before the plain statement is asked.
            if (writable)
                QCOMPARE(shortcut.Builds, 1);
            if (!closedAtOnce) {
                QTRY_VERIFY((shortcut.SearchMeanings(text, "BG") == expected &&
                             shortcut.MeaningsIndexReads() > 0) ||
                            !writable);
                QTest::qWait(200);
                // Once built, or refused, a search is no longer busy.
                const int busyBefore = shortcut.Builds;
                COMPARE_TEXT(shortcut.SearchMeanings(text, "BG"), expected);
                QCOMPARE(shortcut.MeaningsIndexReads() > 0, writable);
                QCOMPARE(shortcut.Builds, busyBefore);
            }
            QCOMPARE(shortcut.Busy, 0);
        }
        if (writable)
            QCOMPARE(QDir(folder).entryList({QStringLiteral("*.partial")}, QDir::Files),
                     QStringList());
    }

    void PartialIndexFiles_ofKilledBuildsAreRemoved_data() {
        QTest::addColumn<bool>("builderLives");
        QTest::newRow("builder killed") << false;
        QTest::newRow("builder still building") << true;
    }

    // A session removes the partial file that a build leaves when its process is killed, but not
    // that of a build still going on in another session.
    void PartialIndexFiles_ofKilledBuildsAreRemoved() {
        QFETCH(bool, builderLives);
        TFixtureDatabase network(SampleNetworkSql().constData());
        network.Close();
        const QTemporaryDir cache;
        QString partial = cache.filePath(QStringLiteral("0123abcd.exact.sqlite.AbCdEf.partial"));
        bool kept = false;
        const auto nextSession = [&] {
            TPages next(network.Path(), true, cache.path());
            next.Search(Cp("ка"), "BG", true);
            kept = QFile::exists(partial);
        };
        if (builderLives) {
            const TWriteHook building([](const QByteArray& file, const unsigned char*,
                                         int) { return file.endsWith(".partial"); },
                                      [&](const QString& file) {
                                          partial = file;
                                          nextSession();
                                      });
            TPages first(network.Path(), true, cache.path());
            first.Search(Cp("мишка"), "BG", false);
            QCOMPARE(first.IndexReads(), 1);
        } else {
            WriteFileBytes(partial, "SQLite format 3");
            nextSession();
        }
        QCOMPARE(kept, builderLives);
    }

    void Pages_showOneStateWhileAnotherProgramCommits_data() {
        QTest::addColumn<QByteArray>("journal");
        QTest::addColumn<bool>("shortcuts");
        for (const char* journal : {"delete", "wal"})
            for (const bool shortcuts : {true, false})
                QTest::addRow("%s, %s", journal, shortcuts ? "search index" : "plain statements")
                    << QByteArray(journal) << shortcuts;
    }

    // Another process commits a thousand small changes while pages are composed, each numbering
    // the second "мишка" and its meaning alike, with a moment between them. The page shows that
    // word as the search finds it, in its homonym's table and beside its meaning, read at three
    // times; it never shows two numbers.
    void Pages_showOneStateWhileAnotherProgramCommits() {
        QFETCH(QByteArray, journal);
        QFETCH(bool, shortcuts);
        TFixtureDatabase network(SampleNetworkSql().constData());
        network.Exec("pragma journal_mode = " + journal.toStdString() + ";" +
                     "update T_WORD set MORE_INFO = 'n0n' where ID = 21;"
                     "update T_MEANING set MEANING = 'n0n' where ID = 15;");
        network.Close();
        QByteArray changes = ".timeout 20000\npragma synchronous = off;\n";
        for (int change = 1; change <= 1000; ++change)
            changes +=
                QStringLiteral("with recursive C(X) as (select 1 union all select X + 1 from C"
                               " where X < 2000) select count(*) from C;"
                               " begin; update T_WORD set MORE_INFO = 'n%1n' where ID = 21;"
                               " update T_MEANING set MEANING = 'n%1n' where ID = 15;"
                               " commit;\n")
                    .arg(change)
                    .toUtf8();
        const QString script = network.Folder() + QStringLiteral("/changes.sql");
        WriteFileBytes(script, changes.toStdString());

        const QTemporaryDir indexes;
        TPages pages(network.Path(), shortcuts, indexes.path());
        // The rest of the page takes a while, in which the other process tries to commit.
        pages.BeforeMeanings = [] { QThread::msleep(3); };
        QProcess writer;
        writer.setStandardInputFile(script);
        writer.setStandardOutputFile(QProcess::nullDevice());
        writer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        writer.start(QStringLiteral("sqlite3"), {QStringLiteral("-bail"), network.Path()});
        QVERIFY(writer.waitForStarted());
        static const QRegularExpression number(QStringLiteral("n(\\d+)n"));
        QSet<QString> seen;
        QStringList mixed;
        int composed = 0;
        for (; writer.state() != QProcess::NotRunning && !writer.waitForFinished(0); ++composed) {
            const QString page = FromPageText(pages.Search(Cp("мишка"), "BG", false));
            QSet<QString> states;
            for (const QRegularExpressionMatch& match : number.globalMatch(page))
                states.insert(match.captured(1));
            QVERIFY2(!states.isEmpty(), qPrintable(page));
            if (states.size() > 1)
                mixed << QStringList(states.begin(), states.end()).join(u'/');
            seen += states;
        }
        QCOMPARE(writer.exitCode(), 0);
        QVERIFY2(seen.size() > 10, qPrintable(QString::number(seen.size())));
        QVERIFY2(mixed.isEmpty(), qPrintable(QStringLiteral("%1 of %2 pages: %3")
                                                 .arg(mixed.size())
                                                 .arg(composed)
                                                 .arg(mixed.join(u' '))));
    }

    // The heaviest hub's table asks about 45,000 pair questions of 400 relative synonyms, and the
    // seven lookups; each kind of row is read with one statement. Where the engine refuses the
    // statement for the pairs, they are asked one by one; where it would walk a batch's pairs
    // otherwise than a word's own statement does (ids stored as text), those go one by one.
    void WordTable_readsThePairsInOneStatement_data() {
        QTest::addColumn<QString>("network");
        QTest::addColumn<bool>("pairsRefused");
        // The statements of the table; less than 0: that many fewer than one by one.
        QTest::addColumn<int>("statements");
        QTest::newRow("ids stored as integers") << QStringLiteral("generated") << false << 6;
        QTest::newRow("ids stored as text")
            << QStringLiteral("generated with text ids") << false << 7;
        QTest::newRow("statement refused") << QStringLiteral("generated") << true << -2;
    }

    void WordTable_readsThePairsInOneStatement() {
        QFETCH(QString, network);
        QFETCH(bool, pairsRefused);
        QFETCH(int, statements);
        network = Network(network);
        const QStringList hub = Rows(network, "select W.ID, W.WORD, W.MORE_INFO from T_WORD W,"
                                              " (select FIRST_WORD_ID as ID from T_SYNONYM"
                                              "  where IS_ABSOLUTE = 0 union all"
                                              "  select SECOND_WORD_ID from T_SYNONYM"
                                              "  where IS_ABSOLUTE = 0) R where W.ID = R.ID"
                                              " group by W.ID order by count(*) desc limit 1")
                                    .value(0)
                                    .split(QLatin1Char('\t'));
        const auto table = [&](TPages& pages) {
            return pages.Composer.WordInfoTableHtml(hub.value(0).toInt(), ToPageText(hub.value(1)),
                                                    ToPageText(hub.value(2)));
        };
        TPages shortcut(network, true, {}, 0, pairsRefused);
        TPages plain(network, false);
        COMPARE_TEXT(table(shortcut), table(plain));
        QCOMPARE(shortcut.Statements.size(),
                 statements < 0 ? plain.Statements.size() + statements : statements);
        QVERIFY(plain.Statements.size() > 40000);
    }

    // A followed link's page reads its word's rows a kind at a time as well; the id texts that are
    // not an id's own decimal text are looked up one by one.
    void WordPages_areThoseOfThePlainStatements_data() {
        QTest::addColumn<QString>("network");
        // The words whose pages are compared.
        QTest::addColumn<QByteArray>("ids");
        const QByteArray every = "select ID from T_WORD order by ID";
        QTest::newRow("sample network") << QStringLiteral("sample") << every;
        QTest::newRow("generated network") << QStringLiteral("generated") << every;
        // Each of its pair lookups scans the words.
        QTest::newRow("ids stored as text")
            << QStringLiteral("generated with text ids")
            << QByteArray("select ID from T_WORD where ID % 10 = 1 order by ID");
    }

    void WordPages_areThoseOfThePlainStatements() {
        QFETCH(QString, network);
        QFETCH(QByteArray, ids);
        QStringList idTexts = Rows(Network(network), ids.constData());
        idTexts << QStringLiteral("0") << QStringLiteral(" 7") << QStringLiteral("7.0")
                << QStringLiteral("07") << QStringLiteral("abc");
        TPages shortcut(Network(network), true);
        TPages plain(Network(network), false);
        const auto page = [](TPages& pages, const std::string& idText) {
            std::int32_t id = 0;
            try {
                return pages.Composer.WordPageHtml(
                    idText, [](const std::string&) {}, id);
            } catch (const std::exception& error) {
                return std::string("failed: ") + error.what();
            }
        };
        for (const QString& id : idTexts) {
            const qsizetype before = shortcut.Statements.size();
            QVERIFY2(Bytes(page(shortcut, id.toStdString())) ==
                         Bytes(page(plain, id.toStdString())),
                     qPrintable(id));
            QVERIFY2(shortcut.Statements.size() - before <= kMostStatementsPerPage, qPrintable(id));
        }
    }

    void AbsolutePairsScope_asksTheNetworkAboutOtherWords() {
        TFixtureDatabase network;
        const std::int32_t a = network.AddWord("а"), b = network.AddWord("б"),
                           c = network.AddWord("в"), d = network.AddWord("г");
        network.AddSynonyms(b, c, true);
        network.AddSynonyms(d, a, true);
        TPages pages(network.Path(), true);
        TWordList words;
        for (const std::int32_t id : {a, b, c})
            words.Add({id, "", ""});
        const TQuorDataModule::TAbsolutePairsScope pairs(pages.Store, words);
        QVERIFY(pages.Store.AreAbsoluteSynonyms(c, b));
        QVERIFY(!pages.Store.AreAbsoluteSynonyms(a, b));
        QVERIFY(pages.Store.AreAbsoluteSynonyms(a, d));
    }
};

QTEST_GUILESS_MAIN(TestStoreShortcuts)
#include "test_store_shortcuts.moc"

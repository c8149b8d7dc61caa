#pragma once

#include "core/QuorError.h"
#include "core/Word.h"
#include "core/store/SqlDialect.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct sqlite3;

// A database of the network's schema in a folder of its own, filled by the test. Texts are
// given in UTF-8, as the database holds them.
class TFixtureDatabase {
public:
    // The schema of the network: T_WORD, T_MEANING, TM_WORD_MEANING, T_HOMONYM, T_SYNONYM.
    static const char* const kSchema;

    // A new database; `schema` is run on it first.
    explicit TFixtureDatabase(const char* schema = kSchema);
    ~TFixtureDatabase();
    TFixtureDatabase(const TFixtureDatabase&) = delete;
    TFixtureDatabase& operator=(const TFixtureDatabase&) = delete;

    QString Path() const { return mPath; }
    QString Folder() const { return mFolder.path(); }

    // Runs SQL on the database; a failure fails the test run with the engine's message.
    void Exec(const std::string& sql);

    // Adds a word and returns its id (the next free one unless `id` is given).
    std::int32_t AddWord(const std::string& word, const std::string& langCode = "BG",
                         const std::string& moreInfo = "", std::int32_t id = 0);
    // Adds a meaning for a word and returns the meaning's id (next free one unless given).
    std::int32_t AddMeaning(std::int32_t wordId, const std::string& meaning,
                            std::int32_t meaningId = 0);
    void AddHomonyms(std::int32_t firstWordId, std::int32_t secondWordId);
    void AddSynonyms(std::int32_t firstWordId, std::int32_t secondWordId, bool absolute);

    // Closes the test's own handle, so that only the program under test holds the file.
    void Close();

private:
    QTemporaryDir mFolder;
    QString mPath;
    sqlite3* mHandle = nullptr;
};

// The SQL of the program's sample network, Database/QuorSemanticNetwork.sql, to make a
// TFixtureDatabase of it.
QByteArray SampleNetworkSql();

// Gives every column of every table of the network file at `path` the type TEXT, as sqlite3's
// ".import --csv" makes its tables: the ids are then stored as text. The indexes are made again.
void StoreEveryColumnAsText(const QString& path);

// Another program's connection to a network, with a file handle of its own. It does not wait
// for locks: a statement that finds the file busy fails at once with SQLITE_BUSY.
class TOtherProgram {
public:
    explicit TOtherProgram(const QString& path);
    ~TOtherProgram() { Close(); }
    TOtherProgram(const TOtherProgram&) = delete;
    TOtherProgram& operator=(const TOtherProgram&) = delete;

    // Runs SQL; the engine's result code.
    int Run(const QByteArray& sql);
    // Closes the connection, as a program that ends does.
    void Close();

private:
    sqlite3* mDb = nullptr;
};

// Windows-1251 page text of UTF-8 source text, for comparing with what the program composes.
std::string Cp(const char* utf8);

// Page text as bytes, for Qt Test's comparisons and messages. The second form lets COMPARE_TEXT
// take either.
inline QByteArray Bytes(const std::string& pageText) {
    return QByteArray::fromStdString(pageText);
}
inline QByteArray Bytes(const QByteArray& bytes) {
    return bytes;
}

// Both texts from a little before the first byte where they part, headed by that byte's offset,
// so that a failing comparison of long pages shows the difference instead of a common start.
// Equal texts come back whole, unequal ones stay unequal.
std::pair<QByteArray, QByteArray> FromTheParting(const QByteArray& actual,
                                                 const QByteArray& expected);

// Compares two page texts byte for byte; a failure prints both from where they part.
#define COMPARE_TEXT(actual, expected)                                                             \
    do {                                                                                           \
        const auto [actualPart, expectedPart] = FromTheParting(Bytes(actual), Bytes(expected));    \
        QCOMPARE(actualPart, expectedPart);                                                        \
    } while (false)

// Runs one step of a test: a function that checks with QVERIFY and QCOMPARE, which return from
// the step only. The test ends where a step failed.
#define RUN_STEP(step)                                                                             \
    do {                                                                                           \
        step;                                                                                      \
        if (QTest::currentTestFailed())                                                            \
            return;                                                                                \
    } while (false)

// The word store gives up on a lock that another program holds after the engine's busy timeout,
// one second. A test that times such a failure allows this many milliseconds for each lookup that
// waits: the wait, and the rest of the work on a slow machine under the sanitizers.
constexpr qint64 kLockedLookupBound = 10000;

// The message of the EQuorError that `run` raises, or nothing when it raises none.
std::optional<std::string> ErrorOf(const std::function<void()>& run);

// Keeps the messages that reach the application's error handler; restores the empty handler.
struct TCapturedErrors {
    TCapturedErrors() {
        Quor::SetApplicationErrorHandler(
            [this](const std::string& message) { Messages.push_back(message); });
    }
    ~TCapturedErrors() { Quor::SetApplicationErrorHandler({}); }
    std::vector<std::string> Messages;
};

// `size` random bytes from a fixed seed: a file that is neither text nor a database.
std::string Noise(std::size_t size, std::uint32_t seed);

// An engine's dialect with none of its shortcuts: the driver, the connection's set-up and the
// seven statements of `engine`, and nothing else. A test's dialect adds what it keeps of the rest.
class TBareDialect : public Quor::TSqlDialect {
public:
    explicit TBareDialect(std::unique_ptr<Quor::TSqlDialect> engine) : mEngine(std::move(engine)) {}

    QString DriverName() const override { return mEngine->DriverName(); }
    QString DisplayName(const QString& database) const override {
        return mEngine->DisplayName(database);
    }
    void PrepareToOpen(QSqlDatabase& connection, const QString& path) const override {
        mEngine->PrepareToOpen(connection, path);
    }
    void SetUpConnection(QSqlDatabase& connection, const QString& path) const override {
        mEngine->SetUpConnection(connection, path);
    }
    QString StatementText(Quor::TStatementKind kind) const override {
        return mEngine->StatementText(kind);
    }

protected:
    const Quor::TSqlDialect& Engine() const { return *mEngine; }

private:
    const std::unique_ptr<Quor::TSqlDialect> mEngine;
};

// --- Pieces of the pages the program composes ---

// The head of every framed page, before and after the stylesheet's lines.
inline const std::string kHeadOpening = "<head>\r\n"
                                        "\t<meta http-equiv=\"Content-Type\" content=\"text/html; "
                                        "charset=windows-1251\">\r\n"
                                        "\t<style type=\"text/css\">\r\n";
inline const std::string kHeadClosing = "\t</style>\r\n</head>\r\n";

// The head of a page whose stylesheet has these lines (without their line ends).
std::string PageHead(std::initializer_list<std::string_view> stylesheetLines = {});

// A word link's address without the id at its end.
inline const std::string kWordLinkAddress = "quor://QuorSemanticNetworkServer/ShowWord?wordId=";

// The start of what a search's page shows when the word store fails; the failure's message follows.
inline const std::string kSearchErrorOpening =
    "<span class=\"ErrorMessage\">Error occured while processing your request:<br>";

// What a search's page says when no word matches `searched` (page text).
std::string NotFoundMessage(const std::string& searched);

// The indented paragraph of the link error page that shows the address or the reason; and the
// reason with its caption.
std::string LinkErrorDetail(const std::string& text);
std::string LinkErrorReason(const std::string& reason);

// A word as a failure report shows it: "#7 кот (животно)".
QString Described(const Quor::TWord& word);

namespace Quor {
// How QCOMPARE shows a word that differs; Qt Test finds it by the word's namespace.
char* toString(const TWord& word);
} // namespace Quor

// The bytes of a file, or an empty string when it can not be read.
std::string ReadFileBytes(const QString& path);
void WriteFileBytes(const QString& path, const std::string& bytes);

// A working folder of the test's own, made current while it lives, optionally with a
// "styles.css"; the earlier current folder comes back afterwards.
class TWorkingFolder {
public:
    explicit TWorkingFolder(const std::string* stylesheet = nullptr);
    ~TWorkingFolder();
    TWorkingFolder(const TWorkingFolder&) = delete;
    TWorkingFolder& operator=(const TWorkingFolder&) = delete;

    QString Path() const { return mFolder.path(); }
    void WriteStylesheet(const std::string& bytes);
    void RemoveStylesheet();

private:
    QTemporaryDir mFolder;
    QString mPreviousFolder;
};

// A temporary folder of the test's own, made the program's temporary folder (TMPDIR) while it
// lives, so that the page files of a test can be counted and read.
class TPageFileFolder {
public:
    TPageFileFolder();
    ~TPageFileFolder();
    TPageFileFolder(const TPageFileFolder&) = delete;
    TPageFileFolder& operator=(const TPageFileFolder&) = delete;

    QString Path() const { return mFolder.path(); }
    // Leaves the folder behind when this ends, for a test that looks at it afterwards and then
    // removes it.
    void KeepAfterwards() { mFolder.setAutoRemove(false); }
    // The page files made so far, oldest first.
    QStringList PageFiles() const;

private:
    QTemporaryDir mFolder;
    QByteArray mPreviousTmpDir;
    bool mHadTmpDir;
};

// A network of the words whose maps are the hardest to read, for the map's tests.
namespace BusyNetwork {
enum : std::int32_t {
    // A hub: 2 homonyms, 3 absolute synonyms, 60 relative ones (10 groups of three and 30 words
    // alone, every other of these a relative synonym of the next), the first 5 alone with 5
    // relative synonyms each further out.
    kHub = 1,
    // One of 19 homonyms of one spelling, each the homonym of every other, without synonyms; the
    // next of them has 2 relative synonyms.
    kHomonym = 200,
    // A word with a homonym, 2 absolute synonyms and 3 relative ones.
    kSmall = 300,
};
void Fill(TFixtureDatabase& db);
} // namespace BusyNetwork

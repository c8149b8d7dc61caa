// Hostile input: broken database files, odd word box texts, bad stylesheets and temporary folders,
// malformed link addresses. Each case ends in a clear message, and nothing is lost: the database
// file stays as it was, the word box and the history keep their words, and the view keeps its
// page when no new one can be shown.
#include "ProgramDriver.h"
#include "TestSupport.h"
#include "core/QuorError.h"
#include "core/store/QuorData.h"
#include "core/text/CodePage.h"
#include "window/About.h"
#include "window/Browser.h"
#include "window/UnbreakableRuns.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>
#include <QTextBrowser>

#include <sqlite3.h>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace Quor;

namespace {

const std::string kStylesheet = ".Word { font-weight: bold; }\n";
const QString kLink = QString::fromStdString(kWordLinkAddress);
const QString kStylesheetMessage = QStringLiteral("Can not read stylesheet styles.css");

enum : std::int32_t { kCat = 1, kKitten = 2, kDog = 5 };

void FillNetwork(TFixtureDatabase& db) {
    db.AddWord("кот", "BG", "животно", kCat);
    db.AddWord("котка", "BG", "", kKitten);
    db.AddWord("куче", "BG", "", kDog);
    db.AddMeaning(kCat, "домашно животно");
    db.AddSynonyms(kCat, kKitten, false);
    db.Close();
}

// The message of the error span that a search whose lookups failed shows, or "no error".
QByteArray SearchError(const QByteArray& page) {
    const QByteArray start = Bytes(kSearchErrorOpening);
    const qsizetype from = page.indexOf(start);
    if (from < 0)
        return "no error";
    return page.mid(from + start.size(), page.indexOf("</span>", from) - from - start.size());
}
// The reason on the link error page.
QByteArray LinkError(const QByteArray& reason) {
    return Bytes(LinkErrorReason(reason.toStdString()));
}
// The stylesheet lines in the head of a page, joined by line feeds.
QByteArray StylesheetLines(const QByteArray& page) {
    const qsizetype from = page.indexOf(Bytes(kHeadOpening)) + qsizetype(kHeadOpening.size());
    const QByteArray lines = page.mid(from, page.indexOf(Bytes(kHeadClosing)) - from);
    if (lines.isEmpty())
        return {};
    // "\t\tfirst\r\n\t\tsecond\r\n"
    return lines.mid(2).chopped(2).replace("\r\n\t\t", "\n");
}
QByteArray NotFound(const QString& searched) {
    return Bytes(NotFoundMessage(ToPageText(searched)));
}

// Everything of a file the program must not change: its bytes, its time and its neighbours.
QString FileState(const QString& path) {
    const QFileInfo file(path);
    const QByteArray bytes = Bytes(ReadFileBytes(path));
    return QStringLiteral("%1: %2 bytes, sha1 %3, modified %4; folder: %5")
        .arg(QLatin1String(file.exists() ? "exists" : "missing"))
        .arg(bytes.size())
        .arg(QLatin1String(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex()),
             file.lastModified().toUTC().toString(Qt::ISODateWithMs),
             file.dir()
                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
                 .join(u' '));
}

// Takes permissions to a folder away while it lives: by default the permission to write to it.
class TRestrictedFolder {
public:
    explicit TRestrictedFolder(const QString& path, mode_t mode = 0555)
        : mPath(QFile::encodeName(path)) {
        ::chmod(mPath.constData(), mode);
    }
    ~TRestrictedFolder() { ::chmod(mPath.constData(), 0700); }
    TRestrictedFolder(const TRestrictedFolder&) = delete;
    TRestrictedFolder& operator=(const TRestrictedFolder&) = delete;

private:
    QByteArray mPath;
};

// A writer that stands by, while it lives, for a program that would wait for one on a pipe: a
// second after it starts it opens the pipe at `path` for writing, which lets such a program go
// on, and notes that it did. It gives up after kPatience.
class TPipeWriter {
public:
    static constexpr int kPatience = 60000; // milliseconds

    TPipeWriter(const std::string& path, bool isPipe)
        : mThread([this, path, isPipe] {
              for (int slept = 0; !mStopped && slept < kPatience; slept += 10) {
                  std::this_thread::sleep_for(std::chrono::milliseconds(10));
                  const int end =
                      isPipe && slept >= 1000 ? ::open(path.c_str(), O_WRONLY | O_NONBLOCK) : -1;
                  if (end >= 0) {
                      mOpened = true;
                      ::close(end);
                      return;
                  }
              }
          }) {}
    ~TPipeWriter() { Stop(); }
    TPipeWriter(const TPipeWriter&) = delete;
    TPipeWriter& operator=(const TPipeWriter&) = delete;

    // Ends the standing by; true when a program waited for the writer.
    bool Stop() {
        mStopped = true;
        if (mThread.joinable())
            mThread.join();
        return mOpened;
    }

private:
    std::atomic<bool> mStopped = false, mOpened = false;
    std::thread mThread;
};

// The program as it starts, with kStylesheet.
struct TProgram : TRunningProgram {
    explicit TProgram(const QString& databasePath) : TRunningProgram(databasePath, &kStylesheet) {}

    // Pastes `text` over the word box's text, drops what the completion adds, presses Enter.
    void PasteAndSearch(const QString& text) {
        QLineEdit* edit = WordBox()->lineEdit();
        edit->setFocus();
        edit->selectAll();
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        if (edit->hasSelectedText())
            QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClick(edit, Qt::Key_Return);
    }
};

} // namespace

class TestHostileInput : public QObject {
    Q_OBJECT

    std::unique_ptr<TFixtureDatabase> mDb;
    QString mWatchedFile, mWatchedState;

    // Makes `path` the database file whose state the test must leave as it found it. Its time is
    // put far into the past, so that any write would show.
    void Watch(const QString& path) {
        mDb->Close();
        if (QFileInfo::exists(path))
            std::filesystem::last_write_time(path.toStdString(),
                                             std::filesystem::file_time_type::clock::now() -
                                                 std::chrono::hours(24 * 365 * 20));
        mWatchedFile = path;
        mWatchedState = FileState(path);
    }

private Q_SLOTS:
    void init() {
        mDb = std::make_unique<TFixtureDatabase>();
        FillNetwork(*mDb);
        Watch(mDb->Path());
    }
    void cleanup() {
        QCOMPARE(FileState(mWatchedFile), mWatchedState);
        mDb.reset();
    }

    // --- The database ---

    void unopenableDatabaseIsNamedAtStartAndInEverySearch_data() {
        // "missing", "folder", "locked folder", "link loop" or the file's bytes
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("message"); // %1 is the file's path
        const char* const rows[][3] = {
            {"missing", "missing", "The database file %1 does not exist."},
            {"in a folder without search permission", "locked folder",
             "The database file %1 can not be reached: Permission denied."},
            {"a link that leads to itself", "link loop",
             "The database file %1 can not be reached: Too many levels of symbolic links."},
            {"a folder", "folder", "The database %1 is not a file."},
            {"zero bytes", "", "The database file %1 is empty."},
            {"write-ahead log in a folder that can not be written", "wal",
             "Can not read the database %1: The network is in write-ahead-log mode: SQLite reads "
             "it only with the files %1-wal and %1-shm beside it, and can not create them in the "
             "folder %2. Let this user write to that folder, or turn the network to "
             "rollback-journal mode with the statement \"pragma journal_mode = delete\" in "
             "sqlite3"}};
        for (const auto& row : rows)
            QTest::newRow(row[0]) << QString::fromLatin1(row[1]) << QString::fromLatin1(row[2]);
        QTest::newRow("random bytes") << QString::fromLatin1(Bytes(Noise(4096, 1)).toBase64())
                                      << QStringLiteral("Can not read the database %1: file is "
                                                        "not a database");
    }

    void unopenableDatabaseIsNamedAtStartAndInEverySearch() {
        QFETCH(QString, content);
        QFETCH(QString, message);
        const QString folder =
            mDb->Folder() + QLatin1String(content == u"locked folder" ? "/locked" : "");
        const QString path = folder + QStringLiteral("/broken.mdb");
        std::optional<TRestrictedFolder> restricted;
        if (content == u"folder") {
            QVERIFY(QDir().mkpath(path));
        } else if (content == u"wal") {
            if (geteuid() == 0)
                QSKIP("Running as root, which writes to any folder");
            mDb->Exec("pragma journal_mode = wal;");
            mDb->Close(); // nothing has it open: no "-wal" file
            QVERIFY(QFile::copy(mDb->Path(), path));
            restricted.emplace(mDb->Folder());
        } else if (content == u"locked folder") {
            if (geteuid() == 0)
                QSKIP("Running as root, which enters any folder");
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(QFile::copy(mDb->Path(), path));
        } else if (content == u"link loop") {
            QVERIFY(QFile::link(path, path));
        } else if (content != u"missing") {
            WriteFileBytes(path, QByteArray::fromBase64(content.toLatin1()).toStdString());
        }
        Watch(path);
        if (content == u"locked folder")
            restricted.emplace(folder, 0600);
        TProgram program(path);
        QVERIFY(program.Started());
        message = message.arg(path);
        if (message.contains(u"%2"))
            message = message.arg(mDb->Folder());
        QCOMPARE(program.Boxes.Texts(), message.endsWith(u'.') ? message : message + u'.');

        program.Search(QStringLiteral("кот"));
        QCOMPARE(SearchError(program.Page()), Bytes(ToPageText(message)));
        QCOMPARE(program.Boxes.Boxes().size(), 1u);
        QCOMPARE(program.History(), QStringList{QStringLiteral("Кот")});
    }

    void brokenTableOrColumnIsNamedInThePage_data() {
        QTest::addColumn<QByteArray>("change");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QByteArray>("message"); // in the search's page
        QTest::addColumn<QString>("linkId");
        QTest::addColumn<QByteArray>("reason"); // on the link error page
        const std::string numericIds =
            "create table T_NEW (ID numeric, WORD, MORE_INFO, LANG_CODE);"
            "insert into T_NEW select * from T_WORD; drop table T_WORD;"
            "alter table T_NEW rename to T_WORD;";
        const std::string rows[][6] = {
            {"no T_WORD", "drop table T_WORD;", "кот", "no such table: T_WORD", "1",
             "no such table: T_WORD"},
            {"no T_MEANING", "drop table T_MEANING;", "кот", "no such table: T_MEANING", "1",
             "no such table: T_MEANING"},
            {"no MORE_INFO", "alter table T_WORD drop column MORE_INFO;", "кот",
             "no such column: MORE_INFO", "1", "The result has no column MORE_INFO."},
            {"no LANG_CODE", "alter table T_WORD drop column LANG_CODE;", "кот",
             "no such column: LANG_CODE", "1", "The result has no column LANG_CODE."},
            {"ID holding text", numericIds + "update T_WORD set ID = 'abc' where ID = 5;", "куче",
             "The column ID holds 'abc', which is not an integer.", "abc",
             "'abc' is not a valid integer value"},
            {"ID beyond 32 bits", "update T_WORD set ID = 4294967297 where ID = 5;", "куче",
             "4294967297", "4294967297", "'4294967297' is not a valid integer value"},
            {"ID with a fraction", numericIds + "update T_WORD set ID = 1.5 where ID = 5;", "куче",
             "1.5", "1.5", "'1.5' is not a valid integer value"}};
        for (const auto& row : rows)
            QTest::newRow(row[0].c_str())
                << Bytes(row[1]) << QString::fromStdString(row[2]) << Bytes(row[3])
                << QString::fromStdString(row[4]) << Bytes(row[5]);
    }

    void brokenTableOrColumnIsNamedInThePage() {
        QFETCH(QByteArray, change);
        QFETCH(QString, word);
        QFETCH(QByteArray, message);
        QFETCH(QString, linkId);
        QFETCH(QByteArray, reason);
        mDb->Exec(change.toStdString());
        Watch(mDb->Path());
        TProgram program(mDb->Path());
        QVERIFY(program.Started());

        program.Search(word);
        const QByteArray error = SearchError(program.Page());
        QVERIFY2(error.contains(message), error.constData());
        program.FollowLink(kLink + linkId);
        QVERIFY2(program.Page().contains(LinkError(reason)), program.Page().constData());
        QCOMPARE(program.Boxes.Texts(), QString());
    }

    void nullTextsAndMegabyteMeaningAreShown() {
        QString meaning = QStringLiteral("дълго значение");
        while (meaning.size() < (1 << 20))
            meaning += QStringLiteral(" дълго значение %1").arg(meaning.size());
        mDb->AddMeaning(kDog, meaning.toStdString());
        const QString unbroken(200'000, u'я');
        mDb->AddMeaning(kCat, unbroken.toStdString());
        mDb->Exec(
            "insert into T_WORD values (7, 'мечка', null, 'BG');"
            "insert into T_WORD values (8, null, null, null);"
            "insert into T_MEANING values (9, null); insert into TM_WORD_MEANING values (7, 9);"
            "insert into T_HOMONYM values (7, 8);");
        Watch(mDb->Path());
        TProgram program(mDb->Path());
        QVERIFY(program.Started());

        program.Search(QStringLiteral("мечка")); // NULL reads as empty text
        QVERIFY(program.Page().contains(Bytes(Cp("<span class=\"Word\">мечка</span></td></tr>"))));
        QVERIFY(program.Page().contains("<span class=\"Meaning\"></span>.</td></tr>"));
        QVERIFY(program.Page().contains("wordId=8\"></a>"));
        program.FollowLink(kLink + u'8');
        QVERIFY(program.Page().contains("<span class=\"Word\"></span></td></tr>"));
        program.Search(QStringLiteral("куче"));
        QVERIFY(program.Page().contains("<span class=\"Meaning\">" + Bytes(ToPageText(meaning))));
        QVERIFY(program.View()->toPlainText().contains(meaning));
        // A text without spaces is shown with breaks, but copied and saved as it is.
        program.Search(QStringLiteral("кот"));
        QVERIFY(program.Page().contains(Bytes(ToPageText(unbroken))));
        program.View()->selectAll();
        program.View()->copy();
        QVERIFY(QGuiApplication::clipboard()->text().contains(unbroken));
        QCOMPARE(program.History(), (QStringList{QStringLiteral("Мечка"), QString(),
                                                 QStringLiteral("Куче"), QStringLiteral("Кот")}));
        QCOMPARE(program.PageCount(), 5);
        QCOMPARE(program.Boxes.Texts(), QString());
    }

    // Where the view breaks a page's text that has no spaces: only inside the body's text.
    void viewBreaksOnlyLongRunsOfText_data() {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("shown");
        const QString run(kLongestUnbrokenRun, u'x');
        const QString broken = run + QChar(kRunBreak) + u'x';
        const QString body = QStringLiteral("<body>");
        QTest::newRow("longest run") << body + run << body + run;
        QTest::newRow("one more") << body + run + u'x' << body + broken;
        QTest::newRow("two runs") << body + run + u' ' + run << body + run + u' ' + run;
        QTest::newRow("across markup")
            << body + run.left(40) + QStringLiteral("<b>") + run.left(40) + QStringLiteral("</b>x")
            << body + run.left(40) + QStringLiteral("<b>") + run.left(40) + QStringLiteral("</b>") +
                   QChar(kRunBreak) + u'x';
        const QString link = QStringLiteral("<a href=\"") + run + run + QStringLiteral("\">");
        QTest::newRow("link address") << body + link + u'x' << body + link + u'x';
        const QString reference = run.left(kLongestUnbrokenRun - 1) + QStringLiteral("&amp;");
        QTest::newRow("character reference")
            << body + reference + u'x' << body + reference + QChar(kRunBreak) + u'x';
        const QString emoji = run.left(kLongestUnbrokenRun - 1) + QStringLiteral("\U0001F408");
        QTest::newRow("surrogate pair")
            << body + emoji + u'x' << body + emoji + QChar(kRunBreak) + u'x';
        const QString head =
            QStringLiteral("<head><style>") + run + run + QStringLiteral("</style>");
        QTest::newRow("head") << head + body + u'x' << head + body + u'x';
    }

    void viewBreaksOnlyLongRunsOfText() {
        QFETCH(QString, html);
        QFETCH(QString, shown);
        QCOMPARE(BreakUnbreakableRuns(html), shown);
        QCOMPARE(WithoutRunBreaks(shown), html);
    }

    void databaseLockedByWriterFailsQuicklyAndRecovers() {
        TOtherProgram writer(mDb->Path());
        QCOMPARE(writer.Run("begin exclusive"), SQLITE_OK);
        TProgram program(mDb->Path());
        QVERIFY(program.Started());
        QCOMPARE(
            program.Boxes.Texts(),
            QStringLiteral("Can not read the database %1: database is locked.").arg(mDb->Path()));

        const auto searchWhileTheWriterIsIdle = [&] {
            // The writer stays open, in no transaction: no harm.
            QCOMPARE(writer.Run("rollback"), SQLITE_OK);
            program.Search(QStringLiteral("кот"));
            QVERIFY(program.Page().contains(Bytes(Cp("Query results for word \"Кот\""))));
        };
        // Each of the two pages gives up after one wait for the lock.
        const auto searchAndLinkWhileItWritesFailWithinTheirWaits = [&] {
            QCOMPARE(writer.Run("begin exclusive"), SQLITE_OK);
            QElapsedTimer clock;
            clock.start();
            program.Search(QStringLiteral("куче"));
            QCOMPARE(SearchError(program.Page()), QByteArray("database is locked"));
            program.FollowLink(kLink + u'1');
            QVERIFY(program.Page().contains(LinkError("database is locked")));
            QVERIFY2(clock.elapsed() < 2 * kLockedLookupBound,
                     qPrintable(QString::number(clock.elapsed())));
        };
        const auto searchOnceItHasCommittedAndEnded = [&] {
            QCOMPARE(writer.Run("commit"), SQLITE_OK);
            writer.Close();
            program.Search(QStringLiteral("котка"));
            QVERIFY(program.Page().contains(Bytes(Cp("Query results for word \"Котка\""))));
        };

        RUN_STEP(searchWhileTheWriterIsIdle());
        RUN_STEP(searchAndLinkWhileItWritesFailWithinTheirWaits());
        RUN_STEP(searchOnceItHasCommittedAndEnded());
        QCOMPARE(program.History(), (QStringList{QStringLiteral("Кот"), QStringLiteral("Куче"),
                                                 QStringLiteral("Котка")}));
        QCOMPARE(program.Boxes.Boxes().size(), 1u);
    }

    void databaseInWalModeIsReadWithTheFilesSqliteNeeds() {
        mDb->Exec("pragma journal_mode = wal;");
        Watch(mDb->Path());
        {
            TProgram program(mDb->Path());
            QVERIFY(program.Started());
            program.Search(QStringLiteral("кот"));
            QVERIFY(program.Page().contains(Bytes(Cp("Query results for word \"Кот\""))));
            QCOMPARE(program.Boxes.Texts(), QString());
        }
        // SQLite reads it through the "-wal" and "-shm" files it makes, and only they are new.
        for (const char* suffix : {"-shm", "-wal"})
            QVERIFY(QFile::remove(mDb->Path() + QLatin1String(suffix)));
        QCOMPARE(FileState(mDb->Path()), mWatchedState);
    }

    void databaseLeftInTheMiddleOfAChangeIsNamed() {
        // A copy taken while a writer is in the middle of a change, as a writer that dies leaves
        // it.
        TOtherProgram writer(mDb->Path());
        QCOMPARE(writer.Run("pragma cache_size = 1; begin; update T_WORD set WORD = 'x';"
                            "insert into T_MEANING select null, hex(randomblob(3000)) "
                            "from T_WORD, T_WORD;"),
                 SQLITE_OK);
        const QString path = mDb->Folder() + QStringLiteral("/copy.mdb");
        for (const QString& suffix : {QString(), QStringLiteral("-journal")})
            QVERIFY(QFile::copy(mDb->Path() + suffix, path + suffix));
        QCOMPARE(writer.Run("rollback"), SQLITE_OK);
        writer.Close();
        Watch(path);
        TProgram program(path);
        QVERIFY(program.Started());

        QVERIFY2(program.Boxes.Texts().contains(path), qPrintable(program.Boxes.Texts()));
        QVERIFY2(program.Boxes.Texts().contains(path + QStringLiteral("-journal")),
                 qPrintable(program.Boxes.Texts()));
        program.Search(QStringLiteral("кот"));
        QVERIFY(SearchError(program.Page()).contains(Bytes(ToPageText(path))));
    }

    // --- The word box ---

    void wordBoxTextIsSearchedOrRefused_data() {
        QTest::addColumn<QString>("text");
        // The text searched, the character refused, or the message that refuses the text.
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<bool>("typed"); // else pasted
        const QString alphabet = QStringLiteral("абвгдежзийклмнопрстуфхцчшщъьюя xyz,.!?");
        const auto longText = [&](int length) {
            QString text;
            for (int i = 0; i < length; ++i)
                text += alphabet[i % alphabet.size()]; // ends in a letter: nothing to trim
            return text;
        };
        QTest::newRow("10,000 characters")
            << longText(10000) << QChar(u'А') + longText(10000).mid(1) << false;
        const auto tooLong = [](int length) {
            return QStringLiteral("The text holds %1 characters, more than the 10000 a search "
                                  "takes.")
                .arg(length);
        };
        QTest::newRow("10,001 characters") << longText(10001) << tooLong(10001) << false;
        // Beyond the 32,767 characters that a line edit takes unless told otherwise.
        QTest::newRow("40,000 characters") << longText(40000) << tooLong(40000) << false;
        std::string everyByte;
        for (int byte = 1; byte < 256; ++byte)
            everyByte += char(byte);
        QTest::newRow("every byte value but NUL")
            << FromPageText(everyByte) << FromPageText(everyByte) << false;
        const QString withNul = QStringLiteral("Кот") + QChar(0) + QStringLiteral(" и куче");
        QTest::newRow("NUL") << withNul << QStringLiteral("U+0000") << false;
        const QString markup = QStringLiteral("<b>кот</b> &amp; <script>alert(1)</script>");
        QTest::newRow("markup") << markup << markup << false;
        QString unicode;
        for (char16_t c = 1; c <= 0xFF; ++c)
            unicode += QChar(c);
        QTest::newRow("U+0001 to U+00FF") << unicode << QStringLiteral("U+0080") << false;
        QTest::newRow("outside the BMP")
            << QStringLiteral("<i>кот</i> \U0001F408") << QStringLiteral("U+1F408") << false;
        QTest::newRow("lone surrogate")
            << QStringLiteral("кот") + QChar(0xD800) << QStringLiteral("U+D800") << false;
        // Bulgarian's ѝ has no place in the code page: it is searched as the и it is printed as.
        QTest::newRow("ѝ typed") << QStringLiteral("ѝ") << QStringLiteral("И") << true;
        QTest::newRow("Ѝ and ѝ in a text")
            << QStringLiteral("Ѝ къщата ѝ") << QStringLiteral("И къщата и") << false;
        QTest::newRow("typed outside the BMP")
            << QStringLiteral("кот \U0001F600") << QStringLiteral("U+1F600") << true;
    }

    void wordBoxTextIsSearchedOrRefused() {
        QFETCH(QString, text);
        QFETCH(QString, outcome);
        QFETCH(bool, typed);
        TProgram program(mDb->Path());
        QVERIFY(program.Started());
        program.Search(QStringLiteral("кот"));
        const QString shownFile = program.PageFile();

        if (typed)
            program.Search(text);
        else
            program.PasteAndSearch(text);
        if (outcome.startsWith(u"U+") || outcome.startsWith(u"The text ")) {
            const QString reason =
                outcome == u"U+0000"
                    ? QStringLiteral("which no word can hold.")
                    : QStringLiteral(
                          "which the Windows-1251 code page of the network can not hold.");
            QCOMPARE(
                program.Boxes.Texts(),
                outcome.startsWith(u"U+")
                    ? QStringLiteral("The text holds the character %1, %2").arg(outcome, reason)
                    : outcome);
            QCOMPARE(program.WordBox()->currentText(), text);
            QCOMPARE(program.History(), QStringList{QStringLiteral("Кот")});
            QCOMPARE(program.PageFile(), shownFile);
        } else {
            QVERIFY(program.Page().contains(NotFound(outcome)));
            QCOMPARE(program.History(), (QStringList{QStringLiteral("Кот"), outcome}));
            QCOMPARE(program.WordBox()->currentText(), outcome);
            QCOMPARE(program.Boxes.Texts(), QString());
        }
    }

    // --- The stylesheet ---

    void hostileStylesheetNeverStopsThePage_data() {
        QTest::addColumn<QString>("kind"); // what styles.css is
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("boxes"); // the message boxes shown
        QTest::addColumn<int>("kept");      // at least this many of its bytes reach the page
        std::string binary = Noise(4096, 2);
        for (char& byte : binary)
            if (byte == 26 || byte == '\r') // the end-of-file mark, and a byte that is dropped
                byte = '\0';
        binary.back() = 'x'; // a last line without a line end
        QByteArray rules;
        for (int i = 0; rules.size() < 3 << 20; ++i)
            rules += ".Rule" + QByteArray::number(i) + " { color: navy; }\n";
        const QString file = QStringLiteral("file");
        QTest::newRow("no permission")
            << QStringLiteral("chmod 000") << QByteArray("p {}") << kStylesheetMessage << 0;
        QTest::newRow("a folder") << QStringLiteral("folder") << QByteArray() << kStylesheetMessage
                                  << 0;
        QTest::newRow("a pipe without writer")
            << QStringLiteral("pipe") << QByteArray() << kStylesheetMessage << 0;
        QTest::newRow("binary") << file << Bytes(binary) << QString() << 4096;
        QTest::newRow("three megabytes") << file << rules << kStylesheetMessage << 1000000;
        // The largest stylesheet read is one megabyte.
        const QByteArray megabyte = rules.left((1 << 20) - 1) + '\n';
        QTest::newRow("one megabyte") << file << megabyte << QString() << (1 << 20) - 1;
        QTest::newRow("one megabyte and a byte")
            << file << megabyte + 'x' << kStylesheetMessage << (1 << 20) - 1;
        QTest::newRow("endless stream")
            << QStringLiteral("/dev/zero") << QByteArray() << kStylesheetMessage << 0;
    }

    void hostileStylesheetNeverStopsThePage() {
        QFETCH(QString, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, boxes);
        QFETCH(int, kept);
        if (kind == u"chmod 000" && geteuid() == 0)
            QSKIP("Running as root, which reads any file");
        TProgram program(mDb->Path());
        QVERIFY(program.Started());
        const std::string path =
            (program.Work.Path() + QStringLiteral("/styles.css")).toStdString();
        const auto makeTheStylesheet = [&] {
            program.Work.RemoveStylesheet();
            if (kind == u"folder")
                QCOMPARE(mkdir(path.c_str(), 0700), 0);
            else if (kind == u"pipe")
                QCOMPARE(mkfifo(path.c_str(), 0600), 0);
            else if (kind == u"/dev/zero")
                QCOMPARE(symlink("/dev/zero", path.c_str()), 0);
            else
                program.Work.WriteStylesheet(bytes.toStdString());
            if (kind == u"chmod 000")
                QCOMPARE(chmod(path.c_str(), 0), 0);
        };
        qint64 elapsed = 0;
        bool waited = false;
        const auto searchWithAWriterStandingBy = [&] {
            TPipeWriter writer(path, kind == u"pipe");
            QElapsedTimer clock;
            clock.start();
            program.Search(QStringLiteral("кот"));
            elapsed = clock.elapsed();
            waited = writer.Stop();
        };
        // The lines read before a failure are on the page, and the search waited for nothing.
        const auto thePageIsShownWithWhatWasRead = [&] {
            QVERIFY(program.View()->toPlainText().contains(QStringLiteral("домашно животно")));
            const QByteArray lines = StylesheetLines(program.Page());
            QVERIFY(bytes.startsWith(lines));
            QVERIFY2(lines.size() >= kept && lines.size() <= 1 << 20,
                     QByteArray::number(lines.size()));
            QVERIFY2(elapsed < TPipeWriter::kPatience, QByteArray::number(elapsed));
            QVERIFY(!waited);
        };

        RUN_STEP(makeTheStylesheet());
        searchWithAWriterStandingBy();
        RUN_STEP(thePageIsShownWithWhatWasRead());
        QCOMPARE(program.Boxes.Texts(), boxes);
    }

    // --- The temporary folder ---

    void unusableTemporaryFolderIsNamed_data() {
        QTest::addColumn<QString>("folder");  // under the folder of page files
        QTest::addColumn<QString>("message"); // %1 is the folder's path
        QTest::newRow("missing") << QStringLiteral("missing")
                                 << QStringLiteral("The temporary folder %1 does not exist.");
        QTest::newRow("under a regular file")
            << QStringLiteral("file/sub")
            << QStringLiteral("The temporary folder %1 does not exist.");
        QTest::newRow("a regular file") << QStringLiteral("file")
                                        << QStringLiteral("Can not create a page file in the "
                                                          "temporary folder %1: Not a directory.");
    }

    void unusableTemporaryFolderIsNamed() {
        QFETCH(QString, folder);
        QFETCH(QString, message);
        TProgram program(mDb->Path());
        QVERIFY(program.Started());
        program.Search(QStringLiteral("кот"));
        const QString shownFile = program.PageFile();
        WriteFileBytes(program.Pages.Path() + QStringLiteral("/file"), "not a folder");
        folder = program.Pages.Path() + u'/' + folder;

        qputenv("TMPDIR", QFile::encodeName(folder));
        program.Search(QStringLiteral("куче"));
        qputenv("TMPDIR", QFile::encodeName(program.Pages.Path()));

        QCOMPARE(program.Boxes.Texts(), message.arg(folder));
        QCOMPARE(program.PageFile(), shownFile);
        QCOMPARE(program.PageCount(), 2);
        QCOMPARE(program.History(), (QStringList{QStringLiteral("Кот"), QStringLiteral("Куче")}));
        program.Search(QStringLiteral("котка"));
        QVERIFY(program.Page().contains(Bytes(Cp("Query results for word \"Котка\""))));
        QCOMPARE(program.PageCount(), 3);
        QCOMPARE(program.Boxes.Boxes().size(), 1u);
    }

    // A page file that takes fewer bytes than the page has: a device that is always full.
    void pageFileThatCanNotTakeThePageIsNamed() {
        if (!QFileInfo::exists(QStringLiteral("/dev/full")))
            QSKIP("No /dev/full here");
        TProgram program(mDb->Path());
        QVERIFY(program.Started());
        const auto error = ErrorOf([&] {
            program.Form.SaveTextToFile(program.Form.Composer().WelcomePageHtml(),
                                        QStringLiteral("/dev/full"));
        });
        QCOMPARE(Bytes(error.value_or("no failure")),
                 "Can not write the whole page to file /dev/full: No space left on device");
    }

    // --- Word links ---

    void malformedLinkAddressEndsInErrorPage_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QByteArray>("reason"); // empty when the address is no word link
        const char* const rows[][3] = {
            {"empty", "", ""},
            {"only the scheme", "quor://", "Can't find server identificator."},
            {"%00", "quor://QuorSemanticNetworkServer/ShowWord?wordId=%00",
             "Can not find word with id=%00"},
            {"Cyrillic id", "quor://QuorSemanticNetworkServer/ShowWord?wordId=пет",
             "Can not find word with id=пет"},
            {"Cyrillic parameter", "quor://QuorSemanticNetworkServer/ShowWord?дума=5",
             "Can not find parameter wordId"}};
        for (const auto& row : rows)
            QTest::newRow(row[0]) << QString::fromUtf8(row[1]) << Bytes(Cp(row[2]));
        QTest::newRow("very long") << kLink + QString(100000, u'9')
                                   << "Can not find word with id=" + QByteArray(100000, '9');
        QTest::newRow("NUL") << kLink + QStringLiteral("5") + QChar(0) + QStringLiteral("9")
                             << QByteArray("Can not find word with id=5") + '\0' + '9';
    }

    void malformedLinkAddressEndsInErrorPage() {
        QFETCH(QString, address);
        QFETCH(QByteArray, reason);
        TProgram program(mDb->Path());
        QVERIFY(program.Started());

        QCOMPARE(program.FollowLink(address), !reason.isEmpty());
        QCOMPARE(program.PageCount(), reason.isEmpty() ? 1 : 2);
        if (!reason.isEmpty()) {
            const QByteArray page = program.Page();
            QVERIFY(page.contains(Bytes(LinkErrorDetail(ToPageText(address)) + "\r\n")));
            QVERIFY2(page.contains(LinkError(reason)),
                     QByteArray(page.right(300)).replace(char(0), "<NUL>").constData());
        }
        QCOMPARE(program.History(), QStringList());
        QCOMPARE(program.Boxes.Texts(), QString());
    }
};

QTEST_MAIN(TestHostileInput)
#include "test_hostile_input.moc"

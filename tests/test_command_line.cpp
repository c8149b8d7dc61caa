// The program as a shell or the desktop starts it: its options and their errors, and one window
// per user, two programs on a private session bus (ctest runs this suite under dbus-run-session).
#include "ProgramDriver.h"
#include "TestSupport.h"
#include "core/pages/PageComposer.h"
#include "core/store/QuorData.h"
#include "core/text/CodePage.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusReply>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <memory>

using namespace Quor;

namespace {

const QString kProgram = QStringLiteral(QUOR_PROGRAM);
const QString kServiceName = QStringLiteral("net.quor.QuorSemNetBrowser");
const std::string kStylesheet = "body { font-size: 10pt; }\n";

// How long a start may take to show its page, or to end.
constexpr int kStartTimeout = 15000;

// A search as the program's page names it: the normalised word, the language, similar or exact.
struct TSearch {
    QString Word;
    QString Language;
    bool Similar = true;
};

// The program's installed layout in small: the working folder app/ with styles.css, and the
// network at ../Database/QuorSemanticNetwork.mdb; and a second network, with куче only, elsewhere.
class TInstalledFolders {
public:
    TInstalledFolders() {
        QDir root(mRoot.path());
        root.mkpath(QStringLiteral("app"));
        root.mkpath(QStringLiteral("Database"));
        WriteFileBytes(AppFolder() + QStringLiteral("/styles.css"), kStylesheet);
        TFixtureDatabase network;
        SmallNetwork::Fill(network);
        QFile::copy(network.Path(), root.filePath(QStringLiteral("Database/")) +
                                        QStringLiteral("QuorSemanticNetwork.mdb"));
        TFixtureDatabase other;
        other.AddWord("куче", "BG", "друга мрежа", 40);
        other.Close();
        QFile::copy(other.Path(), OtherNetwork());
    }

    QString AppFolder() const { return mRoot.filePath(QStringLiteral("app")); }
    QString Network() const {
        return mRoot.filePath(QStringLiteral("Database/QuorSemanticNetwork.mdb"));
    }
    QString OtherNetwork() const { return mRoot.filePath(QStringLiteral("other.mdb")); }
    // A network whose word мечо has a meaning of ten megabytes without a space: its page keeps
    // the view busy for many seconds.
    QString BusyNetwork() const {
        const QString path = mRoot.filePath(QStringLiteral("busy.mdb"));
        if (!QFileInfo::exists(path)) {
            TFixtureDatabase busy;
            busy.AddMeaning(busy.AddWord("мечо", "BG", "", 50), std::string(10'000'000, 'x'));
            busy.Close();
            QFile::copy(busy.Path(), path);
        }
        return path;
    }

    // The page the program shows for the search over `network`, composed here the same way.
    QByteArray SearchPage(const QString& network, const TSearch& search) const {
        const QString previous = QDir::currentPath();
        QDir::setCurrent(AppFolder());
        TQuorDataModule store(network);
        TPageComposer composer;
        composer.SetDataModule(&store);
        const std::string page = composer.HtmlPage(composer.SearchWordsHtml(
            ToPageText(search.Word), ToPageText(search.Language), search.Similar));
        QDir::setCurrent(previous);
        return QByteArray::fromStdString(page);
    }

private:
    QTemporaryDir mRoot;
};

// One start of the program in the app folder, with a folder of page files of its own, on the
// given session bus (an empty address: none), with the offscreen display or with none at all.
class TStart {
public:
    TStart(const TInstalledFolders& folders, const QStringList& arguments,
           const QString& busAddress, bool display = true) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (!display) {
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
            environment.remove(QStringLiteral("DISPLAY"));
            environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        }
        environment.insert(QStringLiteral("TMPDIR"), mPages.path());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), mRuntime.path());
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                           busAddress.isEmpty() ? QStringLiteral("unix:path=") +
                                                      mRuntime.filePath(QStringLiteral("no-bus"))
                                                : busAddress);
        mProcess.setProcessEnvironment(environment);
        mProcess.setWorkingDirectory(folders.AppFolder());
        mProcess.start(kProgram, arguments);
    }
    ~TStart() {
        mProcess.kill();
        mProcess.waitForFinished();
    }

    bool Ended() { return mProcess.waitForFinished(kStartTimeout); }
    void Signal(int signal) const { ::kill(static_cast<pid_t>(mProcess.processId()), signal); }
    bool EndedNormally() const { return mProcess.exitStatus() == QProcess::NormalExit; }
    int ExitStatus() const { return mProcess.exitCode(); }
    QByteArray Output() { return mProcess.readAllStandardOutput(); }
    QByteArray Errors() { return mProcess.readAllStandardError(); }

    // How many page files it made, and how many of them hold at least `bytes` bytes.
    qsizetype PageCount(qint64 bytes = 0) const {
        const QFileInfoList files =
            QDir(mPages.path()).entryInfoList({QStringLiteral("~Quor*")}, QDir::Files);
        return std::count_if(files.begin(), files.end(),
                             [bytes](const QFileInfo& file) { return file.size() >= bytes; });
    }
    // The bytes of the page files it made, oldest first.
    QList<QByteArray> Pages() const {
        QList<QByteArray> pages;
        const QFileInfoList files = QDir(mPages.path())
                                        .entryInfoList({QStringLiteral("~Quor*")}, QDir::Files,
                                                       QDir::Time | QDir::Reversed);
        for (const QFileInfo& file : files)
            pages << QByteArray::fromStdString(ReadFileBytes(file.absoluteFilePath()));
        return pages;
    }
    // Waits until it has shown `count` pages, the last one `page`.
    bool Shows(qsizetype count, const QByteArray& page) const {
        return QTest::qWaitFor(
            [&] {
                const QList<QByteArray> pages = Pages();
                return pages.size() == count && pages.back() == page;
            },
            kStartTimeout);
    }

private:
    QTemporaryDir mPages;
    QTemporaryDir mRuntime;
    QProcess mProcess;
};

QString SessionBus() {
    return qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
}

bool RunningProgramOnBus() {
    return QTest::qWaitFor(
        [] { return QDBusConnection::sessionBus().interface()->isServiceRegistered(kServiceName); },
        kStartTimeout);
}

} // namespace

Q_DECLARE_METATYPE(TSearch)

class TestCommandLine : public QObject {
    Q_OBJECT

    std::unique_ptr<TInstalledFolders> mFolders;

private Q_SLOTS:
    void initTestCase() { mFolders = std::make_unique<TInstalledFolders>(); }
    void cleanupTestCase() { mFolders.reset(); }

    void options_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("otherNetwork");
        QTest::addColumn<int>("exitStatus"); // -1: the window opens
        QTest::addColumn<QString>("printed");
        QTest::addColumn<QString>("error");
        QTest::addColumn<TSearch>("search"); // the page the window shows after the welcome page
        const QString help = QStringLiteral("See QuorSemNetBrowser --help.\n");
        const auto refused = [&](const char* name, const QStringList& arguments,
                                 const QString& reason) {
            QTest::newRow(name) << arguments << false << 2 << QString()
                                << QStringLiteral("QuorSemNetBrowser: ") + reason + u' ' + help
                                << TSearch{};
        };
        const auto opens = [](const char* name, const QStringList& arguments, const TSearch& search,
                              bool otherNetwork = false) {
            QTest::newRow(name) << arguments << otherNetwork << -1 << QString() << QString()
                                << search;
        };
        QTest::newRow("--help") << QStringList{QStringLiteral("--help")} << false << 0
                                << QStringLiteral("--database <PATH>") << QString() << TSearch{};
        QTest::newRow("--help-all")
            << QStringList{QStringLiteral("--help-all")} << false << 0
            << QStringLiteral("--database <PATH>") << QString() << TSearch{};
        QTest::newRow("-v") << QStringList{QStringLiteral("-v")} << false << 0
                            << QStringLiteral("QuorSemNetBrowser 1.0\n") << QString() << TSearch{};
        QTest::newRow("the toolkit's own option")
            << QStringList{QStringLiteral("-platform"), QStringLiteral("offscreen"),
                           QStringLiteral("--version")}
            << false << 0 << QStringLiteral("QuorSemNetBrowser 1.0\n") << QString() << TSearch{};
        QTest::newRow("the toolkit's own option with its value after =")
            << QStringList{QStringLiteral("-platform"), QStringLiteral("offscreen"),
                           QStringLiteral("-style=fusion"), QStringLiteral("--version")}
            << false << 0 << QStringLiteral("QuorSemNetBrowser 1.0\n") << QString() << TSearch{};
        refused("unknown option", {QStringLiteral("--zoom"), QStringLiteral("кот")},
                QStringLiteral("Unknown option 'zoom'."));
        refused("language other than BG and RU", {QStringLiteral("--lang=EN")},
                QStringLiteral("The language must be BG or RU, not 'EN'."));
        refused("language without value", {QStringLiteral("--lang")},
                QStringLiteral("Missing value after '--lang'."));
        refused("two words", {QStringLiteral("кот"), QStringLiteral("куче")},
                QStringLiteral("Give one WORD; put a phrase in quotes."));
        refused("empty database path", {QStringLiteral("--database="), QStringLiteral("кот")},
                QStringLiteral("The PATH of --database is empty."));
        refused("--print without a word", {QStringLiteral("--print")},
                QStringLiteral("--print needs a WORD."));
        refused("--print in another format", {QStringLiteral("--print=pdf"), QStringLiteral("кот")},
                QStringLiteral("The format of --print must be text or html, not 'pdf'."));
        refused("--meanings without --print", {QStringLiteral("--meanings"), QStringLiteral("кот")},
                QStringLiteral("--meanings goes with --print."));
        opens("word", {QStringLiteral("  кот,")},
              {QStringLiteral("Кот"), QStringLiteral("BG"), true});
        opens("word in Russian, exact",
              {QStringLiteral("--lang"), QStringLiteral("RU"), QStringLiteral("--exact"),
               QStringLiteral("кот")},
              {QStringLiteral("Кот"), QStringLiteral("RU"), false});
        opens("language in small letters", {QStringLiteral("--lang=ru"), QStringLiteral("кот")},
              {QStringLiteral("Кот"), QStringLiteral("RU"), true});
        opens("word after --", {QStringLiteral("--"), QStringLiteral("-кот")},
              {QStringLiteral("-кот"), QStringLiteral("BG"), true});
        opens(
            "other network",
            {QStringLiteral("--database"), QStringLiteral("../other.mdb"), QStringLiteral("куче")},
            {QStringLiteral("Куче"), QStringLiteral("BG"), true}, true);
    }

    void options() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, otherNetwork);
        QFETCH(int, exitStatus);
        QFETCH(QString, printed);
        QFETCH(QString, error);
        QFETCH(TSearch, search);
        // Answers and refusals need no display.
        TStart start(*mFolders, arguments, QString(), exitStatus < 0);

        if (exitStatus >= 0) {
            QVERIFY(start.Ended());
            QCOMPARE(start.ExitStatus(), exitStatus);
            QVERIFY2(QString::fromUtf8(start.Output()).contains(printed),
                     qPrintable(QString::fromUtf8(start.Output())));
            QCOMPARE(QString::fromUtf8(start.Errors()), error);
            QCOMPARE(start.Pages().size(), 0); // no window
            return;
        }
        const QString network = otherNetwork ? mFolders->OtherNetwork() : mFolders->Network();
        QVERIFY(start.Shows(2, mFolders->SearchPage(network, search)));
    }

    // A look-up in a terminal: the page on the standard output, no display, no page file.
    void print_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitStatus");
        QTest::addColumn<QString>("printed"); // empty: the page's bytes, as the window's file
        const auto row = [](const char* name, const QStringList& arguments, int exitStatus,
                            const char* printed) {
            QTest::newRow(name) << arguments << exitStatus << QString::fromUtf8(printed);
        };
        const QString print = QStringLiteral("--print");
        row("exact, two homonyms", {print, QStringLiteral("--exact"), QStringLiteral("кот")}, 0,
            "Query results for word \"Кот\":\n"
            "\n"
            "Word: кот (животно)\n"
            "Meaning: домашно животно.\n"
            "Homonyms: кот (мярка)\n"
            "Absolute synonyms: кот - котарак\n"
            "Relative synonyms:\n"
            "  кот, котарак\n"
            "  котка\n"
            "\n"
            "Word: кот (мярка)\n"
            "Meanings: No meanings found.\n"
            "Homonyms: кот (животно)\n"
            "Absolute synonyms: No absolute synonyms found.\n"
            "Relative synonyms: No relative synonyms found.\n");
        row("in Russian",
            {QStringLiteral("--print=text"), QStringLiteral("--lang=RU"), QStringLiteral("кот")}, 0,
            "Query results for word \"Кот\":\n"
            "\n"
            "Word: кот (рус.)\n"
            "Meanings: No meanings found.\n"
            "Homonyms: No homonyms found.\n"
            "Absolute synonyms: No absolute synonyms found.\n"
            "Relative synonyms: No relative synonyms found.\n");
        row("in meanings", {print, QStringLiteral("--meanings"), QStringLiteral("ЖИВОТН")}, 0,
            "Query results for word \"ЖИВОТН\":\n"
            "\n"
            "Word: кот (животно)\n"
            "Meaning: домашно животно.\n"
            "Homonyms: кот (мярка)\n"
            "Absolute synonyms: кот - котарак\n"
            "Relative synonyms:\n"
            "  кот, котарак\n"
            "  котка\n");
        row("nothing found", {print, QStringLiteral("мечка")}, 1,
            "No words found maching \"Мечка\".\n");
        row("nothing found in meanings",
            {print, QStringLiteral("--meanings"), QStringLiteral("кот")}, 1,
            "No words found maching \"Кот\".\n");
        row("the page's bytes",
            {QStringLiteral("--print=html"), QStringLiteral("--exact"), QStringLiteral("кот")}, 0,
            "");
        row("the page's bytes, nothing found",
            {QStringLiteral("--print=html"), QStringLiteral("мечка")}, 1, "");
    }

    void print() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitStatus);
        QFETCH(QString, printed);
        TStart start(*mFolders, arguments, QString(), false);
        QVERIFY(start.Ended());
        QCOMPARE(start.ExitStatus(), exitStatus);
        const QByteArray output = start.Output();
        if (printed.isEmpty()) {
            const QString word = arguments.back();
            const TSearch search{word.left(1).toUpper() + word.mid(1), QStringLiteral("BG"),
                                 !arguments.contains(QStringLiteral("--exact"))};
            QVERIFY(output == mFolders->SearchPage(mFolders->Network(), search));
        } else {
            QCOMPARE(QString::fromUtf8(output), printed);
        }
        QCOMPARE(start.Errors(), QByteArray());
        QCOMPARE(start.Pages().size(), 0);
    }

    // The desktop session, systemd and a terminal end a program with these signals; it then
    // ends as Quit ends it, removing its page files, also while its view is busy.
    void endsCleanlyOnSignals_data() {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("busy"); // laying out a page of ten megabytes
        QTest::newRow("SIGTERM") << SIGTERM << false;
        QTest::newRow("SIGHUP") << SIGHUP << false;
        QTest::newRow("SIGINT") << SIGINT << false;
        QTest::newRow("SIGTERM, laying out a huge page") << SIGTERM << true;
    }

    void endsCleanlyOnSignals() {
        QFETCH(int, signal);
        QFETCH(bool, busy);
        const QStringList arguments =
            busy ? QStringList{QStringLiteral("--database"), mFolders->BusyNetwork(),
                               QStringLiteral("мечо")}
                 : QStringList{QStringLiteral("кот")};
        TStart start(*mFolders, arguments, QString());
        if (busy)
            QVERIFY(
                QTest::qWaitFor([&] { return start.PageCount(10'000'000) == 1; }, kStartTimeout));
        else
            QVERIFY(start.Shows(
                2, mFolders->SearchPage(mFolders->Network(),
                                        {QStringLiteral("Кот"), QStringLiteral("BG"), true})));

        start.Signal(signal);

        QVERIFY(start.Ended());
        QVERIFY(start.EndedNormally());
        QCOMPARE(start.ExitStatus(), 0);
        QCOMPARE(start.Pages().size(), 0);
    }

    // A later start hands its word to the running program and ends; a start without a session
    // bus, or with a network of its own, opens a window of its own.
    void oneWindowPerUser_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("onBus");
        QTest::addColumn<bool>("handedOver");
        QTest::addColumn<TSearch>("search"); // the page the running or the new window shows
        QTest::addRow("word") << QStringList{QStringLiteral("--lang=RU"), QStringLiteral("--exact"),
                                             QStringLiteral("кот")}
                              << true << true
                              << TSearch{QStringLiteral("Кот"), QStringLiteral("RU"), false};
        QTest::addRow("no word") << QStringList{} << true << true << TSearch{};
        QTest::addRow("no session bus")
            << QStringList{QStringLiteral("куче")} << false << false
            << TSearch{QStringLiteral("Куче"), QStringLiteral("BG"), true};
        QTest::addRow("network of its own")
            << QStringList{QStringLiteral("--database=../other.mdb"), QStringLiteral("куче")}
            << true << false << TSearch{QStringLiteral("Куче"), QStringLiteral("BG"), true};
    }

    void oneWindowPerUser() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, onBus);
        QFETCH(bool, handedOver);
        QFETCH(TSearch, search);
        if (!qEnvironmentVariableIsSet("QUOR_PRIVATE_SESSION_BUS"))
            QSKIP("Needs a private session bus: ctest runs this suite under dbus-run-session.");
        TStart running(*mFolders, {QStringLiteral("кот")}, SessionBus());
        const QByteArray firstPage = mFolders->SearchPage(
            mFolders->Network(), {QStringLiteral("Кот"), QStringLiteral("BG"), true});
        QVERIFY(running.Shows(2, firstPage));
        QVERIFY(RunningProgramOnBus());

        TStart later(*mFolders, arguments, onBus ? SessionBus() : QString());
        const QString network = arguments.value(0).startsWith(u"--database")
                                    ? mFolders->OtherNetwork()
                                    : mFolders->Network();
        if (handedOver) {
            QVERIFY(later.Ended());
            QCOMPARE(later.ExitStatus(), 0);
            QCOMPARE(later.Pages().size(), 0);
            if (search.Word.isEmpty()) {
                QTest::qWait(500);
                QCOMPARE(running.Pages().size(), 2);
            } else
                QVERIFY(running.Shows(3, mFolders->SearchPage(network, search)));
        } else {
            QVERIFY(later.Shows(2, mFolders->SearchPage(network, search)));
            QCOMPARE(running.Pages().size(), 2);
        }
    }

    // A window of another network takes no words of later starts: they open the default one.
    void windowOfOwnNetworkLeavesLaterStartsAlone() {
        if (!qEnvironmentVariableIsSet("QUOR_PRIVATE_SESSION_BUS"))
            QSKIP("Needs a private session bus: ctest runs this suite under dbus-run-session.");
        const TSearch dog{QStringLiteral("Куче"), QStringLiteral("BG"), true};
        TStart own(*mFolders, {QStringLiteral("--database=../other.mdb"), QStringLiteral("куче")},
                   SessionBus());
        QVERIFY(own.Shows(2, mFolders->SearchPage(mFolders->OtherNetwork(), dog)));

        TStart later(*mFolders, {QStringLiteral("куче")}, SessionBus());

        QVERIFY(later.Shows(2, mFolders->SearchPage(mFolders->Network(), dog)));
        QCOMPARE(own.Pages().size(), 2);
    }

    // LookUp takes the language codes in either case and refuses other languages.
    void lookUpMethodTakesLanguageCodes_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<TSearch>("search"); // the page the window shows after the welcome page
        QTest::newRow("other language") << QStringLiteral("EN")
                                        << QStringLiteral("The language must be BG, RU or empty, "
                                                          "not 'EN'.")
                                        << TSearch{};
        QTest::newRow("none: the one the list shows")
            << QString() << QString()
            << TSearch{QStringLiteral("Кот"), QStringLiteral("BG"), false};
        QTest::newRow("in small letters")
            << QStringLiteral("ru") << QString()
            << TSearch{QStringLiteral("Кот"), QStringLiteral("RU"), false};
    }

    void lookUpMethodTakesLanguageCodes() {
        QFETCH(QString, language);
        QFETCH(QString, refusal);
        QFETCH(TSearch, search);
        if (!qEnvironmentVariableIsSet("QUOR_PRIVATE_SESSION_BUS"))
            QSKIP("Needs a private session bus: ctest runs this suite under dbus-run-session.");
        TStart running(*mFolders, {}, SessionBus());
        QVERIFY(RunningProgramOnBus());
        QDBusInterface program(kServiceName, QStringLiteral("/"), kServiceName);
        const QDBusReply<void> reply =
            program.call(QStringLiteral("LookUp"), QStringLiteral("кот"), language, true);
        if (!refusal.isEmpty()) {
            QCOMPARE(reply.error().name(), u"org.freedesktop.DBus.Error.InvalidArgs");
            QCOMPARE(reply.error().message(), refusal);
            return;
        }
        QVERIFY2(reply.isValid(), qPrintable(reply.error().message()));
        QVERIFY(running.Shows(2, mFolders->SearchPage(mFolders->Network(), search)));
    }
};

QTEST_MAIN(TestCommandLine)
#include "test_command_line.moc"

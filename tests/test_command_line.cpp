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
#include <QDBusMetaType>
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

// The user's folders of a start: its working folder, and its XDG data and config folders. Empty
// ones are the app folder and folders of the start's own.
struct TUserFolders {
    QString Working;
    QString Data;
    QString Config;
};

// A user's desktop without the program's folders in the working folder: an empty working folder,
// the installed stylesheet (the app folder's) and sample network (the app folder's network) in the
// XDG data folder, and in the config folder the network opened last, when one is given.
class TDesktopHome {
public:
    TDesktopHome(const TInstalledFolders& folders, const QString& remembered) {
        QDir data(mData.path());
        data.mkpath(QStringLiteral("quor-semnet-browser/app"));
        data.mkpath(QStringLiteral("quor-semnet-browser/Database"));
        QFile::copy(folders.AppFolder() + QStringLiteral("/styles.css"),
                    data.filePath(QStringLiteral("quor-semnet-browser/app/styles.css")));
        QFile::copy(
            folders.Network(),
            data.filePath(QStringLiteral("quor-semnet-browser/Database/QuorSemanticNetwork.mdb")));
        if (!remembered.isEmpty()) {
            QDir(mConfig.path()).mkpath(QStringLiteral("QuorSemNetBrowser"));
            WriteFileBytes(
                mConfig.filePath(QStringLiteral("QuorSemNetBrowser/QuorSemNetBrowser.conf")),
                "[Networks]\nRecent=" + remembered.toStdString() + "\n");
        }
    }

    TUserFolders Folders() const { return {mWorking.path(), mData.path(), mConfig.path()}; }

private:
    QTemporaryDir mWorking, mData, mConfig;
};

// One start of the program, with a folder of page files of its own, on the given session bus (an
// empty address: none), with the offscreen display or with none at all.
class TStart {
public:
    TStart(const TInstalledFolders& folders, const QStringList& arguments,
           const QString& busAddress, bool display = true, const TUserFolders& user = {}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (!display) {
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
            environment.remove(QStringLiteral("DISPLAY"));
            environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        }
        environment.insert(QStringLiteral("TMPDIR"), mPages.path());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), mRuntime.path());
        environment.insert(QStringLiteral("XDG_DATA_HOME"),
                           user.Data.isEmpty() ? mRuntime.filePath(QStringLiteral("data"))
                                               : user.Data);
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                           user.Config.isEmpty() ? mRuntime.filePath(QStringLiteral("config"))
                                                 : user.Config);
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                           busAddress.isEmpty() ? QStringLiteral("unix:path=") +
                                                      mRuntime.filePath(QStringLiteral("no-bus"))
                                                : busAddress);
        mProcess.setProcessEnvironment(environment);
        mProcess.setWorkingDirectory(user.Working.isEmpty() ? folders.AppFolder() : user.Working);
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
        refused("the selection and a word", {QStringLiteral("--selection"), QStringLiteral("кот")},
                QStringLiteral("Give --selection or a WORD, not both."));
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
        QTest::addColumn<QString>("errors");  // the suggestions of a search that found nothing
        const auto row = [](const char* name, const QStringList& arguments, int exitStatus,
                            const char* printed, const char* errors = "") {
            QTest::newRow(name) << arguments << exitStatus << QString::fromUtf8(printed)
                                << QString::fromUtf8(errors);
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
        row("nothing found, a word probably meant",
            {print, QStringLiteral("--exact"), QStringLiteral("котрак")}, 1,
            "No words found maching \"Котрак\".\n",
            "Did you mean:\n  котарак (similar spelling)\n  котка (similar spelling)\n");
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
        QFETCH(QString, errors);
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
        QCOMPARE(QString::fromUtf8(start.Errors()), errors);
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

    // A start from any folder: without styles.css and Database/ there, the installed stylesheet
    // and the network opened last, else the installed sample network.
    void startsAnywhere_data() {
        QTest::addColumn<bool>("remembered");
        QTest::newRow("the network opened last") << true;
        QTest::newRow("the installed sample") << false;
    }

    void startsAnywhere() {
        QFETCH(bool, remembered);
        const TDesktopHome home(*mFolders, remembered ? mFolders->OtherNetwork() : QString());
        const QString network = remembered ? mFolders->OtherNetwork() : mFolders->Network();
        const TSearch dog{QStringLiteral("Куче"), QStringLiteral("BG"), true};
        TStart start(*mFolders, {QStringLiteral("куче")}, QString(), true, home.Folders());
        QVERIFY(start.Shows(2, mFolders->SearchPage(network, dog)));
        // A page printed in a terminal there: the same network and stylesheet, without a desktop.
        TStart print(*mFolders, {QStringLiteral("--print=html"), QStringLiteral("куче")}, QString(),
                     false, home.Folders());
        QVERIFY(print.Ended());
        QCOMPARE(print.ExitStatus(), 0);
        QVERIFY(print.Output() == mFolders->SearchPage(network, dog));
    }

    // One window for every network: a later start hands its word, and the network it names (by
    // --database, or its working folder's), to the running window, which opens that network
    // unless it reads it already (showing the word's page, or the welcome page without a word),
    // and ends; a start without a session bus opens a window of its own.
    void oneWindowPerUser_data() {
        QTest::addColumn<bool>("runningOwn"); // the running window started on other.mdb
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("fromNowhere"); // the later start in a folder without a network
        QTest::addColumn<bool>("onBus");
        QTest::addColumn<int>("pages");      // shown by the running window, -1: a window of its own
        QTest::addColumn<bool>("otherPage"); // the last page of other.mdb
        QTest::addColumn<TSearch>("search");
        const TSearch dog{QStringLiteral("Куче"), QStringLiteral("BG"), true};
        QTest::addRow("word") << false
                              << QStringList{QStringLiteral("--lang=RU"), QStringLiteral("--exact"),
                                             QStringLiteral("кот")}
                              << false << true << 3 << false
                              << TSearch{QStringLiteral("Кот"), QStringLiteral("RU"), false};
        QTest::addRow("no word") << false << QStringList{} << false << true << 2 << false
                                 << TSearch{};
        QTest::addRow("no session bus")
            << false << QStringList{QStringLiteral("куче")} << false << false << -1 << false << dog;
        QTest::addRow("another network")
            << false
            << QStringList{QStringLiteral("--database=../other.mdb"), QStringLiteral("куче")}
            << false << true << 3 << true << dog;
        QTest::addRow("the network read, named by --database")
            << true
            << QStringList{QStringLiteral("--database"), mFolders->OtherNetwork(),
                           QStringLiteral("куче")}
            << false << true << 3 << true << dog;
        QTest::addRow("the working folder's network, to a window of another")
            << true << QStringList{QStringLiteral("куче")} << false << true << 3 << false << dog;
        QTest::addRow("no network named: the running window's")
            << true << QStringList{QStringLiteral("куче")} << true << true << 3 << true << dog;
    }

    void oneWindowPerUser() {
        QFETCH(bool, runningOwn);
        QFETCH(QStringList, arguments);
        QFETCH(bool, fromNowhere);
        QFETCH(bool, onBus);
        QFETCH(int, pages);
        QFETCH(bool, otherPage);
        QFETCH(TSearch, search);
        if (!qEnvironmentVariableIsSet("QUOR_PRIVATE_SESSION_BUS"))
            QSKIP("Needs a private session bus: ctest runs this suite under dbus-run-session.");
        const TSearch first{runningOwn ? QStringLiteral("Куче") : QStringLiteral("Кот"),
                            QStringLiteral("BG"), true};
        TStart running(*mFolders,
                       runningOwn ? QStringList{QStringLiteral("--database=../other.mdb"),
                                                QStringLiteral("куче")}
                                  : QStringList{QStringLiteral("кот")},
                       SessionBus());
        QVERIFY(running.Shows(
            2, mFolders->SearchPage(runningOwn ? mFolders->OtherNetwork() : mFolders->Network(),
                                    first)));
        QVERIFY(RunningProgramOnBus());

        const QTemporaryDir nowhere;
        TStart later(*mFolders, arguments, onBus ? SessionBus() : QString(), true,
                     {fromNowhere ? nowhere.path() : QString(), {}, {}});
        const QString network = otherPage ? mFolders->OtherNetwork() : mFolders->Network();
        if (pages < 0) {
            QVERIFY(later.Shows(2, mFolders->SearchPage(network, search)));
            QCOMPARE(running.Pages().size(), 2);
            return;
        }
        QVERIFY(later.Ended());
        QCOMPARE(later.ExitStatus(), 0);
        QCOMPARE(later.Pages().size(), 0);
        if (search.Word.isEmpty()) {
            QTest::qWait(500);
            QCOMPARE(running.Pages().size(), pages);
        } else
            QVERIFY(running.Shows(pages, mFolders->SearchPage(network, search)));
    }

    // With no program running, a look-up over the bus starts one, which reads the network
    // opened last.
    void lookUpStartsTheProgram() {
        if (!qEnvironmentVariableIsSet("QUOR_PRIVATE_SESSION_BUS"))
            QSKIP("Needs a private session bus: ctest runs this suite under dbus-run-session.");
        const TDesktopHome home(*mFolders, mFolders->OtherNetwork());
        const QTemporaryDir pages;
        // Plain method calls: an interface object would introspect the service, whose cached
        // description the bus connection keeps until after the leak check at exit.
        const auto call = [](const QString& service, const QString& path, const QString& method,
                             const QVariantList& arguments) {
            QDBusMessage message = QDBusMessage::createMethodCall(service, path, service, method);
            message.setArguments(arguments);
            return QDBusConnection::sessionBus().call(message);
        };
        qDBusRegisterMetaType<QMap<QString, QString>>();
        const QMap<QString, QString> environment{
            {QStringLiteral("TMPDIR"), pages.path()},
            {QStringLiteral("XDG_DATA_HOME"), home.Folders().Data},
            {QStringLiteral("XDG_CONFIG_HOME"), home.Folders().Config}};
        const QDBusMessage updated =
            call(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                 QStringLiteral("UpdateActivationEnvironment"), {QVariant::fromValue(environment)});
        QVERIFY2(updated.type() == QDBusMessage::ReplyMessage, qPrintable(updated.errorMessage()));

        const QDBusReply<void> reply =
            call(kServiceName, QStringLiteral("/"), QStringLiteral("LookUp"),
                 {QStringLiteral("куче"), QString(), false});

        QVERIFY2(reply.isValid(), qPrintable(reply.error().message()));
        const QDBusReply<uint> pid =
            QDBusConnection::sessionBus().interface()->servicePid(kServiceName);
        QVERIFY(pid.isValid());
        const QByteArray page = mFolders->SearchPage(
            mFolders->OtherNetwork(), {QStringLiteral("Куче"), QStringLiteral("BG"), true});
        const auto shown = [&] {
            const QFileInfoList files =
                QDir(pages.path()).entryInfoList({QStringLiteral("~Quor*")}, QDir::Files);
            return std::any_of(files.begin(), files.end(), [&](const QFileInfo& file) {
                return QByteArray::fromStdString(ReadFileBytes(file.absoluteFilePath())) == page;
            });
        };
        const bool pageShown = QTest::qWaitFor(shown, kStartTimeout);
        ::kill(static_cast<pid_t>(pid.value()), SIGTERM);
        QVERIFY(QTest::qWaitFor(
            [] {
                return !QDBusConnection::sessionBus().interface()->isServiceRegistered(
                    kServiceName);
            },
            kStartTimeout));
        QVERIFY(pageShown);
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

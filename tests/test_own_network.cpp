// The user's own network in the window, and the program started from any folder: the stylesheet
// of the pages (the working folder's, else the installed one in the desktop's colours), the
// network a start reads, the networks remembered, Open Network, and words taken from the page's
// selection and from other programs.
#include "ProgramDriver.h"
#include "TestSupport.h"
#include "app/DesktopSelection.h"
#include "core/text/CodePage.h"
#include "window/NetworkChooser.h"
#include "window/RecentNetworks.h"
#include "window/StylesheetFinder.h"
#include "window/WebBrowser.h"
#include "window/WindowNetwork.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPalette>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

#include <memory>

using namespace Quor;

namespace {

const std::string kOwnStylesheet = "body { color: own; }\n";
const std::string kLightStylesheet = "body { color: light; }\n";
const std::string kDarkStylesheet = "body { color: dark; }\n";

// The XDG data and config folders of the test's own while it lives, so that neither an installed
// program nor the user's settings take part.
class TDesktopFolders {
public:
    TDesktopFolders() {
        for (const char* name : {"XDG_DATA_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_HOME"})
            mPrevious.emplace_back(name, qgetenv(name));
        qputenv("XDG_DATA_HOME", mData.path().toLocal8Bit());
        qputenv("XDG_DATA_DIRS", mOtherData.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", mConfig.path().toLocal8Bit());
    }
    ~TDesktopFolders() {
        for (const auto& [name, value] : mPrevious)
            value.isNull() ? qunsetenv(name) : qputenv(name, value);
    }

    // Installs a file of the program under quor-semnet-browser/ in the data folder.
    void Install(const QString& relativePath, const std::string& bytes) const {
        const QString path = mData.filePath(QStringLiteral("quor-semnet-browser/") + relativePath);
        QDir().mkpath(QFileInfo(path).absolutePath());
        WriteFileBytes(path, bytes);
    }

private:
    QTemporaryDir mData, mOtherData, mConfig;
    std::vector<std::pair<const char*, QByteArray>> mPrevious;
};

// The application's palette, dark or the style's own, while it lives.
class TPaletteScope {
public:
    explicit TPaletteScope(bool dark) : mPrevious(QApplication::palette()) {
        if (!dark)
            return;
        QPalette palette;
        palette.setColor(QPalette::Window, QColor(0x20, 0x20, 0x20));
        palette.setColor(QPalette::WindowText, QColor(0xe0, 0xe0, 0xe0));
        QApplication::setPalette(palette);
    }
    ~TPaletteScope() { QApplication::setPalette(mPrevious); }

private:
    QPalette mPrevious;
};

// A network file with the one word given, in the test's temporary folder.
class TOneWordNetwork {
public:
    explicit TOneWordNetwork(const char* word) {
        mDatabase.AddWord(word, "BG", "", 1);
        mDatabase.Close();
    }
    QString Path() const { return mDatabase.Path(); }

private:
    TFixtureDatabase mDatabase;
};

// Answers the next file dialog with `file`, or cancels it when `file` is empty.
void AnswerFileDialog(const QString& file) {
    QTimer::singleShot(0, [file] {
        QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<QFileDialog*>(QApplication::activeModalWidget()),
                                 kPatience);
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (file.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(file);
        static_cast<QDialog*>(dialog)->accept();
    });
}

// Fills the next server dialog with `host` and a database and opens it.
void AnswerServerDialog(const QString& host) {
    QTimer::singleShot(0, [host] {
        QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<TServerDialog*>(QApplication::activeModalWidget()),
                                 kPatience);
        auto* dialog = qobject_cast<TServerDialog*>(QApplication::activeModalWidget());
        dialog->findChild<QLineEdit*>(QStringLiteral("mHostEdit"))->setText(host);
        dialog->accept();
    });
}

} // namespace

class TestOwnNetwork : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The working folder's styles.css whenever it is there; else the installed one, dark under a
    // dark palette where there is a dark one; else none, and the page tells so.
    void stylesheetOfThePages_data() {
        QTest::addColumn<bool>("own");
        QTest::addColumn<bool>("light");
        QTest::addColumn<bool>("dark");
        QTest::addColumn<bool>("darkPalette");
        QTest::addColumn<QByteArray>("stylesheet"); // empty: none, with the warning
        QTest::newRow("the working folder's, also under a dark palette")
            << true << true << true << true << Bytes(kOwnStylesheet);
        QTest::newRow("installed, the working folder having none")
            << false << true << true << false << Bytes(kLightStylesheet);
        QTest::newRow("installed dark variant under a dark palette")
            << false << true << true << true << Bytes(kDarkStylesheet);
        QTest::newRow("installed light one under a dark palette without a dark one")
            << false << true << false << true << Bytes(kLightStylesheet);
        QTest::newRow("none anywhere") << false << false << false << false << QByteArray();
    }

    void stylesheetOfThePages() {
        QFETCH(bool, own);
        QFETCH(bool, light);
        QFETCH(bool, dark);
        QFETCH(bool, darkPalette);
        QFETCH(QByteArray, stylesheet);
        const TDesktopFolders desktop;
        const TWorkingFolder work(own ? &kOwnStylesheet : nullptr);
        if (light)
            desktop.Install(QStringLiteral("app/styles.css"), kLightStylesheet);
        if (dark)
            desktop.Install(QStringLiteral("app/styles-dark.css"), kDarkStylesheet);
        const TPaletteScope palette(darkPalette);
        TPageComposer composer;
        composer.SetStylesheetFile(&TStylesheetFinder::Find);
        QStringList warnings;
        composer.SetStylesheetWarning([&](const QString& message) { warnings << message; });

        const QByteArray head = Bytes(composer.HtmlHead());

        const QByteArray lines =
            stylesheet.isEmpty() ? QByteArray() : "\t\t" + stylesheet.chopped(1) + "\r\n";
        COMPARE_TEXT(head, Bytes(kHeadOpening) + lines + "\t</style>\r\n</head>\r\n");
        QCOMPARE(warnings, stylesheet.isEmpty()
                               ? QStringList{QStringLiteral("Can not read stylesheet styles.css")}
                               : QStringList());
    }

    // Without --database: the working folder's network, else the one opened last while it is
    // there, else the installed sample.
    void startNetwork_data() {
        QTest::addColumn<bool>("ownNetwork");
        QTest::addColumn<QString>("remembered"); // "file", "gone", a URI or none
        QTest::addColumn<bool>("sample");
        QTest::addColumn<QString>("network"); // "own", "file", "sample" or a URI
        const QString uri = QStringLiteral("postgresql://quor_reader@db.quor.net/quor");
        QTest::newRow("the working folder's before the one opened last")
            << true << QStringLiteral("file") << true << QStringLiteral("own");
        QTest::newRow("the one opened last")
            << false << QStringLiteral("file") << true << QStringLiteral("file");
        QTest::newRow("a server opened last") << false << uri << true << uri;
        QTest::newRow("the sample, the file opened last being gone")
            << false << QStringLiteral("gone") << true << QStringLiteral("sample");
        QTest::newRow("the sample, none opened before")
            << false << QString() << true << QStringLiteral("sample");
        QTest::newRow("nothing: the working folder's, which tells it is missing")
            << false << QString() << false << QStringLiteral("own");
    }

    void startNetwork() {
        QFETCH(bool, ownNetwork);
        QFETCH(QString, remembered);
        QFETCH(bool, sample);
        QFETCH(QString, network);
        const TDesktopFolders desktop;
        // The working folder app/ in a folder of its own, with Database/ beside it or not.
        const QTemporaryDir root;
        QDir(root.path()).mkpath(QStringLiteral("app"));
        QDir(root.path()).mkpath(QStringLiteral("Database"));
        const QString own = QString::fromLatin1(TQuorDataModule::kDefaultDatabasePath);
        if (ownNetwork)
            WriteFileBytes(root.filePath(QStringLiteral("app/") + own), "");
        const QString previousFolder = QDir::currentPath();
        QDir::setCurrent(root.filePath(QStringLiteral("app")));
        const TOneWordNetwork file("кот");
        if (remembered == u"file")
            TRecentNetworks::Remember(file.Path());
        else if (remembered == u"gone")
            TRecentNetworks::Remember(file.Path() + QStringLiteral(".gone"));
        else if (!remembered.isEmpty())
            TRecentNetworks::Remember(remembered);
        if (sample)
            desktop.Install(QStringLiteral("Database/QuorSemanticNetwork.mdb"), "");

        const QString chosen = TWindowNetwork::StartNetwork(QString());

        QDir::setCurrent(previousFolder);
        const QString expected =
            network == u"own"      ? own
            : network == u"file"   ? file.Path()
            : network == u"sample" ? QDir::cleanPath(qEnvironmentVariable("XDG_DATA_HOME") +
                                                     QStringLiteral("/quor-semnet-browser/Database/"
                                                                    "QuorSemanticNetwork.mdb"))
                                   : network;
        QCOMPARE(chosen, expected);
    }

    // The latest first, each once, at most five; no password kept.
    void recentNetworks_data() {
        QTest::addColumn<QStringList>("opened");
        QTest::addColumn<QStringList>("recent");
        QTest::newRow("latest first") << QStringList{QStringLiteral("/a"), QStringLiteral("/b")}
                                      << QStringList{QStringLiteral("/b"), QStringLiteral("/a")};
        QTest::newRow("opened again: first, and once")
            << QStringList{QStringLiteral("/a"), QStringLiteral("/b"), QStringLiteral("/a")}
            << QStringList{QStringLiteral("/a"), QStringLiteral("/b")};
        QTest::newRow("six: the oldest goes")
            << QStringList{QStringLiteral("/1"), QStringLiteral("/2"), QStringLiteral("/3"),
                           QStringLiteral("/4"), QStringLiteral("/5"), QStringLiteral("/6")}
            << QStringList{QStringLiteral("/6"), QStringLiteral("/5"), QStringLiteral("/4"),
                           QStringLiteral("/3"), QStringLiteral("/2")};
        QTest::newRow("a server without its passwords")
            << QStringList{QStringLiteral(
                               "postgresql://ana:secret@db/quor?password=x&sslmode=require"),
                           QStringLiteral("postgresql://ana@db/quor?password=x")}
            << QStringList{QStringLiteral("postgresql://ana@db/quor"),
                           QStringLiteral("postgresql://ana@db/quor?sslmode=require")};
    }

    void recentNetworks() {
        QFETCH(QStringList, opened);
        QFETCH(QStringList, recent);
        const TDesktopFolders desktop;
        for (const QString& network : opened)
            TRecentNetworks::Remember(network);
        QCOMPARE(TRecentNetworks::List(), recent);
    }

    // Open Network and Open Network on a Server: the window reads the new network, names it in
    // its title, shows the welcome page with no page before it and remembers the network; one
    // that does not open is told in the error box and the window goes on with the one before.
    void openNetwork_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("answer"); // "network", "noise", "missing", "cancel", a host
        QTest::addColumn<bool>("opened");
        QTest::addColumn<QString>("error"); // how the error box begins
        QTest::newRow("a network file") << QStringLiteral("mOpenNetworkCommand")
                                        << QStringLiteral("network") << true << QString();
        QTest::newRow("a file that is no network")
            << QStringLiteral("mOpenNetworkCommand") << QStringLiteral("noise") << false
            << QStringLiteral("Can not ");
        QTest::newRow("the dialog cancelled") << QStringLiteral("mOpenNetworkCommand")
                                              << QStringLiteral("cancel") << false << QString();
        QTest::newRow("a server that does not answer")
            << QStringLiteral("mOpenServerNetworkCommand") << QStringLiteral("/nonexistent")
            << false << QStringLiteral("Can not open the database ");
    }

    void openNetwork() {
        QFETCH(QString, command);
        QFETCH(QString, answer);
        QFETCH(bool, opened);
        QFETCH(QString, error);
        const TDesktopFolders desktop;
        const TOneWordNetwork first("кот"), second("куче");
        TFixtureDatabase noise;
        noise.Close();
        WriteFileBytes(noise.Path(), Noise(4096, 7));
        TRunningProgram program(first.Path(), &kOwnStylesheet);
        TWindowNetwork network(program.Form);
        network.OpenAtStart(first.Path());
        QVERIFY(program.Started());
        program.Search(QStringLiteral("кот"));
        QVERIFY(program.BackButton()->isEnabled());
        const qsizetype pagesBefore = program.PageCount();

        if (command == u"mOpenNetworkCommand")
            AnswerFileDialog(answer == u"network" ? second.Path()
                             : answer == u"noise" ? noise.Path()
                                                  : QString());
        else
            AnswerServerDialog(answer);
        program.Control<QAction>(command.toLatin1().constData())->trigger();

        QCOMPARE(program.Boxes.Boxes().size(), error.isEmpty() ? 0u : 1u);
        if (!error.isEmpty())
            QVERIFY2(program.Boxes.Texts().startsWith(error), qPrintable(program.Boxes.Texts()));
        const TOneWordNetwork& read = opened ? second : first;
        QCOMPARE(network.Network(), read.Path());
        QCOMPARE(program.Form.windowTitle(),
                 QStringLiteral("Quor Semantic Network - Words Browser — ") +
                     QFileInfo(read.Path()).fileName());
        QCOMPARE(TRecentNetworks::List().value(0), read.Path());
        QCOMPARE(program.PageCount(), pagesBefore + (opened ? 1 : 0));
        // Back leads to no page of the network before.
        QCOMPARE(program.BackButton()->isEnabled(), !opened);
        QVERIFY(program.Started());
        program.Search(opened ? QStringLiteral("куче") : QStringLiteral("кот"));
        QVERIFY(program.Page().contains(Cp(opened ? "Куче" : "Кот").c_str()));
        QVERIFY(program.Page().contains("WordInfoTable"));
    }

    // A word handed over, from the command line, another program or Look Up on the page, leaves
    // the strip as typing it and pressing Enter does.
    void handedOverWordLeavesStripAsTyped_data() {
        QTest::addColumn<QString>("before"); // searched first, typed; empty for none
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("fromPage"); // Look Up with the word selected on the page
        QTest::newRow("at start") << QString() << QStringLiteral("  кот,") << false;
        QTest::newRow("after another search")
            << QStringLiteral("куче") << QStringLiteral("кот") << false;
        QTest::newRow("listed in another case")
            << QStringLiteral("Кот") << QStringLiteral("КОТ") << false;
        QTest::newRow("Look Up of the page's selection")
            << QStringLiteral("кот") << QStringLiteral("котарак") << true;
    }

    void handedOverWordLeavesStripAsTyped() {
        QFETCH(QString, before);
        QFETCH(QString, word);
        QFETCH(bool, fromPage);
        const auto db = SmallNetwork::NewDatabase();
        const auto stripAfter = [&](bool typed) {
            TRunningProgram program(db->Path(), nullptr);
            [&] { QVERIFY(program.Started()); }();
            if (!before.isEmpty())
                program.Search(before);
            if (typed) {
                program.Search(word);
            } else if (fromPage) {
                TWebBrowser& view = program.Form.PageView();
                const int at = view.toPlainText().indexOf(word);
                QTextCursor cursor = view.textCursor();
                cursor.setPosition(at);
                cursor.setPosition(at + int(word.size()), QTextCursor::KeepAnchor);
                view.setTextCursor(cursor);
                view.OnLookUp(view.textCursor().selectedText());
            } else
                program.Form.LookUp(word, QString(), false);
            QLineEdit* edit = program.WordBox()->lineEdit();
            return QStringList{program.History().join(u'|'), edit->text(), edit->selectedText(),
                               QString::number(program.SearchButton()->isEnabled()),
                               QString::fromLatin1(program.Page().toBase64())};
        };
        QCOMPARE(stripAfter(false), stripAfter(true));
    }

    // --selection: the selected text, else the clipboard's (the only one of the offscreen
    // platform), its white space made single spaces.
    void desktopSelection_data() {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("word");
        QTest::newRow("a word") << QStringLiteral("кот") << QStringLiteral("кот");
        QTest::newRow("a term over two lines")
            << QStringLiteral(" жёсткий\n\tдиск ") << QStringLiteral("жёсткий диск");
        QTest::newRow("nothing") << QString() << QString();
    }

    void desktopSelection() {
        QFETCH(QString, clipboard);
        QFETCH(QString, word);
        QGuiApplication::clipboard()->setText(clipboard);
        QCOMPARE(DesktopSelection(), word);
    }

    // The server dialog's address: each part percent-encoded, empty ones left to libpq.
    void serverUri_data() {
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("database");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("uri");
        QTest::newRow("every part")
            << QStringLiteral("db.quor.net") << 5433 << QStringLiteral("quor")
            << QStringLiteral("quor_reader")
            << QStringLiteral("postgresql://quor_reader@db.quor.net:5433/quor");
        QTest::newRow("a socket folder, the usual port, no user")
            << QStringLiteral("/run/postgresql") << 0 << QStringLiteral("quor") << QString()
            << QStringLiteral("postgresql://%2Frun%2Fpostgresql/quor");
        QTest::newRow("a user with an at sign")
            << QString() << 0 << QString() << QStringLiteral("ana@quor")
            << QStringLiteral("postgresql://ana%40quor@");
    }

    void serverUri() {
        QFETCH(QString, host);
        QFETCH(int, port);
        QFETCH(QString, database);
        QFETCH(QString, user);
        QFETCH(QString, uri);
        QCOMPARE(TServerDialog::MakeUri(host, port, database, user), uri);
    }
};

QTEST_MAIN(TestOwnNetwork)
#include "test_own_network.moc"

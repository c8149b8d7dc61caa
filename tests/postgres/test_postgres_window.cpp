// A network on the server opened in the window with Open Network on a Server: the window reads
// it, names it in its title and remembers it, and its pages are the server's.
#include "PostgresSupport.h"
#include "ProgramDriver.h"
#include "TestSupport.h"
#include "core/text/CodePage.h"
#include "window/NetworkChooser.h"
#include "window/RecentNetworks.h"
#include "window/WindowNetwork.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

using namespace Quor;

class TestPostgresWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        if (const QString reason = TTestServer::MissingReason(); !reason.isEmpty())
            QSKIP(qPrintable(reason));
        qputenv("XDG_CONFIG_HOME", mConfig.path().toLocal8Bit());
        mFile = SmallNetwork::NewDatabase();
        TTestServer::CreateDatabase(QStringLiteral("window_network"));
        QString output;
        QVERIFY2(
            TTestServer::Load({QStringLiteral("--database"),
                               TTestServer::Uri(QStringLiteral("window_network")), mFile->Path()},
                              &output) == 0,
            qPrintable(output));
    }

    // The dialog's fields, the host and port left to libpq's environment (the server's socket).
    void openServerNetwork() {
        const TOneFileNetwork before;
        TRunningProgram program(before.Path(), nullptr);
        TWindowNetwork network(program.Form);
        network.OpenAtStart(before.Path());
        QVERIFY(program.Started());
        QTimer::singleShot(0, [] {
            QTRY_VERIFY_WITH_TIMEOUT(
                qobject_cast<TServerDialog*>(QApplication::activeModalWidget()), kPatience);
            auto* dialog = qobject_cast<TServerDialog*>(QApplication::activeModalWidget());
            dialog->findChild<QLineEdit*>(QStringLiteral("mDatabaseEdit"))
                ->setText(QStringLiteral("window_network"));
            dialog->findChild<QLineEdit*>(QStringLiteral("mUserEdit"))
                ->setText(QStringLiteral("postgres"));
            dialog->accept();
        });

        program.Control<QAction>("mOpenServerNetworkCommand")->trigger();

        const QString uri = QStringLiteral("postgresql://postgres@/window_network");
        QCOMPARE(program.Boxes.Texts(), QString());
        QCOMPARE(network.Network(), uri);
        QCOMPARE(program.Form.windowTitle(),
                 QStringLiteral("Quor Semantic Network - Words Browser — ") + uri);
        QCOMPARE(TRecentNetworks::Last(), uri);
        QVERIFY(program.Started());
        program.Search(QStringLiteral("котарак"));
        QVERIFY(program.Page().contains(Cp("котарак").c_str()));
        QVERIFY(program.Page().contains("WordInfoTable"));
    }

private:
    // A network other than the server's, that the window reads first.
    class TOneFileNetwork {
    public:
        TOneFileNetwork() {
            mDatabase.AddWord("куче", "BG", "", 1);
            mDatabase.Close();
        }
        QString Path() const { return mDatabase.Path(); }

    private:
        TFixtureDatabase mDatabase;
    };

    QTemporaryDir mConfig;
    std::unique_ptr<TFixtureDatabase> mFile;
};

QTEST_MAIN(TestPostgresWindow)
#include "test_postgres_window.moc"

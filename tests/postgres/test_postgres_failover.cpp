// A browser given a primary and its streaming standby in one address reads from whichever
// answers: the standby alone gives the pages, the standby takes over when the primary stops,
// with no message, and with both stopped the page says so until one is back. Runs inside
// tests/postgres/standby-pair.
#include "TestSupport.h"
#include "core/pages/PageComposer.h"
#include "core/store/QuorData.h"

#include <QProcess>
#include <QSqlDatabase>
#include <QTest>
#include <QThread>

using namespace Quor;

namespace {

QString Port(const char* variable) {
    return qEnvironmentVariable(variable);
}

QString Uri(const QString& hosts, const QString& options = {}) {
    return QStringLiteral("postgresql://%1/quor?user=postgres%2").arg(hosts, options);
}

// Runs psql on a database of one of the two; its exit code, the output in `output`.
int Psql(const QString& port, const QString& database, const QString& sql,
         QString* output = nullptr) {
    QProcess psql;
    psql.start(QStringLiteral("psql"),
               {QStringLiteral("-X"), QStringLiteral("-qAt"), QStringLiteral("-h"),
                QStringLiteral("127.0.0.1"), QStringLiteral("-p"), port, QStringLiteral("-d"),
                database, QStringLiteral("-c"), sql});
    psql.waitForFinished(60000);
    if (output)
        *output = QString::fromUtf8(psql.readAllStandardOutput()).trimmed();
    return psql.exitCode();
}

void Control(const char* action, const char* cluster) {
    QCOMPARE(QProcess::execute(QStringLiteral(QUOR_STANDBY_PAIR),
                               {QString::fromLatin1(action), QString::fromLatin1(cluster)}),
             0);
}

} // namespace

class TestPostgresFailover : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        if (qEnvironmentVariableIsSet("QUOR_TEST_POSTGRES_MISSING"))
            QSKIP(qPrintable(qEnvironmentVariable("QUOR_TEST_POSTGRES_MISSING")));
        if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL")))
            QSKIP("Qt's QPSQL driver is not installed (libqt6sql6-psql)");
        mFile = std::make_unique<TFixtureDatabase>(SampleNetworkSql().constData());
        mFile->Close();
        QCOMPARE(Psql(mPrimary, QStringLiteral("postgres"), QStringLiteral("create database quor")),
                 0);
        QProcess loader;
        loader.setProcessChannelMode(QProcess::MergedChannels);
        loader.start(QStringLiteral(QUOR_LOAD_NETWORK),
                     {QStringLiteral("--database"), Uri(QStringLiteral("127.0.0.1:") + mPrimary),
                      mFile->Path()});
        QVERIFY(loader.waitForFinished(120000));
        QVERIFY2(loader.exitCode() == 0, loader.readAll().constData());
        // The standby has replayed the load once it has the words.
        QString count;
        for (int i = 0; i < 300 && count.toInt() == 0; ++i) {
            Psql(mStandby, QStringLiteral("quor"), QStringLiteral("select count(*) from t_word"),
                 &count);
            if (count.toInt() == 0)
                QThread::msleep(100);
        }
        QVERIFY(count.toInt() > 0);
        TQuorDataModule file(mFile->Path());
        TPageComposer composer;
        composer.SetDataModule(&file);
        mExpected = Page(composer);
        QVERIFY(mExpected.find("WordInfoTable") != std::string::npos);
    }

    void standbyAnswersAndTakesOver() {
        TQuorDataModule standby(Uri(QStringLiteral("127.0.0.1:") + mStandby));
        TPageComposer standbyPages;
        standbyPages.SetDataModule(&standby);
        QCOMPARE(Page(standbyPages), mExpected);

        TQuorDataModule store(
            Uri(QStringLiteral("127.0.0.1:%1,127.0.0.1:%2").arg(mPrimary, mStandby),
                QStringLiteral("&target_session_attrs=any")));
        TPageComposer composer;
        composer.SetDataModule(&store);
        QCOMPARE(Page(composer), mExpected);
        Control("--stop", "primary");
        QCOMPARE(Page(composer), mExpected);
        Control("--stop", "standby");
        QVERIFY(Page(composer).find("ErrorMessage") != std::string::npos);
        Control("--start", "primary");
        QCOMPARE(Page(composer), mExpected);
        Control("--start", "standby");
    }

private:
    static std::string Page(TPageComposer& composer) {
        return composer.SearchWordsHtml(Cp("компютър"), "BG", false);
    }

    const QString mPrimary = Port("QUOR_TEST_PRIMARY_PORT");
    const QString mStandby = Port("QUOR_TEST_STANDBY_PORT");
    TWorkingFolder mFolder;
    std::unique_ptr<TFixtureDatabase> mFile;
    std::string mExpected;
};

QTEST_GUILESS_MAIN(TestPostgresFailover)
#include "test_postgres_failover.moc"

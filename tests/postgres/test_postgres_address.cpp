// Reading a PostgreSQL connection URI: which engine a database argument names, the parts of the
// URI, the options handed on to libpq, and messages that never show its password.
#include "core/QuorError.h"
#include "core/store/DialectFactory.h"
#include "core/store/PostgresAddress.h"
#include "core/store/PostgresDialect.h"
#include "core/text/CodePage.h"

#include <QSqlDatabase>
#include <QTest>

using namespace Quor;

class TestPostgresAddress : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void engineFollowsTheDatabaseArgument_data() {
        QTest::addColumn<QString>("database");
        QTest::addColumn<QString>("driver");
        QTest::newRow("file") << QStringLiteral("../Database/QuorSemanticNetwork.mdb")
                              << QStringLiteral("QSQLITE");
        QTest::newRow("file named like a scheme")
            << QStringLiteral("postgresql:network.mdb") << QStringLiteral("QSQLITE");
        QTest::newRow("postgresql://")
            << QStringLiteral("postgresql://h/quor") << QStringLiteral("QPSQL");
        QTest::newRow("postgres://")
            << QStringLiteral("postgres://h/quor") << QStringLiteral("QPSQL");
        QTest::newRow("upper-case scheme")
            << QStringLiteral("PostgreSQL://h/quor") << QStringLiteral("QPSQL");
    }

    void engineFollowsTheDatabaseArgument() {
        QFETCH(QString, database);
        QFETCH(QString, driver);
        QCOMPARE(MakeDialectFor(database)->DriverName(), driver);
    }

    void partsOfTheUri_data() {
        QTest::addColumn<QString>("uri");
        QTest::addColumn<QString>("parts"); // user|password|host|port|dbname|options
        const struct {
            const char *name, *uri, *parts;
        } rows[] = {
            {"user, host, database", "postgresql://quor_reader@db.example/quor",
             "quor_reader||db.example|-1|quor|"},
            {"password and port", "postgres://u:p%40ss@h:6543/q", "u|p@ss|h|6543|q|"},
            {"IPv6 host", "postgresql://[::1]:5433/q", "||::1|5433|q|"},
            {"socket folder in the host", "postgresql://%2Frun%2Fpostgresql/q",
             "||/run/postgresql|-1|q|"},
            {"socket folder as a parameter", "postgresql:///q?host=%2Ftmp%2Fs%20x",
             "||/tmp/s x|-1|q|"},
            {"parameters set parts", "postgresql://h/q?user=a&port=7&dbname=r&password=s",
             "a|s|h|7|r|"},
            {"other parameters are options", "postgresql://h/q?sslmode=require&connect_timeout=3",
             "||h|-1|q|sslmode=require,connect_timeout=3"},
            {"nothing but the scheme", "postgresql://", "|||-1||"},
            {"database name with a blank", "postgresql://h/my%20quor", "||h|-1|my quor|"},
            {"password with a colon", "postgresql://u:p:ss@h/q", "u|p:ss|h|-1|q|"},
            {"several hosts, each with its port",
             "postgresql://a:5432,[::1]:5433/q?target_session_attrs=any",
             "||a,::1|5432,5433|q|target_session_attrs=any"},
            {"several hosts, a port for one", "postgresql://a,b:6000/q", "||a,b|,6000|q|"},
            {"several hosts without ports", "postgresql://a,b/q", "||a,b|-1|q|"},
            {"several hosts as parameters", "postgresql:///q?host=a,b&port=1,2", "||a,b|1,2|q|"},
        };
        for (const auto& row : rows)
            QTest::newRow(row.name) << QString::fromUtf8(row.uri) << QString::fromUtf8(row.parts);
    }

    void partsOfTheUri() {
        QFETCH(QString, uri);
        QFETCH(QString, parts);
        const TPostgresAddress address = ParsePostgresUri(uri);
        QStringList options;
        for (const auto& [name, value] : address.Options)
            options << name + QLatin1Char('=') + value;
        QCOMPARE(
            QStringList({address.User, address.Password, address.Host,
                         address.Ports.isEmpty() ? QString::number(address.Port) : address.Ports,
                         address.DatabaseName, options.join(QLatin1Char(','))})
                .join(QLatin1Char('|')),
            parts);
    }

    // The options as the PostgreSQL driver hands them to libpq, each value quoted the way libpq
    // reads a connection string.
    void optionsReachLibpqAsGiven_data() {
        QTest::addColumn<QString>("uri");
        QTest::addColumn<QString>("options");
        QTest::newRow("backslash")
            << QStringLiteral("postgresql://h/q?application_name=a%5Cb")
            << QStringLiteral("application_name='a\\\\b';connect_timeout='10'");
        QTest::newRow("quote") << QStringLiteral("postgresql://h/q?application_name=o'brien")
                               << QStringLiteral(
                                      "application_name='o\\'brien';connect_timeout='10'");
    }

    void optionsReachLibpqAsGiven() {
        QFETCH(QString, uri);
        QFETCH(QString, options);
        if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL")))
            QSKIP("Qt's PostgreSQL driver QPSQL is not installed.");
        {
            QSqlDatabase connection =
                QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("options"));
            MakePostgresDialect()->PrepareToOpen(connection, uri);
            QCOMPARE(connection.connectOptions(), options);
        }
        QSqlDatabase::removeDatabase(QStringLiteral("options"));
    }

    void badUrisAreNamedWithoutThePassword_data() {
        QTest::addColumn<QString>("uri");
        QTest::addColumn<QString>("reason");
        QTest::newRow("port not a number")
            << QStringLiteral("postgresql://u:secret@h:x5/q") << QStringLiteral("the port \"x5\"");
        QTest::newRow("port out of range") << QStringLiteral("postgresql://u:secret@h:70000/q")
                                           << QStringLiteral("the port \"70000\"");
        QTest::newRow("parameter without value")
            << QStringLiteral("postgresql://u:secret@h/q?sslmode") << QStringLiteral("name=value");
        QTest::newRow("parameter without name")
            << QStringLiteral("postgresql://u:secret@h/q?=value") << QStringLiteral("name=value");
        QTest::newRow("unclosed IPv6 host")
            << QStringLiteral("postgresql://u:secret@[::1/q") << QStringLiteral("no \"]\"");
        QTest::newRow("password as a parameter")
            << QStringLiteral("postgresql://u@h:0/q?password=secret") << QStringLiteral("the port");
    }

    void badUrisAreNamedWithoutThePassword() {
        QFETCH(QString, uri);
        QFETCH(QString, reason);
        try {
            ParsePostgresUri(uri);
            QFAIL("no error");
        } catch (const EQuorError& error) {
            const QString message = FromPageText(error.Message());
            QVERIFY2(message.contains(reason), qPrintable(message));
            QVERIFY2(message.contains(QStringLiteral("postgresql://u")), qPrintable(message));
            QVERIFY2(!message.contains(QStringLiteral("secret")), qPrintable(message));
        }
    }
};

QTEST_GUILESS_MAIN(TestPostgresAddress)
#include "test_postgres_address.moc"

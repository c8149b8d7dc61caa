#include "PostgresSupport.h"

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <atomic>

QString TTestServer::MissingReason() {
    if (qEnvironmentVariableIsSet("QUOR_TEST_POSTGRES_MISSING"))
        return qEnvironmentVariable("QUOR_TEST_POSTGRES_MISSING");
    if (!qEnvironmentVariableIsSet("QUOR_TEST_POSTGRES"))
        return QStringLiteral("No PostgreSQL server: run this suite through "
                              "tests/postgres/throwaway-server, as CTest does.");
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL")))
        return QStringLiteral("Qt's PostgreSQL driver QPSQL is not installed (Debian package "
                              "libqt6sql6-psql, which scripts/ensure-packages installs).");
    return {};
}

QString TTestServer::Host() {
    return qEnvironmentVariable("PGHOST");
}

QString TTestServer::Uri(const QString& database, const QString& user, const QString& password) {
    const QString credentials =
        password.isEmpty()
            ? user
            : user + QLatin1Char(':') + QString::fromLatin1(QUrl::toPercentEncoding(password));
    return QStringLiteral("postgresql://%1@/%2?host=%3")
        .arg(credentials, database, QString::fromLatin1(QUrl::toPercentEncoding(Host())));
}

QString TTestServer::Exec(const QString& database, const QStringList& statements) {
    static std::atomic<int> counter{0};
    const QString name = QStringLiteral("test-admin-%1").arg(++counter);
    QString error;
    {
        QSqlDatabase connection = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        connection.setHostName(Host());
        connection.setUserName(QStringLiteral("postgres"));
        connection.setDatabaseName(database);
        if (!connection.open()) {
            error = connection.lastError().text();
        } else {
            for (const QString& statement : statements) {
                QSqlQuery query(connection);
                if (!query.exec(statement)) {
                    error = query.lastError().text();
                    break;
                }
            }
        }
        connection.close();
    }
    QSqlDatabase::removeDatabase(name);
    return error;
}

void TTestServer::CreateDatabase(const QString& name) {
    const QString error =
        Exec(QStringLiteral("postgres"),
             {QStringLiteral("drop database if exists \"%1\" with (force)").arg(name),
              QStringLiteral("create database \"%1\"").arg(name)});
    if (!error.isEmpty())
        qFatal("Can not make the test database %s: %s", qPrintable(name), qPrintable(error));
}

int TTestServer::Load(const QStringList& arguments, QString* output) {
    QProcess loader;
    loader.setProcessChannelMode(QProcess::MergedChannels);
    loader.start(QStringLiteral(QUOR_LOAD_NETWORK), arguments);
    if (!loader.waitForFinished(300000))
        qFatal("LoadNetwork did not finish");
    if (output)
        *output = QString::fromUtf8(loader.readAll());
    return loader.exitStatus() == QProcess::NormalExit ? loader.exitCode() : -1;
}

namespace {

void Control(const char* command) {
    QProcess control;
    control.setProcessChannelMode(QProcess::ForwardedChannels);
    control.start(QStringLiteral(QUOR_THROWAWAY_SERVER), {QLatin1String(command)});
    if (!control.waitForFinished(120000) || control.exitCode() != 0)
        qFatal("throwaway-server %s failed", command);
}

} // namespace

void TTestServer::Stop() {
    Control("--stop");
}

void TTestServer::Start() {
    Control("--start");
}

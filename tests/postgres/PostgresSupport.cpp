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
    TServerConnection connection(database, QStringLiteral("postgres"));
    QString error;
    if (!connection.Open(&error))
        return error;
    for (const QString& statement : statements) {
        QSqlQuery query(connection.Database());
        if (!query.exec(statement))
            return query.lastError().text();
    }
    return {};
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

TServerConnection::TServerConnection(const QString& database, const QString& user) {
    static std::atomic<int> counter{0};
    mName = QStringLiteral("test-connection-%1").arg(++counter);
    mConnection = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), mName);
    mConnection.setHostName(TTestServer::Host());
    mConnection.setUserName(user);
    mConnection.setDatabaseName(database);
}

TServerConnection::~TServerConnection() {
    mConnection.close();
    mConnection = QSqlDatabase();
    QSqlDatabase::removeDatabase(mName);
}

bool TServerConnection::Open(QString* error) {
    if (mConnection.open())
        return true;
    if (error)
        *error = mConnection.lastError().text();
    return false;
}

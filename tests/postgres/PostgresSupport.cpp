#include "PostgresSupport.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
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

namespace {

constexpr int kLoadTimeout = 300000;

// A folder holding a psql that runs the real one and ends a moment after it, saying so.
QString LingeringPsqlFolder() {
    static QTemporaryDir folder;
    static const bool made = [] {
        const QString psql = QStandardPaths::findExecutable(QStringLiteral("psql"));
        QFile script(folder.filePath(QStringLiteral("psql")));
        if (psql.isEmpty() || !script.open(QIODevice::WriteOnly))
            return false;
        script.write("#!/bin/sh\n'" + psql.toUtf8() +
                     "' \"$@\"\nstatus=$?\nsleep 0.5\necho 'psql ended.'\nexit $status\n");
        return script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }();
    if (!made)
        qFatal("Can not make the lingering psql in %s", qPrintable(folder.path()));
    return folder.path();
}

int ExitCode(const QProcess& process) {
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace

int TTestServer::Load(const QStringList& arguments, QString* output, bool lingeringPsql) {
    QProcess loader;
    loader.setProcessChannelMode(QProcess::MergedChannels);
    if (lingeringPsql) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PATH"), LingeringPsqlFolder() + QLatin1Char(':') +
                                                       environment.value(QStringLiteral("PATH")));
        loader.setProcessEnvironment(environment);
    }
    loader.start(QStringLiteral(QUOR_LOAD_NETWORK), arguments);
    if (!loader.waitForFinished(kLoadTimeout))
        qFatal("LoadNetwork did not finish");
    if (output)
        *output = QString::fromUtf8(loader.readAll());
    return ExitCode(loader);
}

int TTestServer::LoadPrinted(const QStringList& arguments, const QString& uri, QString* output) {
    QProcess loader, psql;
    loader.setStandardOutputProcess(&psql);
    psql.setProcessChannelMode(QProcess::MergedChannels);
    loader.start(QStringLiteral(QUOR_LOAD_NETWORK),
                 QStringList{QStringLiteral("--print")} + arguments);
    psql.start(QStringLiteral("psql"),
               {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-v"),
                QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-d"), uri});
    if (!loader.waitForFinished(kLoadTimeout) || !psql.waitForFinished(kLoadTimeout))
        qFatal("LoadNetwork --print or its psql did not finish");
    *output = QString::fromUtf8(psql.readAll());
    return ExitCode(loader) != 0 ? ExitCode(loader) : ExitCode(psql);
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

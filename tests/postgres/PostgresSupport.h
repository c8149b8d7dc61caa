#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// The throw-away PostgreSQL server that tests/postgres/throwaway-server runs a suite in, and the
// network loader. Every function fails the test (QFAIL-style, through qFatal only where a test can
// not go on) when the server does not do what it is asked.
class TTestServer {
public:
    // Why the suite can not run here, or an empty text: no server around it (the packages could
    // not be installed), or no QPSQL driver.
    static QString MissingReason();

    // The server's socket folder.
    static QString Host();
    // A URI of a database of the server for `user`, with `password` in it when given.
    static QString Uri(const QString& database, const QString& user = QStringLiteral("postgres"),
                       const QString& password = {});

    // Runs statements one after the other as the superuser on a database, up to the first that
    // fails; its message, or an empty text when all succeeded.
    static QString Exec(const QString& database, const QStringList& statements);
    // A new empty database; an older one of that name goes first.
    static void CreateDatabase(const QString& name);

    // Runs the loader with `arguments`; its exit code, and what it printed in `output`. With
    // `lingeringPsql`, each psql the loader starts says "psql ended." a moment after its work is
    // done.
    static int Load(const QStringList& arguments, QString* output = nullptr,
                    bool lingeringPsql = false);
    // Runs the loader with --print and `arguments`, its script piped into psql on the database
    // `uri`; the loader's exit code when it failed, else psql's, and what psql printed.
    static int LoadPrinted(const QStringList& arguments, const QString& uri, QString* output);

    // Stops the server, ending every session, and starts it again.
    static void Stop();
    static void Start();
};

// A connection of the test's own to a database of the server as `user`, by the server's socket;
// closed and removed when it goes.
class TServerConnection {
public:
    TServerConnection(const QString& database, const QString& user);
    ~TServerConnection();
    TServerConnection(const TServerConnection&) = delete;
    TServerConnection& operator=(const TServerConnection&) = delete;

    // Open, or the server's reason why not in `error`.
    bool Open(QString* error = nullptr);
    QSqlDatabase& Database() { return mConnection; }

private:
    QString mName;
    QSqlDatabase mConnection;
};

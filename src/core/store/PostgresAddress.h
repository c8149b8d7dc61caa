#pragma once

#include <QString>

#include <utility>
#include <vector>

namespace Quor {

// Where a network on a PostgreSQL server is: the parts of a connection URI
// "postgresql://[user[:password]@][host][:port][/dbname][?name=value&...]" (or "postgres://").
// The host may be a Unix socket folder, percent-encoded in the host part ("%2Frun%2Fpostgresql")
// or given as the parameter "host=/run/postgresql". The parameters host, port, user, password and
// dbname set those parts; the host part or parameter may name several hosts separated by
// commas, each with its port, which libpq tries in turn; every other parameter is a libpq
// connection option. Empty parts are left to libpq and its environment (PGHOST, PGUSER, ~/.pgpass,
// PGPASSWORD and so on).
struct TPostgresAddress {
    QString User;
    QString Password;
    QString Host;
    int Port = -1;
    // The ports of several hosts ("host=a,b", "postgresql://a:5432,b:5433/..."), one for each
    // or one for all, as libpq takes them; then Port is not set.
    QString Ports;
    QString DatabaseName;
    std::vector<std::pair<QString, QString>> Options;

    // "dbname on the PostgreSQL server host:port", for messages; never the password.
    QString Described() const;
};

// True when `database` is a PostgreSQL connection URI rather than a file.
bool IsPostgresUri(const QString& database);

// The parts of a PostgreSQL connection URI. Raises EQuorError naming what is wrong; the message
// never holds the password.
TPostgresAddress ParsePostgresUri(const QString& uri);

// The URI with its password left out, for messages.
QString UriWithoutPassword(const QString& uri);

} // namespace Quor

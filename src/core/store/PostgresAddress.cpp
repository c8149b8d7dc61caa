#include "core/store/PostgresAddress.h"

#include "core/QuorError.h"
#include "core/text/CodePage.h"

#include <QStringList>
#include <QUrl>

namespace Quor {

namespace {

const QLatin1String kSchemes[] = {QLatin1String("postgresql://"), QLatin1String("postgres://")};

QString Decoded(const QString& text) {
    return QUrl::fromPercentEncoding(text.toUtf8());
}

[[noreturn]] void RaiseBadUri(const QString& uri, const std::string& reason) {
    throw EQuorError("The database address " + ToPageText(UriWithoutPassword(uri)) +
                     " is not a PostgreSQL connection URI: " + reason);
}

int ParsePort(const QString& uri, const QString& text) {
    bool ok = false;
    const int port = text.toInt(&ok);
    if (!ok || port < 1 || port > 65535 || text.startsWith(QLatin1Char('+')))
        RaiseBadUri(uri, "the port \"" + ToPageText(text) + "\" is not a number from 1 to 65535.");
    return port;
}

// "host", "host:port", "[ipv6]" or "[ipv6]:port".
void ParseOneHostAndPort(const QString& uri, const QString& text, TPostgresAddress& address) {
    QString host = text, port;
    if (text.startsWith(QLatin1Char('['))) {
        const qsizetype close = text.indexOf(QLatin1Char(']'));
        if (close < 0)
            RaiseBadUri(uri, "the host's \"[\" has no \"]\".");
        host = text.mid(1, close - 1);
        const QString after = text.mid(close + 1);
        if (!after.isEmpty() && !after.startsWith(QLatin1Char(':')))
            RaiseBadUri(uri, "the host's \"]\" is followed by neither \":\" nor \"/\".");
        port = after.mid(1);
    } else if (const qsizetype colon = text.lastIndexOf(QLatin1Char(':')); colon >= 0) {
        host = text.left(colon);
        port = text.mid(colon + 1);
    }
    address.Host = Decoded(host);
    if (!port.isEmpty())
        address.Port = ParsePort(uri, port);
}

// One host and port, or several separated by commas, which libpq tries in turn.
void ParseHostAndPort(const QString& uri, const QString& text, TPostgresAddress& address) {
    const QStringList items = text.split(QLatin1Char(','));
    if (items.size() == 1) {
        ParseOneHostAndPort(uri, text, address);
        return;
    }
    QStringList hosts, ports;
    for (const QString& item : items) {
        TPostgresAddress one;
        ParseOneHostAndPort(uri, item, one);
        hosts << one.Host;
        ports << (one.Port > 0 ? QString::number(one.Port) : QString());
    }
    address.Host = hosts.join(QLatin1Char(','));
    if (!ports.join(QString()).isEmpty())
        address.Ports = ports.join(QLatin1Char(','));
}

// The ports of several hosts, "5432,5433", each from 1 to 65535 or empty for the default.
QString ParsePorts(const QString& uri, const QString& text) {
    for (const QString& port : text.split(QLatin1Char(',')))
        if (!port.isEmpty())
            ParsePort(uri, port);
    return text;
}

void ParseParameters(const QString& uri, const QString& query, TPostgresAddress& address) {
    for (const QString& item : query.split(QLatin1Char('&'), Qt::SkipEmptyParts)) {
        const qsizetype equals = item.indexOf(QLatin1Char('='));
        if (equals <= 0)
            RaiseBadUri(uri, "the parameter \"" + ToPageText(Decoded(item)) +
                                 "\" is not of the form name=value.");
        const QString name = Decoded(item.left(equals));
        const QString value = Decoded(item.mid(equals + 1));
        if (name == QLatin1String("host"))
            address.Host = value;
        else if (name == QLatin1String("port") && value.contains(QLatin1Char(',')))
            address.Ports = ParsePorts(uri, value);
        else if (name == QLatin1String("port"))
            address.Port = ParsePort(uri, value);
        else if (name == QLatin1String("user"))
            address.User = value;
        else if (name == QLatin1String("password"))
            address.Password = value;
        else if (name == QLatin1String("dbname"))
            address.DatabaseName = value;
        else
            address.Options.emplace_back(name, value);
    }
}

} // namespace

QString TPostgresAddress::Described() const {
    // What libpq falls back on when a part is not given.
    const QString host = !Host.isEmpty()                       ? Host
                         : qEnvironmentVariableIsSet("PGHOST") ? qEnvironmentVariable("PGHOST")
                                                               : QStringLiteral("localhost");
    const QString database = !DatabaseName.isEmpty() ? DatabaseName
                             : qEnvironmentVariableIsSet("PGDATABASE")
                                 ? qEnvironmentVariable("PGDATABASE")
                                 : QStringLiteral("of the user's name");
    if (!Ports.isEmpty()) {
        // Each host with its port, where there is one for each.
        const QStringList hosts = host.split(QLatin1Char(','));
        const QStringList ports = Ports.split(QLatin1Char(','));
        QStringList servers;
        for (qsizetype i = 0; i < hosts.size(); ++i) {
            const QString port = ports.size() == hosts.size() ? ports[i] : ports.value(0);
            servers << (port.isEmpty() ? hosts[i] : hosts[i] + QLatin1Char(':') + port);
        }
        return database + QStringLiteral(" on the PostgreSQL server ") +
               servers.join(QLatin1Char(','));
    }
    const QString port = Port > 0                              ? QString::number(Port)
                         : qEnvironmentVariableIsSet("PGPORT") ? qEnvironmentVariable("PGPORT")
                                                               : QStringLiteral("5432");
    return database + QStringLiteral(" on the PostgreSQL server ") + host + QLatin1Char(':') + port;
}

bool IsPostgresUri(const QString& database) {
    for (const QLatin1String scheme : kSchemes)
        if (database.startsWith(scheme, Qt::CaseInsensitive))
            return true;
    return false;
}

TPostgresAddress ParsePostgresUri(const QString& uri) {
    if (!IsPostgresUri(uri))
        RaiseBadUri(uri, "it starts with neither postgresql:// nor postgres://.");
    QString rest = uri.mid(uri.indexOf(QLatin1String("://")) + 3);
    TPostgresAddress address;
    QString query;
    if (const qsizetype mark = rest.indexOf(QLatin1Char('?')); mark >= 0) {
        query = rest.mid(mark + 1);
        rest.truncate(mark);
    }
    if (const qsizetype slash = rest.indexOf(QLatin1Char('/')); slash >= 0) {
        address.DatabaseName = Decoded(rest.mid(slash + 1));
        rest.truncate(slash);
    }
    if (const qsizetype at = rest.lastIndexOf(QLatin1Char('@')); at >= 0) {
        const QString userInfo = rest.left(at);
        const qsizetype colon = userInfo.indexOf(QLatin1Char(':'));
        address.User = Decoded(userInfo.left(colon));
        if (colon >= 0)
            address.Password = Decoded(userInfo.mid(colon + 1));
        rest = rest.mid(at + 1);
    }
    ParseHostAndPort(uri, rest, address);
    ParseParameters(uri, query, address);
    return address;
}

QString UriWithoutPassword(const QString& uri) {
    const qsizetype start = uri.indexOf(QLatin1String("://"));
    if (start < 0)
        return uri;
    const qsizetype authorityStart = start + 3;
    qsizetype authorityEnd = uri.size();
    for (const QChar end : {QLatin1Char('/'), QLatin1Char('?')})
        if (const qsizetype at = uri.indexOf(end, authorityStart); at >= 0 && at < authorityEnd)
            authorityEnd = at;
    QString result = uri;
    // The query may name a password too.
    if (const qsizetype mark = uri.indexOf(QLatin1Char('?'), authorityStart); mark >= 0) {
        QStringList items = uri.mid(mark + 1).split(QLatin1Char('&'));
        for (QString& item : items)
            if (Decoded(item.section(QLatin1Char('='), 0, 0)) == QLatin1String("password"))
                item = QStringLiteral("password=...");
        result = uri.left(mark + 1) + items.join(QLatin1Char('&'));
    }
    const qsizetype at = uri.lastIndexOf(QLatin1Char('@'), authorityEnd - 1);
    if (at >= authorityStart) {
        const qsizetype colon = uri.indexOf(QLatin1Char(':'), authorityStart);
        if (colon >= 0 && colon < at)
            result.remove(colon, at - colon);
    }
    return result;
}

} // namespace Quor

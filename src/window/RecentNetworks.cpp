#include "window/RecentNetworks.h"

#include "core/store/PostgresAddress.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace Quor {

namespace {

const QString kKey = QStringLiteral("Networks/Recent");

// The network without a password: none in the user part of a URI, none among its parameters.
QString WithoutPassword(const QString& network) {
    if (!IsPostgresUri(network))
        return network;
    QString uri = UriWithoutPassword(network);
    const qsizetype mark = uri.indexOf(u'?');
    if (mark < 0)
        return uri;
    QStringList parameters = uri.mid(mark + 1).split(u'&');
    parameters.removeIf(
        [](const QString& parameter) { return parameter.startsWith(QLatin1String("password=")); });
    return uri.left(mark) + (parameters.isEmpty() ? QString() : u'?' + parameters.join(u'&'));
}

} // namespace

QString TRecentNetworks::SettingsFile() {
    // Made anew for every use, so that the XDG config folder is the one of now.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("QuorSemNetBrowser/QuorSemNetBrowser.conf"));
}

QStringList TRecentNetworks::List() {
    const QSettings settings(SettingsFile(), QSettings::IniFormat);
    QStringList networks = settings.value(kKey).toStringList();
    networks.removeAll(QString());
    networks.removeDuplicates();
    return networks.mid(0, kCapacity);
}

void TRecentNetworks::Remember(const QString& network) {
    const QString remembered = WithoutPassword(network);
    QStringList networks = List();
    networks.removeAll(remembered);
    networks.prepend(remembered);
    QSettings settings(SettingsFile(), QSettings::IniFormat);
    settings.setValue(kKey, networks.mid(0, kCapacity));
}

} // namespace Quor

#include "window/RecentNetworks.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace Quor {

namespace {

const QString kKey = QStringLiteral("Networks/Recent");

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
    QStringList networks = List();
    networks.removeAll(network);
    networks.prepend(network);
    QSettings settings(SettingsFile(), QSettings::IniFormat);
    settings.setValue(kKey, networks.mid(0, kCapacity));
}

} // namespace Quor

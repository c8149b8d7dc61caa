#pragma once

#include <QString>
#include <QStringList>

namespace Quor {

// The networks opened last, the latest first, kept from one session to the next in the user's
// settings file QuorSemNetBrowser/QuorSemNetBrowser.conf of the XDG config folder
// ($XDG_CONFIG_HOME, else ~/.config).
class TRecentNetworks {
public:
    static constexpr int kCapacity = 5;

    // The networks, the latest first: at most five, no two alike.
    static QStringList List();
    // The network opened last; empty when none was.
    static QString Last() { return List().value(0); }
    // Puts the network first, removing an earlier mention of it and the oldest beyond five. A
    // server's URI is kept without its password, which libpq then finds as usual.
    static void Remember(const QString& network);

    // The settings file.
    static QString SettingsFile();
};

} // namespace Quor

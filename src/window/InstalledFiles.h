#pragma once

#include <QString>
#include <QStringList>

namespace Quor {

// The program's own files beside its installation: the stylesheets in app/ and the sample network
// in Database/, under quor-semnet-browser/ in each of the XDG data folders, then in the share
// folder beside the program's bin/ folder, then in the folders the program was told of (the
// source tree, when it runs from its build).
class TInstalledFiles {
public:
    // Folders that hold app/ and Database/ as the installation does, searched after the others.
    static void SetOwnFolders(const QStringList& folders);

    // The folders searched, in their order.
    static QStringList Folders();
    // The first existing file at `relativePath` ("app/styles.css") in the folders; empty when
    // there is none.
    static QString Find(const QString& relativePath);
};

} // namespace Quor

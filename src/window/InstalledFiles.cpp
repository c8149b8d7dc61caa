#include "window/InstalledFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace Quor {

namespace {

const QString kDataFolder = QStringLiteral("quor-semnet-browser");

QStringList& OwnFolders() {
    static QStringList folders;
    return folders;
}

} // namespace

void TInstalledFiles::SetOwnFolders(const QStringList& folders) {
    OwnFolders() = folders;
}

QStringList TInstalledFiles::Folders() {
    QStringList folders;
    for (const QString& data :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders << QDir(data).filePath(kDataFolder);
    if (QCoreApplication::instance())
        folders << QDir(QCoreApplication::applicationDirPath())
                       .filePath(QStringLiteral("../share/") + kDataFolder);
    folders << OwnFolders();
    folders.removeDuplicates();
    return folders;
}

QString TInstalledFiles::Find(const QString& relativePath) {
    for (const QString& folder : Folders()) {
        const QFileInfo file(QDir(folder).filePath(relativePath));
        if (file.isFile())
            return QDir::cleanPath(file.absoluteFilePath());
    }
    return QString();
}

} // namespace Quor

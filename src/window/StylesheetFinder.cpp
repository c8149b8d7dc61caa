#include "window/StylesheetFinder.h"

#include "window/InstalledFiles.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPalette>

namespace Quor {

QString TStylesheetFinder::Find() {
    const QString own = QString::fromLatin1(kFileName);
    if (QFileInfo::exists(own))
        return own;
    const QString app = QStringLiteral("app/");
    QString installed;
    // Without a desktop (a page printed in a terminal) there is no palette: the light one.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) &&
        IsDark(QGuiApplication::palette()))
        installed = TInstalledFiles::Find(app + QLatin1String(kDarkFileName));
    if (installed.isEmpty())
        installed = TInstalledFiles::Find(app + own);
    return installed.isEmpty() ? own : installed;
}

bool TStylesheetFinder::IsDark(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() <
           palette.color(QPalette::WindowText).lightness();
}

} // namespace Quor

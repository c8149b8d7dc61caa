#include "app/DesktopSelection.h"

#include <QClipboard>
#include <QGuiApplication>

namespace Quor {

QString DesktopSelection() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    QString text;
    // A Wayland compositor gives the primary selection only to the focused window.
    if (clipboard->supportsSelection() && QGuiApplication::platformName() != u"wayland")
        text = clipboard->text(QClipboard::Selection).simplified();
    if (text.isEmpty())
        text = clipboard->text(QClipboard::Clipboard).simplified();
    return text;
}

} // namespace Quor

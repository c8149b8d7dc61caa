#include "window/BusyCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace Quor {

void ShowBusyCursor(bool busy) {
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

} // namespace Quor

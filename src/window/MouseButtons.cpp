#include "window/MouseButtons.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMouseEvent>

namespace Quor {

TMouseHistoryButtons::TMouseHistoryButtons(QWidget& window, QAbstractButton& back,
                                           QAbstractButton& forward)
    : QObject(&window), mWindow(window), mBack(back), mForward(forward) {
    // The press goes to whichever control is under the mouse, so it is taken before any.
    qApp->installEventFilter(this);
}

bool TMouseHistoryButtons::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseButtonDblClick)
        return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != &mWindow)
        return false;
    const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
    QAbstractButton* target = button == Qt::BackButton      ? &mBack
                              : button == Qt::ForwardButton ? &mForward
                                                            : nullptr;
    if (!target)
        return false;
    if (type == QEvent::MouseButtonPress)
        target->click();
    return true;
}

} // namespace Quor

#include "window/WindowPlacement.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace Quor {

namespace {

// Watches a window until its first showing, centres it then and goes away.
class TFirstShowCentring final : public QObject {
public:
    explicit TFirstShowCentring(QWidget& window) : QObject(&window), mWindow(window) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &mWindow && event->type() == QEvent::Show) {
            mWindow.removeEventFilter(this);
            CentreOnScreen(mWindow);
            deleteLater();
        }
        return false;
    }

private:
    QWidget& mWindow;
};

} // namespace

QRect FittedFrame(const QRect& frame, const QSize& smallest, const QRect& available) {
    QRect fitted(QPoint(), frame.size().boundedTo(available.size()).expandedTo(smallest));
    fitted.moveCenter(available.center());
    fitted.moveTopLeft(
        QPoint(std::max(fitted.left(), available.left()), std::max(fitted.top(), available.top())));
    return fitted;
}

void CentreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    const QRect frame = window.frameGeometry();
    // The window manager's frame around the window's own area.
    const QSize decoration = frame.size() - window.size();
    const QRect fitted =
        FittedFrame(frame, window.minimumSize() + decoration, screen->availableGeometry());
    if (fitted.size() != frame.size())
        window.resize(fitted.size() - decoration);
    window.move(fitted.topLeft());
}

void CentreOnFirstShow(QWidget& window) {
    new TFirstShowCentring(window);
}

} // namespace Quor

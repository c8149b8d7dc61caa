#include "window/WindowPlacement.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

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

void CentreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

void CentreOnFirstShow(QWidget& window) {
    new TFirstShowCentring(window);
}

} // namespace Quor

#pragma once

#include <QObject>

class QAbstractButton;
class QWidget;

namespace Quor {

// The mouse's back and forward buttons, pressed anywhere over a window, click two buttons of it
// (which do nothing while disabled). The window's controls never see those presses.
class TMouseHistoryButtons : public QObject {
    Q_OBJECT

public:
    TMouseHistoryButtons(QWidget& window, QAbstractButton& back, QAbstractButton& forward);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& mWindow;
    QAbstractButton& mBack;
    QAbstractButton& mForward;
};

} // namespace Quor

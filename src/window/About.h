#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QFrame;

namespace Quor {

// The about box: the program's name with a shadowed title, and its contributors under three
// role captions. Created hidden once, shown modally by the main window's About button; it
// reappears where it was last closed.
class TAboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit TAboutDialog(QWidget* parent = nullptr);

    // Escape closes the box whatever Shift, Ctrl or Alt do; other keys go on to the control.
    void FormKeyDown(QObject* Sender, QKeyEvent* Key);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QFrame* Bevel1 = nullptr;
    QPushButton* CloseButton = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
};

} // namespace Quor

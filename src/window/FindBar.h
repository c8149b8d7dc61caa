#pragma once

#include <QList>
#include <QTextCursor>
#include <QWidget>

class QLabel;
class QLineEdit;
class QTextEdit;
class QToolButton;

namespace Quor {

// The find bar below the page view, hidden until opened. It finds its text in the page as it is
// typed, whatever the case of the letters (Cyrillic and Latin alike), marks every match, and
// moves from match to match round the page's end: Enter and Shift+Enter in its text, or the
// window's F3 and Shift+F3. Escape in its text closes it and gives the focus back to the page.
class TFindBar : public QWidget {
    Q_OBJECT

public:
    TFindBar(QTextEdit& view, QWidget* parent);

    // Shows the bar with the focus in its text, the whole text selected.
    void Open();
    // Hides the bar, drops the marks and puts the focus into the page.
    void Close();
    // The next or previous match; the bar opens first when hidden.
    void FindNext();
    void FindPrevious();
    // Finds the text again in the page the view shows now.
    void PageChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Finds every match of the text and makes the first one from `from` on the current one.
    void FindAll(int from);
    void Step(int direction);
    void ShowMatches();

    QTextEdit& mView;
    QLineEdit* mText = nullptr;
    QToolButton* mPreviousButton = nullptr;
    QToolButton* mNextButton = nullptr;
    QLabel* mMatchesLabel = nullptr;
    QToolButton* mCloseButton = nullptr;
    QList<QTextCursor> mMatches;
    qsizetype mCurrent = -1;
};

} // namespace Quor

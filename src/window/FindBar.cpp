#include "window/FindBar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolButton>

namespace Quor {

namespace {

const QColor kMatchColour(255, 236, 128);
const QColor kCurrentMatchColour(255, 150, 50);

QToolButton* Button(QWidget* parent, const char* name, const QString& caption, const QString& tip) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(caption);
    button->setToolTip(tip);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

TFindBar::TFindBar(QTextEdit& view, QWidget* parent) : QWidget(parent), mView(view) {
    setObjectName(QStringLiteral("mFindBar"));
    mText = new QLineEdit(this);
    mText->setObjectName(QStringLiteral("mFindText"));
    mText->setPlaceholderText(QStringLiteral("Find in the page"));
    mText->setClearButtonEnabled(true);
    mText->setToolTip(QStringLiteral("Finds the text in the page as you type, whatever the case "
                                     "of its letters (Ctrl+F)"));
    mText->installEventFilter(this);
    mPreviousButton = Button(this, "mFindPreviousButton", QStringLiteral("Previous"),
                             QStringLiteral("The previous match (Shift+F3, Shift+Enter)"));
    mNextButton = Button(this, "mFindNextButton", QStringLiteral("Next"),
                         QStringLiteral("The next match (F3, Enter)"));
    mMatchesLabel = new QLabel(this);
    mMatchesLabel->setObjectName(QStringLiteral("mFindMatchesLabel"));
    mCloseButton =
        Button(this, "mFindCloseButton", QString(), QStringLiteral("Close the find bar (Escape)"));
    for (QToolButton* button : {mPreviousButton, mNextButton})
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    // The bar is as high as its controls; the page keeps the rest.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->addWidget(mText, 1);
    layout->addWidget(mPreviousButton);
    layout->addWidget(mNextButton);
    layout->addWidget(mMatchesLabel, 1);
    layout->addWidget(mCloseButton);

    connect(mText, &QLineEdit::textChanged, this, [this] {
        FindAll(mCurrent >= 0 ? mMatches[mCurrent].selectionStart()
                              : mView.textCursor().selectionStart());
    });
    connect(mPreviousButton, &QToolButton::clicked, this, [this] { Step(-1); });
    connect(mNextButton, &QToolButton::clicked, this, [this] { Step(1); });
    connect(mCloseButton, &QToolButton::clicked, this, &TFindBar::Close);
    hide();
}

// The style's pictures take a while to make; the bar gets them when it is first opened, so that
// the hidden bar costs the start-up nothing.
void TFindBar::ShowPictures() {
    if (!mPreviousButton->icon().isNull())
        return;
    mPreviousButton->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    mNextButton->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    mCloseButton->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
}

void TFindBar::Open() {
    ShowPictures();
    show();
    mText->setFocus(Qt::ShortcutFocusReason);
    mText->selectAll();
    FindAll(mCurrent >= 0 ? mMatches[mCurrent].selectionStart()
                          : mView.textCursor().selectionStart());
}

void TFindBar::Close() {
    hide();
    mMatches.clear();
    mCurrent = -1;
    mView.setExtraSelections({});
    mView.setFocus(Qt::OtherFocusReason);
}

void TFindBar::FindNext() {
    // F3 with the bar closed: the first match from the cursor is the next one, unless it is the
    // one the page still shows selected from the last search in it.
    if (isHidden()) {
        const bool afterSelection = mView.textCursor().hasSelection();
        Open();
        if (!afterSelection)
            return;
    }
    Step(1);
}

void TFindBar::FindPrevious() {
    if (isHidden())
        Open();
    Step(-1);
}

void TFindBar::PageChanged() {
    mCurrent = -1;
    if (isVisible())
        FindAll(0);
}

bool TFindBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mText && event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
            Step(key.modifiers() & Qt::ShiftModifier ? -1 : 1);
            return true;
        }
        if (key.key() == Qt::Key_Escape) {
            Close();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TFindBar::FindAll(int from) {
    mMatches.clear();
    mCurrent = -1;
    const QString text = mText->text();
    if (!text.isEmpty()) {
        for (QTextCursor match = mView.document()->find(text, 0); !match.isNull();
             match = mView.document()->find(text, match))
            mMatches << match;
    }
    for (qsizetype i = 0; i < mMatches.size() && mCurrent < 0; ++i)
        if (mMatches[i].selectionStart() >= from)
            mCurrent = i;
    if (mCurrent < 0 && !mMatches.isEmpty())
        mCurrent = 0;
    ShowMatches();
}

void TFindBar::Step(int direction) {
    if (mMatches.isEmpty())
        return;
    mCurrent = (mCurrent + direction + mMatches.size()) % mMatches.size();
    ShowMatches();
}

void TFindBar::ShowMatches() {
    QList<QTextEdit::ExtraSelection> marks;
    for (qsizetype i = 0; i < mMatches.size(); ++i) {
        QTextEdit::ExtraSelection mark;
        mark.cursor = mMatches[i];
        mark.format.setBackground(i == mCurrent ? kCurrentMatchColour : kMatchColour);
        marks << mark;
    }
    mView.setExtraSelections(marks);
    if (mCurrent >= 0) {
        mView.setTextCursor(mMatches[mCurrent]);
        mView.ensureCursorVisible();
    } else {
        QTextCursor unselected = mView.textCursor();
        unselected.clearSelection();
        mView.setTextCursor(unselected);
    }
    if (mText->text().isEmpty())
        mMatchesLabel->clear();
    else if (mMatches.isEmpty())
        mMatchesLabel->setText(QStringLiteral("No matches"));
    else
        mMatchesLabel->setText(QStringLiteral("%1 of %2").arg(mCurrent + 1).arg(mMatches.size()));
}

} // namespace Quor

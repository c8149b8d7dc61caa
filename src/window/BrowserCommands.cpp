// What reaches the window from outside its controls: keys and mouse buttons from anywhere in it,
// and look-ups from the command line and from other programs. Every control of the search strip
// says what it does and which keys do it.
#include "window/Browser.h"

#include "core/QuorError.h"
#include "core/text/CodePage.h"
#include "window/FindBar.h"
#include "window/MouseButtons.h"
#include "window/NetworkMapPanel.h"
#include "window/NetworkMapView.h"
#include "window/WebBrowser.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>

namespace Quor {

namespace {

// The page view keeps this much height when the window is made as small as it goes.
constexpr int kSmallestViewHeight = 100;

} // namespace

QAction* TMainForm::AddCommand(QWidget* scope, const char* name, const QList<QKeySequence>& keys,
                               void (TMainForm::*handler)(), const QString& text) {
    return AddCommand(
        scope, name, keys, [this, handler] { (this->*handler)(); }, text);
}

QAction* TMainForm::AddCommand(QWidget* scope, const char* name, const QList<QKeySequence>& keys,
                               std::function<void()> handler, const QString& text) {
    auto* command = new QAction(text, this);
    command->setObjectName(QLatin1String(name));
    command->setShortcuts(keys);
    // Window-wide, except for the page view's own keys, which the strip's controls need.
    command->setShortcutContext(scope == this ? Qt::WindowShortcut : Qt::WidgetShortcut);
    scope->addAction(command);
    connect(command, &QAction::triggered, this,
            [handler = std::move(handler)] { RunGuarded(handler); });
    return command;
}

void TMainForm::CreateCommands() {
    AddCommand(this, "mBackCommand", {QKeySequence(Qt::ALT | Qt::Key_Left)}, &TMainForm::ClickBack);
    AddCommand(this, "mForwardCommand", {QKeySequence(Qt::ALT | Qt::Key_Right)},
               &TMainForm::ClickForward);
    AddCommand(this, "mWordBoxCommand",
               {QKeySequence(Qt::CTRL | Qt::Key_L), QKeySequence(Qt::ALT | Qt::Key_D),
                QKeySequence(Qt::Key_F6)},
               &TMainForm::FocusWordBox);
    AddCommand(this, "mAboutCommand", {QKeySequence(Qt::Key_F1)}, &TMainForm::ClickAbout);
    AddCommand(this, "mQuitCommand", {QKeySequence(Qt::CTRL | Qt::Key_Q)}, &TMainForm::Quit);
    AddCommand(this, "mZoomInCommand",
               {QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
               &TMainForm::ZoomIn);
    AddCommand(this, "mZoomOutCommand", {QKeySequence(QKeySequence::ZoomOut)}, &TMainForm::ZoomOut);
    AddCommand(this, "mZoomResetCommand", {QKeySequence(Qt::CTRL | Qt::Key_0)},
               &TMainForm::ResetZoom);
    AddCommand(this, "mFindCommand", {QKeySequence(Qt::CTRL | Qt::Key_F)}, &TMainForm::OpenFindBar);
    AddCommand(this, "mFindNextCommand", {QKeySequence(Qt::Key_F3)}, &TMainForm::FindNext);
    AddCommand(this, "mFindPreviousCommand", {QKeySequence(Qt::SHIFT | Qt::Key_F3)},
               &TMainForm::FindPrevious);
    QAction* mapCommand = AddCommand(this, "mMapCommand", {QKeySequence(Qt::CTRL | Qt::Key_M)},
                                     &TMainForm::ToggleMap, QStringLiteral("Word &Map"));
    mapCommand->setCheckable(true);
    connect(mNetworkMapPanel, &TNetworkMapPanel::OpenChanged, mapCommand, &QAction::setChecked);
    QAction* meaningsCommand =
        AddCommand(this, "mSearchMeaningsCommand", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M)},
                   &TMainForm::SearchMeanings, QStringLiteral("Search in M&eanings"));
    // Also in the page view's context menu.
    mWebBrowser->SetMenuCommands(
        {AddCommand(
             this, "mPrintCommand", {QKeySequence(Qt::CTRL | Qt::Key_P)},
             [this] { mOutput->PrintShownPage(); }, QStringLiteral("&Print…")),
         AddCommand(
             this, "mExportPdfCommand", {}, [this] { mOutput->ExportShownPageToPdf(); },
             QStringLiteral("Export to P&DF…")),
         AddCommand(
             this, "mSavePageCommand", {QKeySequence(Qt::CTRL | Qt::Key_S)},
             [this] { mOutput->SaveShownPage(); }, QStringLiteral("&Save Page As…")),
         mapCommand, meaningsCommand});
    // The text selected on the page, searched with the options the strip shows.
    mWebBrowser->OnLookUp = [this](const QString& text) {
        RunGuarded([&] { LookUp(text, QString(), !mFindSimilarWordsCheckBox->isChecked()); });
    };
    AddCommand(mWebBrowser, "mPageBackCommand", {QKeySequence(Qt::Key_Backspace)},
               &TMainForm::ClickBack);
    AddCommand(mWebBrowser, "mPageLeaveCommand", {QKeySequence(Qt::Key_Escape)},
               &TMainForm::FocusWordBox);
    new TMouseHistoryButtons(*this, *mBrowserBackButton, *mBrowserForwardButton);
}

void TMainForm::DescribeControls() {
    mWordComboBox->setToolTip(
        QStringLiteral("The word to look up: Enter searches it, and the list holds the last 100 "
                       "words. Ctrl+L, Alt+D or F6 come here from anywhere in the window."));
    mLanguageComboBox->setToolTip(
        QStringLiteral("The language of the word: BG (Bulgarian) or RU (Russian)"));
    mFindSimilarWordsCheckBox->setToolTip(
        QStringLiteral("Ticked, a search shows every word that contains the text, the shortest "
                       "first, up to 20; unticked, only the word itself"));
    mSearchButton->setToolTip(
        QStringLiteral("Search for the word in the chosen language (Enter); Ctrl+Shift+M "
                       "searches the meanings for every word typed"));
    mAboutButton->setToolTip(QStringLiteral("About the program (F1)"));
    mFindHomonymsCheckBox->setToolTip(
        QStringLiteral("Every word page shows the word's homonyms, ticked or not"));
    mFindSynonymsCheckBox->setToolTip(QStringLiteral(
        "Every word page shows the word's absolute and relative synonyms, ticked or not"));
    for (QCheckBox* unused : {mFindAntonymsCheckBox, mFindHyponymsCheckBox})
        unused->setToolTip(
            QStringLiteral("The network has none of these yet: ticked or not, no page shows any"));
    mBrowserBackButton->setToolTip(QStringLiteral(
        "Back to the page before (Alt+Left, Backspace in the page, the mouse's back button)"));
    mBrowserForwardButton->setToolTip(
        QStringLiteral("Forward to the next page (Alt+Right, the mouse's forward button)"));
}

void TMainForm::KeepStripVisible() {
    int right = 0;
    for (const QWidget* control : mTopPanel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        right = std::max(right, control->geometry().right());
    constexpr int kMargin = 8;
    setMinimumSize(right + 1 + kMargin,
                   mTopPanel->height() + kSmallestViewHeight + mBottomPanel->height());
}

void TMainForm::ClickBack() {
    mBrowserBackButton->click();
}

void TMainForm::ClickForward() {
    mBrowserForwardButton->click();
}

void TMainForm::ClickAbout() {
    mAboutButton->click();
}

void TMainForm::FocusWordBox() {
    mWordComboBox->setFocus(Qt::ShortcutFocusReason);
    mWordComboBox->lineEdit()->selectAll();
}

void TMainForm::ZoomIn() {
    if (mNetworkMapPanel->MapHasFocus())
        mNetworkMapPanel->View().ZoomIn();
    else
        mWebBrowser->ZoomIn();
}

void TMainForm::ZoomOut() {
    if (mNetworkMapPanel->MapHasFocus())
        mNetworkMapPanel->View().ZoomOut();
    else
        mWebBrowser->ZoomOut();
}

void TMainForm::ResetZoom() {
    if (mNetworkMapPanel->MapHasFocus())
        mNetworkMapPanel->View().FitToView();
    else
        mWebBrowser->ResetZoom();
}

void TMainForm::OpenFindBar() {
    mFindBar->Open();
}

void TMainForm::FindNext() {
    mFindBar->FindNext();
}

void TMainForm::FindPrevious() {
    mFindBar->FindPrevious();
}

void TMainForm::Quit() {
    close();
}

void TMainForm::LookUp(const QString& word, const QString& language, bool exact) {
    BringToFront();
    if (word.isEmpty())
        return;
    ChooseSearchOptions(language, exact);
    mWordComboBox->setFocus();
    mWordComboBox->setEditText(word);
    mSearchButton->click();
}

void TMainForm::ChooseSearchOptions(const QString& language, bool exact) {
    if (!language.isEmpty()) {
        const int index = mLanguageComboBox->findText(language);
        if (index < 0)
            throw EQuorError("The language must be BG or RU, not " + ToPageText(language) + ".");
        mLanguageComboBox->setCurrentIndex(index);
    }
    mFindSimilarWordsCheckBox->setChecked(!exact);
}

void TMainForm::BringToFront() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

} // namespace Quor

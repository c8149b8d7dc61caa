#pragma once

#include "core/pages/PageComposer.h"
#include "window/PageDialogs.h"
#include "window/ShownPages.h"
#include "window/WindowOutput.h"

#include <QKeySequence>
#include <QList>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QSplitter;
class QCheckBox;
class QComboBox;
class QPushButton;
class QToolButton;

namespace Quor {

class TAboutDialog;
class TFindBar;
class TNetworkMapPanel;
class TSuggestionBar;
class TQuorDataModule;
class TWebBrowser;

// The main window: the search strip above the page view. Its event handlers search, keep the
// word history, show the pages that its page composer makes (as page files in the view) and
// follow word links. Page text is Windows-1251.
class TMainForm : public QWidget {
    Q_OBJECT

public:
    // Builds the window and runs FormCreate, which shows the welcome page.
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // The about box and the word store are created after the window at start-up.
    void SetAboutDialog(TAboutDialog* aboutDialog) { mAboutDialog = aboutDialog; }
    void SetDataModule(TQuorDataModule* dataModule);

    // --- Event handlers ---
    void FormCreate(QObject* Sender);
    void WordComboBoxChange(QObject* Sender);
    void SearchButtonClick(QObject* Sender);
    void mAboutButtonClick(QObject* Sender);
    void mBrowserBackButtonClick(QObject* Sender);
    void mBrowserForwardButtonClick(QObject* Sender);
    void mWebBrowserCommandStateChange(QObject* Sender, int Command, int Enable);
    void WebBrowserBeforeNavigate(QObject* Sender, const QString& URL, bool& Cancel);

    // Searches the word box's text in the meanings, in the chosen language, as Search does
    // (the text normalised and added to the history): the results page of the words whose
    // meanings hold every typed word. Nothing while Search is disabled.
    void SearchMeanings();

    // --- Word history ---
    // Remembers a word (at most 100, no two equal but for case) and puts it into the word box.
    void AddToWordHistory(const std::string& word);
    void ShowWelcomePage();

    // --- Look-ups from outside the window: the command line, other programs ---
    // Brings the window to the front. For a word, then chooses the search options and searches
    // the word as if typed and Enter pressed; without one, changes nothing else.
    void LookUp(const QString& word, const QString& language, bool exact);
    // Chooses the language ("BG" or "RU"; empty keeps the one chosen) and ticks "Find similar
    // words" unless `exact`.
    void ChooseSearchOptions(const QString& language, bool exact);
    void BringToFront();

    // --- Commands of keys and mouse buttons ---
    void ClickBack();
    void ClickForward();
    void ClickAbout();
    // Puts the focus into the word box with its whole text selected.
    void FocusWordBox();
    void ZoomIn();
    void ZoomOut();
    void ResetZoom();
    void OpenFindBar();
    void FindNext();
    void FindPrevious();
    void Quit();
    // Opens or closes the word map beside the page.
    void ToggleMap();

    // Searches a word the suggestion bar offered, as if typed and Enter pressed.
    void SearchSuggestion(const QString& word);

    // The pages this window shows are composed here.
    TPageComposer& Composer() { return mComposer; }
    // The page view, for the commands on the page that other parts of the window add.
    TWebBrowser& PageView() { return *mWebBrowser; }

    // --- Page display ---
    QString GetTempHtmlFileName();
    void SaveTextToFile(const std::string& text, const QString& fileName);
    void ShowHtml(const std::string& pageText);
    // Shows a page composed for one word (the word page, or the first word of a results page),
    // which the map and the page's file name follow.
    void ShowPage(const std::string& pageText, std::optional<std::int32_t> word);

    // --- Word links ---
    void ProcessWordUrl(const std::string& address);
    void ShowWordById(const std::string& idText);
    // What the pointer resting on a link tells: the word, its qualifier, its language and its
    // first meaning; empty for a link that names no word.
    QString LinkToolTip(const QString& address);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void ConnectHandlers();
    // The keys of the window and of its page view, and the mouse's back and forward buttons.
    void CreateCommands();
    // A command of `keys` in the whole window (scope: the window) or in one control.
    QAction* AddCommand(QWidget* scope, const char* name, const QList<QKeySequence>& keys,
                        std::function<void()> handler, const QString& text = QString());
    QAction* AddCommand(QWidget* scope, const char* name, const QList<QKeySequence>& keys,
                        void (TMainForm::*handler)(), const QString& text = QString());
    // The word box's text when a page file was shown; empty for a file shown for no word.
    QString PageName(const QString& pageFile) const { return mShownPages.Find(pageFile).Title; }
    // The page view and the word map beside it, the map hidden.
    QSplitter* CreateMapSplitter();
    void ConnectMap();
    // The word a page file is about, for the map: the word of a word page, the first word of a
    // results page.
    std::optional<std::int32_t> PageWord(const QString& pageFile) const;
    void ConnectSuggestions();
    // Reads ahead the words of the language chosen, for the suggestions.
    void ReadSuggestionWordsAhead();
    // The tooltips of the search strip.
    void DescribeControls();
    // The window's smallest size shows the whole search strip and some of the page.
    void KeepStripVisible();
    // Enter without Shift, Ctrl or Alt in the search strip: clicks Search while it is enabled.
    // False for any other key, which then goes on as usual.
    bool ClickSearchOnEnter(const QKeyEvent& key);
    // The word box's text normalised for a search, added to the word history; raises EQuorError
    // for a text no search takes.
    std::string TakeSearchText();

    TAboutDialog* mAboutDialog = nullptr;
    TPageComposer mComposer;
    // True while the program itself changes the word box, which is no change by the user.
    bool mChangingWordBox = false;
    TShownPages mShownPages;
    // Prints, exports and saves the page shown, and asks where files go.
    std::unique_ptr<TWindowOutput> mOutput;

    QWidget* mTopPanel = nullptr;
    QComboBox* mLanguageComboBox = nullptr;
    QPushButton* mSearchButton = nullptr;
    QWidget* mRightPanel = nullptr;
    QWidget* mBottomPanel = nullptr;
    QWidget* mLeftPanel = nullptr;
    TWebBrowser* mWebBrowser = nullptr;
    QCheckBox* mFindSimilarWordsCheckBox = nullptr;
    QComboBox* mWordComboBox = nullptr;
    QPushButton* mAboutButton = nullptr;
    QCheckBox* mFindHomonymsCheckBox = nullptr;
    QCheckBox* mFindSynonymsCheckBox = nullptr;
    QCheckBox* mFindAntonymsCheckBox = nullptr;
    QCheckBox* mFindHyponymsCheckBox = nullptr;
    QToolButton* mBrowserBackButton = nullptr;
    QToolButton* mBrowserForwardButton = nullptr;
    TFindBar* mFindBar = nullptr;
    TSuggestionBar* mSuggestionBar = nullptr;
    TNetworkMapPanel* mNetworkMapPanel = nullptr;
};

} // namespace Quor

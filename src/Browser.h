#pragma once

#include "PageFiles.h"
#include "Word.h"

#include <QWidget>

#include <cstdint>
#include <string>

class QCheckBox;
class QComboBox;
class QPushButton;
class QToolButton;
class TAboutDialog;
class TQuorDataModule;
class TWebBrowser;

// The main window: the search strip above the page view. Besides its event handlers it holds the
// operations that compose pages (search results, the page frame, the word information table),
// show them, and follow word links. The composing operations read no state of the window; they
// use only their arguments and the word store. Page text is Windows-1251.
class TMainForm : public QWidget {
    Q_OBJECT

public:
    // Builds the window and runs FormCreate, which shows the welcome page.
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // The about box and the word store are created after the window at start-up.
    void SetAboutDialog(TAboutDialog* aboutDialog) { mAboutDialog = aboutDialog; }
    void SetDataModule(TQuorDataModule* dataModule) { mDataModule = dataModule; }

    // --- Event handlers ---
    void FormCreate(QObject* Sender);
    void WordComboBoxChange(QObject* Sender);
    void SearchButtonClick(QObject* Sender);
    void mAboutButtonClick(QObject* Sender);
    void mBrowserBackButtonClick(QObject* Sender);
    void mBrowserForwardButtonClick(QObject* Sender);
    void mWebBrowserCommandStateChange(QObject* Sender, int Command, int Enable);
    void WebBrowserBeforeNavigate(QObject* Sender, const QString& URL, bool& Cancel);

    // --- Search text and word history ---
    // Trims the search text and upper-cases its first letter when it is a Cyrillic one.
    static void NormalizeSearchText(std::string& text);
    // Remembers a word (at most 100, no two equal but for case) and puts it into the word box.
    void AddToWordHistory(const std::string& word);
    void ShowWelcomePage();

    // --- Search results ---
    std::string SearchWordsHtml(const std::string& word, const std::string& langCode,
                                bool findSimilar);
    std::string SearchResultsHtml(const TWordList& words, const std::string& word, bool moreWords);

    // --- Page frame ---
    std::string HtmlHead();
    std::string HtmlPage(const std::string& body);
    std::string WelcomePageHtml();

    // --- Word information table ---
    std::string WordInfoTableHtml(std::int32_t wordId, const std::string& word,
                                  const std::string& moreInfo);
    std::string WordRowHtml(const std::string& word, const std::string& moreInfo);
    std::string WordSpanHtml(const std::string& word, const std::string& moreInfo);
    std::string MeaningsRowHtml(std::int32_t wordId);
    std::string MeaningsListHtml(const TStringList& meanings);
    std::string MeaningSpanHtml(const std::string& meaning);
    std::string HomonymsRowHtml(std::int32_t wordId);
    std::string HomonymsListHtml(const TWordList& homonyms);
    std::string AbsoluteSynonymsRowHtml(std::int32_t wordId);
    std::string AbsoluteSynonymsListHtml(const TWordList& synonyms);
    std::string RelativeSynonymsRowHtml(std::int32_t wordId);
    std::string RelativeSynonymsListHtml(const TWordList& synonyms);
    std::string JoinWordLinks(const TWordList& words, const std::string& separator);
    std::string GroupSynonymLinks(const TWordList& words, const std::string& groupSeparator,
                                  const std::string& memberSeparator);
    std::string WordLinkHtml(const TWord& word, bool withMoreInfo);
    std::string CaptionRowHtml(const std::string& caption);
    std::string DataRowHtml(const std::string& content);

    // --- Page display ---
    QString GetTempHtmlFileName();
    void SaveTextToFile(const std::string& text, const QString& fileName);
    void ShowHtml(const std::string& pageText);

    // --- Word links ---
    void ProcessWordUrl(const std::string& address);
    static void ParseUrl(const std::string& address, std::string& protocol, std::string& server,
                         std::string& application, std::string& parameters);
    static std::string GetUrlParameter(const std::string& parameters, const std::string& name);
    void ShowWordById(const std::string& idText);
    std::string LinkErrorPageHtml(const std::string& address, const std::string& reason);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void ConnectHandlers();
    TQuorDataModule& DataModule() const;
    // Enter without Shift, Ctrl or Alt in the search strip: clicks Search while it is enabled.
    // False for any other key, which then goes on as usual.
    bool ClickSearchOnEnter(const QKeyEvent& key);
    // A category block: the caption row and the data row, each on a line of its own.
    std::string CategoryHtml(const std::string& caption, const std::string& content);
    bool AppendStylesheetLines(std::string& head);

    TAboutDialog* mAboutDialog = nullptr;
    TQuorDataModule* mDataModule = nullptr;
    // True while the program itself changes the word box, which is no change by the user.
    bool mChangingWordBox = false;
    bool mShownBefore = false;
    TPageFiles mPageFiles;

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
};

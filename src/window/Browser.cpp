// The main window: its controls, the search command, the word history and the keyboard.
#include "window/Browser.h"

#include "core/QuorError.h"
#include "core/text/CodePage.h"
#include "window/About.h"
#include "window/ButtonPictures.h"
#include "window/FindBar.h"
#include "window/MessageBoxes.h"
#include "window/NetworkMapPanel.h"
#include "window/ProgramIcon.h"
#include "window/SuggestionBar.h"
#include "window/WebBrowser.h"
#include "window/WindowPlacement.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSplitter>
#include <QToolButton>

#include <algorithm>
#include <limits>

namespace Quor {

namespace {

constexpr int kWordHistoryCapacity = 100;
// The longest text a search takes, in characters: far beyond any word, and within what the
// engines' pattern matching takes (SQLite's like takes patterns of up to 50,000 bytes, and a
// character of the code page may take three).
constexpr std::size_t kLongestSearchText = 10000;

template <typename TControl>
TControl* Place(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* control = new TControl(parent);
    control->setObjectName(QLatin1String(name));
    control->setGeometry(left, top, width, height);
    return control;
}

QCheckBox* PlaceCheckBox(QWidget* parent, const char* name, const char* caption, int left,
                         int width) {
    auto* checkBox = Place<QCheckBox>(parent, name, left, 35, width, 17);
    checkBox->setText(QLatin1String(caption));
    checkBox->setChecked(true);
    return checkBox;
}

QWidget* Panel(QWidget* parent, const char* name) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(QLatin1String(name));
    return panel;
}

// Widens the controls of a row whose captions need more room in the desktop's font than the
// window's design gives them. A control keeps its designed place while the one before it leaves
// room; else it moves right just far enough to keep a small gap (the design's own, if smaller).
void FitCaptionsRow(std::initializer_list<QWidget*> row) {
    constexpr int kCaptionGap = 4;
    int previousRight = -1, previousDesignedRight = -1;
    for (QWidget* control : row) {
        QRect place = control->geometry();
        const int gap = std::min(kCaptionGap, place.left() - previousDesignedRight - 1);
        previousDesignedRight = place.right();
        place.moveLeft(std::max(place.left(), previousRight + 1 + gap));
        place.setWidth(std::max(place.width(), control->sizeHint().width()));
        control->setGeometry(place);
        previousRight = place.right();
    }
}

} // namespace

TMainForm::TMainForm(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Quor Semantic Network - Words Browser"));
    setWindowIcon(ProgramIcon());
    QFont windowFont = font();
    windowFont.setPointSize(8);
    setFont(windowFont);
    resize(651, 546);
    mComposer.SetStylesheetWarning(
        [](const QString& message) { ShowMessageBox(TMessageBoxKind::Warning, message); });
    CreateControls();
    ConnectHandlers();
    CreateCommands();
    DescribeControls();
    KeepStripVisible();
    CentreOnFirstShow(*this);
    RunGuarded([this] { FormCreate(this); });
}

TMainForm::~TMainForm() = default;

void TMainForm::CreateControls() {
    mTopPanel = Panel(this, "mTopPanel");
    mTopPanel->setFixedHeight(59);
    mBottomPanel = Panel(this, "mBottomPanel");
    mBottomPanel->setFixedHeight(12);
    mLeftPanel = Panel(this, "mLeftPanel");
    mLeftPanel->setFixedWidth(9);
    mRightPanel = Panel(this, "mRightPanel");
    mRightPanel->setFixedWidth(10);
    mWebBrowser = new TWebBrowser(this);
    mWebBrowser->setObjectName(QStringLiteral("mWebBrowser"));
    mOutput = std::make_unique<TWindowOutput>(
        *this, *mWebBrowser, [this](const QString& pageFile) { return PageName(pageFile); });
    QSplitter* pageAndMap = CreateMapSplitter();

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(mTopPanel, 0, 0, 1, 3);
    // Above the page, hidden until a search finds nothing.
    mSuggestionBar = new TSuggestionBar(this);
    layout->addWidget(mSuggestionBar, 1, 1);
    layout->addWidget(mLeftPanel, 2, 0);
    layout->addWidget(pageAndMap, 2, 1);
    layout->addWidget(mRightPanel, 2, 2);
    // Below the page, hidden until opened: the window at start has no room for it.
    mFindBar = new TFindBar(*mWebBrowser, this);
    layout->addWidget(mFindBar, 3, 1);
    layout->addWidget(mBottomPanel, 4, 0, 1, 3);

    mWordComboBox = Place<QComboBox>(mTopPanel, "mWordComboBox", 8, 8, 425, 21);
    mWordComboBox->setEditable(true);
    mWordComboBox->setInsertPolicy(QComboBox::NoInsert);
    mWordComboBox->setMaxVisibleItems(20);
    // A line edit cuts a longer text at 32,767 characters without a word; the search tells of a
    // text too long instead.
    mWordComboBox->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    // The box would otherwise replace a finished text by a list item that differs only in case;
    // the history keeps the first spelling, but the box shows and searches the text as typed.
    disconnect(mWordComboBox->lineEdit(), &QLineEdit::returnPressed, mWordComboBox, nullptr);
    disconnect(mWordComboBox->lineEdit(), &QLineEdit::editingFinished, mWordComboBox, nullptr);
    // Enter reaches the word box, or its line edit, before the window (see eventFilter).
    mWordComboBox->installEventFilter(this);
    mWordComboBox->lineEdit()->installEventFilter(this);

    mLanguageComboBox = Place<QComboBox>(mTopPanel, "mLanguageComboBox", 440, 8, 73, 21);
    mLanguageComboBox->addItems({QStringLiteral("BG"), QStringLiteral("RU")});

    mFindSimilarWordsCheckBox =
        PlaceCheckBox(mTopPanel, "mFindSimilarWordsCheckBox", "Find similar words", 138, 105);

    mSearchButton = Place<QPushButton>(mTopPanel, "mSearchButton", 520, 7, 81, 23);
    mSearchButton->setText(QStringLiteral("Search"));
    mSearchButton->setIcon(SearchPicture());
    mSearchButton->setDefault(true);

    mAboutButton = Place<QPushButton>(mTopPanel, "mAboutButton", 616, 7, 24, 23);
    mAboutButton->setIcon(AboutPicture());
    mAboutButton->setAutoDefault(true); // Enter on the focused button clicks it.

    mFindHomonymsCheckBox =
        PlaceCheckBox(mTopPanel, "mFindHomonymsCheckBox", "Find homonyms", 252, 93);
    mFindSynonymsCheckBox =
        PlaceCheckBox(mTopPanel, "mFindSynonymsCheckBox", "Find synonyms", 356, 89);
    mFindAntonymsCheckBox =
        PlaceCheckBox(mTopPanel, "mFindAntonymsCheckBox", "Find antonyms", 452, 89);
    mFindHyponymsCheckBox =
        PlaceCheckBox(mTopPanel, "mFindHyponymsCheckBox", "Find hyponyms", 548, 89);

    mBrowserBackButton = Place<QToolButton>(mTopPanel, "mBrowserBackButton", 8, 33, 53, 22);
    mBrowserBackButton->setText(QStringLiteral("Back"));
    mBrowserBackButton->setIcon(BackPicture());
    mBrowserForwardButton = Place<QToolButton>(mTopPanel, "mBrowserForwardButton", 63, 33, 65, 22);
    mBrowserForwardButton->setText(QStringLiteral("Forward"));
    mBrowserForwardButton->setIcon(ForwardPicture());
    mBrowserForwardButton->setLayoutDirection(Qt::RightToLeft); // picture right of the caption
    for (QToolButton* button : {mBrowserBackButton, mBrowserForwardButton}) {
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setIconSize(QSize(16, 16));
    }

    FitCaptionsRow({mBrowserBackButton, mBrowserForwardButton, mFindSimilarWordsCheckBox,
                    mFindHomonymsCheckBox, mFindSynonymsCheckBox, mFindAntonymsCheckBox,
                    mFindHyponymsCheckBox});
    resize(std::max(width(), mFindHyponymsCheckBox->geometry().right() + 8), height());

    // The suggestions come between the strip and the page.
    QList<QWidget*> tabOrder = {
        mWordComboBox,         mLanguageComboBox,     mFindSimilarWordsCheckBox,
        mSearchButton,         mAboutButton,          mFindHomonymsCheckBox,
        mFindSynonymsCheckBox, mFindAntonymsCheckBox, mFindHyponymsCheckBox};
    tabOrder << mSuggestionBar->Buttons() << mWebBrowser;
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    mWordComboBox->setFocus();
}

void TMainForm::ConnectHandlers() {
    connect(mWordComboBox, &QComboBox::editTextChanged, this, [this] {
        if (!mChangingWordBox)
            RunGuarded([this] { WordComboBoxChange(mWordComboBox); });
    });
    connect(mSearchButton, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { SearchButtonClick(mSearchButton); }); });
    connect(mAboutButton, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { mAboutButtonClick(mAboutButton); }); });
    connect(mBrowserBackButton, &QToolButton::clicked, this,
            [this] { RunGuarded([this] { mBrowserBackButtonClick(mBrowserBackButton); }); });
    connect(mBrowserForwardButton, &QToolButton::clicked, this,
            [this] { RunGuarded([this] { mBrowserForwardButtonClick(mBrowserForwardButton); }); });
    mWebBrowser->OnBeforeNavigate2 = [this](TWebBrowser* sender, const QString& url, bool& cancel) {
        WebBrowserBeforeNavigate(sender, url, cancel);
    };
    mWebBrowser->OnLinkToolTip = [this](const QString& address) { return LinkToolTip(address); };
    connect(mWebBrowser, &QTextBrowser::sourceChanged, mFindBar, &TFindBar::PageChanged);
    ConnectSuggestions();
    ConnectMap();
    mWebBrowser->OnCommandStateChange = [this](TWebBrowser* sender, int command, int enable) {
        mWebBrowserCommandStateChange(sender, command, enable);
    };
}

void TMainForm::SetDataModule(TQuorDataModule* dataModule) {
    mComposer.SetDataModule(dataModule);
    mSuggestionBar->SetDataModule(dataModule);
    ReadSuggestionWordsAhead();
    mNetworkMapPanel->SetDataModule(dataModule);
}

void TMainForm::FormCreate(QObject*) {
    WordComboBoxChange(this);
    ShowWelcomePage();
}

void TMainForm::WordComboBoxChange(QObject*) {
    mSearchButton->setEnabled(!mWordComboBox->currentText().isEmpty());
}

std::string TMainForm::TakeSearchText() {
    std::string word = ToPageTextStrict(mWordComboBox->currentText());
    // No word holds a NUL, and the engine's pattern matching would stop at it.
    if (word.find('\0') != std::string::npos)
        throw EQuorError("The text holds the character U+0000, which no word can hold.");
    TPageComposer::NormalizeSearchText(word);
    if (word.size() > kLongestSearchText)
        throw EQuorError("The text holds " + std::to_string(word.size()) +
                         " characters, more than the " + std::to_string(kLongestSearchText) +
                         " a search takes.");
    AddToWordHistory(word);
    return word;
}

void TMainForm::SearchButtonClick(QObject*) {
    const std::string word = TakeSearchText();
    const std::string langCode = ToPageText(mLanguageComboBox->currentText());
    const bool findSimilar = mFindSimilarWordsCheckBox->isChecked();
    std::optional<std::int32_t> firstWord;
    const std::string results = mComposer.SearchWordsHtml(word, langCode, findSimilar, firstWord);
    ShowPage(mComposer.HtmlPage(results), firstWord);
    if (!firstWord)
        mSuggestionBar->OfferFor(word, langCode);
}

void TMainForm::SearchMeanings() {
    if (!mSearchButton->isEnabled())
        return;
    const std::string text = TakeSearchText();
    const std::string langCode = ToPageText(mLanguageComboBox->currentText());
    std::optional<std::int32_t> firstWord;
    const std::string results = mComposer.SearchMeaningsHtml(text, langCode, firstWord);
    ShowPage(mComposer.HtmlPage(results), firstWord);
}

void TMainForm::AddToWordHistory(const std::string& word) {
    const QString text = FromPageText(word);
    const QScopedValueRollback byProgram(mChangingWordBox, true);
    if (mWordComboBox->findText(text, Qt::MatchFixedString) < 0) {
        if (mWordComboBox->count() >= kWordHistoryCapacity)
            mWordComboBox->removeItem(0);
        mWordComboBox->addItem(text);
    }
    mWordComboBox->setEditText(text);
    mWordComboBox->lineEdit()->selectAll();
}

void TMainForm::ShowWelcomePage() {
    ShowHtml(mComposer.WelcomePageHtml());
}

void TMainForm::mAboutButtonClick(QObject*) {
    if (mAboutDialog)
        mAboutDialog->exec();
}

bool TMainForm::ClickSearchOnEnter(const QKeyEvent& key) {
    const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    const bool plain = (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (!enter || !plain || !mTopPanel->isAncestorOf(focusWidget()))
        return false;
    if (mSearchButton->isEnabled())
        mSearchButton->click();
    return true;
}

void TMainForm::keyPressEvent(QKeyEvent* event) {
    // Search is the window's default button. The About button handles Enter itself, and an open
    // list of the word box takes it first; neither passes it on to here.
    if (ClickSearchOnEnter(*event)) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    // Escape in the word box closes the suggestions offered below it.
    if (event->type() == QEvent::KeyPress &&
        static_cast<const QKeyEvent&>(*event).key() == Qt::Key_Escape &&
        mSuggestionBar->isVisible()) {
        mSuggestionBar->hide();
        return true;
    }
    // The word box's line edit would take Enter to accept its inline completion (setting the
    // item's own text) and search nothing. Enter searches the text as the box shows it instead.
    if (event->type() == QEvent::KeyPress &&
        ClickSearchOnEnter(static_cast<const QKeyEvent&>(*event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

} // namespace Quor

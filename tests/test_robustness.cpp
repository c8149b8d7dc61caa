// The real window over the sample network, driven by a few thousand random but bounded user
// actions from a fixed seed: typing, Enter, Search, history picks, Back, Forward, link clicks,
// check boxes, the language and the about box. Afterwards the window still answers, no error box
// but the expected ones appeared, and the history and the page files are in order.
#include "ProgramDriver.h"
#include "TestSupport.h"
#include "core/store/QuorData.h"
#include "core/text/CodePage.h"
#include "window/About.h"
#include "window/Browser.h"
#include "window/NetworkMapView.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

#include <sqlite3.h>

#include <numeric>
#include <random>
#include <vector>

using namespace Quor;

namespace {

constexpr int kActions = 3000;
const std::string kStylesheet = ".Word { font-weight: bold; }\n";
// Texts the user types: words and parts of words of the network, and characters of every kind,
// including one the network's code page can not hold.
const QStringList kFragments = {
    QStringLiteral("компютър"), QStringLiteral("памет"), QStringLiteral("процесор"),
    QStringLiteral("ко"),       QStringLiteral("диск"),  QStringLiteral("компьютер"),
    QStringLiteral("ЭВМ"),      QStringLiteral("сеть"),  QStringLiteral("CPU")};
const QString kAlphabet = QStringLiteral("абвгдежзиклмнопрстуфцшщъюяАКПЭabcdkpz 019,.'\"-%_ü");
const QString kRefusal = QStringLiteral("The text holds the character U+00FC, which the "
                                        "Windows-1251 code page of the network can not hold.");

// What the user does; the typing actions come first.
enum class TAction {
    TypeWord,
    TypeCharacters,
    AppendCharacters,
    Backspace,
    ClickSearch,
    PressEnter,
    PickFromHistory,
    ClickBack,
    ClickForward,
    ClickLink,
    ToggleOption,
    ChangeLanguage,
    ShowAbout,
    ToggleMap,
    ClickMapWord,
};
// How often each action comes, in the order above.
constexpr int kWeights[] = {3, 1, 1, 1, 2, 2, 1, 1, 1, 4, 1, 1, 1, 1, 2};

// The program as it starts, with kStylesheet.
struct TProgram : TRunningProgram {
    explicit TProgram(const QString& databasePath) : TRunningProgram(databasePath, &kStylesheet) {}
};

// A user who acts at random, from a fixed seed, on the program's window, and counts what came of
// it. An action checks what only it can see (a link shows a new page, Escape closes the about
// box); the test checks the window after every action.
class TRandomUser {
public:
    explicit TRandomUser(TProgram& program)
        : mProgram(program), mWordBox(program.WordBox()),
          mLanguage(program.Control<QComboBox>("mLanguageComboBox")), mView(program.View()),
          mOptions(program.Control<QWidget>("mTopPanel")->findChildren<QCheckBox*>()),
          mShownPages{program.PageFile()} {}

    // The next action, as often as kWeights says.
    TAction PickAction() {
        int weight = Pick(std::accumulate(std::begin(kWeights), std::end(kWeights), 0));
        int kind = 0;
        while (weight >= kWeights[kind])
            weight -= kWeights[kind++];
        return TAction(kind);
    }

    void Perform(TAction action) {
        const QString textBefore = mWordBox->currentText();
        PerformOnly(action);
        mTextChanged = mWordBox->currentText() != textBefore;
    }

    // Whether the last action changed the word box's text.
    bool TextChanged() const { return mTextChanged; }

    void PerformOnly(TAction action) {
        if (action <= TAction::PickFromHistory && action != TAction::ClickSearch)
            PutTheCursorInTheWordBox(action <= TAction::TypeCharacters);
        switch (action) {
        case TAction::TypeWord:
            Type(kFragments[Pick(int(kFragments.size()))]);
            break;
        case TAction::TypeCharacters:
        case TAction::AppendCharacters:
            TypeCharacters();
            break;
        case TAction::Backspace:
            Press(Qt::Key_Backspace);
            break;
        case TAction::ClickSearch:
        case TAction::PressEnter:
            Search(action == TAction::ClickSearch);
            break;
        case TAction::PickFromHistory:
            PickFromHistory();
            break;
        case TAction::ClickBack:
            Click(mProgram.BackButton());
            break;
        case TAction::ClickForward:
            Click(mProgram.ForwardButton());
            break;
        case TAction::ClickLink:
            ClickLink();
            break;
        case TAction::ToggleOption:
            ToggleOption();
            break;
        case TAction::ChangeLanguage:
            mLanguage->setFocus();
            Press(Pick(2) ? Qt::Key_Down : Qt::Key_Up);
            break;
        case TAction::ShowAbout:
            ShowAbout();
            break;
        case TAction::ToggleMap:
            Press(Qt::Key_M, Qt::ControlModifier);
            break;
        case TAction::ClickMapWord:
            ClickMapWord();
            break;
        }
    }

    // Notes the page the view shows now.
    void NoteTheShownPage() { mShownPages.insert(mProgram.PageFile()); }

    // Every page the view has shown.
    const QSet<QString>& ShownPages() const { return mShownPages; }
    int Refusals() const { return mRefusals; }
    int LinksFollowed() const { return mLinksFollowed; }
    int AboutShowings() const { return mAboutShowings; }
    int MapWordsChosen() const { return mMapWordsChosen; }

private:
    int Pick(int count) { return int(mGenerator() % std::uint32_t(count)); }

    // Then all its text is selected (to be replaced), or the cursor is at its end.
    void PutTheCursorInTheWordBox(bool selectAll) {
        mWordBox->lineEdit()->setFocus();
        Press(selectAll ? Qt::Key_A : Qt::Key_End,
              selectAll ? Qt::ControlModifier : Qt::NoModifier);
    }

    void TypeCharacters() {
        for (int length = Pick(6); length >= 0; --length)
            Type(kAlphabet.mid(Pick(int(kAlphabet.size())), 1));
    }

    // A text with a character the code page can not hold is refused with a message box.
    void Search(bool byButton) {
        QPushButton* search = mProgram.SearchButton();
        if (search->isEnabled() && mWordBox->currentText().contains(u'ü'))
            ++mRefusals;
        if (byButton)
            Click(search);
        else
            Press(Qt::Key_Return);
    }

    void PickFromHistory() {
        if (mWordBox->count() == 0)
            return;
        Press(Qt::Key_Down, Qt::AltModifier);
        for (int steps = Pick(std::min(mWordBox->count(), 8)); steps > 0; --steps)
            Press(Qt::Key_Down);
        Press(Qt::Key_Return);
    }

    // A link shows a page of its own, never one shown before.
    void ClickLink() {
        const std::vector<TPageLink> links = PageLinks(mView);
        if (links.empty())
            return;
        ClickText(mView, links[Pick(int(links.size()))].Position);
        QVERIFY2(!mShownPages.contains(mProgram.PageFile()), "the link shows a new page");
        ++mLinksFollowed;
    }

    // A word of the open map shows a page of its own, as its link does.
    void ClickMapWord() {
        auto* map = mProgram.Control<TNetworkMapView>("mNetworkMapView");
        if (!map->isVisible() || map->Map().IsEmpty())
            return;
        // A word drawn in sight, not a "+N more".
        std::vector<std::size_t> words;
        const auto& nodes = map->Folded().Map.Nodes;
        for (std::size_t i = 0; i < nodes.size(); ++i)
            if (nodes[i].LeftOut == 0 && map->viewport()->rect().contains(map->NodePosition(i)))
                words.push_back(i);
        if (words.empty())
            return;
        const std::size_t node = words[std::size_t(Pick(int(words.size())))];
        QTest::mouseClick(map->viewport(), Qt::LeftButton, {}, map->NodePosition(node));
        QVERIFY2(!mShownPages.contains(mProgram.PageFile()), "the map's word shows a new page");
        ++mMapWordsChosen;
    }

    void ToggleOption() {
        QCheckBox* option = mOptions[Pick(int(mOptions.size()))];
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
    }

    // Escape closes the box; the window is active again afterwards.
    void ShowAbout() {
        TAboutDialog& about = mProgram.About;
        QTimer::singleShot(0, &about, [&] {
            if (QTest::qWaitForWindowActive(&about, kPatience))
                Press(Qt::Key_Escape);
            if (about.isVisible())
                about.done(QDialog::Accepted);
        });
        Click(mProgram.AboutButton());
        QCOMPARE(about.result(), int(QDialog::Rejected));
        mProgram.Form.activateWindow(); // as a desktop does; the offscreen one does not
        QVERIFY(QTest::qWaitForWindowActive(&mProgram.Form, kPatience));
        ++mAboutShowings;
    }

    TProgram& mProgram;
    QComboBox* mWordBox;
    QComboBox* mLanguage;
    QTextBrowser* mView;
    QList<QCheckBox*> mOptions;
    int mMapWordsChosen = 0;
    bool mTextChanged = false;
    QSet<QString> mShownPages;
    // Picks of our own from a fixed seed, so that every library gives the same sequence.
    std::mt19937 mGenerator{20251208};
    int mRefusals = 0, mLinksFollowed = 0, mAboutShowings = 0;
};

} // namespace

class TestRobustness : public QObject {
    Q_OBJECT

    QTemporaryDir mFolder;
    QString mDatabasePath;

private Q_SLOTS:
    // The sample network, built from its SQL as the build builds it.
    void initTestCase() {
        mDatabasePath = mFolder.filePath(QStringLiteral("QuorSemanticNetwork.mdb"));
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(mDatabasePath.toUtf8().constData(), &db), SQLITE_OK);
        const int built =
            sqlite3_exec(db, SampleNetworkSql().constData(), nullptr, nullptr, nullptr);
        sqlite3_close(db);
        QCOMPARE(built, SQLITE_OK);
    }

    void windowSurvivesThousandsOfRandomActions() {
        TProgram program(mDatabasePath);
        QVERIFY(program.Started());
        QCOMPARE(program.Control<QWidget>("mTopPanel")->findChildren<QCheckBox*>().size(), 5);
        TRandomUser user(program);

        QElapsedTimer clock;
        clock.start();
        for (int step = 0; step < kActions; ++step) {
            const TAction action = user.PickAction();
            RUN_STEP(user.Perform(action));
            RUN_STEP(TheWindowIsInOrderAfter(program, action, user.TextChanged(), step));
            user.NoteTheShownPage();
        }
        qInfo("%d actions in %lld ms: %d links followed, %d about boxes, %d refused texts, "
              "%lld pages",
              kActions, clock.elapsed(), user.LinksFollowed(), user.AboutShowings(),
              user.Refusals(), static_cast<long long>(user.ShownPages().size()));

        RUN_STEP(ALastSearchShowsItsPage(program));
        user.NoteTheShownPage();
        RUN_STEP(OnlyTheRefusedTextsShowedMessageBoxes(program, user.Refusals()));
        QVERIFY2(user.Refusals() > 0 && user.LinksFollowed() > 0 && user.AboutShowings() > 0 &&
                     user.MapWordsChosen() > 0,
                 "every action ran");
        RUN_STEP(TheHistoryFilledUpWithNoWordTwice(program));
        const QStringList files = program.Pages.PageFiles();
        QCOMPARE(QSet<QString>(files.begin(), files.end()), user.ShownPages());
    }

private:
    // After every action: no list or box is left open, Search is enabled exactly while the word
    // box holds text, Back and Forward follow the view's history, and the history keeps to its
    // hundred words.
    static void TheWindowIsInOrderAfter(TProgram& program, TAction action, bool textChanged,
                                        int step) {
        QComboBox* wordBox = program.WordBox();
        QTextBrowser* view = program.View();
        const QString where = QStringLiteral("step %1, action %2").arg(step).arg(int(action));
        QVERIFY2(!QApplication::activePopupWidget() && !QApplication::activeModalWidget(),
                 qPrintable(where));
        // (A search that empties the box leaves Search enabled, and so does what then leaves the
        // box empty, such as picking the empty word from the history.)
        if ((action <= TAction::Backspace || action == TAction::PickFromHistory) && textChanged)
            QVERIFY2(program.SearchButton()->isEnabled() == !wordBox->currentText().isEmpty(),
                     qPrintable(where));
        QVERIFY2(program.BackButton()->isEnabled() == view->isBackwardAvailable(),
                 qPrintable(where));
        QVERIFY2(program.ForwardButton()->isEnabled() == view->isForwardAvailable(),
                 qPrintable(where));
        QVERIFY2(wordBox->count() <= 100, qPrintable(where));
    }

    // The window still answers: a last search, in Bulgarian, shows the page it composes for the
    // word.
    static void ALastSearchShowsItsPage(TProgram& program) {
        QComboBox* language = program.Control<QComboBox>("mLanguageComboBox");
        language->setFocus();
        Press(Qt::Key_Up);
        program.Search(QStringLiteral("компютър"));
        QCOMPARE(language->currentText(), u"BG");
        const bool similar = program.Control<QCheckBox>("mFindSimilarWordsCheckBox")->isChecked();
        COMPARE_TEXT(program.Page(), program.SearchPage(QStringLiteral("Компютър"), "BG", similar));
    }

    static void OnlyTheRefusedTextsShowedMessageBoxes(TProgram& program, int refusals) {
        QStringList boxes;
        for (const TMessageBoxRecorder::TBox& box : program.Boxes.Boxes())
            boxes << box.Text;
        QCOMPARE(boxes, QStringList(refusals, kRefusal));
    }

    // No word is there twice, whatever its case.
    static void TheHistoryFilledUpWithNoWordTwice(TProgram& program) {
        QStringList history;
        for (const QString& word : program.History())
            history << word.toLower();
        QCOMPARE(history.size(), 100);
        QCOMPARE(QSet<QString>(history.begin(), history.end()).size(), history.size());
    }
};

QTEST_MAIN(TestRobustness)
#include "test_robustness.moc"

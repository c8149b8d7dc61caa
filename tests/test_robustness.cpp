// The real window over the sample network, driven by a few thousand random but bounded user
// actions from a fixed seed: typing, Enter, Search, history picks, Back, Forward, link clicks,
// check boxes, the language and the about box. Afterwards the window still answers, no error box
// but the expected ones appeared, and the history and the page files are in order.
#include "ProgramDriver.h"
#include "TestSupport.h"
#include "core/CodePage.h"
#include "core/QuorData.h"
#include "window/About.h"
#include "window/Browser.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

#include <sqlite3.h>

#include <numeric>
#include <random>

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
};
// How often each action comes, in the order above.
constexpr int kWeights[] = {3, 1, 1, 1, 2, 2, 1, 1, 1, 4, 1, 1, 1};

// The program as it starts, over `databasePath`, with its own working folder and page files.
struct TProgram : TRunningProgram {
    explicit TProgram(const QString& databasePath) : TRunningProgram(databasePath, &kStylesheet) {}
};

void Type(const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, KeyboardTarget(), Qt::Key(c.toUpper().unicode()),
                            QString(c), Qt::NoModifier);
}

// The middle of every link on the shown page, as a position in its text.
std::vector<int> Links(QTextBrowser* view) {
    std::vector<int> links;
    for (QTextBlock block = view->document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isAnchor())
                links.push_back(it.fragment().position() + it.fragment().length() / 2);
    return links;
}

} // namespace

class TestRobustness : public QObject {
    Q_OBJECT

    QTemporaryDir mFolder;
    QString mDatabasePath;

private Q_SLOTS:
    // The sample network, built from its SQL as the build builds it.
    void initTestCase() {
        QFile sql(QFINDTESTDATA("../Database/QuorSemanticNetwork.sql"));
        QVERIFY(sql.open(QIODevice::ReadOnly));
        mDatabasePath = mFolder.filePath(QStringLiteral("QuorSemanticNetwork.mdb"));
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(mDatabasePath.toUtf8().constData(), &db), SQLITE_OK);
        const int built = sqlite3_exec(db, sql.readAll().constData(), nullptr, nullptr, nullptr);
        sqlite3_close(db);
        QCOMPARE(built, SQLITE_OK);
    }

    void windowSurvivesThousandsOfRandomActions() {
        TProgram program(mDatabasePath);
        program.Form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&program.Form));
        QComboBox* wordBox = program.WordBox();
        QComboBox* language = program.Control<QComboBox>("mLanguageComboBox");
        auto* search = program.Control<QPushButton>("mSearchButton");
        auto* back = program.Control<QToolButton>("mBrowserBackButton");
        auto* forward = program.Control<QToolButton>("mBrowserForwardButton");
        QTextBrowser* view = program.View();
        const QList<QCheckBox*> options = program.Form.findChildren<QCheckBox*>();
        QCOMPARE(options.size(), 5);

        // Picks of our own from a fixed seed, so that every library gives the same sequence.
        std::mt19937 generator(20251208);
        const auto pick = [&](int count) { return int(generator() % std::uint32_t(count)); };
        QSet<QString> shownPages{program.PageFile()};
        int refusals = 0, linksFollowed = 0, aboutShowings = 0;
        QElapsedTimer clock;
        clock.start();
        for (int step = 0; step < kActions; ++step) {
            int weight = pick(std::accumulate(std::begin(kWeights), std::end(kWeights), 0));
            int kind = 0;
            while (weight >= kWeights[kind])
                weight -= kWeights[kind++];
            const auto action = TAction(kind);
            const bool typing = action <= TAction::Backspace;
            if (typing || action == TAction::PressEnter || action == TAction::PickFromHistory) {
                wordBox->lineEdit()->setFocus(); // then all its text selected, or its end
                const bool replace = action <= TAction::TypeCharacters;
                Press(replace ? Qt::Key_A : Qt::Key_End,
                      replace ? Qt::ControlModifier : Qt::NoModifier);
            }
            switch (action) {
            case TAction::TypeWord:
                Type(kFragments[pick(int(kFragments.size()))]);
                break;
            case TAction::TypeCharacters:
            case TAction::AppendCharacters:
                for (int length = pick(6); length >= 0; --length)
                    Type(kAlphabet.mid(pick(int(kAlphabet.size())), 1));
                break;
            case TAction::Backspace:
                Press(Qt::Key_Backspace);
                break;
            case TAction::ClickSearch:
            case TAction::PressEnter:
                if (search->isEnabled() && wordBox->currentText().contains(u'ü'))
                    ++refusals;
                if (action == TAction::ClickSearch)
                    QTest::mouseClick(search, Qt::LeftButton);
                else
                    Press(Qt::Key_Return);
                break;
            case TAction::PickFromHistory:
                if (wordBox->count() == 0)
                    break;
                Press(Qt::Key_Down, Qt::AltModifier);
                for (int steps = pick(std::min(wordBox->count(), 8)); steps > 0; --steps)
                    Press(Qt::Key_Down);
                Press(Qt::Key_Return);
                break;
            case TAction::ClickBack:
            case TAction::ClickForward:
                QTest::mouseClick(action == TAction::ClickBack ? back : forward, Qt::LeftButton);
                break;
            case TAction::ClickLink:
                if (const auto links = Links(view); !links.empty()) {
                    QTextCursor inside(view->document()); // scrolled into view first
                    inside.setPosition(links[pick(int(links.size()))]);
                    view->setTextCursor(inside);
                    view->ensureCursorVisible();
                    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                                      view->cursorRect(inside).center());
                    QVERIFY2(!shownPages.contains(program.PageFile()), "the link shows a new page");
                    ++linksFollowed;
                }
                break;
            case TAction::ToggleOption: {
                QCheckBox* option = options[pick(int(options.size()))];
                QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
                break;
            }
            case TAction::ChangeLanguage:
                language->setFocus();
                Press(pick(2) ? Qt::Key_Down : Qt::Key_Up);
                break;
            case TAction::ShowAbout:
                QTimer::singleShot(0, &program.About, [&] {
                    if (QTest::qWaitForWindowActive(&program.About))
                        Press(Qt::Key_Escape);
                    if (program.About.isVisible())
                        program.About.done(QDialog::Accepted);
                });
                QTest::mouseClick(program.Control<QPushButton>("mAboutButton"), Qt::LeftButton);
                QCOMPARE(program.About.result(), int(QDialog::Rejected));
                program.Form.activateWindow(); // as a desktop does; the offscreen one does not
                QVERIFY(QTest::qWaitForWindowActive(&program.Form));
                ++aboutShowings;
                break;
            }

            const QString where = QStringLiteral("step %1, action %2").arg(step).arg(kind);
            QVERIFY2(!QApplication::activePopupWidget() && !QApplication::activeModalWidget(),
                     qPrintable(where));
            // (A search that empties the box leaves Search enabled.)
            if (typing || action == TAction::PickFromHistory)
                QVERIFY2(search->isEnabled() == !wordBox->currentText().isEmpty(),
                         qPrintable(where));
            QVERIFY2(back->isEnabled() == view->isBackwardAvailable(), qPrintable(where));
            QVERIFY2(forward->isEnabled() == view->isForwardAvailable(), qPrintable(where));
            QVERIFY2(wordBox->count() <= 100, qPrintable(where));
            shownPages.insert(program.PageFile());
        }
        qInfo("%d actions in %lld ms: %d links followed, %d about boxes, %d refused texts, "
              "%lld pages",
              kActions, clock.elapsed(), linksFollowed, aboutShowings, refusals,
              static_cast<long long>(shownPages.size()));

        // The window still answers: a last search shows the page it composes for the word.
        language->setFocus();
        Press(Qt::Key_Up);
        wordBox->lineEdit()->setFocus();
        Press(Qt::Key_A, Qt::ControlModifier);
        Type(QStringLiteral("компютър"));
        if (wordBox->lineEdit()->hasSelectedText())
            Press(Qt::Key_Delete);
        Press(Qt::Key_Return);
        QCOMPARE(language->currentText(), u"BG");
        shownPages.insert(program.PageFile());
        const bool similar = program.Control<QCheckBox>("mFindSimilarWordsCheckBox")->isChecked();
        QCOMPARE(QByteArray::fromStdString(ReadFileBytes(program.PageFile())),
                 QByteArray::fromStdString(program.Form.Composer().HtmlPage(
                     program.Form.Composer().SearchWordsHtml(Cp("Компютър"), "BG", similar))));

        QStringList boxes;
        for (const TMessageBoxRecorder::TBox& box : program.Boxes.Boxes())
            boxes << box.Text;
        QCOMPARE(boxes, QStringList(refusals, kRefusal));
        QVERIFY2(refusals > 0 && linksFollowed > 0 && aboutShowings > 0, "every action ran");
        QStringList history;
        for (int i = 0; i < wordBox->count(); ++i)
            history << wordBox->itemText(i).toLower();
        QCOMPARE(history.size(), 100); // the history filled up, and no word is there twice
        QCOMPARE(QSet<QString>(history.begin(), history.end()).size(), history.size());
        const QStringList files = program.Pages.PageFiles();
        QCOMPARE(QSet<QString>(files.begin(), files.end()), shownPages);
    }
};

QTEST_MAIN(TestRobustness)
#include "test_robustness.moc"

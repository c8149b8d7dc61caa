// The main window driven as a user drives it: keys and clicks on its controls under the offscreen
// platform, with every page file it writes read back byte for byte.
#include "ProgramDriver.h"
#include "TestSupport.h"
#include "core/store/QuorData.h"
#include "core/text/CodePage.h"
#include "window/About.h"
#include "window/Browser.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <memory>
#include <optional>

using namespace Quor;

namespace {

using namespace SmallNetwork;

const std::string kStylesheet = "body { font-family: serif; }\r\n.Word { font-weight: bold; }\n";

// The program as it starts, with a stylesheet of this suite's unless the test gives another (or
// none).
struct TProgram : TRunningProgram {
    explicit TProgram(const QString& databasePath, const std::string* stylesheet = &kStylesheet)
        : TRunningProgram(databasePath, stylesheet) {}
};

// What was seen of the about box during one showing.
struct TAboutShowing {
    bool ModalWhileShown = false;
    QRect Place;
    QWidget* Focus = nullptr;
    bool ClosedByAction = false;
    int Result = -1;
};

constexpr int kLeftOpen = 77;

// Clicks About; while the box is up, `whileShown` runs and should close it. A box it leaves open
// is closed with a result of its own afterwards, so that the test goes on.
TAboutShowing ShowAbout(TProgram& program, const std::function<void(TAboutDialog&)>& whileShown,
                        const std::function<void()>& open = {}) {
    TAboutShowing showing;
    TAboutDialog& box = program.About;
    QTimer::singleShot(0, &box, [&] {
        showing.ModalWhileShown = QTest::qWaitForWindowActive(&box, kPatience) &&
                                  QApplication::activeModalWidget() == &box;
        showing.Place = box.frameGeometry();
        showing.Focus = QApplication::focusWidget();
        whileShown(box);
        // A button pressed by its accelerator is released (and clicks) a moment later.
        showing.ClosedByAction = QTest::qWaitFor([&] { return !box.isVisible(); }, kPatience);
        if (box.isVisible())
            box.done(kLeftOpen);
    });
    if (open)
        open();
    else
        Click(program.AboutButton());
    showing.Result = box.result();
    return showing;
}

// Sizes in pixels of captions that fit their controls' designed widths, and that do not.
constexpr int kFittingCaptions = 6, kTooWideCaptions = 16;

// While it lives, the captions of check boxes and tool buttons are drawn in a font of `pixels`
// pixels, whatever the window's font.
class TCaptionFont {
public:
    explicit TCaptionFont(int pixels) {
        qApp->setStyleSheet(
            QStringLiteral("QCheckBox, QToolButton { font-size: %1px; }").arg(pixels));
    }
    ~TCaptionFont() { qApp->setStyleSheet(QString()); }
    TCaptionFont(const TCaptionFont&) = delete;
    TCaptionFont& operator=(const TCaptionFont&) = delete;
};

// How far a window's frame is from the middle of its screen.
QPoint OffCentre(const QWidget& window, const QRect& frame) {
    return frame.center() - window.screen()->availableGeometry().center();
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<TFixtureDatabase> mDb;

private Q_SLOTS:
    void init() { mDb = SmallNetwork::NewDatabase(); }
    void cleanup() { mDb.reset(); }

    void startsWithWelcomePageAndSearchDisabled() {
        TProgram program(mDb->Path());
        QVERIFY(program.Started());
        const QStringList files = program.Pages.PageFiles();
        QCOMPARE(files.size(), 1);
        QCOMPARE(program.PageFile(), files.front());
        COMPARE_TEXT(program.Page(), program.Form.Composer().WelcomePageHtml());
        QCOMPARE(program.WordBox()->currentText(), QString());
        QCOMPARE(program.WordBox()->count(), 0);
        QVERIFY(!program.SearchButton()->isEnabled());
        QCOMPARE(QApplication::focusWidget(), program.WordBox());
        QVERIFY(OffCentre(program.Form, program.Form.frameGeometry()).manhattanLength() <= 1);
        QCOMPARE(program.Control<QComboBox>("mLanguageComboBox")->currentText(), u"BG");
        for (const char* name :
             {"mFindSimilarWordsCheckBox", "mFindHomonymsCheckBox", "mFindSynonymsCheckBox",
              "mFindAntonymsCheckBox", "mFindHyponymsCheckBox"})
            QVERIFY2(program.Control<QCheckBox>(name)->isChecked(), name);
        QCOMPARE(program.Boxes.Texts(), QString());
    }

    void searchEnabledExactlyWhileBoxHoldsText() {
        TProgram program(mDb->Path());
        QVERIFY(program.Started());
        QPushButton* search = program.SearchButton();
        const auto enterOnTheEmptyBoxShowsNoPage = [&] {
            Press(Qt::Key_Return);
            QCOMPARE(program.PageCount(), 1);
        };
        const auto searchIsEnabledByAnyCharacterAndDisabledByTheLastBackspace = [&] {
            Type(QStringLiteral(" "));
            QVERIFY2(search->isEnabled(), "a blank is text");
            Press(Qt::Key_Backspace);
            QVERIFY(!search->isEnabled());
            Type(QStringLiteral("к"));
            QVERIFY(search->isEnabled());
            Press(Qt::Key_Backspace);
            QVERIFY(!search->isEnabled());
        };
        const auto ctrlEnterDoesNotSearchButEnterDoes = [&] {
            Type(QStringLiteral("кот"));
            Press(Qt::Key_Return, Qt::ControlModifier);
            QCOMPARE(program.PageCount(), 1);
            Press(Qt::Key_Return);
            QCOMPARE(program.PageCount(), 2);
            COMPARE_TEXT(program.Page(), program.SearchPage(QStringLiteral("Кот")));
        };
        const auto theSearchButtonSearches = [&] {
            program.EnterWord(QStringLiteral("куче"));
            Click(search);
            QCOMPARE(program.PageCount(), 3);
            COMPARE_TEXT(program.Page(), program.SearchPage(QStringLiteral("Куче")));
        };

        RUN_STEP(enterOnTheEmptyBoxShowsNoPage());
        RUN_STEP(searchIsEnabledByAnyCharacterAndDisabledByTheLastBackspace());
        RUN_STEP(enterOnTheEmptyBoxShowsNoPage());
        RUN_STEP(ctrlEnterDoesNotSearchButEnterDoes());
        RUN_STEP(theSearchButtonSearches());
    }

    void enterOnFocusedAboutButtonOpensAboutBox() {
        TProgram program(mDb->Path());
        QVERIFY(program.Started());
        Type(QStringLiteral("кот"));
        for (int i = 0; i < 4; ++i)
            Press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), program.AboutButton());

        const TAboutShowing showing = ShowAbout(
            program, [](TAboutDialog&) { Press(Qt::Key_Escape); }, [] { Press(Qt::Key_Return); });
        QVERIFY(showing.ModalWhileShown);
        QVERIFY(showing.ClosedByAction);
        QCOMPARE(program.PageCount(), 1);
        QCOMPARE(program.History(), QStringList());
    }

    void searchNormalisesText_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("similar");
        QTest::addColumn<QString>("searched");
        QTest::newRow("blanks and comma")
            << QStringLiteral("  кот,") << true << QStringLiteral("Кот");
        QTest::newRow("only the first letter")
            << QStringLiteral("кОТ") << true << QStringLiteral("КОТ");
        QTest::newRow("Latin kept") << QStringLiteral("word") << true << QStringLiteral("word");
        QTest::newRow("yo below 192") << QStringLiteral("ёж") << true << QStringLiteral("ёж");
        QTest::newRow("inner marks kept")
            << QStringLiteral("'кот' и куче.") << true << QStringLiteral("Кот' и куче");
        QTest::newRow("only marks") << QStringLiteral("...") << false << QString();
    }

    void searchNormalisesText() {
        QFETCH(QString, typed);
        QFETCH(bool, similar);
        QFETCH(QString, searched);
        TProgram program(mDb->Path());
        QVERIFY(program.Started());
        if (!similar)
            Click(program.Control<QCheckBox>("mFindSimilarWordsCheckBox"));

        program.Search(typed);

        QCOMPARE(program.PageCount(), 2);
        COMPARE_TEXT(program.Page(), program.SearchPage(searched, "BG", similar));
        QCOMPARE(program.History(), QStringList{searched});
        QCOMPARE(program.WordBox()->currentText(), searched);
        QCOMPARE(program.WordBox()->lineEdit()->selectedText(), searched);
        QVERIFY(program.SearchButton()->isEnabled());
        if (searched.isEmpty())
            QVERIFY(program.Page().contains(Bytes(NotFoundMessage(""))));
    }

    void enterSearchesTheCompletedText_data() {
        QTest::addColumn<QStringList>("history"); // searched first, oldest first
        QTest::addColumn<QString>("typed");       // key by key
        QTest::addColumn<QString>("erase");       // a key pressed after typing, if any
        QTest::addColumn<QString>("shown");       // the box's text when Enter is pressed
        QTest::addColumn<QString>("searched");
        const QStringList varroa{QStringLiteral("Varroa")};
        QTest::newRow("Latin") << varroa << QStringLiteral("va") << QString()
                               << QStringLiteral("varroa") << QStringLiteral("varroa");
        QTest::newRow("Latin mixed case") << varroa << QStringLiteral("vA") << QString()
                                          << QStringLiteral("vArroa") << QStringLiteral("vArroa");
        QTest::newRow("Cyrillic mixed case")
            << QStringList{QStringLiteral("Котка")} << QStringLiteral("кОт") << QString()
            << QStringLiteral("кОтка") << QStringLiteral("КОтка");
        QTest::newRow("older of two items")
            << QStringList{QStringLiteral("Котка"), QStringLiteral("Котарак")}
            << QStringLiteral("ко") << QString() << QStringLiteral("котка")
            << QStringLiteral("Котка");
        QTest::newRow("longer than any item")
            << varroa << QStringLiteral("varroas") << QString() << QStringLiteral("varroas")
            << QStringLiteral("varroas");
        QTest::newRow("Delete drops the rest")
            << varroa << QStringLiteral("va") << QStringLiteral("Delete") << QStringLiteral("va")
            << QStringLiteral("va");
        QTest::newRow("Backspace drops the rest")
            << varroa << QStringLiteral("va") << QStringLiteral("Backspace") << QStringLiteral("va")
            << QStringLiteral("va");
    }

    void enterSearchesTheCompletedText() {
        QFETCH(QStringList, history);
        QFETCH(QString, typed);
        QFETCH(QString, erase);
        QFETCH(QString, shown);
        QFETCH(QString, searched);
        TProgram program(mDb->Path());
        QVERIFY(program.Started());
        for (const QString& word : history)
            program.Search(word);
        const qsizetype pages = program.PageCount();

        Type(typed);
        if (!erase.isEmpty())
            Press(erase);
        QLineEdit* edit = program.WordBox()->lineEdit();
        QCOMPARE(edit->text(), shown);
        QCOMPARE(edit->selectedText(), shown.mid(typed.size()));
        Press(Qt::Key_Return);

        QCOMPARE(program.PageCount(), pages + 1);
        COMPARE_TEXT(program.Page(), program.SearchPage(searched));
        QCOMPARE(program.WordBox()->currentText(), searched);
        if (!history.contains(searched, Qt::CaseInsensitive))
            history << searched;
        QCOMPARE(program.History(), history);
    }

    void historyKeepsTheLatestHundredWords() {
        TProgram program(mDb->Path());
        QVERIFY(program.Started());
        QStringList words;
        for (int i = 1; i <= 101; ++i)
            words << QStringLiteral("w%1").arg(i, 3, 10, QLatin1Char('0'));
        for (const QString& word : words.first(100))
            program.Search(word);
        QCOMPARE(program.History(), words.first(100));

        program.Search(words.last());
        QCOMPARE(program.History(), words.mid(1));
        QCOMPARE(program.PageCount(), 102);
    }

    void historyKeepsEarlierCaseOfKnownWord() {
        TProgram program(mDb->Path());
        QVERIFY(program.Started());
        program.Search(QStringLiteral("кот"));
        program.Search(QStringLiteral("куче"));
        const QStringList history{QStringLiteral("Кот"), QStringLiteral("Куче")};
        for (const bool byMouse : {false, true}) {
            program.EnterWord(QStringLiteral("КОТ"));
            if (byMouse)
                Click(program.SearchButton());
            else
                Press(Qt::Key_Return);
            QCOMPARE(program.History(), history);
            QCOMPARE(program.WordBox()->currentText(), u"КОТ");
            QCOMPARE(program.WordBox()->lineEdit()->selectedText(), u"КОТ");
            COMPARE_TEXT(program.Page(), program.SearchPage(QStringLiteral("КОТ")));
        }
    }

    void pickingHistoryItemDoesNotSearch() {
        TProgram program(mDb->Path());
        QVERIFY(program.Started());
        program.Search(QStringLiteral("кот"));
        program.Search(QStringLiteral("куче"));
        program.EnterWord(QString());
        QVERIFY(!program.SearchButton()->isEnabled());
        const QString shownFile = program.PageFile();
        QComboBox* box = program.WordBox();
        QAbstractItemView* list = box->view();
        const auto openTheList = [&] {
            Press(Qt::Key_Down, Qt::AltModifier);
            QVERIFY(QTest::qWaitForWindowExposed(list->window(), kPatience));
        };
        const auto clickTheFirstItem = [&] {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualRect(box->model()->index(0, 0)).center());
            QTRY_VERIFY_WITH_TIMEOUT(!list->window()->isVisible(), kPatience);
            QCOMPARE(box->currentText(), u"Кот");
            QVERIFY(program.SearchButton()->isEnabled());
        };
        // Enter while the list is open only takes the highlighted item.
        const auto enterTakesTheSecondItem = [&] {
            list->setCurrentIndex(box->model()->index(1, 0));
            Press(Qt::Key_Return);
            QTRY_VERIFY_WITH_TIMEOUT(!list->window()->isVisible(), kPatience);
            QCOMPARE(box->currentText(), u"Куче");
        };

        RUN_STEP(openTheList());
        RUN_STEP(clickTheFirstItem());
        RUN_STEP(openTheList());
        RUN_STEP(enterTakesTheSecondItem());

        QCOMPARE(program.PageCount(), 3);
        QCOMPARE(program.PageFile(), shownFile);
        QCOMPARE(program.History(), (QStringList{QStringLiteral("Кот"), QStringLiteral("Куче")}));
    }

    void backAndForwardWalkTheViewsHistory() {
        TProgram program(mDb->Path());
        QVERIFY(program.Started());
        QToolButton* back = program.BackButton();
        QToolButton* forward = program.ForwardButton();
        QVERIFY(!back->isEnabled());
        QVERIFY(!forward->isEnabled());

        QString firstFile, secondFile;
        QByteArray firstPage;
        const auto searchTwoWords = [&] {
            program.Search(QStringLiteral("кот"));
            firstFile = program.PageFile();
            firstPage = program.Page();
            QVERIFY(back->isEnabled());
            program.Search(QStringLiteral("куче"));
            secondFile = program.PageFile();
            QVERIFY(back->isEnabled());
            QVERIFY(!forward->isEnabled());
        };
        // The word box keeps what it holds.
        const auto backShowsTheFirstWordsPageFile = [&] {
            Click(back);
            QCOMPARE(program.PageFile(), firstFile);
            COMPARE_TEXT(program.Page(), firstPage);
            QCOMPARE(program.WordBox()->currentText(), u"Куче");
            QVERIFY(back->isEnabled());
            QVERIFY(forward->isEnabled());
        };
        const auto forwardShowsTheSecondAgain = [&] {
            Click(forward);
            QCOMPARE(program.PageFile(), secondFile);
            QVERIFY(!forward->isEnabled());
        };
        const auto backTwiceReachesTheWelcomePage = [&] {
            Click(back);
            Click(back);
            COMPARE_TEXT(program.Page(), program.Form.Composer().WelcomePageHtml());
            QVERIFY(!back->isEnabled());
        };

        RUN_STEP(searchTwoWords());
        RUN_STEP(backShowsTheFirstWordsPageFile());
        RUN_STEP(forwardShowsTheSecondAgain());
        RUN_STEP(backTwiceReachesTheWelcomePage());
        QCOMPARE(program.PageCount(), 3);
        QCOMPARE(program.History(), (QStringList{QStringLiteral("Кот"), QStringLiteral("Куче")}));
    }

    void commandStateReportsDriveTheButtons() {
        TProgram program(mDb->Path());
        QVERIFY(program.Started());
        TMainForm& form = program.Form;
        QToolButton* back = program.BackButton();
        QToolButton* forward = program.ForwardButton();

        form.mWebBrowserCommandStateChange(program.View(), 2, -1);
        QVERIFY(back->isEnabled());
        form.mWebBrowserCommandStateChange(program.View(), 1, 0x7fff);
        QVERIFY(forward->isEnabled());
        for (const int command : {-1, 0, 3}) {
            form.mWebBrowserCommandStateChange(program.View(), command, 0);
            QVERIFY(back->isEnabled() && forward->isEnabled());
        }
        form.mWebBrowserCommandStateChange(program.View(), 2, 0);
        QVERIFY(!back->isEnabled());
        QVERIFY(forward->isEnabled());
        for (const int command : {-1, 3}) {
            form.mWebBrowserCommandStateChange(program.View(), command, 1);
            QVERIFY(!back->isEnabled());
        }
        form.mWebBrowserCommandStateChange(program.View(), 1, 0);
        QVERIFY(!forward->isEnabled());
    }

    void everyPageGetsFileOfItsOwn() {
        TProgram program(mDb->Path());
        QVERIFY(program.Started());
        const QString welcomeFile = program.PageFile();
        QSet<QString> shown{welcomeFile};
        for (int i = 0; i < 3; ++i) {
            program.Search(QStringLiteral("кот"));
            const QString file = program.PageFile();
            QVERIFY2(!shown.contains(file), qPrintable(file));
            shown.insert(file);
            QVERIFY(QFileInfo(file).fileName().startsWith(u"~Quor"));
            QCOMPARE(QFileInfo(file).dir().canonicalPath(),
                     QDir(program.Pages.Path()).canonicalPath());
            COMPARE_TEXT(program.Page(), program.SearchPage(QStringLiteral("Кот")));
        }
        QCOMPARE(program.PageCount(), 4);
        for (const QString& file : program.Pages.PageFiles())
            QVERIFY2(shown.contains(file), qPrintable(file));
        QCOMPARE(Bytes(ReadFileBytes(welcomeFile)),
                 Bytes(program.Form.Composer().WelcomePageHtml()));
    }

    void pageFilesOfARunGoWhenItEnds() {
        QString folder;
        QStringList left{QStringLiteral("~QuorOther")}; // a page file of another copy
        {
            TProgram program(mDb->Path());
            QVERIFY(program.Started());
            folder = program.Pages.Path();
            WriteFileBytes(folder + u'/' + left.front(), "<html></html>");
            QString resultsFile, wordFile;
            const auto showResultsWordAndErrorPages = [&] {
                program.Search(QStringLiteral("кот"));
                resultsFile = program.PageFile();
                QVERIFY(program.ClickLink(QString::fromStdString(kWordLinkAddress + "3")));
                wordFile = program.PageFile();
                program.Form.ProcessWordUrl("quor://X/ShowWord?wordId=3");
                QVERIFY(program.Page().contains("Server X is not supported."));
                QCOMPARE(program.PageCount(), 5);
            };
            const auto backShowsTheWordPageAgain = [&] {
                Click(program.BackButton());
                QCOMPARE(program.PageFile(), wordFile);
                QVERIFY(program.View()->toPlainText().contains(u"котарак"));
            };
            // A page file that can not be removed stays where it is.
            const auto makeTheResultsPageFileUnremovable = [&] {
                QVERIFY(QFile::remove(resultsFile));
                QVERIFY(QDir().mkpath(resultsFile + QStringLiteral("/x")));
                left << QFileInfo(resultsFile).fileName();
            };

            RUN_STEP(showResultsWordAndErrorPages());
            RUN_STEP(backShowsTheWordPageAgain());
            RUN_STEP(makeTheResultsPageFileUnremovable());
            program.Pages.KeepAfterwards();
        }
        QStringList found = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        QDir(folder).removeRecursively();
        found.sort();
        left.sort();
        QCOMPARE(found, left);
    }

    void missingStylesheetWarnsOncePerPage() {
        TProgram program(mDb->Path(), nullptr);
        QVERIFY(program.Started());
        QCOMPARE(program.Boxes.Boxes().size(), 0u);

        program.Search(QStringLiteral("кот"));
        program.Search(QStringLiteral("куче"));
        QCOMPARE(program.Boxes.Texts(), QStringLiteral("Can not read stylesheet styles.css | "
                                                       "Can not read stylesheet styles.css"));
        for (const TMessageBoxRecorder::TBox& box : program.Boxes.Boxes()) {
            QVERIFY(!box.IsError);
            QCOMPARE(box.Title, u"test_main_window");
        }
        QCOMPARE(program.PageCount(), 3);
        QVERIFY(program.Page().startsWith(Bytes(
            "<html>\r\n" + PageHead() +
            "\r\n<body>\r\n\r\n<p class=\"InfoMessage\">Query results for word \"" + Cp("Куче"))));
    }

    void missingDatabaseReportedOnceAtStart() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("none/QuorSemanticNetwork.mdb"));
        TProgram program(path);
        QVERIFY(program.Started());
        QCOMPARE(program.Boxes.Boxes().size(), 1u);
        QVERIFY(program.Boxes.Boxes().front().IsError);
        QVERIFY2(program.Boxes.Texts().contains(path), qPrintable(program.Boxes.Texts()));
        COMPARE_TEXT(program.Page(), program.Form.Composer().WelcomePageHtml());

        program.Search(QStringLiteral("кот"));
        QCOMPARE(program.PageCount(), 2);
        COMPARE_TEXT(program.Page(), program.SearchPage(QStringLiteral("Кот")));
        QVERIFY(program.Page().contains(Bytes("<body>\r\n\r\n" + kSearchErrorOpening)));
        QCOMPARE(program.Boxes.Boxes().size(), 1u);
        QVERIFY(!QFileInfo::exists(path));
    }

    void missingTemporaryFolderReportedAndSurvived() {
        TProgram program(mDb->Path());
        QVERIFY(program.Started());
        program.Search(QStringLiteral("кот"));
        const QString shownFile = program.PageFile();
        const QString missing = program.Pages.Path() + QStringLiteral("/missing");
        // The word goes into the history; the view keeps its page.
        const auto searchWhileTheFolderIsMissing = [&] {
            qputenv("TMPDIR", QFile::encodeName(missing));
            program.Search(QStringLiteral("куче"));
            qputenv("TMPDIR", QFile::encodeName(program.Pages.Path()));
            QCOMPARE(program.History(),
                     (QStringList{QStringLiteral("Кот"), QStringLiteral("Куче")}));
            const std::vector<TMessageBoxRecorder::TBox>& boxes = program.Boxes.Boxes();
            QVERIFY2(boxes.size() == 1 && boxes.front().IsError &&
                         boxes.front().Text.contains(missing),
                     qPrintable(program.Boxes.Texts()));
            QCOMPARE(program.PageFile(), shownFile);
        };
        const auto searchOnceTheFolderIsBack = [&] {
            program.Boxes.Clear();
            program.Search(QStringLiteral("котка"));
            COMPARE_TEXT(program.Page(), program.SearchPage(QStringLiteral("Котка")));
            QCOMPARE(QFileInfo(program.PageFile()).dir().canonicalPath(),
                     QDir(program.Pages.Path()).canonicalPath());
            QCOMPARE(program.Boxes.Texts(), QString());
        };

        RUN_STEP(searchWhileTheFolderIsMissing());
        RUN_STEP(searchOnceTheFolderIsBack());
    }

    void optionsTakeEffectAtNextSearchOnly() {
        TProgram program(mDb->Path());
        QVERIFY(program.Started());
        program.Search(QStringLiteral("кот"));
        const QByteArray firstPage = program.Page();
        // The options shown have no effect on the page.
        const auto clearTheFourRelationOptionsAndSearchAgain = [&] {
            for (const char* name : {"mFindHomonymsCheckBox", "mFindSynonymsCheckBox",
                                     "mFindAntonymsCheckBox", "mFindHyponymsCheckBox"}) {
                QCheckBox* option = program.Control<QCheckBox>(name);
                QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
                QVERIFY2(!option->isChecked(), name);
            }
            Press(Qt::Key_Return); // the focus stays in the search strip: Enter searches
            QCOMPARE(program.PageCount(), 3);
            COMPARE_TEXT(program.Page(), firstPage);
        };
        const auto pickRussianWhichSearchesNothingYet = [&] {
            Click(program.WordBox()->lineEdit());
            Press(Qt::Key_Tab);
            QComboBox* language = program.Control<QComboBox>("mLanguageComboBox");
            QCOMPARE(QApplication::focusWidget(), language);
            Press(Qt::Key_Down);
            QCOMPARE(language->currentText(), u"RU");
            QCOMPARE(program.PageCount(), 3);
        };
        const auto enterSearchesInRussian = [&] {
            Press(Qt::Key_Return);
            QCOMPARE(program.PageCount(), 4);
            COMPARE_TEXT(program.Page(), program.SearchPage(QStringLiteral("Кот"), "RU"));
            QVERIFY(program.Page() != firstPage);
        };

        RUN_STEP(clearTheFourRelationOptionsAndSearchAgain());
        RUN_STEP(pickRussianWhichSearchesNothingYet());
        RUN_STEP(enterSearchesInRussian());
    }

    void controlsKeepTheirDesignedPlaces_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("place");      // as designed
        QTest::addColumn<int>("pixels");       // of the captions' font; 0: the desktop's
        QTest::addColumn<QString>("previous"); // the control before it in its row
        const struct {
            const char* Name;
            QRect Place;
        } row[] = {{"mBrowserBackButton", {8, 33, 53, 22}},
                   {"mBrowserForwardButton", {63, 33, 65, 22}},
                   {"mFindSimilarWordsCheckBox", {138, 35, 105, 17}},
                   {"mFindHomonymsCheckBox", {252, 35, 93, 17}},
                   {"mFindSynonymsCheckBox", {356, 35, 89, 17}},
                   {"mFindAntonymsCheckBox", {452, 35, 89, 17}},
                   {"mFindHyponymsCheckBox", {548, 35, 89, 17}}};
        for (std::size_t i = 0; i < std::size(row); ++i) {
            const QString name = QString::fromLatin1(row[i].Name);
            const QString previous = QString::fromLatin1(i > 0 ? row[i - 1].Name : "");
            QTest::addRow("%s, captions that fit", row[i].Name)
                << name << row[i].Place << kFittingCaptions << previous;
            QTest::addRow("%s, captions too wide", row[i].Name)
                << name << row[i].Place << kTooWideCaptions << previous;
        }
        QTest::newRow("title shadow")
            << QStringLiteral("Label8") << QRect(57, 26, 191, 22) << 0 << QString();
        QTest::newRow("title") << QStringLiteral("Label1") << QRect(56, 25, 191, 22) << 0
                               << QString();
    }

    void controlsKeepTheirDesignedPlaces() {
        QFETCH(QString, control);
        QFETCH(QRect, place);
        QFETCH(int, pixels);
        QFETCH(QString, previous);
        std::optional<TCaptionFont> captions;
        if (pixels > 0)
            captions.emplace(pixels);
        TProgram program(mDb->Path());
        QVERIFY(program.Started());
        const auto find = [&](const QString& name) {
            QWidget* found = program.Form.findChild<QWidget*>(name);
            return found ? found : program.About.findChild<QWidget*>(name);
        };
        QWidget* widget = find(control);
        QVERIFY(widget);
        const QRect shown = widget->geometry();

        QVERIFY2(widget->sizeHint().width() <= shown.width(), "the caption fits");
        if (pixels != kTooWideCaptions) {
            QCOMPARE(shown, place);
        } else {
            QVERIFY(shown.width() > place.width());
            QCOMPARE(shown.top(), place.top());
            QVERIFY(shown.left() >= place.left());
            if (!previous.isEmpty())
                QVERIFY2(shown.left() > find(previous)->geometry().right() + 1, "a gap");
        }
    }

    void aboutBoxCloses_data() {
        QTest::addColumn<QString>("action"); // keys pressed, a click on Close, or close()
        for (const char* action : {"Escape", "Shift+Escape", "Ctrl+Escape", "Return", "Space", "C",
                                   "Alt+C", "click", "close()"})
            QTest::newRow(action) << QString::fromLatin1(action);
    }

    void aboutBoxCloses() {
        QFETCH(QString, action);
        TProgram program(mDb->Path());
        QVERIFY(program.Started());
        QVERIFY(!program.About.isVisible());
        bool keptOpenByOtherKey = false;
        const TAboutShowing showing = ShowAbout(program, [&](TAboutDialog& box) {
            Press(Qt::Key_X);
            keptOpenByOtherKey = box.isVisible();
            if (action == u"click")
                Click(box.findChild<QPushButton*>(QStringLiteral("CloseButton")));
            else if (action == u"close()")
                box.close();
            else
                Press(action);
        });
        QVERIFY(showing.ModalWhileShown);
        QCOMPARE(showing.Focus, program.About.findChild<QWidget*>(QStringLiteral("CloseButton")));
        QVERIFY(keptOpenByOtherKey);
        QVERIFY(showing.ClosedByAction);
        QCOMPARE(showing.Result, int(QDialog::Rejected));
        QVERIFY(!program.About.isVisible());
        QCOMPARE(program.PageCount(), 1);
    }

    void aboutBoxReopensWhereItWasClosed() {
        TProgram program(mDb->Path());
        QVERIFY(program.Started());
        QRect moved;
        const TAboutShowing first = ShowAbout(program, [&](TAboutDialog& box) {
            box.move(box.pos() + QPoint(40, 30));
            moved = box.frameGeometry();
            Press(Qt::Key_Escape);
        });
        QVERIFY(OffCentre(program.About, first.Place).manhattanLength() <= 1);

        const TAboutShowing second =
            ShowAbout(program, [](TAboutDialog&) { Press(Qt::Key_Escape); });
        QVERIFY(second.ModalWhileShown);
        QVERIFY(second.ClosedByAction);
        QCOMPARE(second.Place, moved);
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"

// The desktop program around the pages: keys and mouse buttons from anywhere in the window, the
// smallest window, zoom, find in page, printing and saving. Real events on the real window under
// the offscreen platform, on pages whose stylesheet fixes its font sizes in points.
#include "ProgramDriver.h"
#include "TestSupport.h"
#include "core/pages/PageComposer.h"
#include "core/store/QuorData.h"
#include "core/text/CodePage.h"
#include "window/PageDialogs.h"
#include "window/WindowPlacement.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

#include <memory>
#include <optional>

using namespace Quor;

namespace {

const std::string kPointSizes = "body { font-size: 24pt; }\r\n"
                                "span.Word { font-size: 13pt; }\r\n"
                                "td.TableCaptionCell { font-size: 9pt; }\r\n";

// Presses keys written as in a shortcut ("Alt+Left") where the keyboard goes.
void PressKeys(const QString& keys) {
    const QKeyCombination combination = QKeySequence::fromString(keys)[0];
    Press(combination.key(), combination.keyboardModifiers());
}

// Types text, Cyrillic included, one key at a time.
void TypeText(const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, KeyboardTarget(), Qt::Key(c.toUpper().unicode()),
                            QString(c), Qt::NoModifier);
}

// Types a word into the emptied word box and presses Enter.
void SearchFor(TRunningProgram& program, const QString& word) {
    QTest::mouseClick(program.WordBox()->lineEdit(), Qt::LeftButton);
    Press(Qt::Key_A, Qt::ControlModifier);
    TypeText(word);
    if (program.WordBox()->lineEdit()->hasSelectedText())
        Press(Qt::Key_Delete);
    Press(Qt::Key_Return);
}

// Moves the focus with Tab from the word box to the named control.
bool TabTo(TRunningProgram& program, const QString& name) {
    QTest::mouseClick(program.WordBox()->lineEdit(), Qt::LeftButton);
    for (int presses = 0; presses < 12; ++presses) {
        QWidget* focus = QApplication::focusWidget();
        if (focus->objectName() == name || focus->parentWidget()->objectName() == name)
            return true;
        Press(Qt::Key_Tab);
    }
    return false;
}

// Clicks the window's About button or presses its key: the about box comes up modal and Escape
// closes it. True when it was shown so.
bool AboutBoxShownBy(TRunningProgram& program, const std::function<void()>& action) {
    bool shown = false;
    QTimer::singleShot(0, &program.About, [&] {
        shown = QTest::qWaitForWindowActive(&program.About) &&
                QApplication::activeModalWidget() == &program.About;
        Press(Qt::Key_Escape);
    });
    action();
    return shown && !program.About.isVisible();
}

// The page that a search for the (normalised) word in Bulgarian, similar words too, composes.
QByteArray ComposedSearchPage(TRunningProgram& program, const QString& word) {
    TPageComposer& composer = program.Form.Composer();
    return QByteArray::fromStdString(
        composer.HtmlPage(composer.SearchWordsHtml(ToPageText(word), "BG", true)));
}

// The height in pixels of the line that names the search on the page the view shows.
int LineHeight(QTextBrowser* view) {
    QTextCursor at(view->document());
    at.setPosition(view->toPlainText().indexOf(u"results"));
    return view->cursorRect(at).height();
}

// Whether a height is `percent` of the normal one, but for the rounding of font sizes to pixels.
bool Scaled(int height, int normal, int percent) {
    return qAbs(height * 100.0 / normal - percent) <= 2 + percent * 0.03;
}

// Turns the mouse wheel over the page by `angle` (120 a notch, towards the user when negative).
void TurnWheel(QTextBrowser* view, int angle, Qt::KeyboardModifiers modifiers) {
    QWidget* page = view->viewport();
    const QPoint middle = page->rect().center();
    QWheelEvent wheel(middle, page->mapToGlobal(middle), {}, {0, angle}, Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(page, &wheel);
}

// Answers the dialogs of saving and printing while it lives: the file dialog with `path` (empty:
// cancelled), the print dialog by printing into the PDF file at `path`.
struct TPageDialogAnswers {
    explicit TPageDialogAnswers(const QString& path) {
        SetSaveFileDialogFunction([this, path](TPageFileKind, const QString& suggested) {
            ++Asked;
            Suggested = suggested;
            return path;
        });
        SetPrintDialogFunction([this, path](QPrinter& printer) {
            ++Asked;
            printer.setOutputFileName(path);
            return !path.isEmpty();
        });
    }
    ~TPageDialogAnswers() {
        SetSaveFileDialogFunction({});
        SetPrintDialogFunction({});
    }
    TPageDialogAnswers(const TPageDialogAnswers&) = delete;
    TPageDialogAnswers& operator=(const TPageDialogAnswers&) = delete;

    int Asked = 0;
    QString Suggested;
};

// Counts the events of one type that a widget receives while it lives.
class TEventCounter final : public QObject {
public:
    TEventCounter(QWidget* widget, QEvent::Type type) : mType(type) {
        widget->installEventFilter(this);
    }
    int Count() const { return mCount; }
    void Reset() { mCount = 0; }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == mType)
            ++mCount;
        return false;
    }

private:
    QEvent::Type mType;
    int mCount = 0;
};

// Clicks the right mouse button over the page: the platform sends the view a context menu event.
void OpenContextMenu(QTextBrowser* view, const QPoint& where) {
    QWidget* page = view->viewport();
    QContextMenuEvent click(QContextMenuEvent::Mouse, where, page->mapToGlobal(where));
    QApplication::sendEvent(page, &click);
    QVERIFY(QTest::qWaitForWindowExposed(QApplication::activePopupWidget()));
}

// The text of a PDF file as Debian's pdftotext reads it.
QString PdfText(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished() || pdftotext.exitCode() != 0)
        return QStringLiteral("(pdftotext failed: %1)")
            .arg(QString::fromLocal8Bit(pdftotext.readAllStandardError()));
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

} // namespace

class TestDesktop : public QObject {
    Q_OBJECT

    std::unique_ptr<TFixtureDatabase> mDb;

private Q_SLOTS:
    void init() { mDb = SmallNetwork::NewDatabase(); }
    void cleanup() { mDb.reset(); }

    // Three pages are shown (the welcome page, Кот, Куче); Back is clicked `backs` times, and the
    // key or mouse button comes where the focus or the mouse is.
    void keysAndMouseButtons_data() {
        QTest::addColumn<QString>("input"); // keys as in a shortcut, or a mouse button
        QTest::addColumn<QString>("where"); // the control with the focus, or under the mouse
        QTest::addColumn<int>("backs");
        QTest::addColumn<QString>("effect");
        QTest::addColumn<QString>("tooltip"); // the strip control whose tooltip names the keys
        const auto row = [](const char* input, const char* where, int backs, const char* effect,
                            const char* tooltip = "") {
            QTest::addRow("%s in %s, %d back: %s", input, where, backs, effect)
                << QString::fromLatin1(input) << QString::fromLatin1(where) << backs
                << QString::fromLatin1(effect) << QString::fromLatin1(tooltip);
        };
        row("Alt+Left", "mWordComboBox", 0, "back", "mBrowserBackButton");
        row("Alt+Left", "mWebBrowser", 0, "back");
        row("Alt+Left", "mLanguageComboBox", 2, "nothing");
        row("Alt+Right", "mFindSimilarWordsCheckBox", 1, "forward", "mBrowserForwardButton");
        row("Alt+Right", "mWebBrowser", 0, "nothing");
        row("Backspace", "mWebBrowser", 1, "back", "mBrowserBackButton");
        row("Backspace", "mWordComboBox", 0, "deletes");
        row("Escape", "mWebBrowser", 0, "word box");
        row("Ctrl+L", "mWebBrowser", 0, "word box", "mWordComboBox");
        row("Alt+D", "mSearchButton", 0, "word box", "mWordComboBox");
        row("F6", "mFindHyponymsCheckBox", 0, "word box", "mWordComboBox");
        row("mouse back", "mWebBrowser", 0, "back");
        row("mouse back", "mWordComboBox", 2, "nothing");
        row("mouse forward", "mFindHomonymsCheckBox", 1, "forward");
        row("F1", "mWebBrowser", 0, "about", "mAboutButton");
        row("Ctrl+Q", "mWordComboBox", 0, "quits");
    }

    void keysAndMouseButtons() {
        QFETCH(QString, input);
        QFETCH(QString, where);
        QFETCH(int, backs);
        QFETCH(QString, effect);
        QFETCH(QString, tooltip);
        TRunningProgram program(mDb->Path(), &kPointSizes);
        QVERIFY(program.Started());
        QStringList files{program.PageFile()};
        for (const QString& word : {QStringLiteral("кот"), QStringLiteral("куче")}) {
            SearchFor(program, word);
            files << program.PageFile();
        }
        for (int i = 0; i < backs; ++i)
            QTest::mouseClick(program.BackButton(), Qt::LeftButton);
        const QString shown = files[2 - backs];
        QCOMPARE(program.PageFile(), shown);
        QLineEdit* wordBox = program.WordBox()->lineEdit();
        wordBox->deselect();
        QWidget* control = program.Form.findChild<QWidget*>(where);
        QVERIFY(control);

        if (input.startsWith(u"mouse")) {
            const Qt::MouseButton button =
                input.endsWith(u"back") ? Qt::BackButton : Qt::ForwardButton;
            QWidget* target = control == program.View() ? program.View()->viewport() : control;
            QTest::mouseClick(target, button);
        } else if (effect == u"about") {
            QVERIFY(TabTo(program, where));
            QVERIFY(AboutBoxShownBy(program, [&] { PressKeys(input); }));
        } else {
            QVERIFY(TabTo(program, where));
            PressKeys(input);
        }

        if (effect == u"quits") {
            QVERIFY(!program.Form.isVisible());
            return;
        }
        const int step = effect == u"back" ? -1 : effect == u"forward" ? 1 : 0;
        QCOMPARE(program.PageFile(), files[2 - backs + step]);
        QCOMPARE(program.PageCount(), 3);
        QCOMPARE(program.History(), (QStringList{QStringLiteral("Кот"), QStringLiteral("Куче")}));
        QCOMPARE(wordBox->text(), effect == u"deletes" ? u"Куч" : u"Куче");
        if (effect == u"word box") {
            QCOMPARE(QApplication::focusWidget(), program.WordBox());
            QCOMPARE(wordBox->selectedText(), u"Куче");
        }
        if (!tooltip.isEmpty()) {
            const QString text = program.Form.findChild<QWidget*>(tooltip)->toolTip();
            QVERIFY2(text.contains(input), qPrintable(text));
        }
    }

    // Keys in the word box and the wheel over the page zoom the page; the zoom holds for the
    // next page. What grows is the height of the line of a word whose size is fixed in points.
    void zoom_data() {
        QTest::addColumn<QStringList>("inputs"); // keys as in a shortcut, or the wheel
        QTest::addColumn<int>("percent");
        const auto times = [](int count, const QString& input) {
            return QStringList(count, input);
        };
        QTest::newRow("Ctrl+Plus") << QStringList{QStringLiteral("Ctrl++")} << 110;
        QTest::newRow("Ctrl+=") << QStringList{QStringLiteral("Ctrl+=")} << 110;
        QTest::newRow("Ctrl+Plus on the keypad")
            << QStringList{QStringLiteral("keypad Ctrl++")} << 110;
        QTest::newRow("Ctrl+Minus") << QStringList{QStringLiteral("Ctrl+-")} << 90;
        QTest::newRow("up to 300 %") << times(20, QStringLiteral("Ctrl++")) << 300;
        QTest::newRow("down to 50 %") << times(20, QStringLiteral("Ctrl+-")) << 50;
        QTest::newRow("Ctrl+0") << QStringList{QStringLiteral("Ctrl++"), QStringLiteral("Ctrl++"),
                                               QStringLiteral("Ctrl+0")}
                                << 100;
        QTest::newRow("Ctrl and wheel up") << times(2, QStringLiteral("Ctrl+wheel 120")) << 125;
        QTest::newRow("Ctrl and half notches down")
            << times(3, QStringLiteral("Ctrl+wheel -60")) << 90;
        QTest::newRow("wheel alone") << QStringList{QStringLiteral("wheel -120")} << 100;
    }

    void zoom() {
        QFETCH(QStringList, inputs);
        QFETCH(int, percent);
        TRunningProgram program(mDb->Path(), &kPointSizes);
        QVERIFY(program.Started());
        SearchFor(program, QStringLiteral("кот"));
        const int normal = LineHeight(program.View());

        for (const QString& input : inputs) {
            if (input.contains(u"wheel"))
                TurnWheel(program.View(), input.section(u' ', 1).toInt(),
                          input.startsWith(u"Ctrl") ? Qt::ControlModifier : Qt::NoModifier);
            else if (input.startsWith(u"keypad"))
                Press(Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
            else
                PressKeys(input);
        }
        const int shown = LineHeight(program.View());
        QVERIFY2(Scaled(shown, normal, percent),
                 qPrintable(QStringLiteral("%1 pixels of %2").arg(shown).arg(normal)));

        SearchFor(program, QStringLiteral("куче"));
        QCOMPARE(program.Page(), ComposedSearchPage(program, QStringLiteral("Куче")));
        const int zoomed = LineHeight(program.View());
        PressKeys(QStringLiteral("Ctrl+0"));
        QVERIFY2(Scaled(zoomed, LineHeight(program.View()), percent),
                 "the next page keeps the zoom");
    }

    // A page too long for the page area, shown where another such page was, is laid out once at
    // the area's width: the vertical scroll bar stays, and the area never changes its width.
    void longPageKeepsTheAreasWidth_data() {
        QTest::addColumn<QStringList>("steps"); // "search:" a word, "back" or "forward"; the last
                                                // one is watched
        QTest::newRow("a search") << QStringList{QStringLiteral("search:кот"),
                                                 QStringLiteral("search:куче")};
        QTest::newRow("Back") << QStringList{QStringLiteral("search:кот"),
                                             QStringLiteral("search:куче"), QStringLiteral("back")};
        QTest::newRow("Forward") << QStringList{QStringLiteral("search:кот"),
                                                QStringLiteral("search:куче"),
                                                QStringLiteral("back"), QStringLiteral("forward")};
    }

    void longPageKeepsTheAreasWidth() {
        QFETCH(QStringList, steps);
        const std::string tall = "body { font-size: 60pt; }\r\n";
        TRunningProgram program(mDb->Path(), &tall);
        QVERIFY(program.Started());
        QWidget* area = program.View()->viewport();
        TEventCounter resizes(area, QEvent::Resize);
        for (const QString& step : steps) {
            resizes.Reset();
            if (step.startsWith(u"search:"))
                SearchFor(program, step.section(u':', 1));
            else
                Click(step == u"back" ? program.BackButton() : program.ForwardButton());
        }
        QVERIFY(program.View()->verticalScrollBar()->isVisible());
        QCOMPARE(resizes.Count(), 0);
    }

    // The find bar on the page of the search for кот: four matches of котарак, one of Query.
    // Each text is typed, one key at a time, and searched with Enter; then the user acts on the
    // suggestions the last search offered.
    void suggestionBar_data() {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("action"); // "none", "Enter" (after Tab), "click", "Escape in
                                             // the bar" (after Tab), "Escape in the word box"
        QTest::addColumn<QStringList>("offered"); // "word | tooltip" of each button shown
        QTest::addColumn<QString>("searched");    // the text the action searched; empty for none
        const auto row = [](const char* name, std::initializer_list<const char*> texts,
                            const char* action, std::initializer_list<const char*> offered,
                            const char* searched = "") {
            QStringList typed, buttons;
            for (const char* text : texts)
                typed << QString::fromUtf8(text);
            for (const char* button : offered)
                buttons << QString::fromUtf8(button);
            QTest::newRow(name) << typed << QString::fromLatin1(action) << buttons
                                << QString::fromUtf8(searched);
        };
        row("a form offers its word", {"котката"}, "none", {"котка | dictionary form of Котката"});
        row("found: no bar", {"кот"}, "none", {});
        row("found after nothing: the bar goes", {"котката", "кот"}, "none", {});
        row("Latin letters, Tab and Enter", {"kotka"}, "Enter", {"котка | from Latin letters"},
            "котка");
        row("clicked", {"кучето"}, "click", {"куче | dictionary form of Кучето"}, "куче");
        row("Escape in the bar", {"котката"}, "Escape in the bar", {});
        row("Escape in the word box", {"котката"}, "Escape in the word box", {});
    }

    void suggestionBar() {
        QFETCH(QStringList, texts);
        QFETCH(QString, action);
        QFETCH(QStringList, offered);
        QFETCH(QString, searched);
        TRunningProgram program(mDb->Path(), &kPointSizes);
        QVERIFY(program.Started());
        for (const QString& text : texts)
            SearchFor(program, text);
        // The page is the one the search composes, whatever the bar offers.
        const QString searchedText = program.WordBox()->currentText();
        QCOMPARE(program.Page(), program.SearchPage(searchedText));
        auto* bar = program.Control<QWidget>("mSuggestionBar");
        auto* first = program.Control<QPushButton>("mSuggestionButton1");
        const QStringList history = program.History();

        if (action == u"Enter" || action == u"Escape in the bar") {
            QVERIFY(TabTo(program, QStringLiteral("mSuggestionButton1")));
            Press(action == u"Enter" ? Qt::Key_Return : Qt::Key_Escape);
        } else if (action == u"click") {
            QTest::mouseClick(first, Qt::LeftButton);
        } else if (action == u"Escape in the word box") {
            QTest::mouseClick(program.WordBox()->lineEdit(), Qt::LeftButton);
            Press(Qt::Key_Escape);
        }
        if (action == u"none") {
            QStringList shown;
            for (QPushButton* button : bar->findChildren<QPushButton*>())
                if (button->isVisible())
                    shown << button->text() + QStringLiteral(" | ") + button->toolTip();
            QCOMPARE(shown, offered);
            QCOMPARE(bar->isVisible(), !offered.isEmpty());
            return;
        }
        QVERIFY(!bar->isVisible());
        if (searched.isEmpty()) {
            QCOMPARE(QApplication::focusWidget(), program.WordBox());
            QCOMPARE(program.History(), history);
            return;
        }
        QString normalised = searched;
        normalised[0] = normalised[0].toUpper();
        QCOMPARE(program.WordBox()->currentText(), normalised);
        QCOMPARE(program.History(), history + QStringList{normalised});
        QCOMPARE(program.Page(), program.SearchPage(normalised));
    }

    void findInPage_data() {
        QTest::addColumn<QStringList>("steps"); // keys, "type:" a text, "search:" a word
        QTest::addColumn<bool>("open");
        QTest::addColumn<QString>("matches");  // the bar's count
        QTest::addColumn<int>("marked");       // matches highlighted in the page
        QTest::addColumn<QString>("selected"); // in the page: the current match
        const auto steps = [](const char* text) { return QString::fromUtf8(text).split(u'|'); };
        QTest::newRow("Cyrillic in capitals")
            << steps("Ctrl+F|type:КОТАРАК") << true << QStringLiteral("1 of 4") << 4
            << QStringLiteral("котарак");
        QTest::newRow("Latin in capitals")
            << steps("Ctrl+F|type:QUERY") << true << QStringLiteral("1 of 1") << 1
            << QStringLiteral("Query");
        QTest::newRow("as it is typed") << steps("Ctrl+F|type:котк") << true
                                        << QStringLiteral("1 of 3") << 3 << QStringLiteral("котк");
        QTest::newRow("F3") << steps("Ctrl+F|type:котарак|F3") << true << QStringLiteral("2 of 4")
                            << 4 << QStringLiteral("котарак");
        QTest::newRow("Enter") << steps("Ctrl+F|type:котарак|Return|Return") << true
                               << QStringLiteral("3 of 4") << 4 << QStringLiteral("котарак");
        QTest::newRow("Shift+F3 round the start")
            << steps("Ctrl+F|type:котарак|Shift+F3") << true << QStringLiteral("4 of 4") << 4
            << QStringLiteral("котарак");
        QTest::newRow("Shift+Enter") << steps("Ctrl+F|type:котарак|Shift+Return") << true
                                     << QStringLiteral("4 of 4") << 4 << QStringLiteral("котарак");
        QTest::newRow("no match") << steps("Ctrl+F|type:кучешки") << true
                                  << QStringLiteral("No matches") << 0 << QString();
        QTest::newRow("Escape") << steps("Ctrl+F|type:котарак|Escape") << false << QString() << 0
                                << QStringLiteral("котарак");
        QTest::newRow("F3 opens the bar") << steps("F3") << true << QString() << 0 << QString();
        QTest::newRow("Ctrl+F again selects the text")
            << steps("Ctrl+F|type:котарак|Escape|Ctrl+F|type:query") << true
            << QStringLiteral("1 of 1") << 1 << QStringLiteral("Query");
        QTest::newRow("F3 after Escape, same page")
            << steps("Ctrl+F|type:котарак|Escape|F3") << true << QStringLiteral("2 of 4") << 4
            << QStringLiteral("котарак");
        QTest::newRow("F3 after Escape, next page")
            << steps("Ctrl+F|type:котарак|Escape|search:котарак|F3") << true
            << QStringLiteral("1 of 3") << 3 << QStringLiteral("Котарак");
        QTest::newRow("the next page") << steps("Ctrl+F|type:кот|search:котка") << true
                                       << QStringLiteral("1 of 4") << 4 << QStringLiteral("Кот");
        QTest::newRow("zoomed") << steps("Ctrl++|Ctrl+F|type:КОТАРАК|F3") << true
                                << QStringLiteral("2 of 4") << 4 << QStringLiteral("котарак");
    }

    void findInPage() {
        QFETCH(QStringList, steps);
        QFETCH(bool, open);
        QFETCH(QString, matches);
        QFETCH(int, marked);
        QFETCH(QString, selected);
        TRunningProgram program(mDb->Path(), &kPointSizes);
        QVERIFY(program.Started());
        SearchFor(program, QStringLiteral("кот"));
        QWidget* bar = program.Form.findChild<QWidget*>(QStringLiteral("mFindBar"));
        QVERIFY(bar && bar->isHidden());
        const int pageHeight = program.View()->height();

        for (const QString& step : steps) {
            if (step.startsWith(u"type:")) {
                TypeText(step.mid(5));
            } else if (step.startsWith(u"search:")) {
                PressKeys(QStringLiteral("Ctrl+L"));
                TypeText(step.mid(7));
                Press(Qt::Key_Delete);
                Press(Qt::Key_Return);
            } else {
                PressKeys(step);
            }
        }

        QCOMPARE(bar->isVisible(), open);
        // The open bar takes its own height from the page, no more.
        QTRY_COMPARE(program.View()->height() + (open ? bar->sizeHint().height() : 0), pageHeight);
        QWidget* focus = !open ? program.View()
                         : steps.last().startsWith(u"search:")
                             ? program.WordBox()
                             : bar->findChild<QWidget*>(QStringLiteral("mFindText"));
        QCOMPARE(QApplication::focusWidget(), focus);
        if (open)
            QCOMPARE(bar->findChild<QLabel*>(QStringLiteral("mFindMatchesLabel"))->text(), matches);
        QCOMPARE(program.View()->extraSelections().size(), marked);
        QCOMPARE(program.View()->textCursor().selectedText(), selected);
        QCOMPARE(program.PageCount(), 2 + steps.filter(QStringLiteral("search:")).size());
    }

    // The page shown (Куче's, or Кот's after Back) saved, printed or exported, or its link's
    // address copied: the keys, or the page view's context menu opened with the right mouse
    // button and an item taken by its underlined letter.
    void pageOutput_data() {
        QTest::addColumn<QStringList>("steps"); // keys, or "menu" (over link 3 after "on link")
        QTest::addColumn<QString>("answer");    // the file the dialog answers; empty: cancelled
        QTest::addColumn<QString>("expected");  // the page file's bytes, the page's words in the
                                                // PDF, an error box, nothing, or the clipboard
        const auto steps = [](const char* text) { return QString::fromLatin1(text).split(u'|'); };
        QTest::newRow("Ctrl+S") << steps("Ctrl+S") << QStringLiteral("page.html")
                                << QStringLiteral("page file");
        QTest::newRow("Ctrl+S after Back")
            << steps("Alt+Left|Ctrl+S") << QStringLiteral("page.html")
            << QStringLiteral("page file");
        QTest::newRow("menu: Save Page As")
            << steps("menu|S") << QStringLiteral("page.html") << QStringLiteral("page file");
        QTest::newRow("Ctrl+S cancelled")
            << steps("Ctrl+S") << QString() << QStringLiteral("nothing");
        QTest::newRow("Ctrl+S into a missing folder")
            << steps("Ctrl+S") << QStringLiteral("missing/page.html") << QStringLiteral("error");
        QTest::newRow("Ctrl+P") << steps("Ctrl+P") << QStringLiteral("printed.pdf")
                                << QStringLiteral("words");
        QTest::newRow("menu: Export to PDF, zoomed")
            << steps("Ctrl++|menu|D") << QStringLiteral("page.pdf") << QStringLiteral("words");
        QTest::newRow("menu: Export to PDF into a missing folder")
            << steps("menu|D") << QStringLiteral("missing/page.pdf") << QStringLiteral("error");
        QTest::newRow("menu: Copy Link Address")
            << steps("Alt+Left|on link|menu|L") << QString()
            << QStringLiteral("quor://QuorSemanticNetworkServer/ShowWord?wordId=3");
    }

    void pageOutput() {
        QFETCH(QStringList, steps);
        QFETCH(QString, answer);
        QFETCH(QString, expected);
        TRunningProgram program(mDb->Path(), &kPointSizes);
        QVERIFY(program.Started());
        SearchFor(program, QStringLiteral("кот"));
        SearchFor(program, QStringLiteral("куче"));
        QTemporaryDir folder;
        const QString target = answer.isEmpty() ? QString() : folder.filePath(answer);
        TPageDialogAnswers dialogs(target);
        QGuiApplication::clipboard()->clear();

        QPoint where = program.View()->viewport()->rect().center();
        for (const QString& step : steps) {
            if (step == u"on link")
                where = LinkPoint(program.View(), expected);
            else if (step == u"menu")
                OpenContextMenu(program.View(), where);
            else
                PressKeys(step);
        }

        QCOMPARE(dialogs.Asked, answer.isEmpty() && expected != u"nothing" ? 0 : 1);
        const QStringList saved =
            folder.isValid() ? QDir(folder.path()).entryList(QDir::Files) : QStringList();
        if (expected == u"page file") {
            QCOMPARE(saved, QStringList{answer});
            QCOMPARE(QByteArray::fromStdString(ReadFileBytes(target)), program.Page());
            const QString word =
                steps.contains(u"Alt+Left") ? QStringLiteral("Кот") : QStringLiteral("Куче");
            QCOMPARE(dialogs.Suggested.section(u'/', -1), word + QStringLiteral(".html"));
        } else if (expected == u"words") {
            const QString text = PdfText(target);
            const QStringList words = program.View()->toPlainText().split(
                QRegularExpression(QStringLiteral("\\W+"),
                                   QRegularExpression::UseUnicodePropertiesOption),
                Qt::SkipEmptyParts);
            QVERIFY(words.contains(QStringLiteral("Куче")));
            for (const QString& word : words)
                QVERIFY2(text.contains(word), qPrintable(word + QStringLiteral(" in ") + text));
        } else if (expected == u"error") {
            QCOMPARE(program.Boxes.Boxes().size(), 1u);
            QVERIFY2(program.Boxes.Texts().contains(target), qPrintable(program.Boxes.Texts()));
            QVERIFY(saved.isEmpty());
        } else if (expected == u"nothing") {
            QVERIFY(saved.isEmpty());
        } else {
            QCOMPARE(QGuiApplication::clipboard()->text(), expected);
        }
        if (expected != u"error")
            QCOMPARE(program.Boxes.Texts(), QString());
        QCOMPARE(program.PageCount(), 3);
    }

    // The word box's text searched in the meanings, by its key or from the page's context menu:
    // the results page of the words whose meanings hold it, and the text in the history.
    void searchInMeanings_data() {
        QTest::addColumn<QStringList>("steps"); // keys, or "menu" and the item's letter
        QTest::newRow("Ctrl+Shift+M") << QStringList{QStringLiteral("Ctrl+Shift+M")};
        QTest::newRow("menu: Search in Meanings")
            << QStringList{QStringLiteral("menu"), QStringLiteral("E")};
    }

    void searchInMeanings() {
        QFETCH(QStringList, steps);
        TRunningProgram program(mDb->Path(), &kPointSizes);
        QVERIFY(program.Started());
        program.EnterWord(QStringLiteral("животно"));
        for (const QString& step : steps)
            if (step == u"menu")
                OpenContextMenu(program.View(), program.View()->viewport()->rect().center());
            else
                PressKeys(step);
        TQuorDataModule store(mDb->Path());
        TPageComposer composer;
        composer.SetDataModule(&store);
        std::optional<std::int32_t> firstWord;
        const std::string page =
            composer.HtmlPage(composer.SearchMeaningsHtml(Cp("Животно"), "BG", firstWord));
        QCOMPARE(firstWord, std::optional<std::int32_t>(SmallNetwork::kCat));
        QCOMPARE(program.Page(), QByteArray::fromStdString(page));
        QCOMPARE(program.History(), QStringList{QStringLiteral("Животно")});
        QCOMPARE(program.PageCount(), 2);
    }

    // Where the window stands on a screen's free area, and how large it is there.
    void windowFitsTheScreen_data() {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QSize>("smallest");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("fitted");
        const QSize smallest(500, 200);
        const QRect screen(0, 0, 1600, 1000);
        QTest::newRow("design size")
            << QRect(0, 0, 651, 546) << smallest << screen << QRect(474, 227, 651, 546);
        QTest::newRow("taller than the screen, scaled twice")
            << QRect(0, 0, 1474, 1092) << smallest << screen << QRect(63, 0, 1474, 1000);
        QTest::newRow("below a panel, on the second screen")
            << QRect(0, 0, 1474, 1092) << smallest << QRect(1600, 32, 1280, 992)
            << QRect(1600, 32, 1280, 992);
        QTest::newRow("screen smaller than the smallest window")
            << QRect(0, 0, 651, 546) << QSize(700, 600) << QRect(0, 0, 640, 480)
            << QRect(0, 0, 700, 600);
    }

    void windowFitsTheScreen() {
        QFETCH(QRect, frame);
        QFETCH(QSize, smallest);
        QFETCH(QRect, available);
        QFETCH(QRect, fitted);
        QCOMPARE(FittedFrame(frame, smallest, available), fitted);
    }

    // Made as small as it goes, the window still shows every control of the search strip.
    void smallestWindowShowsTheWholeStrip() {
        TRunningProgram program(mDb->Path(), &kPointSizes);
        QVERIFY(program.Started());
        program.Form.resize(100, 100);
        QWidget* strip = program.Form.findChild<QWidget*>(QStringLiteral("mTopPanel"));
        QTRY_COMPARE(program.Form.width(), program.Form.minimumWidth());
        for (QWidget* control : strip->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const QRect shown = control->geometry().intersected(strip->rect());
            QCOMPARE(shown, control->geometry());
            QVERIFY2(!control->toolTip().isEmpty(), qPrintable(control->objectName()));
        }
        QVERIFY(strip->geometry().right() <= program.Form.rect().right());
        QVERIFY(program.View()->height() >= 100);
    }
};

QTEST_MAIN(TestDesktop)
#include "test_desktop.moc"

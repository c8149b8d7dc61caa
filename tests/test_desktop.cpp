// The desktop program around the pages: keys and mouse buttons from anywhere in the window, the
// smallest window, zoom, find in page, printing and saving. Real events on the real window under
// the offscreen platform, on pages whose stylesheet fixes its font sizes in points.
#include "ProgramDriver.h"
#include "TestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

#include <memory>

using namespace Quor;

namespace {

const std::string kPointSizes = "body { font-size: 10pt; }\r\n"
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

} // namespace

class TestDesktop : public QObject {
    Q_OBJECT

    std::unique_ptr<TFixtureDatabase> mDb;

private Q_SLOTS:
    void init() {
        mDb = std::make_unique<TFixtureDatabase>();
        SmallNetwork::Fill(*mDb);
    }
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

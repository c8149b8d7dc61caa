#pragma once

#include "TestSupport.h"
#include "core/store/QuorData.h"
#include "window/About.h"
#include "window/Browser.h"

#include <QByteArray>
#include <QStringList>

#include <memory>
#include <vector>

class QComboBox;
class QPushButton;
class QTextBrowser;
class QToolButton;

// Answers every message box while it lives, instead of showing it, and keeps what each said.
// Exceptions that reach the application's error handler show up here as error boxes.
class TMessageBoxRecorder {
public:
    struct TBox {
        bool IsError;
        QString Title;
        QString Text;
    };

    TMessageBoxRecorder();
    ~TMessageBoxRecorder();
    TMessageBoxRecorder(const TMessageBoxRecorder&) = delete;
    TMessageBoxRecorder& operator=(const TMessageBoxRecorder&) = delete;

    const std::vector<TBox>& Boxes() const { return mBoxes; }
    // The texts of the boxes shown so far, joined by " | ", for readable comparisons.
    QString Texts() const;
    void Clear() { mBoxes.clear(); }

private:
    std::vector<TBox> mBoxes;
};

// The small network the window suites start from: кот (животно) with its homonym кот (мярка), its
// absolute synonym котарак and its relative synonym котка; куче; and кот in Russian. The test's
// handle on the database is closed afterwards.
namespace SmallNetwork {
enum : std::int32_t { kCat = 1, kCatMeasure = 2, kTomcat = 3, kKitten = 4, kRuCat = 6, kDog = 7 };
void Fill(TFixtureDatabase& db);
// A new fixture database holding it.
std::unique_ptr<TFixtureDatabase> NewDatabase();
} // namespace SmallNetwork

// How long, in milliseconds, a test waits for the window to answer (to show, to close a box)
// before it fails: long enough for a sanitizer build on a busy machine. A wait ends as soon as
// the window answers.
constexpr int kPatience = 30000;

// The widget that receives the keyboard: an open list first, else the focused control.
QWidget* KeyboardTarget();

// Presses a key where the keyboard goes, as a user would.
void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Presses a key written as in a shortcut: "Escape", "Shift+Escape", "Alt+C".
void Press(const QString& keys);

// Types any text where the keyboard goes, one key for each character; a character outside the
// BMP is one key too.
void Type(const QString& text);

// Clicks a control with the left mouse button.
void Click(QWidget* control);

// The links of the page the view shows, in their order: the position of each one's middle in
// the page's text, and its address.
struct TPageLink {
    int Position;
    QString Address;
};
std::vector<TPageLink> PageLinks(QTextBrowser* view);

// Scrolls the view to a position of its text and clicks it there.
void ClickText(QTextBrowser* view, int position);

// A point inside the first link to `address` on the page the view shows, scrolled into view;
// (-1, -1) when there is none.
QPoint LinkPoint(QTextBrowser* view, const QString& address);

// The address of the link that the keyboard focus is on in the view, if any.
QString FocusedLink(QTextBrowser* view);

// The program as it starts: the main window (which shows the welcome page), the about box and the
// word store over `databasePath`, in that order, shown. Message boxes are recorded, and the
// working folder (with `stylesheet` as styles.css, or none) and the folder of page files are the
// test's own.
struct TRunningProgram {
    TRunningProgram(const QString& databasePath, const std::string* stylesheet);

    // True once the window is on screen and active.
    bool Started();

    // Replaces the word box's text by `text`, typed, dropping what the completion adds.
    void EnterWord(const QString& text);
    // Enters the word and presses Enter.
    void Search(const QString& text);
    // Clicks the first link to `address` on the shown page; false when the page has none.
    bool ClickLink(const QString& address);
    // Hands a link address to the view's before-navigate handler; true when the window took the
    // link over (cancelled the view's own navigation).
    bool FollowLink(const QString& address);

    // A control of the main window by its name; a missing one ends the test run.
    template <typename TControl> TControl* Control(const char* name) {
        auto* control = Form.findChild<TControl*>(QLatin1String(name));
        if (!control)
            qFatal("The main window has no control %s", name);
        return control;
    }
    QComboBox* WordBox();
    QPushButton* SearchButton();
    QPushButton* AboutButton();
    QToolButton* BackButton();
    QToolButton* ForwardButton();
    QTextBrowser* View();

    // The page file the view shows, and its bytes.
    QString PageFile();
    QByteArray Page();
    qsizetype PageCount() const;
    // The word history, oldest first.
    QStringList History();

    // The page that a search for the (already normalised) text, and the page that a word's link,
    // compose now: what the view should show.
    QByteArray SearchPage(const QString& text, const std::string& langCode = "BG",
                          bool similar = true);
    QByteArray WordPage(std::int32_t id, const char* word, const char* moreInfo = "");

    TMessageBoxRecorder Boxes;
    TWorkingFolder Work;
    TPageFileFolder Pages;
    Quor::TMainForm Form;
    Quor::TAboutDialog About;
    Quor::TQuorDataModule Store;
};

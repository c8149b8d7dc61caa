#pragma once

#include "TestSupport.h"
#include "core/QuorData.h"
#include "window/About.h"
#include "window/Browser.h"

#include <QByteArray>
#include <QStringList>

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
} // namespace SmallNetwork

// The widget that receives the keyboard: an open list first, else the focused control.
QWidget* KeyboardTarget();

// Presses a key where the keyboard goes, as a user would.
void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// A point inside the first link to `address` on the page the view shows, scrolled into view;
// (-1, -1) when there is none.
QPoint LinkPoint(QTextBrowser* view, const QString& address);

// The program as it starts: the main window (which shows the welcome page), the about box and the
// word store over `databasePath`, in that order, shown. Message boxes are recorded, and the
// working folder (with `stylesheet` as styles.css, or none) and the folder of page files are the
// test's own.
struct TRunningProgram {
    TRunningProgram(const QString& databasePath, const std::string* stylesheet);

    // True once the window is on screen and active.
    bool Started();

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

    TMessageBoxRecorder Boxes;
    TWorkingFolder Work;
    TPageFileFolder Pages;
    Quor::TMainForm Form;
    Quor::TAboutDialog About;
    Quor::TQuorDataModule Store;
};

#pragma once

#include "window/PageDialogs.h"

#include <QString>

#include <functional>

class QWidget;

namespace Quor {

class TWebBrowser;

// What leaves the window as a file or on paper: the page shown, printed, exported to PDF or saved
// as its page file, and any file the window asks a name for, suggested in the folder the user
// saved in last. Failures raise EQuorError.
class TWindowOutput {
public:
    // The name a page file was shown under; empty for a page shown for no word.
    using TPageNameFunction = std::function<QString(const QString& pageFile)>;

    // The dialogs open over `window`; the page shown is the one in `view`.
    TWindowOutput(QWidget& window, const TWebBrowser& view, TPageNameFunction pageName);

    void PrintShownPage();
    void ExportShownPageToPdf();
    // Saves the page file of the page shown under a name the user picks.
    void SaveShownPage();

    // Asks for the file to save the page or map in, suggesting its name (by default the page's)
    // in the folder used last; empty when the user cancelled.
    QString AskFileName(TPageFileKind kind, QString name = {});

private:
    // The name of the page shown, for its title and its file: the word it was shown for.
    QString ShownPageTitle() const;
    // The folder used last; before any, the user's documents, else the home folder.
    QString Folder();

    QWidget& mWindow;
    const TWebBrowser& mView;
    TPageNameFunction mPageName;
    QString mFolder;
};

} // namespace Quor

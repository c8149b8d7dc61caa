// The page shown, as it goes out of the program: printed, exported to PDF, or saved as the page
// file itself under a name the user picks.
#include "window/WindowOutput.h"

#include "core/QuorError.h"
#include "window/PageOutput.h"
#include "window/WebBrowser.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QStandardPaths>

namespace Quor {

TWindowOutput::TWindowOutput(QWidget& window, const TWebBrowser& view, TPageNameFunction pageName)
    : mWindow(window), mView(view), mPageName(std::move(pageName)) {}

void TWindowOutput::PrintShownPage() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(ShownPageTitle());
    if (AskPrinter(&mWindow, printer))
        PrintPage(*mView.document(), printer);
}

void TWindowOutput::ExportShownPageToPdf() {
    const QString path = AskFileName(TPageFileKind::Pdf);
    if (!path.isEmpty())
        ExportPageToPdf(*mView.document(), ShownPageTitle(), path);
}

void TWindowOutput::SaveShownPage() {
    const QString pageFile = mView.source().toLocalFile();
    if (pageFile.isEmpty())
        throw EQuorError("No page is shown.");
    const QString path = AskFileName(TPageFileKind::Html);
    if (!path.isEmpty())
        SavePageFile(pageFile, path);
}

QString TWindowOutput::ShownPageTitle() const {
    const QString word = mPageName(mView.source().toLocalFile());
    return word.isEmpty() ? QStringLiteral("Quor Semantic Network") : word;
}

QString TWindowOutput::Folder() {
    if (mFolder.isEmpty())
        mFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (mFolder.isEmpty() || !QFileInfo(mFolder).isDir())
        mFolder = QDir::homePath();
    return mFolder;
}

QString TWindowOutput::AskFileName(TPageFileKind kind, QString name) {
    const QString folder = Folder();
    if (name.isEmpty())
        name = ShownPageTitle();
    name += QLatin1Char('.') + QLatin1String(FileExtension(kind));
    name.replace(u'/', u'-');
    const QString path = AskSaveFileName(&mWindow, kind, QDir(folder).filePath(name));
    if (!path.isEmpty())
        mFolder = QFileInfo(path).absolutePath();
    return path;
}

} // namespace Quor

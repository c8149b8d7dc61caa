// The page shown, as it goes out of the program: printed, exported to PDF, or saved as the page
// file itself under a name the user picks.
#include "window/Browser.h"

#include "core/QuorError.h"
#include "window/PageDialogs.h"
#include "window/PageOutput.h"
#include "window/WebBrowser.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QStandardPaths>

namespace Quor {

void TMainForm::PrintShownPage() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(ShownPageTitle());
    if (AskPrinter(this, printer))
        PrintPage(*mWebBrowser->document(), printer);
}

void TMainForm::ExportShownPageToPdf() {
    const QString path = AskFileName(TPageFileKind::Pdf);
    if (!path.isEmpty())
        ExportPageToPdf(*mWebBrowser->document(), ShownPageTitle(), path);
}

void TMainForm::SaveShownPage() {
    const QString pageFile = mWebBrowser->source().toLocalFile();
    if (pageFile.isEmpty())
        throw EQuorError("No page is shown.");
    const QString path = AskFileName(TPageFileKind::Html);
    if (!path.isEmpty())
        SavePageFile(pageFile, path);
}

QString TMainForm::ShownPageTitle() const {
    const QString word = mShownPages.Find(mWebBrowser->source().toLocalFile()).Title;
    return word.isEmpty() ? QStringLiteral("Quor Semantic Network") : word;
}

QString TMainForm::AskFileName(TPageFileKind kind, QString name) {
    if (mOutputFolder.isEmpty())
        mOutputFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (mOutputFolder.isEmpty() || !QFileInfo(mOutputFolder).isDir())
        mOutputFolder = QDir::homePath();
    if (name.isEmpty())
        name = ShownPageTitle();
    name += QLatin1Char('.') + QLatin1String(FileExtension(kind));
    name.replace(u'/', u'-');
    const QString path = AskSaveFileName(this, kind, QDir(mOutputFolder).filePath(name));
    if (!path.isEmpty())
        mOutputFolder = QFileInfo(path).absolutePath();
    return path;
}

} // namespace Quor

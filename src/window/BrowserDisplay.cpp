// Page display: every page is written to a new page file, which the view then shows. The view's
// history of those files is the history that Back and Forward walk; the files go with the window.
#include "window/Browser.h"

#include "core/CodePage.h"
#include "core/QuorError.h"
#include "window/WebBrowser.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QToolButton>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace Quor {

namespace {

// The user's temporary folder: $TMPDIR, else /tmp. Raises EQuorError naming it when it does not
// exist (Qt then gives an empty path).
QString TemporaryFolder() {
    const QString folder = QDir::tempPath();
    if (folder.isEmpty())
        throw EQuorError("The temporary folder " + ToPageText(qEnvironmentVariable("TMPDIR")) +
                         " does not exist.");
    return folder;
}

} // namespace

QString TMainForm::GetTempHtmlFileName() {
    const QString folder = TemporaryFolder();
    QByteArray name = QFile::encodeName(folder + QStringLiteral("/~QuorXXXXXX"));
    const int file = mkostemp(name.data(), O_CLOEXEC);
    if (file < 0)
        throw EQuorError("Can not create a page file in the temporary folder " +
                         ToPageText(folder) + ": " + SystemErrorText());
    ::close(file);
    const QString path = QFile::decodeName(name);
    mPageFiles.Add(path);
    return path;
}

void TMainForm::SaveTextToFile(const std::string& text, const QString& fileName) {
    const std::string shownName = ToPageText(fileName);
    const int file = ::open(QFile::encodeName(fileName).constData(), O_WRONLY | O_CLOEXEC);
    if (file < 0)
        throw EQuorError("Cannot open file " + shownName);
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t count = ::write(file, text.data() + written, text.size() - written);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0) {
            const std::string reason =
                count < 0 ? SystemErrorText() : "nothing more could be written";
            ::close(file);
            throw EQuorError("Can not write the whole page to file " + shownName + ": " + reason);
        }
        written += static_cast<std::size_t>(count);
    }
    if (::close(file) != 0)
        throw EQuorError("Can not write the whole page to file " + shownName + ": " +
                         SystemErrorText());
}

void TMainForm::ShowHtml(const std::string& pageText) {
    ShowPage(pageText, std::nullopt);
}

void TMainForm::ShowPage(const std::string& pageText, std::optional<std::int32_t> word) {
    const QString fileName = GetTempHtmlFileName();
    SaveTextToFile(pageText, fileName);
    if (word)
        mPageWords.insert(fileName, *word);
    mWebBrowser->Navigate(fileName);
    // Printed or saved, the page is named after the word it was shown for.
    mPageNames.insert(fileName, mWordComboBox->currentText().trimmed());
}

void TMainForm::mBrowserBackButtonClick(QObject*) {
    mWebBrowser->GoBack();
}

void TMainForm::mBrowserForwardButtonClick(QObject*) {
    mWebBrowser->GoForward();
}

void TMainForm::mWebBrowserCommandStateChange(QObject*, int Command, int Enable) {
    if (Command == TWebBrowser::CSC_NAVIGATEFORWARD)
        mBrowserForwardButton->setEnabled(Enable != 0);
    else if (Command == TWebBrowser::CSC_NAVIGATEBACK)
        mBrowserBackButton->setEnabled(Enable != 0);
}

} // namespace Quor

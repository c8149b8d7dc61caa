// Page display: every page is written to a new page file, which the view then shows. The view's
// history of those files is the history that Back and Forward walk; the files go with the window.
#include "window/Browser.h"

#include "window/WebBrowser.h"

#include <QComboBox>
#include <QToolButton>

namespace Quor {

QString TMainForm::GetTempHtmlFileName() {
    return mShownPages.NewFile();
}

void TMainForm::SaveTextToFile(const std::string& text, const QString& fileName) {
    TShownPages::Write(text, fileName);
}

void TMainForm::ShowHtml(const std::string& pageText) {
    ShowPage(pageText, std::nullopt);
}

void TMainForm::ShowPage(const std::string& pageText, std::optional<std::int32_t> word) {
    const QString fileName = GetTempHtmlFileName();
    SaveTextToFile(pageText, fileName);
    // Printed or saved, the page is named after the word it was shown for.
    const QString title = mWordComboBox->currentText().trimmed();
    mShownPages.Shown(fileName, {title, word});
    mWebBrowser->Navigate(fileName);
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

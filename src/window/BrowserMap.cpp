// The word map beside the page: the window places its panel, tells it the word of each page shown
// (Back and Forward included), and shows a word chosen on it as if its link on a page had been
// followed.
#include "window/Browser.h"

#include "core/QuorError.h"
#include "core/map/NetworkMap.h"
#include "core/text/CodePage.h"
#include "window/NetworkMapPanel.h"
#include "window/WebBrowser.h"

#include <QSplitter>

namespace Quor {

QSplitter* TMainForm::CreateMapSplitter() {
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(QStringLiteral("mMapSplitter"));
    splitter->setChildrenCollapsible(false);
    mNetworkMapPanel = new TNetworkMapPanel(
        [this](TPageFileKind kind, const QString& name) {
            return mOutput->AskFileName(kind, name);
        },
        *splitter);
    splitter->addWidget(mWebBrowser);
    splitter->addWidget(mNetworkMapPanel);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    mNetworkMapPanel->hide();
    return splitter;
}

void TMainForm::ConnectMap() {
    // The view tells the new page before its source() is the new page's.
    connect(mWebBrowser, &QTextBrowser::sourceChanged, this, [this](const QUrl& page) {
        RunGuarded([&] { mNetworkMapPanel->ShowWord(PageWord(page.toLocalFile())); });
    });
    // The very road of a followed link: the same page, the same history entry.
    connect(mNetworkMapPanel, &TNetworkMapPanel::WordChosen, this, [this](std::int32_t wordId) {
        RunGuarded([&] {
            bool cancel = false;
            WebBrowserBeforeNavigate(mWebBrowser,
                                     FromPageText(TPageComposer::WordLinkAddress(wordId)), cancel);
        });
    });
}

std::optional<std::int32_t> TMainForm::PageWord(const QString& pageFile) const {
    return mShownPages.Find(pageFile).Word;
}

void TMainForm::ToggleMap() {
    mNetworkMapPanel->Toggle();
}

} // namespace Quor

// The word map: a graph of the shown word's neighbourhood beside the page, behind a splitter. It
// is closed at start and opened and closed with Ctrl+M or the page's context menu; it follows the
// word of the page shown, Back and Forward included, and a word chosen on it is shown as if its
// link on a page had been followed.
#include "window/Browser.h"

#include "core/QuorError.h"
#include "core/map/NetworkMap.h"
#include "core/store/QuorData.h"
#include "core/text/CodePage.h"
#include "window/NetworkMapPanel.h"
#include "window/NetworkMapView.h"
#include "window/WebBrowser.h"

#include <QAction>
#include <QApplication>
#include <QSplitter>

#include <algorithm>

namespace Quor {

namespace {

// The page keeps at least this width beside the map.
constexpr int kSmallestPageWidth = 120;
// The map's share of the width when it is first opened.
constexpr double kFirstMapShare = 0.45;

} // namespace

QSplitter* TMainForm::CreateMapSplitter() {
    mMapSplitter = new QSplitter(Qt::Horizontal, this);
    mMapSplitter->setObjectName(QStringLiteral("mMapSplitter"));
    mMapSplitter->setChildrenCollapsible(false);
    mNetworkMapPanel = new TNetworkMapPanel(
        [this](std::int32_t wordId, const TMapScope& scope) {
            return BuildNetworkMap(DataModule(), wordId, scope);
        },
        mMapSplitter);
    mMapSplitter->addWidget(mWebBrowser);
    mMapSplitter->addWidget(mNetworkMapPanel);
    mMapSplitter->setStretchFactor(0, 1);
    mMapSplitter->setStretchFactor(1, 0);
    mNetworkMapPanel->hide();
    return mMapSplitter;
}

void TMainForm::ConnectMap() {
    // The view tells the new page before its source() is the new page's.
    connect(mWebBrowser, &QTextBrowser::sourceChanged, this, [this](const QUrl& page) {
        RunGuarded([&] { mNetworkMapPanel->ShowWord(PageWord(page.toLocalFile())); });
    });
    TNetworkMapView& view = mNetworkMapPanel->View();
    // The very road of a followed link: the same page, the same history entry.
    view.OnWordChosen = [this](std::int32_t wordId) {
        RunGuarded([&] {
            bool cancel = false;
            WebBrowserBeforeNavigate(mWebBrowser,
                                     FromPageText(TPageComposer::WordLinkAddress(wordId)), cancel);
        });
    };
    view.OnExportChosen = [this](TPageFileKind kind) { ExportMap(kind); };
}

std::optional<std::int32_t> TMainForm::PageWord(const QString& pageFile) const {
    return mShownPages.Find(pageFile).Word;
}

bool TMainForm::MapHasFocus() const {
    return mNetworkMapPanel->isVisible() && mNetworkMapPanel->View().hasFocus();
}

void TMainForm::ToggleMap() {
    if (mNetworkMapPanel->isVisible()) {
        const bool focused = mNetworkMapPanel->isAncestorOf(QApplication::focusWidget());
        mMapWidth = mNetworkMapPanel->width();
        mNetworkMapPanel->hide();
        if (focused)
            mWebBrowser->setFocus(Qt::ShortcutFocusReason);
    } else {
        mNetworkMapPanel->ShowWord(PageWord(mWebBrowser->source().toLocalFile()));
        const int total = mMapSplitter->width() - mMapSplitter->handleWidth();
        int width = mMapWidth > 0 ? mMapWidth : static_cast<int>(total * kFirstMapShare);
        width = std::clamp(width, 1, std::max(1, total - kSmallestPageWidth));
        mNetworkMapPanel->show();
        mMapSplitter->setSizes({total - width, width});
    }
    mMapCommand->setChecked(mNetworkMapPanel->isVisible());
}

void TMainForm::ExportMap(TPageFileKind kind) {
    TNetworkMapView& view = mNetworkMapPanel->View();
    if (view.Map().IsEmpty())
        throw EQuorError("No map is drawn.");
    const TWord& centre = view.Map().Nodes.front().Word;
    const QString path = mOutput->AskFileName(kind, FromPageText(centre.Word));
    if (!path.isEmpty())
        view.Export(kind, path);
}

} // namespace Quor

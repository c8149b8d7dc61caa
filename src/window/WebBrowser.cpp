#include "window/WebBrowser.h"

#include "core/QuorError.h"
#include "core/text/CodePage.h"
#include "window/UnbreakableRuns.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QStringDecoder>
#include <QTextBlock>
#include <QToolTip>
#include <QWheelEvent>

#include <memory>

namespace Quor {

namespace {

// Pages the program composes declare the Windows-1251 code page in their head.
QString DecodePage(const QByteArray& bytes) {
    const QByteArray head = bytes.left(1024).toLower();
    if (head.contains("charset=windows-1251"))
        return FromPageText(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    auto decoder = QStringDecoder::decoderForHtml(bytes);
    return decoder.isValid() ? decoder.decode(bytes) : QString::fromLatin1(bytes);
}

// Loading a page empties the document first, which would hide the vertical scroll bar; the page
// would then be laid out for the wider view, the bar come back, and the page be laid out twice
// more for the narrower view (once for the bar, once for the view's resize): three layouts of a
// long page, whose table is laid out whole each time. While a page loads, the bar is held shown
// and the width stays; a page that fits loses the bar afterwards, with one more layout of a short
// page.
class TScrollBarHold {
public:
    explicit TScrollBarHold(QAbstractScrollArea& view)
        : mView(view), mPolicy(view.verticalScrollBarPolicy()) {
        mView.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    }
    ~TScrollBarHold() { mView.setVerticalScrollBarPolicy(mPolicy); }
    TScrollBarHold(const TScrollBarHold&) = delete;
    TScrollBarHold& operator=(const TScrollBarHold&) = delete;

private:
    QAbstractScrollArea& mView;
    const Qt::ScrollBarPolicy mPolicy;
};

QString MissingPageHtml(const QString& path) {
    return QStringLiteral("<html><body><p>The page file %1 no longer exists.</p></body></html>")
        .arg(path.toHtmlEscaped());
}

} // namespace

TWebBrowser::TWebBrowser(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &TWebBrowser::FollowLink);
    connect(this, &QTextBrowser::backwardAvailable, this,
            [this](bool enable) { CommandStateChange(CSC_NAVIGATEBACK, enable); });
    connect(this, &QTextBrowser::forwardAvailable, this,
            [this](bool enable) { CommandStateChange(CSC_NAVIGATEFORWARD, enable); });
}

TWebBrowser::~TWebBrowser() {
    // The zoomed layout's resolution goes with the zoom, before the document.
    ResetZoom();
}

void TWebBrowser::Navigate(const QString& path) {
    if (!QFileInfo(path).isReadable())
        throw EQuorError("Can not show the page file " + ToPageText(path) +
                         ": it can not be read.");
    if (BeforeNavigate(path))
        setSource(QUrl::fromLocalFile(path), QTextDocument::HtmlResource);
}

void TWebBrowser::GoBack() {
    backward();
}

void TWebBrowser::GoForward() {
    forward();
}

void TWebBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType type) {
    const TScrollBarHold hold(*this);
    QTextBrowser::doSetSource(name, type);
}

void TWebBrowser::backward() {
    const TScrollBarHold hold(*this);
    QTextBrowser::backward();
}

void TWebBrowser::forward() {
    const TScrollBarHold hold(*this);
    QTextBrowser::forward();
}

QVariant TWebBrowser::loadResource(int type, const QUrl& name) {
    // Only page files: no images, no external stylesheets, nothing from the network.
    if (type != QTextDocument::HtmlResource || !name.isLocalFile())
        return {};
    QFile file(name.toLocalFile());
    if (!file.open(QIODevice::ReadOnly))
        return MissingPageHtml(name.toLocalFile());
    return BreakUnbreakableRuns(DecodePage(file.readAll()));
}

QMimeData* TWebBrowser::createMimeDataFromSelection() const {
    // What is copied is the page's text, without the breaks the view added to it.
    const std::unique_ptr<QMimeData> shown(QTextBrowser::createMimeDataFromSelection());
    auto* copied = new QMimeData;
    if (shown->hasText())
        copied->setText(WithoutRunBreaks(shown->text()));
    if (shown->hasHtml())
        copied->setHtml(WithoutRunBreaks(shown->html()));
    return copied;
}

void TWebBrowser::mouseReleaseEvent(QMouseEvent* event) {
    mActivatedLinkAddress = anchorAt(event->position().toPoint());
    QTextBrowser::mouseReleaseEvent(event);
    mActivatedLinkAddress.clear();
}

void TWebBrowser::keyPressEvent(QKeyEvent* event) {
    const bool activates = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                           event->key() == Qt::Key_Space;
    if (activates)
        mActivatedLinkAddress = FocusedLinkAddress();
    QTextBrowser::keyPressEvent(event);
    mActivatedLinkAddress.clear();
}

void TWebBrowser::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QTextBrowser::wheelEvent(event);
        return;
    }
    constexpr int kNotch = 120;
    mZoomWheelTurn += event->angleDelta().y();
    for (; mZoomWheelTurn >= kNotch; mZoomWheelTurn -= kNotch)
        ZoomIn();
    for (; mZoomWheelTurn <= -kNotch; mZoomWheelTurn += kNotch)
        ZoomOut();
    event->accept();
}

bool TWebBrowser::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip || !OnLinkToolTip)
        return QTextBrowser::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString link = anchorAt(help->pos());
    const QString tip = link.isEmpty() ? QString() : OnLinkToolTip(link);
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), tip, viewport());
    return true;
}

void TWebBrowser::contextMenuEvent(QContextMenuEvent* event) {
    // The raw address, as the page wrote it: QUrl would lower-case its server part.
    const QString link =
        event->reason() == QContextMenuEvent::Mouse ? anchorAt(event->pos()) : FocusedLinkAddress();
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("mPageMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* copy = menu->addAction(QStringLiteral("&Copy"), this, &QTextEdit::copy);
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(textCursor().hasSelection());
    if (OnLookUp) {
        const QString selected = textCursor().selectedText().simplified();
        QAction* lookUp = menu->addAction(QStringLiteral("Look &Up"), this,
                                          [this, selected] { OnLookUp(selected); });
        lookUp->setObjectName(QStringLiteral("mLookUpCommand"));
        lookUp->setEnabled(!selected.isEmpty());
    }
    menu->addAction(QStringLiteral("Select &All"), this, &QTextEdit::selectAll)
        ->setShortcut(QKeySequence::SelectAll);
    if (!link.isEmpty())
        menu->addAction(QStringLiteral("Copy &Link Address"), this,
                        [link] { QGuiApplication::clipboard()->setText(link); });
    if (!mMenuCommands.isEmpty()) {
        menu->addSeparator();
        menu->addActions(mMenuCommands);
    }
    menu->popup(event->globalPos());
    event->accept();
}

void TWebBrowser::ZoomIn() {
    mZoom.In(*document(), *this);
}

void TWebBrowser::ZoomOut() {
    mZoom.Out(*document(), *this);
}

void TWebBrowser::ResetZoom() {
    mZoom.Reset(*document(), *this);
}

QString TWebBrowser::FocusedLinkAddress() const {
    const QTextCursor focus = textCursor();
    if (!focus.hasSelection())
        return {};
    QTextCursor probe(document());
    probe.setPosition(focus.selectionStart() + 1);
    return probe.charFormat().anchorHref();
}

bool TWebBrowser::BeforeNavigate(const QString& url) {
    bool cancel = false;
    if (OnBeforeNavigate2)
        RunGuarded([&] { OnBeforeNavigate2(this, url, cancel); });
    return !cancel;
}

void TWebBrowser::FollowLink(const QUrl& resolvedUrl) {
    const QString address =
        mActivatedLinkAddress.isEmpty() ? resolvedUrl.toString() : mActivatedLinkAddress;
    mActivatedLinkAddress.clear();
    if (!BeforeNavigate(address))
        return;
    // A link that was let through is followed only to another local file.
    const QUrl target = source().resolved(resolvedUrl);
    if (target.isLocalFile())
        setSource(target, QTextDocument::HtmlResource);
}

void TWebBrowser::CommandStateChange(int command, bool enable) {
    if (OnCommandStateChange)
        RunGuarded([&] { OnCommandStateChange(this, command, enable ? 1 : 0); });
}

} // namespace Quor

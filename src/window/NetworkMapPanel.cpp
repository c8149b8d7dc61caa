#include "window/NetworkMapPanel.h"

#include "core/QuorError.h"
#include "core/map/NetworkMapExport.h"
#include "core/text/CodePage.h"
#include "window/NetworkMapPicture.h"
#include "window/NetworkMapView.h"
#include "window/PageOutput.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QSplitter>
#include <QStringList>
#include <QVBoxLayout>

#include <algorithm>

namespace Quor {

namespace {

// While the map is open the page keeps at least this width, a readable column; the map at least
// the other: a window too narrow for both does not open the map.
constexpr int kSmallestPageWidth = 320;
constexpr int kSmallestMapWidth = 160;
// The map's share of the width when it is first opened.
constexpr double kFirstMapShare = 0.45;

} // namespace

TNetworkMapPanel::TNetworkMapPanel(TFileNameAsker askFileName, QSplitter& splitter)
    : QWidget(&splitter), mAskFileName(std::move(askFileName)), mSplitter(splitter) {
    setObjectName(QStringLiteral("mNetworkMapPanel"));
    mDepthCheckBox = new QCheckBox(QStringLiteral("Neighbours' relations too"), this);
    mDepthCheckBox->setObjectName(QStringLiteral("mMapDepthCheckBox"));
    mDepthCheckBox->setToolTip(
        QStringLiteral(
            "Also draw the homonyms and synonyms of every word around the word (depth 2), up to %1 "
            "words")
            .arg(TMapScope::kDefaultNodeCap));
    mNoteLabel = new QLabel(this);
    mNoteLabel->setObjectName(QStringLiteral("mMapNoteLabel"));
    mNoteLabel->setWordWrap(true);
    mNoteLabel->hide();
    mView = new TNetworkMapView(this);
    mView->setObjectName(QStringLiteral("mNetworkMapView"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(mDepthCheckBox);
    layout->addWidget(mNoteLabel);
    layout->addWidget(mView, 1);
    connect(mDepthCheckBox, &QCheckBox::toggled, this, [this] { Update(); });
    connect(mView, &TNetworkMapView::WordChosen, this, &TNetworkMapPanel::WordChosen);
    connect(mView, &TNetworkMapView::Unfolded, this, [this] { NoteMap(); });
    connect(mView, &TNetworkMapView::ExportAsked, this,
            [this](TPageFileKind kind) { RunGuarded([&] { ExportMap(kind); }); });
}

void TNetworkMapPanel::Toggle() {
    if (isVisible())
        Close();
    else
        Open();
    Q_EMIT OpenChanged(isVisible());
}

void TNetworkMapPanel::Open() {
    const int total = mSplitter.width() - mSplitter.handleWidth();
    if (total < kSmallestPageWidth + kSmallestMapWidth) {
        QApplication::beep();
        return;
    }
    int width = mWidth > 0 ? mWidth : static_cast<int>(total * kFirstMapShare);
    width = std::clamp(width, kSmallestMapWidth, total - kSmallestPageWidth);
    QWidget* page = mSplitter.widget(0);
    mPageMinimumWidth = page->minimumWidth();
    page->setMinimumWidth(kSmallestPageWidth);
    setMinimumWidth(kSmallestMapWidth);
    show();
    mSplitter.setSizes({total - width, width});
}

void TNetworkMapPanel::Close() {
    const bool focused = isAncestorOf(QApplication::focusWidget());
    mWidth = width();
    hide();
    setMinimumWidth(0);
    mSplitter.widget(0)->setMinimumWidth(mPageMinimumWidth);
    if (focused)
        mSplitter.widget(0)->setFocus(Qt::ShortcutFocusReason);
}

bool TNetworkMapPanel::MapHasFocus() const {
    return isVisible() && mView->hasFocus();
}

void TNetworkMapPanel::ExportMap(TPageFileKind kind) {
    if (mView->Map().IsEmpty())
        throw EQuorError("No map is drawn.");
    const TWord& centre = mView->Map().Nodes.front().Word;
    const QString path = mAskFileName(kind, FromPageText(centre.Word));
    if (!path.isEmpty())
        WriteWholeFile(path, MapFile(kind), "Can not write the map to file");
}

QByteArray TNetworkMapPanel::MapFile(TPageFileKind kind) const {
    switch (kind) {
    case TPageFileKind::Svg:
        return SvgPicture(*mView);
    case TPageFileKind::Png:
        return PngPicture(*mView);
    case TPageFileKind::Dot:
        return QByteArray::fromStdString(NetworkMapDot(mView->Map()));
    case TPageFileKind::GraphMl:
        return QByteArray::fromStdString(NetworkMapGraphMl(mView->Map()));
    case TPageFileKind::Csv:
        return QByteArray::fromStdString(NetworkMapCsv(mView->Map()));
    case TPageFileKind::Html:
    case TPageFileKind::Pdf:
        break;
    }
    throw EQuorError("A map is not exported as a page.");
}

TQuorDataModule& TNetworkMapPanel::DataModule() const {
    if (!mDataModule)
        throw EQuorError("The word store is not open yet.");
    return *mDataModule;
}

void TNetworkMapPanel::ShowWord(std::optional<std::int32_t> wordId) {
    mWordId = wordId;
    if (isVisible())
        Update();
}

void TNetworkMapPanel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Update();
}

void TNetworkMapPanel::Note(const QString& text) {
    mNoteLabel->setText(text);
    mNoteLabel->setVisible(!text.isEmpty());
}

void TNetworkMapPanel::NoteMap() {
    const TNetworkMap& map = mView->Map();
    QStringList notes;
    if (map.Capped)
        notes << QStringLiteral("The map stops at %1 words: some relations of the neighbours are "
                                "left out.")
                     .arg(TMapScope::kDefaultNodeCap);
    if (map.Edges.empty())
        notes << FromPageText(map.Nodes.front().Word.Word) +
                     QStringLiteral(" has no homonyms and no synonyms.");
    if (const std::size_t leftOut = mView->Folded().LeftOut)
        notes << QStringLiteral(
                     "%1 of its %2 words are folded away: a click on \u201c+N more\u201d, "
                     "or Enter on it, shows more.")
                     .arg(leftOut)
                     .arg(map.Nodes.size());
    Note(notes.join(u' '));
}

void TNetworkMapPanel::Update() {
    const int depth = mDepthCheckBox->isChecked() ? 2 : 1;
    if (mDrawnWordId == mWordId && mDrawnDepth == depth && mWordId)
        return;
    mDrawnWordId.reset();
    mView->Clear();
    if (!mWordId) {
        Note(QStringLiteral("This page shows no word to draw."));
        return;
    }
    try {
        TMapScope scope;
        scope.Depth = depth;
        mView->ShowMap(BuildNetworkMap(DataModule(), *mWordId, scope));
        mDrawnWordId = mWordId;
        mDrawnDepth = depth;
        NoteMap();
    } catch (const std::exception& error) {
        Note(QStringLiteral("The map can not be drawn: ") + FromPageText(ErrorMessage(error)));
    }
}

} // namespace Quor

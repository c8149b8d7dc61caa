#include "window/NetworkMapPanel.h"

#include "core/QuorError.h"
#include "core/text/CodePage.h"
#include "window/NetworkMapView.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

namespace Quor {

TNetworkMapPanel::TNetworkMapPanel(TMapBuilder builder, QWidget* parent)
    : QWidget(parent), mBuilder(std::move(builder)) {
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
        TNetworkMap map = mBuilder(*mWordId, scope);
        const bool capped = map.Capped;
        const bool alone = map.Edges.empty();
        const QString word = FromPageText(map.Nodes.front().Word.Word);
        mView->ShowMap(std::move(map));
        mDrawnWordId = mWordId;
        mDrawnDepth = depth;
        if (capped)
            Note(QStringLiteral("The map stops at %1 words: some relations of the neighbours are "
                                "left out.")
                     .arg(scope.NodeCap));
        else if (alone)
            Note(word + QStringLiteral(" has no homonyms and no synonyms."));
        else
            Note({});
    } catch (const std::exception& error) {
        Note(QStringLiteral("The map can not be drawn: ") + FromPageText(ErrorMessage(error)));
    }
}

} // namespace Quor

#include "window/PageZoom.h"

#include <QAbstractTextDocumentLayout>
#include <QTextDocument>
#include <QWidget>

#include <algorithm>
#include <iterator>

namespace Quor {

namespace {

constexpr int kPercentSteps[] = {50, 67, 75, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300};
constexpr int kLastStep = int(std::size(kPercentSteps)) - 1;
constexpr double kInchesPerMetre = 1 / 0.0254;

} // namespace

int TPageZoom::Percent() const {
    return kPercentSteps[mStep];
}

void TPageZoom::In(QTextDocument& document, const QWidget& screen) {
    mStep = std::min(mStep + 1, kLastStep);
    Apply(document, screen);
}

void TPageZoom::Out(QTextDocument& document, const QWidget& screen) {
    mStep = std::max(mStep - 1, 0);
    Apply(document, screen);
}

void TPageZoom::Reset(QTextDocument& document, const QWidget& screen) {
    mStep = kNormalStep;
    Apply(document, screen);
}

void TPageZoom::Apply(QTextDocument& document, const QWidget& screen) {
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    if (mStep == kNormalStep) {
        layout->setPaintDevice(nullptr); // the screen's own resolution
    } else {
        mZoomedScreen = QImage(1, 1, QImage::Format_ARGB32_Premultiplied);
        const double scale = Percent() / 100.0 * kInchesPerMetre;
        mZoomedScreen.setDotsPerMeterX(qRound(screen.logicalDpiX() * scale));
        mZoomedScreen.setDotsPerMeterY(qRound(screen.logicalDpiY() * scale));
        layout->setPaintDevice(&mZoomedScreen);
    }
    document.markContentsDirty(0, document.characterCount());
}

} // namespace Quor

#pragma once

#include <QImage>

class QTextDocument;
class QWidget;

namespace Quor {

// The zoom of a page view, in steps from 50 % to 300 %. A zoomed page is laid out as if for a
// screen of proportionally more (or fewer) dots per inch, so that every length of the page grows
// alike, font sizes fixed in points by the stylesheet included, while its text stays as it is.
// The layout keeps the zoom for every page the view shows after.
class TPageZoom {
public:
    TPageZoom() = default;

    int Percent() const;
    // One step larger or smaller; nothing beyond the first and the last step.
    void In(QTextDocument& document, const QWidget& screen);
    void Out(QTextDocument& document, const QWidget& screen);
    void Reset(QTextDocument& document, const QWidget& screen);

private:
    void Apply(QTextDocument& document, const QWidget& screen);

    int mStep = kNormalStep;
    static constexpr int kNormalStep = 5;
    // A picture of one pixel whose resolution the zoomed pages are laid out for.
    QImage mZoomedScreen;
};

} // namespace Quor

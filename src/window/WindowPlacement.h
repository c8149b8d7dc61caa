#pragma once

#include <QRect>

class QWidget;

namespace Quor {

// The frame of a window fitted into a screen's free area `available` and centred there. A frame
// larger than that area is made smaller, though never smaller than `smallest`; one that still
// does not fit keeps its top left corner, where the search strip is, inside the area.
QRect FittedFrame(const QRect& frame, const QSize& smallest, const QRect& available);

// Fits a top-level window into its screen's free area and centres it there (FittedFrame).
void CentreOnScreen(QWidget& window);

// Centres the window on its screen the first time it is shown; later showings leave it where it
// was last.
void CentreOnFirstShow(QWidget& window);

} // namespace Quor

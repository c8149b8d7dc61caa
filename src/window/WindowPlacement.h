#pragma once

class QWidget;

namespace Quor {

// Moves a top-level window so that its frame stands in the middle of its screen's free area.
void CentreOnScreen(QWidget& window);

// Centres the window on its screen the first time it is shown; later showings leave it where it
// was last.
void CentreOnFirstShow(QWidget& window);

} // namespace Quor

#pragma once

class QWidget;

// Moves a top-level window so that its frame stands in the middle of its screen's free area.
void CentreOnScreen(QWidget& window);

#pragma once

#include <QIcon>

namespace Quor {

// The pictures of the window's buttons, drawn here at 16 by 16 pixels on a transparent
// background, each with a greyed image for the disabled state.
QIcon BackPicture();    // a red arrow pointing left
QIcon ForwardPicture(); // a red arrow pointing right
QIcon SearchPicture();  // a round lens over a page of text
QIcon AboutPicture();   // a red question mark on a yellow disc

} // namespace Quor

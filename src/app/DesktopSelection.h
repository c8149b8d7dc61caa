#pragma once

#include <QString>

namespace Quor {

// The text the user selected in any program: the X primary selection, or the clipboard's text
// where there is no selection (nothing selected, the Wayland desktop, a platform without one);
// its white space made single spaces.
QString DesktopSelection();

} // namespace Quor

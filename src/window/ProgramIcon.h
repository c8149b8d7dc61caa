#pragma once

#include <QIcon>

namespace Quor {

// The program's icon, net.quor.QuorSemNetBrowser: the desktop theme's when it has one (the
// installed program puts it into the hicolor theme), else the program's own pictures of it.
QIcon ProgramIcon();

} // namespace Quor

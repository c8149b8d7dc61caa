#include "window/ProgramIcon.h"

namespace Quor {

QIcon ProgramIcon() {
    QIcon own;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        own.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    return QIcon::fromTheme(QStringLiteral("net.quor.QuorSemNetBrowser"), own);
}

} // namespace Quor

#include "window/PageFiles.h"

#include <QFile>

namespace Quor {

TPageFiles::~TPageFiles() {
    for (const QString& path : mFiles)
        QFile::remove(path);
}

void TPageFiles::Add(const QString& path) {
    mFiles.push_back(path);
}

} // namespace Quor

#include "window/PageFiles.h"

#include <QFile>

#include <algorithm>
#include <mutex>

namespace Quor {

namespace {

// Every living list, for RemoveEveryWindowsFiles; the lock guards them and their files.
std::mutex gListsLock;
std::vector<const TPageFiles*> gLists;

} // namespace

TPageFiles::TPageFiles() {
    const std::lock_guard lock(gListsLock);
    gLists.push_back(this);
}

TPageFiles::~TPageFiles() {
    const std::lock_guard lock(gListsLock);
    gLists.erase(std::find(gLists.begin(), gLists.end(), this));
    RemoveFiles();
}

void TPageFiles::Add(const QString& path) {
    const std::lock_guard lock(gListsLock);
    mFiles.push_back(path);
}

void TPageFiles::RemoveEveryWindowsFiles() {
    const std::lock_guard lock(gListsLock);
    for (const TPageFiles* files : gLists)
        files->RemoveFiles();
}

void TPageFiles::RemoveFiles() const {
    for (const QString& path : mFiles)
        QFile::remove(path);
}

} // namespace Quor

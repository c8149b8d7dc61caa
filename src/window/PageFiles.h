#pragma once

#include <QString>

#include <vector>

namespace Quor {

// The page files one window made. They stay while the window lives, since its view goes back and
// forward to them, and go when it ends; another running copy has files of its own. A file that
// can not be removed stays where it is.
class TPageFiles {
public:
    TPageFiles();
    ~TPageFiles();
    TPageFiles(const TPageFiles&) = delete;
    TPageFiles& operator=(const TPageFiles&) = delete;

    // Remembers a page file just made for the window.
    void Add(const QString& path);

    // Removes the page files of every window of the program, from any thread: for a program that
    // has to end while its windows are busy. The windows keep their lists.
    static void RemoveEveryWindowsFiles();

private:
    void RemoveFiles() const;

    std::vector<QString> mFiles;
};

} // namespace Quor

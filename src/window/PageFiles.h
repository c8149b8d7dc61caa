#pragma once

#include <QString>

#include <vector>

namespace Quor {

// The page files one window made. They stay while the window lives, since its view goes back and
// forward to them, and go when it ends; another running copy has files of its own. A file that
// can not be removed stays where it is.
class TPageFiles {
public:
    TPageFiles() = default;
    ~TPageFiles();
    TPageFiles(const TPageFiles&) = delete;
    TPageFiles& operator=(const TPageFiles&) = delete;

    // Remembers a page file just made for the window.
    void Add(const QString& path);

private:
    std::vector<QString> mFiles;
};

} // namespace Quor

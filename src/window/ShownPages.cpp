#include "window/ShownPages.h"

#include "core/QuorError.h"
#include "core/text/CodePage.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <mutex>
#include <unistd.h>

namespace Quor {

namespace {

// Every window's page files, for RemoveEveryWindowsFiles; the lock guards them.
std::mutex gFilesLock;
std::vector<const TShownPages*> gWindows;

// The user's temporary folder: $TMPDIR, else /tmp. Raises EQuorError naming it when it does not
// exist (Qt then gives an empty path).
QString TemporaryFolder() {
    const QString folder = QDir::tempPath();
    if (folder.isEmpty())
        throw EQuorError("The temporary folder " + ToPageText(qEnvironmentVariable("TMPDIR")) +
                         " does not exist.");
    return folder;
}

} // namespace

TShownPages::TShownPages() {
    const std::lock_guard lock(gFilesLock);
    gWindows.push_back(this);
}

TShownPages::~TShownPages() {
    const std::lock_guard lock(gFilesLock);
    gWindows.erase(std::find(gWindows.begin(), gWindows.end(), this));
    RemoveFiles();
}

QString TShownPages::NewFile() {
    const QString folder = TemporaryFolder();
    QByteArray name = QFile::encodeName(folder + QStringLiteral("/~QuorXXXXXX"));
    const int file = mkostemp(name.data(), O_CLOEXEC);
    if (file < 0)
        throw EQuorError("Can not create a page file in the temporary folder " +
                         ToPageText(folder) + ": " + SystemErrorText());
    ::close(file);
    const QString path = QFile::decodeName(name);
    const std::lock_guard lock(gFilesLock);
    mFiles.push_back(path);
    return path;
}

void TShownPages::Write(const std::string& text, const QString& fileName) {
    const std::string shownName = ToPageText(fileName);
    const int file = ::open(QFile::encodeName(fileName).constData(), O_WRONLY | O_CLOEXEC);
    if (file < 0)
        throw EQuorError("Cannot open file " + shownName);
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t count = ::write(file, text.data() + written, text.size() - written);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0) {
            const std::string reason =
                count < 0 ? SystemErrorText() : "nothing more could be written";
            ::close(file);
            throw EQuorError("Can not write the whole page to file " + shownName + ": " + reason);
        }
        written += static_cast<std::size_t>(count);
    }
    if (::close(file) != 0)
        throw EQuorError("Can not write the whole page to file " + shownName + ": " +
                         SystemErrorText());
}

void TShownPages::Shown(const QString& fileName, TPage page) {
    mPages.insert(fileName, std::move(page));
}

TShownPages::TPage TShownPages::Find(const QString& fileName) const {
    return mPages.value(fileName);
}

void TShownPages::RemoveEveryWindowsFiles() {
    const std::lock_guard lock(gFilesLock);
    for (const TShownPages* window : gWindows)
        window->RemoveFiles();
}

void TShownPages::RemoveFiles() const {
    for (const QString& path : mFiles)
        QFile::remove(path);
}

} // namespace Quor

#include "core/text/TextLineReader.h"

#include "core/QuorError.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Quor {

namespace {

constexpr int kEndOfFileMark = 26;

EQuorError FileError(const char* what) {
    return EQuorError(std::string(what) + ": " + SystemErrorText());
}

} // namespace

TTextLineReader::~TTextLineReader() {
    if (mFile)
        std::fclose(mFile);
}

void TTextLineReader::Open(const std::string& path, std::size_t maxBytes) {
    Close();
    mEnded = false;
    mBytesLeft = maxBytes;
    // Without blocking, and only a regular file: a pipe or a device named like the file would
    // otherwise stall the reader or never end.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        throw FileError("Can not open the file");
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        throw EQuorError("The file is not a regular file.");
    }
    mFile = ::fdopen(descriptor, "rb");
    if (!mFile) {
        ::close(descriptor);
        throw FileError("Can not open the file");
    }
}

bool TTextLineReader::ReadLine(std::string& line) {
    line.clear();
    if (!mFile || mEnded)
        return false;
    bool readAnything = false;
    for (;;) {
        const int c = std::getc(mFile);
        if (c == EOF) {
            if (std::ferror(mFile))
                throw FileError("Can not read the file");
            mEnded = true;
            return readAnything;
        }
        if (c == kEndOfFileMark) {
            mEnded = true;
            return readAnything;
        }
        if (mBytesLeft-- == 0)
            throw EQuorError("The file is too large.");
        readAnything = true;
        if (c == '\n')
            return true;
        if (c != '\r')
            line += static_cast<char>(c);
    }
}

void TTextLineReader::Close() {
    if (!mFile)
        return;
    std::FILE* file = mFile;
    mFile = nullptr;
    if (std::fclose(file) != 0)
        throw FileError("Can not close the file");
}

} // namespace Quor

#include "TextLineReader.h"

#include "QuorError.h"

#include <cerrno>
#include <cstring>

namespace {

constexpr int kEndOfFileMark = 26;

EQuorError FileError(const char* what) {
    return EQuorError(std::string(what) + ": " + std::strerror(errno));
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
    mFile = std::fopen(path.c_str(), "rb");
    if (!mFile)
        throw FileError("Can not open the file");
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

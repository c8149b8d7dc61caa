#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace Quor {

// Reads a text file line by line, as the stylesheet is read: a line ends at a line feed, a carriage
// return before it is not part of the line, a carriage return anywhere else is dropped, and a byte
// 26 (Ctrl-Z) ends the file. A last line without a line ending is a line like the others.
class TTextLineReader {
public:
    TTextLineReader() = default;
    TTextLineReader(const TTextLineReader&) = delete;
    TTextLineReader& operator=(const TTextLineReader&) = delete;
    ~TTextLineReader();

    // Opens the file; raises EQuorError when it can not be opened. Reading more than `maxBytes`
    // bytes of it counts as a failure to read.
    void Open(const std::string& path, std::size_t maxBytes = SIZE_MAX);
    // Reads the next line into `line`; false at the end of the file. Raises EQuorError when the
    // file can not be read.
    bool ReadLine(std::string& line);
    // Closes the file; raises EQuorError when closing fails. Closing a closed reader does nothing.
    void Close();

private:
    std::FILE* mFile = nullptr;
    bool mEnded = false;
    std::size_t mBytesLeft = 0;
};

} // namespace Quor

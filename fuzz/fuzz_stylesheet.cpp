// The stylesheet line reader (TTextLineReader) over arbitrary bytes, and the head of a page that
// copies those lines (TPageComposer::HtmlHead, with the bytes as "styles.css").
//
// Lines end at a line feed; every carriage return is dropped; a byte 26 (Ctrl-Z) ends the file.
// Input: the file's bytes.
#include "FuzzSupport.h"
#include "core/QuorError.h"
#include "core/pages/PageComposer.h"
#include "core/text/TextLineReader.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

using namespace Quor;

namespace {

using TLines = std::vector<std::string>;

std::string gStylesheetPath;
TPageComposer* gComposer = nullptr;
int gWarnings = 0;

// The lines of a file as the program reads them.
TLines ExpectedLines(std::string_view bytes) {
    bytes = bytes.substr(0, bytes.find('\x1a'));
    TLines lines;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string line;
        for (const char c : bytes.substr(0, end))
            if (c != '\r')
                line += c;
        lines.push_back(std::move(line));
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    }
    return lines;
}

std::string Joined(const TLines& lines) {
    std::string joined;
    for (const std::string& line : lines)
        joined += CLiteral(line) + " ";
    return joined;
}

// Reads the file with the reader; `failed` tells whether it raised, and the lines read before.
TLines ReadLines(std::size_t maxBytes, bool& failed) {
    TLines lines;
    failed = false;
    TTextLineReader reader;
    try {
        reader.Open(gStylesheetPath, maxBytes);
        for (std::string line; reader.ReadLine(line);)
            lines.push_back(line);
        std::string after = "not read";
        Require(!reader.ReadLine(after) && after.empty(),
                "the reader reads nothing more after the end");
        reader.Close();
    } catch (const EQuorError&) {
        failed = true;
    }
    return lines;
}

void CheckReader(const std::string& input) {
    const TLines expected = ExpectedLines(input);
    bool failed = false;
    const TLines lines = ReadLines(SIZE_MAX, failed);
    const auto details = [&] {
        return "input " + CLiteral(input) + "\nlines " + Joined(lines) + "\nexpected " +
               Joined(expected);
    };
    Require(!failed, "a readable file is read to its end", details);
    std::size_t joinedSize = 0;
    for (const std::string& line : lines) {
        Require(line.find_first_of(std::string_view("\n\r\x1a", 3)) == std::string::npos,
                "no line holds a line feed, a carriage return or a Ctrl-Z", details);
        joinedSize += line.size();
    }
    Require(joinedSize <= input.size(), "the lines are not longer than the file", details);
    Require(lines == expected, "the lines are the file's, cut at Ctrl-Z, without carriage returns",
            details);

    // With a limit of half the file: it fails exactly when more bytes come before the Ctrl-Z,
    // after the complete lines within the limit.
    const std::size_t limit = input.size() / 2;
    const std::size_t counted = std::min(input.find('\x1a'), input.size());
    const TLines limitedLines = ReadLines(limit, failed);
    const auto limitedDetails = [&] {
        return details() + "\nlimit " + std::to_string(limit) + ", lines read " +
               Joined(limitedLines);
    };
    Require(failed == (counted > limit), "the reader fails exactly past its limit", limitedDetails);
    if (failed) {
        const std::string within = input.substr(0, limit);
        const TLines complete = ExpectedLines(within.substr(0, within.rfind('\n') + 1));
        Require(limitedLines == complete, "the complete lines within the limit are read first",
                limitedDetails);
    } else {
        Require(limitedLines == expected, "a file within the limit reads the same", limitedDetails);
    }
}

// The head of a page carries the lines, each after two tabs and before a CR LF.
void CheckHead(const std::string& input) {
    std::string expected = "<head>\r\n"
                           "\t<meta http-equiv=\"Content-Type\" content=\"text/html; "
                           "charset=windows-1251\">\r\n"
                           "\t<style type=\"text/css\">\r\n";
    for (const std::string& line : ExpectedLines(input))
        expected += "\t\t" + line + "\r\n";
    expected += "\t</style>\r\n</head>\r\n";
    gWarnings = 0;
    const std::string head = gComposer->HtmlHead();
    const auto details = [&] { return "input " + CLiteral(input) + "\nhead " + CLiteral(head); };
    Require(head == expected, "the head copies the stylesheet's lines", details);
    Require(gWarnings == 0, "a readable stylesheet brings up no warning", details);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // "styles.css" is read from the scratch folder.
    gStylesheetPath = ScratchFolder() + "/styles.css";
    gComposer = new TPageComposer; // lives as long as the process
    gComposer->SetStylesheetWarning([](const QString&) { ++gWarnings; });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input = InputText(data, size);
    const TWorkingFolderScope workingFolder(ScratchFolder());
    WriteFileOrDie(gStylesheetPath, input);
    CheckReader(input);
    CheckHead(input);
    return 0;
}

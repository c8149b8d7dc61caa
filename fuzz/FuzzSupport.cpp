#include "FuzzSupport.h"

#include <QApplication>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

void PropertyFailed(std::string_view property, std::string_view details) {
    std::fprintf(stderr, "\n*** Property does not hold: %.*s\n", int(property.size()),
                 property.data());
    if (!details.empty())
        std::fprintf(stderr, "%.*s\n", int(details.size()), details.data());
    std::fflush(stderr);
    std::abort();
}

std::string CLiteral(std::string_view text) {
    static constexpr char kHexDigits[] = "0123456789ABCDEF";
    std::string literal = "\"";
    bool afterHexEscape = false;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const bool hexDigit = std::isxdigit(byte) != 0;
        if (byte == '"' || byte == '\\') {
            literal += '\\';
            literal += c;
        } else if (byte == '\r') {
            literal += "\\r";
        } else if (byte == '\n') {
            literal += "\\n";
        } else if (byte == '\t') {
            literal += "\\t";
        } else if (byte >= 0x20 && byte < 0x7F && !(afterHexEscape && hexDigit)) {
            literal += c;
        } else if (byte >= 0x20 && byte < 0x7F) {
            // A hex digit right after a hex escape would extend it: close and reopen the literal.
            literal += "\" \"";
            literal += c;
        } else {
            literal += "\\x";
            literal += kHexDigits[byte >> 4];
            literal += kHexDigits[byte & 0xF];
            afterHexEscape = true;
            continue;
        }
        afterHexEscape = false;
    }
    return literal + "\"";
}

namespace {

void RemoveScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(ScratchFolder(), ignored);
}

} // namespace

const std::string& ScratchFolder() {
    static const std::string folder = [] {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/quor-fuzz-XXXXXX";
        if (!mkdtemp(pattern.data())) {
            std::perror("Can not make a scratch folder");
            std::abort();
        }
        return pattern;
    }();
    // Registered after the name is complete, so that it runs before the name is destroyed.
    static const bool removedAtExit = std::atexit(RemoveScratchFolder) == 0;
    (void)removedAtExit;
    return folder;
}

TWorkingFolderScope::TWorkingFolderScope(const std::string& folder)
    : mPreviousFolder(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
}

TWorkingFolderScope::~TWorkingFolderScope() {
    std::filesystem::current_path(mPreviousFolder);
}

void WriteFileOrDie(const std::string& path, std::string_view bytes) {
    // A new file rather than a truncated one: ext4 writes a truncated file back to the disk when
    // it is closed, which would cost more than the rest of a run.
    std::remove(path.c_str());
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        std::fprintf(stderr, "Can not write %s\n", path.c_str());
        std::abort();
    }
}

void StartApplication(const char* program) {
    static int argc = 1;
    static char* argv[] = {const_cast<char*>(program), nullptr};
    if (QApplication::instance())
        return;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    new QApplication(argc, argv); // lives as long as the process
}

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

// Helpers shared by the fuzz targets.

// The bytes of a fuzz input as a string; every byte value may occur, NUL included.
inline std::string InputText(const std::uint8_t* data, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

// Prints a property that does not hold, with the texts involved in C notation, and aborts, so
// that libFuzzer keeps the input as a crash file.
[[noreturn]] void PropertyFailed(std::string_view property, std::string_view details = {});

// Checks a property of the code under test. `details` tells what was involved: a text, or a
// callable that makes it, so that runs where the property holds build nothing.
template <typename TDetails>
void Require(bool holds, std::string_view property, TDetails&& details) {
    if (holds)
        return;
    if constexpr (std::is_invocable_v<TDetails>)
        PropertyFailed(property, details());
    else
        PropertyFailed(property, details);
}

inline void Require(bool holds, std::string_view property) {
    if (!holds)
        PropertyFailed(property);
}

// A text in C notation: printable ASCII as it is, every other byte as an escape.
std::string CLiteral(std::string_view text);

// A folder of the target's own under $TMPDIR (else /tmp), made on the first call and removed with
// everything in it when the process ends normally.
const std::string& ScratchFolder();

// Makes a folder the working folder while it lives, and the earlier one again afterwards. The
// program reads "styles.css" from the working folder; libFuzzer's relative paths need the
// earlier one between runs.
class TWorkingFolderScope {
public:
    explicit TWorkingFolderScope(const std::string& folder);
    ~TWorkingFolderScope();
    TWorkingFolderScope(const TWorkingFolderScope&) = delete;
    TWorkingFolderScope& operator=(const TWorkingFolderScope&) = delete;

private:
    std::string mPreviousFolder;
};

// Writes `bytes` to a new file at `path`, in place of any earlier one; aborts when that fails.
void WriteFileOrDie(const std::string& path, std::string_view bytes);

// Makes the QApplication of the program on the offscreen platform (unless QT_QPA_PLATFORM names
// another), once. `program` is the fuzz target's argv[0].
void StartApplication(const char* program);

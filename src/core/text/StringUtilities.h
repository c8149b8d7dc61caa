#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Quor {

// Byte-wise text helpers. Texts are Windows-1251 bytes; every comparison is exact and
// case-sensitive.

// Strips every leading and trailing character that occurs in `chars` from `text`, in place.
// Characters of `chars` inside the kept run stay.
void TrimChars(std::string& text, std::string_view chars);

// True when `text` begins with `prefix`; an empty prefix begins every text.
bool StartsWith(std::string_view text, std::string_view prefix);

// Reads a whole text as a 32-bit signed decimal integer: an optional sign and digits, nothing
// else. Nothing when the text is not one or the number does not fit.
std::optional<std::int32_t> ParseInt32(std::string_view text);

} // namespace Quor

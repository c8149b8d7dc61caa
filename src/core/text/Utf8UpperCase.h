#pragma once

#include <string>
#include <string_view>

namespace Quor {

// Upper case of UTF-8 text into `upper`, exactly as QString::toUpper gives it: Unicode's full
// mapping ("ß" becomes "SS"), and invalid bytes become U+FFFD as QString::fromUtf8 reads them.
// ASCII and the two-byte letters of the Cyrillic block, nearly every text of the network, are
// done here; a text with any other character goes through Qt whole.
void Utf8UpperCase(std::string_view text, std::string& upper);

} // namespace Quor

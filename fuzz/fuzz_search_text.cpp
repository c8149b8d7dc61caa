// The normalisation of the search text (TPageComposer::NormalizeSearchText) on arbitrary bytes: the
// text is trimmed of blanks, quotes, commas, full stops, tabs and line ends, and a first
// character from 192 on (the Cyrillic letters of Windows-1251) is upper-cased.
//
// Input: the text, Windows-1251 bytes.
#include "FuzzSupport.h"
#include "core/pages/PageComposer.h"

using namespace Quor;

namespace {

constexpr std::string_view kTrimChars = " '\",.\t\n\r";

bool IsTrimmed(char c) {
    return kTrimChars.find(c) != std::string_view::npos;
}

// The Windows-1251 capital of a Cyrillic letter: А..Я (192..223) stay, а..я (224..255) move
// down by 32.
unsigned char CyrillicCapital(unsigned char letter) {
    return letter >= 224 ? static_cast<unsigned char>(letter - 32) : letter;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input = InputText(data, size);
    std::string text = input;
    TPageComposer::NormalizeSearchText(text);
    const auto details = [&] { return "input " + CLiteral(input) + ", result " + CLiteral(text); };

    std::size_t first = 0;
    while (first < input.size() && IsTrimmed(input[first]))
        ++first;
    if (text.empty()) {
        Require(first == input.size(), "only a text made of trim characters becomes empty",
                details);
        return 0;
    }
    Require(first + text.size() <= input.size() &&
                input.compare(first + 1, text.size() - 1, text, 1) == 0,
            "the result is the trimmed run of the input, but for its first character", details);
    Require(!IsTrimmed(text.front()) && !IsTrimmed(text.back()), "no trim character at either end",
            details);
    for (std::size_t i = first + text.size(); i < input.size(); ++i)
        Require(IsTrimmed(input[i]), "only trim characters go from the end", details);

    const auto original = static_cast<unsigned char>(input[first]);
    const auto result = static_cast<unsigned char>(text.front());
    if (original < 192)
        Require(result == original, "a first character below 192 stays as typed", details);
    else
        Require(result == CyrillicCapital(original), "a Cyrillic first letter becomes its capital",
                details);

    std::string again = text;
    TPageComposer::NormalizeSearchText(again);
    Require(again == text, "the normalisation is idempotent", details);
    return 0;
}

// TrimChars, StartsWith and ParseInt32 on arbitrary bytes.
//
// Input: the first byte n, then min(n, rest) bytes of the set of characters (for TrimChars) or
// of the prefix (for StartsWith), then the text.
#include "FuzzSupport.h"
#include "core/text/StringUtilities.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <optional>

using namespace Quor;

namespace {

bool Contains(std::string_view chars, char c) {
    return chars.find(c) != std::string_view::npos;
}

void CheckTrimChars(const std::string& text, const std::string& chars) {
    std::string trimmed = text;
    TrimChars(trimmed, chars);
    const auto details = [&] {
        return "text " + CLiteral(text) + ", chars " + CLiteral(chars) + ", trimmed " +
               CLiteral(trimmed);
    };

    // The kept run starts at the first character outside the set.
    std::size_t first = 0;
    while (first < text.size() && Contains(chars, text[first]))
        ++first;
    Require(text.compare(first, trimmed.size(), trimmed) == 0,
            "TrimChars keeps a run of the text that starts at its first character outside the set",
            details);
    const std::size_t end = first + trimmed.size();
    for (std::size_t i = end; i < text.size(); ++i)
        Require(Contains(chars, text[i]), "TrimChars removes only characters of the set", details);
    if (!trimmed.empty()) {
        Require(!Contains(chars, trimmed.front()) && !Contains(chars, trimmed.back()),
                "TrimChars leaves no character of the set at either end", details);
    } else {
        Require(first == text.size(), "TrimChars empties only texts made of the set", details);
    }
    if (chars.empty())
        Require(trimmed == text, "TrimChars with an empty set keeps the text", details);

    std::string again = trimmed;
    TrimChars(again, chars);
    Require(again == trimmed, "TrimChars is idempotent", details);
}

void CheckStartsWith(const std::string& text, const std::string& prefix) {
    const bool expected =
        prefix.size() <= text.size() && std::memcmp(text.data(), prefix.data(), prefix.size()) == 0;
    const auto details = [&] { return "text " + CLiteral(text) + ", prefix " + CLiteral(prefix); };
    Require(StartsWith(text, prefix) == expected, "StartsWith compares the first bytes", details);
    Require(StartsWith(text, text), "StartsWith(text, text) holds", details);
    Require(StartsWith(text, {}), "StartsWith(text, \"\") holds", details);
    Require(StartsWith(text + prefix, text), "a text starts every text that begins with it",
            details);
}

void CheckParseInt32(const std::string& text) {
    // An optional sign and at least one digit, nothing else, and a value that fits 32 bits.
    std::string_view digits = text;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-'))
        digits.remove_prefix(1);
    const bool wellFormed =
        !digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos;
    std::int32_t expected = 0;
    bool fits = false;
    if (wellFormed) {
        // from_chars takes a minus sign but no plus sign.
        const std::string_view number = text.front() == '+' ? digits : std::string_view(text);
        const auto [end, error] =
            std::from_chars(number.data(), number.data() + number.size(), expected);
        fits = error == std::errc() && end == number.data() + number.size();
    }
    const std::optional<std::int32_t> value = ParseInt32(text);
    const auto details = [&] {
        return "text " + CLiteral(text) + ", value " +
               (value ? std::to_string(*value) : std::string("none"));
    };
    Require(value.has_value() == fits, "ParseInt32 reads exactly the 32-bit decimal integers",
            details);
    if (value)
        Require(*value == expected, "ParseInt32 gives the number's value", details);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::size_t setSize = std::min<std::size_t>(data[0], size - 1);
    const std::string chars = InputText(data + 1, setSize);
    const std::string text = InputText(data + 1 + setSize, size - 1 - setSize);

    CheckTrimChars(text, chars);
    CheckStartsWith(text, chars);
    CheckParseInt32(text);
    return 0;
}

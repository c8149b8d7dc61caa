#include "core/text/StringUtilities.h"

namespace Quor {

void TrimChars(std::string& text, std::string_view chars) {
    const auto isTrimmed = [chars](char c) { return chars.find(c) != std::string_view::npos; };

    std::size_t first = 0;
    while (first < text.size() && isTrimmed(text[first]))
        ++first;
    std::size_t end = text.size();
    while (end > first && isTrimmed(text[end - 1]))
        --end;
    text.erase(end);
    text.erase(0, first);
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

std::optional<std::int32_t> ParseInt32(std::string_view text) {
    std::size_t position = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        ++position;
    if (position == text.size())
        return std::nullopt;
    std::int64_t number = 0;
    for (; position < text.size(); ++position) {
        const char c = text[position];
        if (c < '0' || c > '9')
            return std::nullopt;
        number = number * 10 + (c - '0');
        if (number > std::int64_t(INT32_MAX) + 1)
            return std::nullopt;
    }
    number = negative ? -number : number;
    if (number > INT32_MAX)
        return std::nullopt;
    return static_cast<std::int32_t>(number);
}

} // namespace Quor

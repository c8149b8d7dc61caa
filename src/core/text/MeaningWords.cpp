#include "core/text/MeaningWords.h"

#include "core/text/Utf8UpperCase.h"

#include <QChar>

#include <algorithm>

namespace Quor {

namespace {

// The code point at `i` of valid UTF-8 and its length in bytes; an invalid byte reads as one
// byte of U+FFFD, which is no letter.
char32_t CodePointAt(std::string_view text, std::size_t i, std::size_t& length) {
    const auto lead = static_cast<unsigned char>(text[i]);
    length = lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (lead < 0xC2 || lead > 0xF4 || i + length > text.size()) {
        length = 1;
        return 0xFFFD;
    }
    char32_t c = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto trail = static_cast<unsigned char>(text[i + k]);
        if ((trail & 0xC0) != 0x80) {
            length = 1;
            return 0xFFFD;
        }
        c = (c << 6) | (trail & 0x3F);
    }
    return c;
}

} // namespace

void MeaningWords(std::string_view text, std::string& words) {
    thread_local std::string upper;
    Utf8UpperCase(text, upper);
    words.assign(1, ' ');
    words.reserve(upper.size() + 2);
    for (std::size_t i = 0; i < upper.size();) {
        const auto lead = static_cast<unsigned char>(upper[i]);
        std::size_t length = 1;
        bool inWord = false;
        if (lead < 0x80) {
            inWord = (lead >= 'A' && lead <= 'Z') || (lead >= '0' && lead <= '9');
        } else {
            const char32_t c = CodePointAt(upper, i, length);
            // Stress marks and other combining marks belong to the letter before them.
            if (QChar::category(c) == QChar::Mark_NonSpacing) {
                i += length;
                continue;
            }
            inWord = QChar::isLetterOrNumber(c);
            if (c == U'Ё' || c == U'Ѝ') {
                // D0 81 and D0 8D become D0 95 and D0 98.
                words += upper[i];
                words += static_cast<char>(c == U'Ё' ? 0x95 : 0x98);
                i += length;
                continue;
            }
        }
        if (inWord)
            words.append(upper, i, length);
        else if (words.back() != ' ')
            words += ' ';
        i += length;
    }
    if (words.back() != ' ')
        words += ' ';
}

std::vector<std::string> SearchTerms(std::string_view text) {
    std::string words;
    MeaningWords(text, words);
    std::vector<std::string> terms;
    for (std::size_t start = 1; start < words.size();) {
        const std::size_t end = words.find(' ', start);
        std::string term = words.substr(start, end - start);
        if (std::find(terms.begin(), terms.end(), term) == terms.end())
            terms.push_back(std::move(term));
        start = end + 1;
    }
    return terms;
}

namespace {

bool IsContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The letters (UTF-8 characters) that two texts begin with alike.
std::string SharedStart(const std::string& a, const std::string& b) {
    std::size_t length = 0;
    while (length < a.size() && length < b.size() && a[length] == b[length])
        ++length;
    while (length > 0 && length < a.size() && IsContinuationByte(a[length]))
        --length;
    return a.substr(0, length);
}

std::size_t LetterCount(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char byte) { return !IsContinuationByte(byte); }));
}

} // namespace

std::vector<std::string> TermStarts(const std::string& term,
                                    const std::vector<std::string>& formTerms) {
    constexpr std::size_t kShortestStart = 3;
    std::vector<std::string> candidates{term};
    for (const std::string& form : formTerms) {
        std::string shared = SharedStart(term, form);
        candidates.push_back(LetterCount(shared) >= kShortestStart ? std::move(shared) : form);
    }
    const auto startsWith = [](const std::string& text, const std::string& start) {
        return text.compare(0, start.size(), start) == 0;
    };
    std::vector<std::string> starts;
    for (const std::string& candidate : candidates) {
        if (candidate.empty() || std::any_of(starts.begin(), starts.end(), [&](const auto& start) {
                return startsWith(candidate, start);
            }))
            continue;
        std::erase_if(starts,
                      [&](const std::string& start) { return startsWith(start, candidate); });
        starts.push_back(candidate);
    }
    return starts;
}

} // namespace Quor

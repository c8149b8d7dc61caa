#include "core/suggest/Lexicon.h"

#include "core/text/CodePage.h"

#include <QString>

#include <algorithm>
#include <array>
#include <bit>
#include <functional>
#include <iterator>

namespace Quor {

namespace {

// Keys longer than this are never near any text: the typing-error search skips them.
constexpr std::size_t kLongestNearKey = 64;
constexpr unsigned char kCapitalIe = 0xC5; // Е
constexpr unsigned char kSmallIo = 0xB8;   // ё
constexpr unsigned char kCapitalIo = 0xA8; // Ё

// The key's letter for each byte of page text: its capital, and Е for ё and Ё.
const std::array<char, 256>& KeyLetters() {
    static const std::array<char, 256> letters = [] {
        std::array<char, 256> table{};
        for (int byte = 0; byte < 256; ++byte) {
            const std::string text(1, static_cast<char>(byte));
            const std::string upper = ToPageText(FromPageText(text).toUpper());
            table[byte] = upper.size() == 1 && (upper != "?" || byte == '?') ? upper[0] : text[0];
        }
        table[kSmallIo] = table[kCapitalIo] = static_cast<char>(kCapitalIe);
        return table;
    }();
    return letters;
}

// One bit for each letter a key holds: one each for А to Я, the rest shared. A typing error
// changes at most two of them.
std::uint64_t LetterBits(std::string_view key) {
    std::uint64_t bits = 0;
    for (const char c : key) {
        const auto byte = static_cast<unsigned char>(c);
        bits |= std::uint64_t(1) << (byte >= 0xC0 ? byte - 0xC0 : 32 + byte % 32);
    }
    return bits;
}

// The letters wrong, missing, extra or swapped (each swap of neighbours one) that turn `a` into
// `b`, or maxDistance + 1 when that is more than maxDistance.
int TypingDistance(std::string_view a, std::string_view b, int maxDistance) {
    const int n = static_cast<int>(a.size()), m = static_cast<int>(b.size());
    if (std::abs(n - m) > maxDistance)
        return maxDistance + 1;
    std::array<int, kLongestNearKey + 1> before{}, previous{}, current{};
    for (int j = 0; j <= m; ++j)
        previous[j] = j;
    for (int i = 1; i <= n; ++i) {
        current[0] = i;
        int best = current[0];
        for (int j = 1; j <= m; ++j) {
            const int cost = a[i - 1] == b[j - 1] ? 0 : 1;
            int d = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d = std::min(d, before[j - 2] + 1);
            current[j] = d;
            best = std::min(best, d);
        }
        if (best > maxDistance)
            return maxDistance + 1;
        before = previous;
        previous = current;
    }
    return std::min(previous[m], maxDistance + 1);
}

} // namespace

TLexicon::TLexicon(TStringList words) : mWords(std::move(words)) {
    mKeyStarts.reserve(mWords.size() + 1);
    for (const std::string& word : mWords) {
        mKeyStarts.push_back(static_cast<std::uint32_t>(mKeys.size()));
        mKeys += Key(word);
    }
    mKeyStarts.push_back(static_cast<std::uint32_t>(mKeys.size()));
    mTable.assign(std::bit_ceil(mWords.size() * 2 + 1), 0);
    for (std::uint32_t word = 0; word < mWords.size(); ++word) {
        AddToTable(word);
        const std::string_view key = KeyOf(word);
        if (key.empty() || key.size() > kLongestNearKey)
            continue;
        if (mBuckets.size() <= key.size())
            mBuckets.resize(key.size() + 1);
        mBuckets[key.size()].Letters.push_back(LetterBits(key));
        mBuckets[key.size()].Words.push_back(word);
    }
}

std::string TLexicon::Key(std::string_view text) {
    const auto& letters = KeyLetters();
    std::string key(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        key[i] = letters[static_cast<unsigned char>(text[i])];
    return key;
}

std::string_view TLexicon::KeyOf(std::uint32_t word) const {
    return std::string_view(mKeys).substr(mKeyStarts[word],
                                          mKeyStarts[word + 1] - mKeyStarts[word]);
}

std::size_t TLexicon::Slot(std::string_view key) const {
    return std::hash<std::string_view>{}(key) & (mTable.size() - 1);
}

void TLexicon::AddToTable(std::uint32_t word) {
    std::size_t slot = Slot(KeyOf(word));
    while (mTable[slot] != 0)
        slot = (slot + 1) & (mTable.size() - 1);
    mTable[slot] = word + 1;
}

std::vector<std::string> TLexicon::WordsOfKey(std::string_view key) const {
    std::vector<std::uint32_t> found;
    for (std::size_t slot = Slot(key); mTable[slot] != 0; slot = (slot + 1) & (mTable.size() - 1))
        if (KeyOf(mTable[slot] - 1) == key)
            found.push_back(mTable[slot] - 1);
    std::sort(found.begin(), found.end());
    std::vector<std::string> words;
    for (const std::uint32_t word : found)
        words.push_back(mWords[word]);
    return words;
}

std::vector<std::string> TLexicon::WordsHoldingKey(std::string_view key, std::size_t limit) const {
    std::vector<std::string> words;
    if (key.empty())
        return words;
    const std::boyer_moore_horspool_searcher searcher(key.begin(), key.end());
    for (auto at = mKeys.begin(); words.size() < limit;) {
        at = std::search(at, mKeys.end(), searcher);
        if (at == mKeys.end())
            break;
        const auto position = static_cast<std::uint32_t>(at - mKeys.begin());
        // The word whose key the match begins in; a match that runs on into the next one is none.
        const auto word = static_cast<std::uint32_t>(
            std::upper_bound(mKeyStarts.begin(), mKeyStarts.end(), position) - mKeyStarts.begin() -
            1);
        if (position + key.size() <= mKeyStarts[word + 1] && KeyOf(word).size() > key.size())
            words.push_back(mWords[word]);
        at = mKeys.begin() + std::max<std::ptrdiff_t>(mKeyStarts[word + 1], position + 1);
    }
    return words;
}

std::vector<TLexicon::TNearWord> TLexicon::NearWords(std::string_view key, int maxDistance,
                                                     std::size_t limit) const {
    struct TFound {
        int Distance;
        bool OtherFirstLetter;
        std::size_t LengthChange;
        std::uint32_t Word;
        auto operator<=>(const TFound&) const = default;
    };
    std::vector<TFound> found;
    if (key.empty() || key.size() > kLongestNearKey || maxDistance <= 0)
        return {};
    const std::uint64_t letters = LetterBits(key);
    const std::size_t shortest =
        key.size() > std::size_t(maxDistance) ? key.size() - maxDistance : 1;
    const std::size_t longest = std::min(key.size() + maxDistance, mBuckets.size() - 1);
    for (std::size_t length = shortest; length <= longest && length < mBuckets.size(); ++length) {
        const TLengthBucket& bucket = mBuckets[length];
        for (std::size_t i = 0; i < bucket.Letters.size(); ++i) {
            if (std::popcount(bucket.Letters[i] ^ letters) > 2 * maxDistance)
                continue;
            const std::string_view other = KeyOf(bucket.Words[i]);
            const int distance = TypingDistance(key, other, maxDistance);
            if (distance == 0 || distance > maxDistance)
                continue;
            found.push_back({distance, other.front() != key.front(),
                             length > key.size() ? length - key.size() : key.size() - length,
                             bucket.Words[i]});
        }
    }
    std::sort(found.begin(), found.end());
    std::vector<TNearWord> words;
    for (std::size_t i = 0; i < found.size() && words.size() < limit; ++i)
        words.push_back({mWords[found[i].Word], found[i].Distance});
    return words;
}

} // namespace Quor

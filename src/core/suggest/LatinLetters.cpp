#include "core/suggest/LatinLetters.h"

#include "core/text/CodePage.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <vector>

namespace Quor {

namespace {

// Longer texts are no word typed in Latin letters; each letter is a step of the reading.
constexpr std::size_t kLongestLatinText = 100;

// A run of Latin letters and the Cyrillic letters it may stand for, the likeliest first.
struct TRule {
    std::string Latin;
    std::vector<std::string> Cyrillic; // page text
};

using TRules = std::vector<TRule>;

// The rules from a list of "latin cyrillic cyrillic..." lines (UTF-8), the longest runs first,
// so that "sh" is read as ш before it is read as с and х.
TRules MakeRules(std::initializer_list<const char*> lines) {
    TRules rules;
    for (const char* line : lines) {
        const QStringList parts = QString::fromUtf8(line).split(QLatin1Char(' '));
        TRule rule{parts.front().toStdString(), {}};
        for (qsizetype i = 1; i < parts.size(); ++i)
            rule.Cyrillic.push_back(ToPageText(parts[i]));
        rules.push_back(std::move(rule));
    }
    std::stable_sort(rules.begin(), rules.end(), [](const TRule& a, const TRule& b) {
        return a.Latin.size() > b.Latin.size();
    });
    return rules;
}

const TRules& BulgarianRules() {
    static const TRules rules = MakeRules({
        "a а ъ", "b б",   "v в",   "w в",   "g г",   "d д",    "e е",  "zh ж",  "z з",
        "i и",   "y й ь", "j й ж", "k к",   "l л",   "m м",    "n н",  "o о",   "p п",
        "r р",   "s с",   "t т",   "u у ъ", "f ф",   "h х",    "ts ц", "c ц к", "ch ч",
        "sh ш",  "sht щ", "yu ю",  "ya я",  "ia ия", "x кс х", "q я",
    });
    return rules;
}

const TRules& RussianRules() {
    static const TRules rules = MakeRules({
        "a а",    "b б",  "v в",  "w в",  "g г",   "d д",   "e е э", "ye е",   "je е",  "yo ё",
        "jo ё",   "io ё", "zh ж", "z з",  "i и й", "y ы й", "j й",   "k к",    "l л",   "m м",
        "n н",    "o о",  "p п",  "r р",  "s с",   "t т",   "u у",   "f ф",    "kh х",  "h х",
        "x х кс", "ts ц", "tc ц", "tz ц", "c ц к", "ch ч",  "sh ш",  "shch щ", "sch щ", "shh щ",
        "yu ю",   "ju ю", "iu ю", "ya я", "ja я",  "ia я",  "' ь",   "\" ъ",
    });
    return rules;
}

// Depth first, the likeliest reading of each run before the others.
void Spell(std::string_view latin, const TRules& rules, std::string& spelled,
           TStringList& spellings, std::size_t limit) {
    if (spellings.size() >= limit)
        return;
    if (latin.empty()) {
        spellings.push_back(spelled);
        return;
    }
    bool ruled = false;
    for (const TRule& rule : rules) {
        if (!latin.starts_with(rule.Latin))
            continue;
        ruled = true;
        for (const std::string& cyrillic : rule.Cyrillic) {
            const std::size_t length = spelled.size();
            spelled += cyrillic;
            Spell(latin.substr(rule.Latin.size()), rules, spelled, spellings, limit);
            spelled.resize(length);
        }
    }
    if (!ruled) { // a blank, a hyphen, a digit: kept as it is
        spelled += latin.front();
        Spell(latin.substr(1), rules, spelled, spellings, limit);
        spelled.pop_back();
    }
}

} // namespace

TStringList LatinToCyrillic(std::string_view text, const std::string& langCode, std::size_t limit) {
    const TRules* rules = langCode == "BG"   ? &BulgarianRules()
                          : langCode == "RU" ? &RussianRules()
                                             : nullptr;
    const auto isLatin = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    const bool onlyAscii = std::all_of(text.begin(), text.end(),
                                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (!rules || text.size() > kLongestLatinText || !onlyAscii ||
        std::none_of(text.begin(), text.end(), isLatin))
        return {};
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    TStringList spellings;
    std::string spelled;
    Spell(lower, *rules, spelled, spellings, limit);
    return spellings;
}

} // namespace Quor

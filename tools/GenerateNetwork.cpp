// GenerateNetwork: writes a large synthetic semantic network in the word browser's database
// format, for the benchmarks. The same seed gives the same network, byte for byte, with any
// standard library: the random engine is std::mt19937_64 and every distribution is our own.
//
//   GenerateNetwork --words N --seed S --output PATH [--ucase-index] [--heaviest-hub D]
//
// The shape of the network:
// - half the words Bulgarian (BG, odd ids), half Russian (RU, even ids), built from the syllables
//   of each language: mostly lower case, some capitalised terms, abbreviations in capitals with
//   a qualifier, two- and three-word terms; all text is UTF-8;
// - 0 to 8 meanings per word, most words 1 or 2;
// - homonym groups of 2 to 4 words (one spelling, a different domain as MORE_INFO each) for a few
//   percent of the words, and in each language one spelling shared by 20 homonyms, so that an
//   exact search finds exactly 20 words;
// - absolute-synonym clusters of 2 to 10 words; a few miss one pair, so that clustering is not
//   transitive; half of them share the first meaning of their first word;
// - relative synonyms with a heavy-tailed degree: most words a handful, a few hubs with 300 to
//   380, and the heaviest hub (a Bulgarian word) exactly 400 (or D); hubs take whole absolute
//   clusters among their relative synonyms.
// The tables, columns and indexes are those of Database/QuorSemanticNetwork.sql; --ucase-index
// adds the two indexes over ucase(WORD) that searches use: IX_WORD_UCASE on (ucase(WORD),
// LANG_CODE) for the exact search, and IX_WORD_LANG_LEN_UCASE on (LANG_CODE, len(WORD),
// ucase(WORD)), which lets the similar search walk the words shortest first and stop at the
// 21st match.
#include "core/store/SqliteDialect.h"
#include "core/text/Utf8UpperCase.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

using namespace Quor;

namespace {

// --- Random numbers -----------------------------------------------------------------------------

// Random choices made only of whole-number arithmetic on the engine's output, so that they are
// the same everywhere (the std:: distributions differ between standard libraries).
class TRandom {
public:
    explicit TRandom(std::uint64_t seed) : mEngine(seed) {}

    // A number in [0, count); count > 0. The modulo bias is far below anything that matters here.
    std::uint64_t Below(std::uint64_t count) { return mEngine() % count; }
    std::size_t Index(std::size_t count) { return static_cast<std::size_t>(Below(count)); }
    int Between(int low, int high) { return low + static_cast<int>(Below(high - low + 1)); }
    bool PerMille(unsigned chance) { return Below(1000) < chance; }

    // An index into `weights`, each chosen in proportion to its weight.
    template <std::size_t N> std::size_t Weighted(const std::array<unsigned, N>& weights) {
        unsigned total = 0;
        for (unsigned weight : weights)
            total += weight;
        auto draw = static_cast<unsigned>(Below(total));
        for (std::size_t i = 0; i < N; ++i) {
            if (draw < weights[i])
                return i;
            draw -= weights[i];
        }
        return N - 1;
    }

    template <typename T> const T& Pick(const std::vector<T>& items) {
        return items[Index(items.size())];
    }

    template <typename T> void Shuffle(std::vector<T>& items) {
        for (std::size_t i = items.size(); i > 1; --i)
            std::swap(items[i - 1], items[Index(i)]);
    }

private:
    std::mt19937_64 mEngine;
};

// --- Languages ----------------------------------------------------------------------------------

using TTexts = std::vector<std::string_view>;

// What words of one language are made of. Repeated entries weigh more.
struct TLanguage {
    std::string_view Code;
    TTexts Onsets, Vowels, Codas;
    TTexts NounEndings, AdjectiveEndings, Prepositions;
    TTexts CapitalLetters;            // for abbreviations
    TTexts Qualifiers;                // MORE_INFO of some ordinary words
    std::string_view Abbreviation;    // MORE_INFO of abbreviations
    TTexts Domains;                   // MORE_INFO of homonyms; 20 of them
    TTexts MeaningOpeners, LinkWords; // the words of meanings
};

const TLanguage kBulgarian{
    "BG",
    {"",   "б",  "в",  "г",  "д",  "ж",  "з",  "к",  "л",  "м",  "н",  "п",  "р",  "р",  "с",
     "т",  "ф",  "х",  "ц",  "ч",  "ш",  "щ",  "бр", "вр", "гр", "др", "кр", "пр", "тр", "ст",
     "сп", "ск", "зв", "пл", "кл", "бл", "гл", "св", "сл", "зн", "дв", "тв", "чл", "шк", "хр"},
    {"а", "а", "а", "е", "е", "и", "и", "о", "о", "у", "ъ", "ъ", "я", "ю"},
    {"", "", "", "", "", "", "н", "р", "л", "т", "с", "к", "м", "в", "ст", "нт", "рт", "ж", "ш"},
    {"", "", "", "ство", "ние", "ка", "ост", "тел", "ик", "ар", "ия", "ица", "ач", "изъм"},
    {"ен", "на", "но", "ни", "ски", "ска", "ово", "ова", "ичен", "ична", "ен"},
    {"на", "на", "за", "за", "от", "по", "с", "без"},
    {"А", "Б", "В", "Г", "Д", "Е", "Ж", "З", "И", "К", "Л", "М",
     "Н", "О", "П", "Р", "С", "Т", "У", "Ф", "Х", "Ц", "Ч", "Ш"},
    {"разг.", "остар.", "спец.", "жарг.", "книж."},
    "съкр.",
    {"информатика",  "медицина",    "техника",   "право",      "икономика",
     "физика",       "химия",       "биология",  "математика", "лингвистика",
     "строителство", "мореплаване", "музика",    "спорт",      "военно дело",
     "геология",     "астрономия",  "философия", "транспорт",  "селско стопанство"},
    {"Устройство", "Процес", "Метод", "Свойство", "Част", "Система", "Начин", "Съвкупност",
     "Единица", "Елемент", "Средство", "Вид", "Резултат", "Действие", "Състояние"},
    {"на", "на", "на", "за", "от", "и", "и", "в", "с", "по", "при", "който", "която", "което",
     "или", "към", "чрез"},
};

const TLanguage kRussian{
    "RU",
    {"",   "б",  "в",  "г",  "д",  "ж",  "з",  "к",  "л",  "м",  "н",  "п",  "р",  "р",  "с",
     "т",  "ф",  "х",  "ц",  "ч",  "ш",  "щ",  "бр", "вр", "гр", "др", "кр", "пр", "тр", "ст",
     "сп", "ск", "зв", "пл", "кл", "бл", "гл", "св", "сл", "зн", "дв", "тв", "чл", "мн", "вз"},
    {"а", "а", "а", "е", "е", "и", "и", "о", "о", "о", "у", "ы", "ы", "я", "ю", "э", "ё"},
    {"", "", "", "", "", "", "н", "р", "л", "т", "с", "к", "м", "в", "й", "ль", "нь", "ст", "рт"},
    {"", "", "", "ство", "ние", "ка", "ость", "тель", "ик", "ор", "ия", "ица", "ач", "изм"},
    {"ный", "ная", "ное", "ные", "ский", "ская", "овый", "овая", "ический", "ическая"},
    {"для", "для", "на", "от", "по", "с", "без", "из"},
    {"А", "Б", "В", "Г", "Д", "Е", "Ж", "З", "И", "К", "Л", "М", "Н", "О",
     "П", "Р", "С", "Т", "У", "Ф", "Х", "Ц", "Ч", "Ш", "Э", "Ю", "Я"},
    {"разг.", "устар.", "спец.", "жарг.", "книжн."},
    "сокр.",
    {"информатика",   "медицина",     "техника",   "право",      "экономика",
     "физика",        "химия",        "биология",  "математика", "лингвистика",
     "строительство", "мореплавание", "музыка",    "спорт",      "военное дело",
     "геология",      "астрономия",   "философия", "транспорт",  "сельское хозяйство"},
    {"Устройство", "Процесс", "Метод", "Свойство", "Часть", "Система", "Способ", "Совокупность",
     "Единица", "Элемент", "Средство", "Вид", "Результат", "Действие", "Состояние"},
    {"для", "для", "на", "от", "и", "и", "в", "с", "по", "при", "который", "которая", "которое",
     "или", "к", "через"},
};

// Upper case of UTF-8 text as the browser's ucase gives it; with `firstOnly` only the first
// character.
std::string UpperCase(std::string_view text, bool firstOnly = false) {
    std::size_t length = text.size();
    if (firstOnly) { // the lead byte and its continuation bytes
        length = std::min<std::size_t>(1, text.size());
        while (length < text.size() && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
            ++length;
    }
    std::string upper;
    Utf8UpperCase(text.substr(0, length), upper);
    upper += text.substr(length);
    return upper;
}

// Terms and meanings of one language.
class TWordMaker {
public:
    TWordMaker(const TLanguage& language, TRandom& random) : mLanguage(language), mRandom(random) {}

    // A new term, different from every term made before (ignoring case), and its MORE_INFO.
    std::pair<std::string, std::string_view> Term() {
        for (;;) {
            std::string_view moreInfo;
            std::string term = AnyTerm(moreInfo);
            if (Claim(term))
                return {std::move(term), moreInfo};
        }
    }

    // A new single-word term in lower case, for homonym groups.
    std::string Noun() {
        for (;;) {
            std::string noun = AnyNoun();
            if (Claim(noun))
                return noun;
        }
    }

    // A meaning: a capitalised opener and 4 to 10 more words, without a closing full stop (the
    // pages add one); a few end in an abbreviation with its own full stop.
    std::string Meaning() {
        std::string meaning(mRandom.Pick(mLanguage.MeaningOpeners));
        const int words = 2 * mRandom.Between(2, 5);
        for (int i = 0; i < words; ++i) {
            meaning += ' ';
            if (i % 2 == 0) // link words and content words alternate; a content word ends it
                meaning += mRandom.Pick(mLanguage.LinkWords);
            else if (mRandom.PerMille(300))
                meaning += Adjective();
            else
                meaning += Stem(mRandom.Between(1, 3));
        }
        if (mRandom.PerMille(20))
            meaning += mLanguage.Code == "BG" ? " и т. н." : " и т. д.";
        return meaning;
    }

private:
    static constexpr std::array<unsigned, 6> kSyllableWeights{6, 28, 34, 20, 8, 4}; // 1 to 6
    // Ordinary noun, adjective and noun, noun-preposition-noun, capitalised, abbreviation.
    static constexpr std::array<unsigned, 5> kTermWeights{600, 220, 60, 70, 50};

    std::string AnyTerm(std::string_view& moreInfo) {
        moreInfo = mRandom.PerMille(70) ? mRandom.Pick(mLanguage.Qualifiers) : std::string_view();
        switch (mRandom.Weighted(kTermWeights)) {
        case 0:
            return AnyNoun();
        case 1:
            return Adjective() + ' ' + AnyNoun();
        case 2:
            return AnyNoun() + ' ' + std::string(mRandom.Pick(mLanguage.Prepositions)) + ' ' +
                   AnyNoun();
        case 3:
            return UpperCase(mRandom.PerMille(600) ? AnyNoun() : Adjective() + ' ' + AnyNoun(),
                             true);
        default:
            moreInfo = mLanguage.Abbreviation;
            return Abbreviation();
        }
    }

    std::string AnyNoun() {
        const int syllables = static_cast<int>(mRandom.Weighted(kSyllableWeights)) + 1;
        std::string noun = Stem(syllables);
        if (syllables <= 4 && mRandom.PerMille(350))
            noun += mRandom.Pick(mLanguage.NounEndings);
        return noun;
    }

    std::string Adjective() {
        return Stem(mRandom.Between(1, 3)) + std::string(mRandom.Pick(mLanguage.AdjectiveEndings));
    }

    std::string Stem(int syllables) {
        std::string stem;
        for (int i = 0; i < syllables; ++i) {
            stem += mRandom.Pick(mLanguage.Onsets);
            stem += mRandom.Pick(mLanguage.Vowels);
            if (i + 1 == syllables || mRandom.PerMille(150))
                stem += mRandom.Pick(mLanguage.Codas);
        }
        return stem;
    }

    std::string Abbreviation() {
        std::string letters;
        const int count = mRandom.Between(2, 5);
        for (int i = 0; i < count; ++i)
            letters += mRandom.Pick(mLanguage.CapitalLetters);
        return letters;
    }

    // True when no term spelled like `term` but for case was made before; then it is taken.
    bool Claim(const std::string& term) { return mTaken.insert(UpperCase(term)).second; }

    const TLanguage& mLanguage;
    TRandom& mRandom;
    std::unordered_set<std::string> mTaken;
};

// --- The network in memory ----------------------------------------------------------------------

constexpr std::size_t kShowcaseHomonyms = 20;
constexpr int kNoCluster = -1;

// The words of one language and the structure among them. Entries are numbered from 0 within
// the language; ids interleave the two languages: BG entry k has id 2k+1, RU entry k id 2k+2.
struct TLanguageWords {
    const TLanguage* Language = nullptr;
    int Index = 0; // 0 for BG, 1 for RU
    std::vector<std::string> Words;
    std::vector<std::string_view> MoreInfo;
    std::vector<std::vector<std::int32_t>> HomonymGroups;
    std::size_t ShowcaseGroup = 0;
    std::vector<std::uint8_t> IsHub;
    std::vector<std::uint8_t> IsShowcase;
    std::vector<std::int32_t> FirstMeaning;
    std::vector<std::uint8_t> MeaningCount;
    std::vector<std::int32_t> ClusterOf;
    std::vector<std::vector<std::int32_t>> Clusters;
    std::vector<std::int32_t> Hubs;

    std::size_t Count() const { return Words.size(); }
    std::int32_t IdOf(std::size_t entry) const {
        return static_cast<std::int32_t>(2 * entry + 1 + static_cast<std::size_t>(Index));
    }
};

// --- The database file --------------------------------------------------------------------------

struct TCloseDatabase {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
struct TFinalizeStatement {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using TStatement = std::unique_ptr<sqlite3_stmt, TFinalizeStatement>;

// The database being written: the schema of the word browser and one prepared insert per table.
class TNetworkFile {
public:
    explicit TNetworkFile(const std::filesystem::path& path) {
        sqlite3* db = nullptr;
        const int result =
            sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        mDb.reset(db);
        Check(result, "open " + path.string());
        Check(RegisterSqliteFunctions(mDb.get()), "register ucase and len");
        Execute("pragma journal_mode=OFF; pragma synchronous=OFF; pragma locking_mode=EXCLUSIVE;"
                "pragma temp_store=MEMORY; pragma cache_size=-262144;");
        Execute("create table T_WORD (ID integer primary key, WORD text not null, MORE_INFO text, "
                "LANG_CODE text not null);"
                "create table T_MEANING (ID integer primary key, MEANING text not null);"
                "create table TM_WORD_MEANING (WORD_ID integer not null, "
                "MEANING_ID integer not null);"
                "create table T_HOMONYM (FIRST_WORD_ID integer not null, "
                "SECOND_WORD_ID integer not null);"
                "create table T_SYNONYM (FIRST_WORD_ID integer not null, "
                "SECOND_WORD_ID integer not null, IS_ABSOLUTE integer not null);");
        Execute("begin");
        mInsertWord = Prepare("insert into T_WORD (ID, WORD, MORE_INFO, LANG_CODE) "
                              "values (?1, ?2, ?3, ?4)");
        mInsertMeaning = Prepare("insert into T_MEANING (ID, MEANING) values (?1, ?2)");
        mInsertWordMeaning =
            Prepare("insert into TM_WORD_MEANING (WORD_ID, MEANING_ID) values (?1, ?2)");
        mInsertHomonym =
            Prepare("insert into T_HOMONYM (FIRST_WORD_ID, SECOND_WORD_ID) values (?1, ?2)");
        mInsertSynonym = Prepare("insert into T_SYNONYM (FIRST_WORD_ID, SECOND_WORD_ID, "
                                 "IS_ABSOLUTE) values (?1, ?2, ?3)");
    }

    void Word(std::int32_t id, std::string_view word, std::string_view moreInfo,
              std::string_view langCode) {
        sqlite3_stmt* s = mInsertWord.get();
        sqlite3_bind_int(s, 1, id);
        BindText(s, 2, word);
        BindText(s, 3, moreInfo);
        BindText(s, 4, langCode);
        Step(s, "insert into T_WORD");
    }

    void Meaning(std::int32_t id, std::string_view meaning) {
        sqlite3_stmt* s = mInsertMeaning.get();
        sqlite3_bind_int(s, 1, id);
        BindText(s, 2, meaning);
        Step(s, "insert into T_MEANING");
    }

    void WordMeaning(std::int32_t wordId, std::int32_t meaningId) {
        InsertPair(mInsertWordMeaning.get(), wordId, meaningId, "insert into TM_WORD_MEANING");
    }

    void Homonyms(std::int32_t firstId, std::int32_t secondId) {
        InsertPair(mInsertHomonym.get(), firstId, secondId, "insert into T_HOMONYM");
        ++mHomonymRows;
    }

    void Synonyms(std::int32_t firstId, std::int32_t secondId, bool absolute) {
        sqlite3_stmt* s = mInsertSynonym.get();
        sqlite3_bind_int(s, 3, absolute ? 1 : 0);
        InsertPair(s, firstId, secondId, "insert into T_SYNONYM");
        ++(absolute ? mAbsoluteRows : mRelativeRows);
    }

    // Ends the transaction and builds the indexes over the data.
    void Finish(bool ucaseIndex) {
        Execute("commit");
        Execute("create index IX_WORD_LANG_CODE on T_WORD (LANG_CODE);"
                "create index IX_WORD_MEANING_WORD_ID on TM_WORD_MEANING (WORD_ID);"
                "create index IX_HOMONYM_FIRST_WORD_ID on T_HOMONYM (FIRST_WORD_ID);"
                "create index IX_HOMONYM_SECOND_WORD_ID on T_HOMONYM (SECOND_WORD_ID);"
                "create index IX_SYNONYM_FIRST_WORD_ID on T_SYNONYM (FIRST_WORD_ID);"
                "create index IX_SYNONYM_SECOND_WORD_ID on T_SYNONYM (SECOND_WORD_ID);"
                "create index IX_SYNONYM_PAIR on T_SYNONYM "
                "(FIRST_WORD_ID, SECOND_WORD_ID, IS_ABSOLUTE);");
        if (ucaseIndex)
            Execute("create index IX_WORD_UCASE on T_WORD (ucase(WORD), LANG_CODE);"
                    "create index IX_WORD_LANG_LEN_UCASE on T_WORD "
                    "(LANG_CODE, len(WORD), ucase(WORD));");
    }

    // The number of relative synonyms of a word, asked of the finished database.
    std::int64_t RelativeSynonymCount(std::int32_t wordId) {
        TStatement count = Prepare("select count(*) from T_SYNONYM where IS_ABSOLUTE = 0 "
                                   "and (FIRST_WORD_ID = ?1 or SECOND_WORD_ID = ?1)");
        sqlite3_bind_int(count.get(), 1, wordId);
        if (sqlite3_step(count.get()) != SQLITE_ROW)
            Check(sqlite3_errcode(mDb.get()), "count relative synonyms");
        return sqlite3_column_int64(count.get(), 0);
    }

    void Close() {
        mInsertWord.reset();
        mInsertMeaning.reset();
        mInsertWordMeaning.reset();
        mInsertHomonym.reset();
        mInsertSynonym.reset();
        Check(sqlite3_close(mDb.release()), "close the database");
    }

    std::int64_t HomonymRows() const { return mHomonymRows; }
    std::int64_t AbsoluteRows() const { return mAbsoluteRows; }
    std::int64_t RelativeRows() const { return mRelativeRows; }

private:
    void Check(int result, const std::string& what) {
        if (result != SQLITE_OK && result != SQLITE_DONE && result != SQLITE_ROW)
            throw std::runtime_error("Can not " + what + ": " +
                                     (mDb ? sqlite3_errmsg(mDb.get()) : sqlite3_errstr(result)));
    }

    void Execute(const char* sql) {
        char* message = nullptr;
        if (sqlite3_exec(mDb.get(), sql, nullptr, nullptr, &message) != SQLITE_OK) {
            const std::string text = message ? message : "unknown error";
            sqlite3_free(message);
            throw std::runtime_error(std::string("Can not run \"") + sql + "\": " + text);
        }
    }

    TStatement Prepare(const char* sql) {
        sqlite3_stmt* statement = nullptr;
        Check(sqlite3_prepare_v2(mDb.get(), sql, -1, &statement, nullptr),
              std::string("prepare \"") + sql + "\"");
        return TStatement(statement);
    }

    static void BindText(sqlite3_stmt* statement, int index, std::string_view text) {
        sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()),
                          SQLITE_STATIC);
    }

    void InsertPair(sqlite3_stmt* statement, std::int32_t first, std::int32_t second,
                    const char* what) {
        sqlite3_bind_int(statement, 1, first);
        sqlite3_bind_int(statement, 2, second);
        Step(statement, what);
    }

    void Step(sqlite3_stmt* statement, const char* what) {
        const int result = sqlite3_step(statement);
        sqlite3_reset(statement);
        Check(result, what);
    }

    std::unique_ptr<sqlite3, TCloseDatabase> mDb;
    TStatement mInsertWord, mInsertMeaning, mInsertWordMeaning, mInsertHomonym, mInsertSynonym;
    std::int64_t mHomonymRows = 0, mAbsoluteRows = 0, mRelativeRows = 0;
};

// --- The generator ------------------------------------------------------------------------------

struct TOptions {
    std::int64_t Words = 10000;
    std::uint64_t Seed = 1;
    std::filesystem::path Output;
    bool UcaseIndex = false;
    int HeaviestHubDegree = 400;
};

class TGenerator {
public:
    TGenerator(const TOptions& options, TNetworkFile& file)
        : mOptions(options), mRandom(options.Seed), mFile(file) {
        mLanguages[0].Language = &kBulgarian;
        mLanguages[1].Language = &kRussian;
        mLanguages[1].Index = 1;
    }

    void Run() {
        const auto total = static_cast<std::size_t>(mOptions.Words);
        for (TLanguageWords& words : mLanguages) {
            MakeWords(words, words.Index == 0 ? (total + 1) / 2 : total / 2);
            MakeClusters(words);
            ChooseHubs(words);
        }
        InsertWordsAndMeanings();
        for (TLanguageWords& words : mLanguages) {
            InsertHomonyms(words);
            InsertClusters(words);
            InsertRelativeSynonyms(words);
        }
    }

    const TLanguageWords& Bulgarian() const { return mLanguages[0]; }
    std::int32_t MeaningCount() const { return mMeaningId; }
    std::int64_t WordMeaningRows() const { return mWordMeaningRows; }

private:
    static constexpr std::array<unsigned, 3> kHomonymGroupWeights{80, 15, 5};      // 2 to 4
    static constexpr std::array<unsigned, 9> kClusterSizeWeights{50, 20, 11, 7, 5, // 2 to 10
                                                                 3,  2,  1,  1};
    static constexpr std::array<unsigned, 9> kMeaningCountWeights{80, 460, 260, 100, 50, // 0 to 8
                                                                  20, 15,  8,   7};
    // Relative-synonym degrees of ordinary words from 1 to 40: P(degree >= k) ~ k^-1.2.
    static constexpr std::array<unsigned, 40> kDegreeWeights{
        5647, 1677, 781, 445, 285, 197, 143, 109, 85, 68, 56, 46, 39, 33, 29, 25, 22, 20, 17, 16,
        14,   13,   12,  11,  10,  9,   8,   8,   7,  7,  6,  6,  5,  5,  5,  4,  4,  4,  4,  3};

    void MakeWords(TLanguageWords& words, std::size_t count) {
        TWordMaker maker(*words.Language, mRandom);
        const std::size_t showcaseAt = count / 2;
        bool showcaseMade = false;
        words.Words.reserve(count);
        words.MoreInfo.reserve(count);
        while (words.Count() < count) {
            const std::size_t room = count - words.Count();
            if (!showcaseMade && words.Count() >= showcaseAt && room >= kShowcaseHomonyms) {
                words.ShowcaseGroup = words.HomonymGroups.size();
                AddHomonymGroup(words, maker.Noun(), kShowcaseHomonyms);
                showcaseMade = true;
            } else if (room >= 2 && mRandom.PerMille(20)) {
                const std::size_t size =
                    std::min<std::size_t>(mRandom.Weighted(kHomonymGroupWeights) + 2, room);
                AddHomonymGroup(words, maker.Noun(), size);
            } else {
                auto [term, moreInfo] = maker.Term();
                words.Words.push_back(std::move(term));
                words.MoreInfo.push_back(moreInfo);
            }
        }
        if (!showcaseMade)
            throw std::runtime_error("Too few words for a group of 20 homonyms.");
        words.IsShowcase.assign(count, 0);
        for (std::int32_t entry : words.HomonymGroups[words.ShowcaseGroup])
            words.IsShowcase[static_cast<std::size_t>(entry)] = 1;
        words.FirstMeaning.assign(count, 0);
        words.MeaningCount.assign(count, 0);
    }

    // `size` words spelled alike, each with a different domain.
    void AddHomonymGroup(TLanguageWords& words, const std::string& word, std::size_t size) {
        std::vector<std::size_t> domains(words.Language->Domains.size());
        for (std::size_t i = 0; i < domains.size(); ++i)
            domains[i] = i;
        mRandom.Shuffle(domains);
        std::vector<std::int32_t> group;
        for (std::size_t i = 0; i < size; ++i) {
            group.push_back(static_cast<std::int32_t>(words.Count()));
            words.Words.push_back(word);
            words.MoreInfo.push_back(words.Language->Domains[domains[i]]);
        }
        words.HomonymGroups.push_back(std::move(group));
    }

    // About 14% of the words fall into absolute-synonym clusters.
    void MakeClusters(TLanguageWords& words) {
        std::vector<std::int32_t> order(words.Count());
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = static_cast<std::int32_t>(i);
        mRandom.Shuffle(order);
        words.ClusterOf.assign(words.Count(), kNoCluster);
        const std::size_t clustered = words.Count() * 14 / 100;
        for (std::size_t next = 0; next + 2 <= clustered;) {
            const std::size_t size =
                std::min(mRandom.Weighted(kClusterSizeWeights) + 2, clustered - next);
            std::vector<std::int32_t> cluster(order.begin() + static_cast<std::ptrdiff_t>(next),
                                              order.begin() +
                                                  static_cast<std::ptrdiff_t>(next + size));
            for (std::int32_t entry : cluster)
                words.ClusterOf[static_cast<std::size_t>(entry)] =
                    static_cast<std::int32_t>(words.Clusters.size());
            words.Clusters.push_back(std::move(cluster));
            next += size;
        }
    }

    // Hubs are first words of clusters of 3 or more, so that they have absolute synonyms too.
    void ChooseHubs(TLanguageWords& words) {
        const std::size_t wanted = std::max<std::size_t>(2, words.Count() / 12500);
        std::vector<std::size_t> clusters(words.Clusters.size());
        for (std::size_t i = 0; i < clusters.size(); ++i)
            clusters[i] = i;
        mRandom.Shuffle(clusters);
        words.IsHub.assign(words.Count(), 0);
        for (std::size_t cluster : clusters) {
            if (words.Hubs.size() == wanted)
                break;
            const std::int32_t head = words.Clusters[cluster].front();
            if (words.Clusters[cluster].size() >= 3 && !words.IsShowcase[Entry(head)]) {
                words.Hubs.push_back(head);
                words.IsHub[Entry(head)] = 1;
            }
        }
        if (words.Hubs.size() < wanted)
            throw std::runtime_error("Too few words for the synonym hubs.");
    }

    void InsertWordsAndMeanings() {
        const std::size_t rows = std::max(mLanguages[0].Count(), mLanguages[1].Count());
        for (std::size_t entry = 0; entry < rows; ++entry)
            for (TLanguageWords& words : mLanguages)
                if (entry < words.Count())
                    InsertWord(words, entry);
    }

    void InsertWord(TLanguageWords& words, std::size_t entry) {
        const std::int32_t id = words.IdOf(entry);
        mFile.Word(id, words.Words[entry], words.MoreInfo[entry], words.Language->Code);
        TWordMaker& maker = words.Index == 0 ? mBulgarianMeanings : mRussianMeanings;
        const auto count = static_cast<std::uint8_t>(mRandom.Weighted(kMeaningCountWeights));
        words.MeaningCount[entry] = count;
        for (std::uint8_t i = 0; i < count; ++i) {
            ++mMeaningId;
            if (i == 0)
                words.FirstMeaning[entry] = mMeaningId;
            mFile.Meaning(mMeaningId, maker.Meaning());
            mFile.WordMeaning(id, mMeaningId);
            ++mWordMeaningRows;
        }
    }

    // Every pair of a homonym group. The pairs of the group of 20 all name its first word first.
    void InsertHomonyms(const TLanguageWords& words) {
        for (std::size_t g = 0; g < words.HomonymGroups.size(); ++g) {
            const auto& group = words.HomonymGroups[g];
            for (std::size_t i = 0; i < group.size(); ++i)
                for (std::size_t j = i + 1; j < group.size(); ++j)
                    InsertPair(words, group[i], group[j], g == words.ShowcaseGroup,
                               [this](std::int32_t a, std::int32_t b) { mFile.Homonyms(a, b); });
        }
    }

    // Every pair of a cluster as absolute synonyms, but for one pair in a tenth of the clusters
    // of three or more; half of the clusters share the first meaning of their first word.
    void InsertClusters(TLanguageWords& words) {
        for (const auto& cluster : words.Clusters) {
            const bool dropLastPair = cluster.size() >= 3 && mRandom.PerMille(100);
            for (std::size_t i = 0; i < cluster.size(); ++i)
                for (std::size_t j = i + 1; j < cluster.size(); ++j)
                    if (!(dropLastPair && i + 2 == cluster.size() && j + 1 == cluster.size()))
                        InsertPair(
                            words, cluster[i], cluster[j], false,
                            [this](std::int32_t a, std::int32_t b) { mFile.Synonyms(a, b, true); });
            const std::size_t head = Entry(cluster.front());
            if (words.MeaningCount[head] == 0 || !mRandom.PerMille(500))
                continue;
            for (std::size_t i = 1; i < cluster.size(); ++i) {
                const std::size_t member = Entry(cluster[i]);
                if (words.MeaningCount[member] < 8) {
                    mFile.WordMeaning(words.IdOf(member), words.FirstMeaning[head]);
                    ++words.MeaningCount[member];
                    ++mWordMeaningRows;
                }
            }
        }
    }

    // The hubs' relative synonyms, then those of the other words: each word gets a heavy-tailed
    // number of ends, and the shuffled ends are paired; pairs within a cluster, pairs of a word
    // with itself and pairs already made are left out.
    void InsertRelativeSynonyms(TLanguageWords& words) {
        std::unordered_set<std::uint64_t> pairs;
        pairs.reserve(words.Count() * 3 / 2);
        const auto relate = [&](std::int32_t a, std::int32_t b) {
            const auto key = (std::uint64_t(std::uint32_t(std::min(a, b))) << 32) |
                             std::uint32_t(std::max(a, b));
            if (a == b || !pairs.insert(key).second)
                return false;
            InsertPair(words, a, b, false,
                       [this](std::int32_t x, std::int32_t y) { mFile.Synonyms(x, y, false); });
            return true;
        };

        for (std::size_t h = 0; h < words.Hubs.size(); ++h) {
            const int degree = (words.Index == 0 && h == 0) ? mOptions.HeaviestHubDegree
                                                            : mRandom.Between(300, 380);
            MakeHubSynonyms(words, words.Hubs[h], degree, relate);
        }

        std::vector<std::int32_t> ends;
        ends.reserve(words.Count() * 3);
        for (std::size_t entry = 0; entry < words.Count(); ++entry) {
            if (words.IsHub[entry] || mRandom.PerMille(200))
                continue;
            const std::size_t degree = mRandom.Weighted(kDegreeWeights) + 1;
            ends.insert(ends.end(), degree, static_cast<std::int32_t>(entry));
        }
        mRandom.Shuffle(ends);
        for (std::size_t i = 0; i + 1 < ends.size(); i += 2) {
            const std::int32_t a = ends[i], b = ends[i + 1];
            const std::int32_t cluster = words.ClusterOf[Entry(a)];
            if (cluster == kNoCluster || cluster != words.ClusterOf[Entry(b)])
                relate(a, b);
        }
    }

    // A hub's relative synonyms: single words, and whole clusters a quarter of the time, never
    // another hub nor a member of the hub's own cluster.
    template <typename TRelate>
    void MakeHubSynonyms(TLanguageWords& words, std::int32_t hub, int degree,
                         const TRelate& relate) {
        const std::int32_t ownCluster = words.ClusterOf[Entry(hub)];
        const auto eligible = [&](std::int32_t entry) {
            return !words.IsHub[Entry(entry)] && words.ClusterOf[Entry(entry)] != ownCluster;
        };
        std::unordered_set<std::int32_t> partners;
        while (static_cast<int>(partners.size()) < degree) {
            if (mRandom.PerMille(250)) {
                const auto& cluster = words.Clusters[mRandom.Index(words.Clusters.size())];
                if (partners.size() + cluster.size() > static_cast<std::size_t>(degree))
                    continue;
                const bool fits = std::all_of(cluster.begin(), cluster.end(), [&](auto entry) {
                    return eligible(entry) && !partners.count(entry);
                });
                if (fits)
                    for (std::int32_t entry : cluster)
                        if (relate(hub, entry))
                            partners.insert(entry);
            } else {
                const auto entry = static_cast<std::int32_t>(mRandom.Index(words.Count()));
                if (eligible(entry) && !partners.count(entry) && relate(hub, entry))
                    partners.insert(entry);
            }
        }
    }

    // Inserts the pair of two entries in a random order of its two words, or in the given order.
    template <typename TInsert>
    void InsertPair(const TLanguageWords& words, std::int32_t a, std::int32_t b, bool inOrder,
                    const TInsert& insert) {
        if (!inOrder && mRandom.PerMille(500))
            std::swap(a, b);
        insert(words.IdOf(Entry(a)), words.IdOf(Entry(b)));
    }

    static std::size_t Entry(std::int32_t entry) { return static_cast<std::size_t>(entry); }

    const TOptions& mOptions;
    TRandom mRandom;
    TNetworkFile& mFile;
    std::array<TLanguageWords, 2> mLanguages;
    TWordMaker mBulgarianMeanings{kBulgarian, mRandom};
    TWordMaker mRussianMeanings{kRussian, mRandom};
    std::int32_t mMeaningId = 0;
    std::int64_t mWordMeaningRows = 0;
};

// --- Command line -------------------------------------------------------------------------------

constexpr const char* kUsage =
    "usage: GenerateNetwork --words N --seed S --output PATH [--ucase-index] [--heaviest-hub D]\n"
    "  Writes a synthetic semantic network of N words (at least 1000; half BG, half RU) in the\n"
    "  word browser's SQLite format to PATH, replacing it. The same seed gives the same network.\n"
    "  --ucase-index also creates IX_WORD_UCASE on T_WORD (ucase(WORD), LANG_CODE) and\n"
    "  IX_WORD_LANG_LEN_UCASE on T_WORD (LANG_CODE, len(WORD), ucase(WORD)).\n"
    "  --heaviest-hub gives the heaviest hub D relative synonyms instead of 400 (at most a tenth\n"
    "  of the words), for a page of that many links.\n";

template <typename TNumber> TNumber ParseNumber(std::string_view name, std::string_view text) {
    TNumber number{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size())
        throw std::invalid_argument("The value of " + std::string(name) +
                                    " is not a number: " + std::string(text));
    return number;
}

TOptions ParseOptions(int argc, char* argv[]) {
    TOptions options;
    bool hubGiven = false;
    for (int i = 1; i < argc; ++i) {
        std::string_view argument = argv[i];
        std::string_view value;
        if (const auto equals = argument.find('='); equals != std::string_view::npos) {
            value = argument.substr(equals + 1);
            argument = argument.substr(0, equals);
        } else if (argument != "--ucase-index" && i + 1 < argc) {
            value = argv[++i];
        }
        if (argument == "--words")
            options.Words = ParseNumber<std::int64_t>(argument, value);
        else if (argument == "--seed")
            options.Seed = ParseNumber<std::uint64_t>(argument, value);
        else if (argument == "--output")
            options.Output = value;
        else if (argument == "--ucase-index")
            options.UcaseIndex = true;
        else if (argument == "--heaviest-hub") {
            options.HeaviestHubDegree = ParseNumber<int>(argument, value);
            hubGiven = true;
        } else
            throw std::invalid_argument("Unknown argument " + std::string(argument));
    }
    if (options.Output.empty())
        throw std::invalid_argument("The --output PATH is missing.");
    if (options.Words < 1000 || options.Words > 100'000'000)
        throw std::invalid_argument("--words must be between 1000 and 100000000.");
    if (hubGiven &&
        (options.HeaviestHubDegree < 1 || options.HeaviestHubDegree > options.Words / 10))
        throw std::invalid_argument("--heaviest-hub must be between 1 and a tenth of --words.");
    return options;
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]) == "--help") {
            std::printf("%s", kUsage);
            return 0;
        }
    TOptions options;
    try {
        options = ParseOptions(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n%s", error.what(), kUsage);
        return 2;
    }

    try {
        const auto start = std::chrono::steady_clock::now();
        // Written beside the target and renamed at the end, so that a database at PATH is
        // always a finished one.
        std::filesystem::path partial = options.Output;
        partial += ".partial";
        std::filesystem::remove(partial);

        TNetworkFile file(partial);
        TGenerator generator(options, file);
        generator.Run();
        file.Finish(options.UcaseIndex);

        const TLanguageWords& bulgarian = generator.Bulgarian();
        const std::int32_t hubId = bulgarian.IdOf(static_cast<std::size_t>(bulgarian.Hubs[0]));
        const std::int64_t hubSynonyms = file.RelativeSynonymCount(hubId);
        const auto& showcase = bulgarian.HomonymGroups[bulgarian.ShowcaseGroup];
        const std::int32_t showcaseId = bulgarian.IdOf(static_cast<std::size_t>(showcase[0]));
        const std::string& showcaseWord = bulgarian.Words[static_cast<std::size_t>(showcase[0])];
        const std::string& hubWord = bulgarian.Words[static_cast<std::size_t>(bulgarian.Hubs[0])];
        const std::int64_t homonymRows = file.HomonymRows();
        const std::int64_t absoluteRows = file.AbsoluteRows();
        const std::int64_t relativeRows = file.RelativeRows();
        file.Close();
        std::filesystem::rename(partial, options.Output);

        std::printf("Network %s: %lld words (seed %llu%s)\n", options.Output.c_str(),
                    static_cast<long long>(options.Words),
                    static_cast<unsigned long long>(options.Seed),
                    options.UcaseIndex ? ", with the ucase indexes" : "");
        std::printf("  %d meanings, %lld word-meaning rows, %lld homonym rows, %lld absolute and "
                    "%lld relative synonym rows\n",
                    generator.MeaningCount(), static_cast<long long>(generator.WordMeaningRows()),
                    static_cast<long long>(homonymRows), static_cast<long long>(absoluteRows),
                    static_cast<long long>(relativeRows));
        std::printf("  heaviest hub: word id %d (BG \"%s\"), %lld relative synonyms\n", hubId,
                    hubWord.c_str(), static_cast<long long>(hubSynonyms));
        std::printf("  20 homonyms: BG \"%s\", first word id %d\n", showcaseWord.c_str(),
                    showcaseId);
        std::printf("  time %.1f s, file size %.1f MB\n", SecondsSince(start),
                    static_cast<double>(std::filesystem::file_size(options.Output)) / 1e6);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "GenerateNetwork: %s\n", error.what());
        return 1;
    }
}

#include "core/suggest/Suggestions.h"

#include "core/QuorError.h"
#include "core/store/QuorData.h"
#include "core/suggest/LatinLetters.h"
#include "core/suggest/Lexicon.h"
#include "core/suggest/LexiconReader.h"
#include "core/suggest/WordForms.h"
#include "core/text/CodePage.h"

#include <algorithm>
#include <set>

namespace Quor {

namespace {

// More Latin spellings than any word has: a long text of ambiguous letters stops here.
constexpr std::size_t kMostLatinSpellings = 1024;
// The likeliest spellings whose dictionary forms are looked for when no spelling is a word.
constexpr std::size_t kLatinSpellingsInflected = 64;
constexpr char kSmallIo = '\xB8';   // ё
constexpr char kCapitalIo = '\xA8'; // Ё
constexpr char kCapitalIe = '\xC5'; // Е, as keys spell ё too
// A text is looked for as a part of longer words, spelled with ё where it has е (or the other way),
// from this many letters on; the words taken for it are a few times as many as are offered.
constexpr std::size_t kShortestRespelledPart = 3;
constexpr std::size_t kMostRespelledWholes = 4;

std::size_t CountIo(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return c == kSmallIo || c == kCapitalIo; }));
}

// How many typing errors a text of `length` letters may hold: none for one or two letters, where
// one would make nearly every short word a suggestion.
int MostTypingErrors(std::size_t length) {
    return length >= 5 ? 2 : length >= 3 ? 1 : 0;
}

// The suggestions so far: each word once, none that the search itself compared equal, at most
// kMaxSuggestions.
class TCollected {
public:
    explicit TCollected(const std::string& text) : mTextUpper(Upper(text)) {}

    bool IsFull() const { return mSuggestions.size() >= TSuggestions::kMaxSuggestions; }

    void Add(const std::string& word, TSuggestionReason reason, const std::string& why) {
        if (IsFull() || !mWords.insert(word).second || Upper(word) == mTextUpper)
            return;
        mSuggestions.push_back({word, reason, why});
    }

    std::vector<TSuggestion> Take() { return std::move(mSuggestions); }

    // Whether the search for the text, as a search for similar words, finds the word itself: its
    // upper case holds the text's.
    bool Holds(const std::string& word) const { return Upper(word).contains(mTextUpper); }

private:
    static QString Upper(const std::string& text) { return FromPageText(text).toUpper(); }

    QString mTextUpper;
    std::set<std::string> mWords;
    std::vector<TSuggestion> mSuggestions;
};

} // namespace

// A language's words as read from the network, what told the network then, and whether a question
// has asked for them (else they were read ahead only).
struct TSuggestions::TKnownLanguage {
    QString NetworkLabel;
    TLexicon Lexicon;
    bool Asked = false;
};

TSuggestions::TSuggestions(QString dictionaryFolder)
    : mWordForms(dictionaryFolder.isEmpty() ? std::make_unique<TWordForms>()
                                            : std::make_unique<TWordForms>(dictionaryFolder)) {}

TSuggestions::~TSuggestions() = default;

void TSuggestions::SetDataModule(TQuorDataModule* dataModule) {
    if (dataModule != mDataModule) {
        mReader.reset();
        mLanguages.clear();
    }
    mDataModule = dataModule;
}

void TSuggestions::ReadAhead(const std::string& langCode) {
    const auto known = mLanguages.find(langCode);
    if (!mDataModule || (known != mLanguages.end() && known->second) ||
        (mReader && mReader->Language() == langCode))
        return;
    mReader.reset();
    // A large network's language takes tens of megabytes: only those asked for are kept.
    std::erase_if(mLanguages,
                  [](const auto& other) { return !other.second || !other.second->Asked; });
    const QString dictionaries = mWordForms->HasRead(langCode) ? QString() : mWordForms->Folder();
    mReader = std::make_unique<TLexiconReader>(mDataModule->DatabasePath(), dictionaries, langCode);
}

auto TSuggestions::TakeReadAhead(const std::string& langCode, const QString& label)
    -> std::unique_ptr<TKnownLanguage> {
    if (!mReader)
        return nullptr;
    // Another language than the strip's: its words are not wanted.
    if (mReader->Language() != langCode) {
        mReader.reset();
        return nullptr;
    }
    TLexiconReader::TRead read;
    {
        const TBusyTime busy(mReader->Done() ? TSearchIndex::TBusyNotice() : mBusyNotice);
        read = mReader->Take();
    }
    mReader.reset();
    if (read.Forms)
        mWordForms->Adopt(std::move(*read.Forms));
    if (!read.Lexicon || (!label.isEmpty() && label != read.NetworkLabel))
        return nullptr;
    return std::unique_ptr<TKnownLanguage>(
        new TKnownLanguage{std::move(read.NetworkLabel), std::move(*read.Lexicon)});
}

const TLexicon& TSuggestions::Lexicon(const std::string& langCode) {
    if (!mDataModule)
        throw EQuorError("The word store is not open yet.");
    const QString label = mDataModule->NetworkLabel();
    std::unique_ptr<TKnownLanguage>& known = mLanguages[langCode];
    if (!known)
        known = TakeReadAhead(langCode, label);
    if (!known || (!label.isEmpty() && label != known->NetworkLabel)) {
        known.reset();
        const TBusyTime busy(mBusyNotice);
        TStringList words;
        mDataModule->ReadLanguageWords(langCode, words);
        known.reset(new TKnownLanguage{label, TLexicon(std::move(words))});
    }
    known->Asked = true;
    return known->Lexicon;
}

std::vector<TSuggestion> TSuggestions::Suggest(const std::string& text,
                                               const std::string& langCode) {
    const TLexicon& lexicon = Lexicon(langCode);
    TCollected collected(text);
    const std::string key = TLexicon::Key(text);

    const std::string formOf = "dictionary form of " + text;
    for (const std::string& form : mWordForms->DictionaryForms(text, langCode)) {
        // A form that differs from the text only in case or ё is no other form of it.
        const std::string formKey = TLexicon::Key(form);
        if (formKey != key)
            for (const std::string& word : lexicon.WordsOfKey(formKey))
                collected.Add(word, TSuggestionReason::DictionaryForm, formOf);
    }

    const std::size_t typedIo = CountIo(text);
    const auto addRespelled = [&](const std::string& word, bool withYo) {
        if (withYo)
            collected.Add(word, TSuggestionReason::SpelledWithYo, "spelled with \xB8");
        else
            collected.Add(word, TSuggestionReason::SpelledWithIe, "spelled with \xE5");
    };
    for (const std::string& word : lexicon.WordsOfKey(key))
        addRespelled(word, CountIo(word) > typedIo);
    // A text with е or ё may also be part of longer words that spell it the other way, as a
    // search for similar words would have found it spelled so (жесткий: жёсткий диск).
    if (key.size() >= kShortestRespelledPart && key.find(kCapitalIe) != std::string::npos)
        for (const std::string& word :
             lexicon.WordsHoldingKey(key, kMostRespelledWholes * TSuggestions::kMaxSuggestions))
            if (!collected.IsFull() && !collected.Holds(word))
                addRespelled(word, typedIo == 0);

    const TStringList spellings = LatinToCyrillic(text, langCode, kMostLatinSpellings);
    bool spelledAWord = false;
    for (const std::string& spelling : spellings) {
        if (collected.IsFull())
            break;
        for (const std::string& word : lexicon.WordsOfKey(TLexicon::Key(spelling))) {
            collected.Add(word, TSuggestionReason::FromLatinLetters, "from Latin letters");
            spelledAWord = true;
        }
    }

    // Inflected words typed in Latin letters: the dictionary forms of the likeliest spellings.
    for (std::size_t i = 0; i < spellings.size() && i < kLatinSpellingsInflected && !spelledAWord;
         ++i)
        for (const std::string& form : mWordForms->DictionaryForms(spellings[i], langCode))
            for (const std::string& word : lexicon.WordsOfKey(TLexicon::Key(form))) {
                collected.Add(word, TSuggestionReason::FromLatinLetters, "from Latin letters");
                spelledAWord = true;
            }

    // Typed in Latin letters, the text is near the words its likeliest spelling is near, unless
    // some spelling of it is a word.
    if (spelledAWord || collected.IsFull())
        return collected.Take();
    const std::string nearKey = spellings.empty() ? key : TLexicon::Key(spellings.front());
    for (const TLexicon::TNearWord& near : lexicon.NearWords(
             nearKey, MostTypingErrors(nearKey.size()), 2 * TSuggestions::kMaxSuggestions))
        collected.Add(near.Word, TSuggestionReason::SimilarSpelling, "similar spelling");
    return collected.Take();
}

} // namespace Quor

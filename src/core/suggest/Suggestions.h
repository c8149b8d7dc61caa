#pragma once

#include "core/Word.h"
#include "core/store/SearchIndex.h"

#include <QString>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace Quor {

class TLexicon;
class TLexiconReader;
class TQuorDataModule;
class TWordForms;

// Why a word is offered.
enum class TSuggestionReason {
    DictionaryForm,   // the typed word is an inflected form of it
    SpelledWithYo,    // it is the typed word, spelled with ё where the text has е
    SpelledWithIe,    // it is the typed word, spelled with е where the text has ё
    FromLatinLetters, // the typed Latin letters spell it in Cyrillic
    SimilarSpelling,  // one or two letters of the typed word are wrong, missing, extra or swapped
};

// A word of the network that a search which found nothing probably meant.
struct TSuggestion {
    std::string Word; // as the network spells it: page text
    TSuggestionReason Reason;
    // What a person is told about it: "dictionary form of домами", "spelled with ё", "spelled
    // with е", "from Latin letters", "similar spelling". Page text.
    std::string Why;

    friend bool operator==(const TSuggestion&, const TSuggestion&) = default;
};

// The words of the network a search text probably meant, when a search for it found nothing.
// Sources, in this order, each only where it finds words of the language in the network: the
// dictionary forms of the text, its spelling with ё for е (or е for ё), its Latin letters in
// Cyrillic, and the words one or two typing errors away. The language's words are read from the
// store into memory on its first question, or ahead of it, and again when the network has changed.
class TSuggestions {
public:
    static constexpr std::size_t kMaxSuggestions = 8;

    // Hunspell's dictionaries are read from `dictionaryFolder` (see TWordForms).
    explicit TSuggestions(QString dictionaryFolder = QString());
    ~TSuggestions();
    TSuggestions(const TSuggestions&) = delete;
    TSuggestions& operator=(const TSuggestions&) = delete;

    // Another store is another network: the words read from the one before are forgotten, and a
    // read ahead from it is stopped.
    void SetDataModule(TQuorDataModule* dataModule);
    // Starts reading the language's words from the store's network, and its dictionary, in a
    // thread of its own, unless they are in memory or being read, so that its first question finds
    // them ready; it waits for them while they are being read. A read ahead of another language is
    // stopped, and the words of another language read ahead but never asked for are forgotten. A
    // failure to read is quiet: the question then reads the words itself.
    void ReadAhead(const std::string& langCode);
    // Told while a language's words are read, which takes a while on a large network.
    void SetBusyNotice(TSearchIndex::TBusyNotice busy) { mBusyNotice = std::move(busy); }

    // At most kMaxSuggestions words for the search text (normalised, page text) in the language
    // "BG" or "RU", each once, none spelled as the text but for case. Raises EQuorError when the
    // store can not be read.
    std::vector<TSuggestion> Suggest(const std::string& text, const std::string& langCode);

private:
    struct TKnownLanguage;
    const TLexicon& Lexicon(const std::string& langCode);
    // The words read ahead for the language, waited for, when they tell the network `label`.
    std::unique_ptr<TKnownLanguage> TakeReadAhead(const std::string& langCode,
                                                  const QString& label);

    TQuorDataModule* mDataModule = nullptr;
    TSearchIndex::TBusyNotice mBusyNotice;
    std::unique_ptr<TWordForms> mWordForms;
    std::map<std::string, std::unique_ptr<TKnownLanguage>> mLanguages;
    std::unique_ptr<TLexiconReader> mReader;
};

} // namespace Quor

#pragma once

#include "core/Word.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace Quor {

class TQuorDataModule;

// The word a word link names, with what tells it from its homonyms.
struct TLinkedWord {
    TWord Word;
    std::string LangCode;
    // Empty when the word has no meanings.
    std::string FirstMeaning;
};

// Composes the program's pages as Windows-1251 text: the results page of a search, the page
// frame with the stylesheet inline, the welcome page, the word information table of a word and
// the link error page; and reads the word links those pages carry. It reads the network through
// the word store and the stylesheet "styles.css" (from the working folder unless told another
// file), and keeps nothing from one page to the next.
class TPageComposer {
public:
    // Told, with the message to show, when "styles.css" can not be read; the page is composed
    // all the same, with the lines read before the failure. The window shows a message box.
    using TStylesheetWarning = std::function<void(const QString& message)>;
    // The stylesheet file of the next page; asked for every page.
    using TStylesheetFile = std::function<QString()>;

    TPageComposer() = default;
    TPageComposer(const TPageComposer&) = delete;
    TPageComposer& operator=(const TPageComposer&) = delete;

    // The word store comes into being after the window; until then a lookup raises EQuorError.
    void SetDataModule(TQuorDataModule* dataModule) { mDataModule = dataModule; }
    void SetStylesheetWarning(TStylesheetWarning warning) {
        mStylesheetWarning = std::move(warning);
    }
    // Without one, "styles.css" in the working folder.
    void SetStylesheetFile(TStylesheetFile file) { mStylesheetFile = std::move(file); }

    // --- Search text ---
    // Trims the search text and upper-cases its first letter when it is a Cyrillic one.
    static void NormalizeSearchText(std::string& text);

    // --- Search results ---
    // The body of a search's page; a failure of the store becomes an error message in it.
    std::string SearchWordsHtml(const std::string& word, const std::string& langCode,
                                bool findSimilar);
    // The same, telling the id of the first word the page shows, if it shows one.
    std::string SearchWordsHtml(const std::string& word, const std::string& langCode,
                                bool findSimilar, std::optional<std::int32_t>& firstWordId);
    // The body of a search in meanings: the results page of the words whose meanings hold every
    // word of `text`, best matches first (see TQuorDataModule::FindWordsByMeanings).
    std::string SearchMeaningsHtml(const std::string& text, const std::string& langCode,
                                   std::optional<std::int32_t>& firstWordId);
    std::string SearchResultsHtml(const TWordList& words, const std::string& word, bool moreWords);

    // --- Page frame ---
    std::string HtmlHead();
    std::string HtmlPage(const std::string& body);
    std::string WelcomePageHtml();

    // --- Word information table ---
    std::string WordInfoTableHtml(std::int32_t wordId, const std::string& word,
                                  const std::string& moreInfo);
    std::string WordRowHtml(const std::string& word, const std::string& moreInfo);
    std::string WordSpanHtml(const std::string& word, const std::string& moreInfo);
    std::string MeaningsRowHtml(std::int32_t wordId);
    std::string MeaningsListHtml(const TStringList& meanings);
    std::string MeaningSpanHtml(const std::string& meaning);
    std::string HomonymsRowHtml(std::int32_t wordId);
    std::string HomonymsListHtml(const TWordList& homonyms);
    std::string AbsoluteSynonymsRowHtml(std::int32_t wordId);
    std::string AbsoluteSynonymsListHtml(const TWordList& synonyms);
    std::string RelativeSynonymsRowHtml(std::int32_t wordId);
    std::string RelativeSynonymsListHtml(const TWordList& synonyms);
    std::string JoinWordLinks(const TWordList& words, const std::string& separator);
    std::string GroupSynonymLinks(const TWordList& words, const std::string& groupSeparator,
                                  const std::string& memberSeparator);
    std::string WordLinkHtml(const TWord& word, bool withMoreInfo);
    std::string CaptionRowHtml(const std::string& caption);
    std::string DataRowHtml(const std::string& content);

    // --- Word links ---
    // Splits "protocol://server/application?parameters"; raises EQuorError when the address has
    // no "://" or no "/" after the server.
    static void ParseUrl(const std::string& address, std::string& protocol, std::string& server,
                         std::string& application, std::string& parameters);
    // The value after the first "name=" in the parameters, up to the next "&".
    static std::string GetUrlParameter(const std::string& parameters, const std::string& name);
    // The word id of a link as a number; raises "'...' is not a valid integer value".
    static std::int32_t WordIdFromText(const std::string& idText);
    // The word id, as text, of a word link; raises EQuorError naming the protocol, the server or
    // the application that is not the program's, or the missing parameter.
    static std::string LinkedWordId(const std::string& address);
    // The page of the word with the id given as text, the word and its table read in one
    // snapshot. `found` is told the word as soon as it is found, before its table is composed,
    // and `wordId` is set to its id. Raises EQuorError as the lookups do.
    using TWordFound = std::function<void(const std::string& word)>;
    std::string WordPageHtml(const std::string& idText, const TWordFound& found,
                             std::int32_t& wordId);
    // The word a word link names, read in one snapshot; raises EQuorError as following it would.
    TLinkedWord LinkedWord(const std::string& address);
    // The address of the link to a word: "quor://QuorSemanticNetworkServer/ShowWord?wordId=<id>".
    static std::string WordLinkAddress(std::int32_t wordId);
    std::string LinkErrorPageHtml(const std::string& address, const std::string& reason);

private:
    TQuorDataModule& DataModule() const;
    // The results page of the words that `find` gives the store's list and more-words flag.
    using TFinder = std::function<void(TQuorDataModule& store, TWordList& words, bool& moreWords)>;
    std::string ResultsPageHtml(const std::string& text, const TFinder& find,
                                std::optional<std::int32_t>& firstWordId);
    // A category block: the caption row and the data row, each on a line of its own.
    std::string CategoryHtml(const std::string& caption, const std::string& content);
    bool AppendStylesheetLines(std::string& head);
    // The described word and its synonyms of one kind, the word first; empty when it has none.
    TWordList WordWithSynonyms(std::int32_t wordId, bool absolute);
    // The links of the words, with the separator between consecutive ones.
    std::string JoinLinks(const TWordList& words, const std::string& separator, bool withMoreInfo);

    TQuorDataModule* mDataModule = nullptr;
    TStylesheetWarning mStylesheetWarning;
    TStylesheetFile mStylesheetFile;
};

} // namespace Quor

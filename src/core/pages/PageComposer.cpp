// Page composition: the search results, the page frame, the word information table and the
// word links.
#include "core/pages/PageComposer.h"

#include "core/QuorError.h"
#include "core/pages/SynonymGroups.h"
#include "core/store/QuorData.h"
#include "core/text/CodePage.h"
#include "core/text/StringUtilities.h"
#include "core/text/TextLineReader.h"

#include <QLocale>

#include <optional>

namespace Quor {

namespace {

constexpr int kMaxWordsPerSearch = 20;
// Characters that a search text is trimmed of: blank, quotes, comma, full stop, tab, line ends.
constexpr std::string_view kSearchTrimChars = " '\",.\t\n\r";
// Windows-1251 codes from here on are the Cyrillic letters А to я.
constexpr unsigned char kFirstCyrillicLetter = 192;
constexpr const char* kStylesheetFileName = "styles.css";
// A stylesheet is a few kilobytes; one larger than this is taken for a wrong file, so that it can
// not bloat every page and stall the view.
constexpr std::size_t kMaxStylesheetBytes = 1 << 20;
constexpr const char* kCrLf = "\r\n";

} // namespace

TQuorDataModule& TPageComposer::DataModule() const {
    if (!mDataModule)
        throw EQuorError("The word store is not open yet.");
    return *mDataModule;
}

// --- Search text ---

void TPageComposer::NormalizeSearchText(std::string& text) {
    TrimChars(text, kSearchTrimChars);
    if (text.empty() || static_cast<unsigned char>(text.front()) < kFirstCyrillicLetter)
        return;
    const QString upper = QLocale::system().toUpper(FromPageText(text.substr(0, 1)));
    if (!upper.isEmpty())
        text.front() = ToPageText(upper.left(1)).front();
}

// --- Search results ---

std::string TPageComposer::SearchWordsHtml(const std::string& word, const std::string& langCode,
                                           bool findSimilar) {
    std::optional<std::int32_t> firstWordId;
    return SearchWordsHtml(word, langCode, findSimilar, firstWordId);
}

std::string TPageComposer::SearchWordsHtml(const std::string& word, const std::string& langCode,
                                           bool findSimilar,
                                           std::optional<std::int32_t>& firstWordId) {
    return ResultsPageHtml(
        word,
        [&](TQuorDataModule& store, TWordList& words, bool& moreWords) {
            store.FindWords(word, langCode, findSimilar, kMaxWordsPerSearch, words, moreWords);
        },
        firstWordId);
}

std::string TPageComposer::SearchMeaningsHtml(const std::string& text, const std::string& langCode,
                                              std::optional<std::int32_t>& firstWordId) {
    return ResultsPageHtml(
        text,
        [&](TQuorDataModule& store, TWordList& words, bool& moreWords) {
            store.FindWordsByMeanings(text, langCode, kMaxWordsPerSearch, words, moreWords);
        },
        firstWordId);
}

std::string TPageComposer::ResultsPageHtml(const std::string& word, const TFinder& find,
                                           std::optional<std::int32_t>& firstWordId) {
    firstWordId.reset();
    TWordList words;
    bool moreWords = false;
    try {
        const TQuorDataModule::TReadScope snapshot(DataModule());
        find(DataModule(), words, moreWords);
        std::vector<std::int32_t> ids;
        for (const TWord& found : words)
            ids.push_back(found.Id);
        const TQuorDataModule::TPageScope page(DataModule(), ids);
        std::string body = SearchResultsHtml(words, word, moreWords);
        if (!words.IsEmpty())
            firstWordId = words[0].Id;
        return body;
    } catch (const std::exception& error) {
        return std::string("<span class=\"ErrorMessage\">Error occured while processing your "
                           "request:<br>") +
               ErrorMessage(error) + "</span>";
    }
}

std::string TPageComposer::SearchResultsHtml(const TWordList& words, const std::string& word,
                                             bool moreWords) {
    std::string body;
    if (words.IsEmpty()) {
        body += "<span class=\"NotFoundMessage\">No words found maching \"" + word + "\".</span>" +
                kCrLf;
    } else {
        body += "<p class=\"InfoMessage\">Query results for word \"" + word + "\":</p>\r\n\r\n";
        for (std::size_t i = 0; i < words.Count(); ++i) {
            if (i > 0)
                body += "\r\n<br>\r\n\r\n";
            body += WordInfoTableHtml(words[i].Id, words[i].Word, words[i].MoreInfo);
        }
    }
    if (moreWords)
        body += "<br>\r\n\r\n\r\n<span class=\"WarningMessage\">Warning: There are more words "
                "maching your search criteria but the complete list is too long to be "
                "displayed.</span>\r\n";
    return body;
}

// --- Page frame ---

std::string TPageComposer::HtmlHead() {
    std::string head = "<head>\r\n"
                       "\t<meta http-equiv=\"Content-Type\" content=\"text/html; "
                       "charset=windows-1251\">\r\n"
                       "\t<style type=\"text/css\">\r\n";
    if (!AppendStylesheetLines(head) && mStylesheetWarning)
        mStylesheetWarning(QStringLiteral("Can not read stylesheet styles.css"));
    head += "\t</style>\r\n</head>\r\n";
    return head;
}

// Appends the stylesheet's lines, each after two tabs; false when the file could not be read to
// its end or is too large (the lines read before stay). The file is closed before this returns.
bool TPageComposer::AppendStylesheetLines(std::string& head) {
    TTextLineReader stylesheet;
    try {
        const std::string file = mStylesheetFile ? mStylesheetFile().toLocal8Bit().toStdString()
                                                 : std::string(kStylesheetFileName);
        stylesheet.Open(file, kMaxStylesheetBytes);
        for (std::string line; stylesheet.ReadLine(line);)
            head.append("\t\t").append(line).append(kCrLf);
        stylesheet.Close();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

std::string TPageComposer::HtmlPage(const std::string& body) {
    return "<html>\r\n" + HtmlHead() + "\r\n<body>\r\n\r\n" + body + "\r\n</body> \r\n</html>\r\n";
}

std::string TPageComposer::WelcomePageHtml() {
    return "<html><body><center>\r\n"
           "Welcome to the\r\n"
           "<h1>Quor Semantic Network</h1><br>\r\n"
           "<font size=\"+1\">Semantic network for the terminology of the<br>"
           "fine Quor in Bulgarian and Russian language</font>\r\n"
           "</center></body></html>\r\n";
}

// --- Word information table ---

std::string TPageComposer::WordInfoTableHtml(std::int32_t wordId, const std::string& word,
                                             const std::string& moreInfo) {
    const TQuorDataModule::TPageScope page(DataModule(), {wordId});
    std::string table = "<table class=\"WordInfoTable\">\r\n";
    table += WordRowHtml(word, moreInfo);
    table += MeaningsRowHtml(wordId);
    table += HomonymsRowHtml(wordId);
    table += AbsoluteSynonymsRowHtml(wordId);
    table += RelativeSynonymsRowHtml(wordId);
    table += "</table>\r\n";
    return table;
}

std::string TPageComposer::CaptionRowHtml(const std::string& caption) {
    return "<tr><td class=\"TableCaptionCell\">" + caption + "</td></tr>";
}

std::string TPageComposer::DataRowHtml(const std::string& content) {
    return "<tr><td class=\"TableDataCell\">" + content + "</td></tr>\r\n";
}

std::string TPageComposer::CategoryHtml(const std::string& caption, const std::string& content) {
    return "\t" + CaptionRowHtml(caption) + kCrLf + "\t" + DataRowHtml(content);
}

std::string TPageComposer::WordRowHtml(const std::string& word, const std::string& moreInfo) {
    return CategoryHtml("Word:", WordSpanHtml(word, moreInfo));
}

std::string TPageComposer::WordSpanHtml(const std::string& word, const std::string& moreInfo) {
    std::string span = "<span class=\"Word\">" + word + "</span>";
    if (!moreInfo.empty())
        span += " <span class=\"WordMoreInfo\">(" + moreInfo + ")</span>";
    return span;
}

std::string TPageComposer::MeaningsRowHtml(std::int32_t wordId) {
    TStringList meanings;
    DataModule().FindMeanings(wordId, meanings);
    return MeaningsListHtml(meanings);
}

std::string TPageComposer::MeaningsListHtml(const TStringList& meanings) {
    if (meanings.empty())
        return CategoryHtml("Meanings:",
                            "<span class=\"NotFoundMessage\">No meanings found.</span>\r\n");
    if (meanings.size() == 1)
        return CategoryHtml("Meaning:", MeaningSpanHtml(meanings.front()) + ".");
    std::string content;
    for (std::size_t k = 0; k < meanings.size(); ++k) {
        if (k > 0)
            content += "<br>";
        content += "<span class=\"MeaningNumber\">" + std::to_string(k + 1) + ". </span>" +
                   MeaningSpanHtml(meanings[k]) + ".";
    }
    return CategoryHtml("Meanings:", content);
}

std::string TPageComposer::MeaningSpanHtml(const std::string& meaning) {
    return "<span class=\"Meaning\">" + meaning + "</span>";
}

std::string TPageComposer::HomonymsRowHtml(std::int32_t wordId) {
    TWordList homonyms;
    DataModule().FindHomonyms(wordId, homonyms);
    return CategoryHtml("Homonyms:", HomonymsListHtml(homonyms));
}

std::string TPageComposer::HomonymsListHtml(const TWordList& homonyms) {
    if (homonyms.IsEmpty())
        return "<span class=\"NotFoundMessage\">No homonyms found.</span>";
    return JoinLinks(homonyms, "<br>", true);
}

TWordList TPageComposer::WordWithSynonyms(std::int32_t wordId, bool absolute) {
    TWordList words;
    DataModule().FindSynonyms(wordId, absolute, words);
    if (!words.IsEmpty()) {
        TWord self;
        DataModule().LoadWord(wordId, self);
        words.InsertFirst(std::move(self));
    }
    return words;
}

std::string TPageComposer::AbsoluteSynonymsRowHtml(std::int32_t wordId) {
    return CategoryHtml("Absolute synonyms:",
                        AbsoluteSynonymsListHtml(WordWithSynonyms(wordId, true)));
}

std::string TPageComposer::AbsoluteSynonymsListHtml(const TWordList& synonyms) {
    if (synonyms.IsEmpty())
        return "<span class=\"NotFoundMessage\">No absolute synonyms found.</span>";
    return JoinWordLinks(synonyms, " - ");
}

std::string TPageComposer::RelativeSynonymsRowHtml(std::int32_t wordId) {
    // The described word, its relative synonyms, then its absolute synonyms: the word heads the
    // first group, which gathers every synonym that is also an absolute one.
    TWordList synonyms = WordWithSynonyms(wordId, false);
    if (!synonyms.IsEmpty()) {
        TWordList absoluteSynonyms;
        DataModule().FindSynonyms(wordId, true, absoluteSynonyms);
        synonyms.TakeOver(absoluteSynonyms);
    }
    return CategoryHtml("Relative synonyms:", RelativeSynonymsListHtml(synonyms));
}

std::string TPageComposer::RelativeSynonymsListHtml(const TWordList& synonyms) {
    if (synonyms.IsEmpty())
        return "<span class=\"NotFoundMessage\">No relative synonyms found.</span>";
    return GroupSynonymLinks(synonyms, " - ", ", ");
}

std::string TPageComposer::JoinWordLinks(const TWordList& words, const std::string& separator) {
    return JoinLinks(words, separator, false);
}

std::string TPageComposer::JoinLinks(const TWordList& words, const std::string& separator,
                                     bool withMoreInfo) {
    std::string links;
    for (std::size_t i = 0; i < words.Count(); ++i) {
        if (i > 0)
            links += separator;
        links += WordLinkHtml(words[i], withMoreInfo);
    }
    return links;
}

std::string TPageComposer::GroupSynonymLinks(const TWordList& words,
                                             const std::string& groupSeparator,
                                             const std::string& memberSeparator) {
    // The pairs among the words, read at once, group them; where the engine can not read them so,
    // the store answers the grouping's questions one by one.
    std::optional<TQuorDataModule::TAbsolutePairsScope> pairs;
    if (words.Count() > 1)
        pairs.emplace(DataModule(), words);
    const TIdPairs* known = pairs ? pairs->Pairs() : nullptr;
    const auto groups = known
                            ? GroupSynonyms(words, *known)
                            : GroupSynonyms(words, [this](std::int32_t first, std::int32_t second) {
                                  return DataModule().AreAbsoluteSynonyms(first, second);
                              });
    std::string links;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        if (g > 0)
            links += groupSeparator;
        for (std::size_t m = 0; m < groups[g].size(); ++m) {
            if (m > 0)
                links += memberSeparator;
            links += WordLinkHtml(words[groups[g][m]], false);
        }
    }
    return links;
}

std::string TPageComposer::WordLinkHtml(const TWord& word, bool withMoreInfo) {
    std::string link =
        "<a class=\"WordLink\" href=\"" + WordLinkAddress(word.Id) + "\">" + word.Word;
    if (withMoreInfo && !word.MoreInfo.empty())
        link += " (" + word.MoreInfo + ")";
    return link + "</a>";
}

// --- Word links ---

std::string TPageComposer::WordLinkAddress(std::int32_t wordId) {
    return "quor://QuorSemanticNetworkServer/ShowWord?wordId=" + std::to_string(wordId);
}

void TPageComposer::ParseUrl(const std::string& address, std::string& protocol, std::string& server,
                             std::string& application, std::string& parameters) {
    protocol.clear();
    server.clear();
    application.clear();
    parameters.clear();

    const std::size_t protocolEnd = address.find("://");
    if (protocolEnd == std::string::npos)
        throw EQuorError("Can't find protocol identificator.");
    protocol = address.substr(0, protocolEnd);
    const std::string rest = address.substr(protocolEnd + 3);

    const std::size_t serverEnd = rest.find('/');
    if (serverEnd == std::string::npos)
        throw EQuorError("Can't find server identificator.");
    server = rest.substr(0, serverEnd);
    const std::string path = rest.substr(serverEnd + 1);

    const std::size_t query = path.find('?');
    application = path.substr(0, query);
    if (query != std::string::npos)
        parameters = path.substr(query + 1);
}

std::string TPageComposer::GetUrlParameter(const std::string& parameters, const std::string& name) {
    const std::string key = name + "=";
    const std::size_t keyStart = parameters.find(key);
    if (keyStart == std::string::npos)
        throw EQuorError("Can not find parameter " + name);
    const std::string value = parameters.substr(keyStart + key.size());
    return value.substr(0, value.find('&'));
}

std::int32_t TPageComposer::WordIdFromText(const std::string& idText) {
    const std::optional<std::int32_t> id = ParseInt32(idText);
    if (!id)
        throw EQuorError("'" + idText + "' is not a valid integer value");
    return *id;
}

std::string TPageComposer::LinkedWordId(const std::string& address) {
    std::string protocol, server, application, parameters;
    ParseUrl(address, protocol, server, application, parameters);
    if (protocol != "quor")
        throw EQuorError("Protocol " + protocol + " is not supported.");
    if (server != "QuorSemanticNetworkServer")
        throw EQuorError("Server " + server + " is not supported.");
    if (application != "ShowWord")
        throw EQuorError("Application " + application + " is not supported.");
    return GetUrlParameter(parameters, "wordId");
}

std::string TPageComposer::WordPageHtml(const std::string& idText, const TWordFound& found,
                                        std::int32_t& wordId) {
    // The word and its table from one snapshot, should another program change the network, and
    // their rows read at once.
    std::vector<std::int32_t> ids;
    if (const std::optional<std::int32_t> id = ParseInt32(idText))
        ids.push_back(*id);
    const TQuorDataModule::TPageScope page(DataModule(), ids);
    std::string word, moreInfo, langCode;
    DataModule().GetWordById(idText, word, moreInfo, langCode);
    found(word);
    wordId = WordIdFromText(idText);
    return HtmlPage(WordInfoTableHtml(wordId, word, moreInfo));
}

TLinkedWord TPageComposer::LinkedWord(const std::string& address) {
    const std::string idText = LinkedWordId(address);
    const TQuorDataModule::TReadScope snapshot(DataModule());
    TLinkedWord linked;
    DataModule().GetWordById(idText, linked.Word.Word, linked.Word.MoreInfo, linked.LangCode);
    linked.Word.Id = WordIdFromText(idText);
    TStringList meanings;
    DataModule().FindMeanings(linked.Word.Id, meanings);
    if (!meanings.empty())
        linked.FirstMeaning = meanings.front();
    return linked;
}

std::string TPageComposer::LinkErrorPageHtml(const std::string& address,
                                             const std::string& reason) {
    return "<html>\r\n" + HtmlHead() +
           "\r\n"
           "<p class=\"ErrorMessage\">Unable to process your request:</p>\r\n"
           "<p class=\"ErrorPreformattedMessage\">&nbsp;&nbsp;&nbsp;&nbsp;" +
           address +
           "</p>\r\n"
           "<p class=\"ErrorMessage\">Reason:</p>\r\n"
           "<p class=\"ErrorPreformattedMessage\">&nbsp;&nbsp;&nbsp;&nbsp;" +
           reason + "</p>\r\n\r\n</html>";
}

} // namespace Quor

// Page composition: the search results, the page frame and the word information table.
#include "window/Browser.h"

#include "window/MessageBoxes.h"
#include "core/QuorData.h"
#include "core/QuorError.h"
#include "core/TextLineReader.h"

namespace {

constexpr int kMaxWordsPerSearch = 20;
constexpr const char* kStylesheetFileName = "styles.css";
// A stylesheet is a few kilobytes; one larger than this is taken for a wrong file, so that it can
// not bloat every page and stall the view.
constexpr std::size_t kMaxStylesheetBytes = 1 << 20;
constexpr const char* kCrLf = "\r\n";

} // namespace

// --- Search results ---

std::string TMainForm::SearchWordsHtml(const std::string& word, const std::string& langCode,
                                       bool findSimilar) {
    TWordList words;
    bool moreWords = false;
    try {
        const TQuorDataModule::TReadScope snapshot(DataModule());
        DataModule().FindWords(word, langCode, findSimilar, kMaxWordsPerSearch, words, moreWords);
        return SearchResultsHtml(words, word, moreWords);
    } catch (const std::exception& error) {
        return std::string("<span class=\"ErrorMessage\">Error occured while processing your "
                           "request:<br>") +
               ErrorMessage(error) + "</span>";
    }
}

std::string TMainForm::SearchResultsHtml(const TWordList& words, const std::string& word,
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

std::string TMainForm::HtmlHead() {
    std::string head = "<head>\r\n"
                       "\t<meta http-equiv=\"Content-Type\" content=\"text/html; "
                       "charset=windows-1251\">\r\n"
                       "\t<style type=\"text/css\">\r\n";
    if (!AppendStylesheetLines(head))
        ShowMessageBox(TMessageBoxKind::Warning,
                       QStringLiteral("Can not read stylesheet styles.css"));
    head += "\t</style>\r\n</head>\r\n";
    return head;
}

// Appends the stylesheet's lines, each after two tabs; false when the file could not be read to
// its end or is too large (the lines read before stay). The file is closed before this returns.
bool TMainForm::AppendStylesheetLines(std::string& head) {
    TTextLineReader stylesheet;
    try {
        stylesheet.Open(kStylesheetFileName, kMaxStylesheetBytes);
        for (std::string line; stylesheet.ReadLine(line);)
            head.append("\t\t").append(line).append(kCrLf);
        stylesheet.Close();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

std::string TMainForm::HtmlPage(const std::string& body) {
    return "<html>\r\n" + HtmlHead() + "\r\n<body>\r\n\r\n" + body + "\r\n</body> \r\n</html>\r\n";
}

std::string TMainForm::WelcomePageHtml() {
    return "<html><body><center>\r\n"
           "Welcome to the\r\n"
           "<h1>Quor Semantic Network</h1><br>\r\n"
           "<font size=\"+1\">Semantic network for the terminology of the<br>"
           "fine Quor in Bulgarian and Russian language</font>\r\n"
           "</center></body></html>\r\n";
}

// --- Word information table ---

std::string TMainForm::WordInfoTableHtml(std::int32_t wordId, const std::string& word,
                                         const std::string& moreInfo) {
    const TQuorDataModule::TReadScope snapshot(DataModule());
    std::string table = "<table class=\"WordInfoTable\">\r\n";
    table += WordRowHtml(word, moreInfo);
    table += MeaningsRowHtml(wordId);
    table += HomonymsRowHtml(wordId);
    table += AbsoluteSynonymsRowHtml(wordId);
    table += RelativeSynonymsRowHtml(wordId);
    table += "</table>\r\n";
    return table;
}

std::string TMainForm::CaptionRowHtml(const std::string& caption) {
    return "<tr><td class=\"TableCaptionCell\">" + caption + "</td></tr>";
}

std::string TMainForm::DataRowHtml(const std::string& content) {
    return "<tr><td class=\"TableDataCell\">" + content + "</td></tr>\r\n";
}

std::string TMainForm::CategoryHtml(const std::string& caption, const std::string& content) {
    return "\t" + CaptionRowHtml(caption) + kCrLf + "\t" + DataRowHtml(content);
}

std::string TMainForm::WordRowHtml(const std::string& word, const std::string& moreInfo) {
    return CategoryHtml("Word:", WordSpanHtml(word, moreInfo));
}

std::string TMainForm::WordSpanHtml(const std::string& word, const std::string& moreInfo) {
    std::string span = "<span class=\"Word\">" + word + "</span>";
    if (!moreInfo.empty())
        span += " <span class=\"WordMoreInfo\">(" + moreInfo + ")</span>";
    return span;
}

std::string TMainForm::MeaningsRowHtml(std::int32_t wordId) {
    TStringList meanings;
    DataModule().FindMeanings(wordId, meanings);
    return MeaningsListHtml(meanings);
}

std::string TMainForm::MeaningsListHtml(const TStringList& meanings) {
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

std::string TMainForm::MeaningSpanHtml(const std::string& meaning) {
    return "<span class=\"Meaning\">" + meaning + "</span>";
}

std::string TMainForm::HomonymsRowHtml(std::int32_t wordId) {
    TWordList homonyms;
    DataModule().FindHomonyms(wordId, homonyms);
    return CategoryHtml("Homonyms:", HomonymsListHtml(homonyms));
}

std::string TMainForm::HomonymsListHtml(const TWordList& homonyms) {
    if (homonyms.IsEmpty())
        return "<span class=\"NotFoundMessage\">No homonyms found.</span>";
    std::string links;
    for (std::size_t i = 0; i < homonyms.Count(); ++i) {
        if (i > 0)
            links += "<br>";
        links += WordLinkHtml(homonyms[i], true);
    }
    return links;
}

std::string TMainForm::AbsoluteSynonymsRowHtml(std::int32_t wordId) {
    TWordList synonyms;
    DataModule().FindSynonyms(wordId, true, synonyms);
    if (!synonyms.IsEmpty()) {
        TWord self;
        DataModule().LoadWord(wordId, self);
        synonyms.InsertFirst(std::move(self));
    }
    return CategoryHtml("Absolute synonyms:", AbsoluteSynonymsListHtml(synonyms));
}

std::string TMainForm::AbsoluteSynonymsListHtml(const TWordList& synonyms) {
    if (synonyms.IsEmpty())
        return "<span class=\"NotFoundMessage\">No absolute synonyms found.</span>";
    return JoinWordLinks(synonyms, " - ");
}

std::string TMainForm::RelativeSynonymsRowHtml(std::int32_t wordId) {
    TWordList synonyms;
    DataModule().FindSynonyms(wordId, false, synonyms);
    if (!synonyms.IsEmpty()) {
        TWord self;
        DataModule().LoadWord(wordId, self);
        synonyms.InsertFirst(std::move(self));
        TWordList absoluteSynonyms;
        DataModule().FindSynonyms(wordId, true, absoluteSynonyms);
        synonyms.TakeOver(absoluteSynonyms);
    }
    return CategoryHtml("Relative synonyms:", RelativeSynonymsListHtml(synonyms));
}

std::string TMainForm::RelativeSynonymsListHtml(const TWordList& synonyms) {
    if (synonyms.IsEmpty())
        return "<span class=\"NotFoundMessage\">No relative synonyms found.</span>";
    return GroupSynonymLinks(synonyms, " - ", ", ");
}

std::string TMainForm::JoinWordLinks(const TWordList& words, const std::string& separator) {
    std::string links;
    for (std::size_t i = 0; i < words.Count(); ++i) {
        if (i > 0)
            links += separator;
        links += WordLinkHtml(words[i], false);
    }
    return links;
}

std::string TMainForm::GroupSynonymLinks(const TWordList& words, const std::string& groupSeparator,
                                         const std::string& memberSeparator) {
    // Each group is a head and the later words that are absolute synonyms of that head; words
    // are compared with heads only, so the grouping is not transitive.
    std::vector<const TWord*> remaining;
    remaining.reserve(words.Count());
    for (const TWord& word : words)
        remaining.push_back(&word);

    std::string links;
    while (!remaining.empty()) {
        const TWord& head = *remaining.front();
        links += WordLinkHtml(head, false);
        for (std::size_t i = 1; i < remaining.size();) {
            if (DataModule().AreAbsoluteSynonyms(head.Id, remaining[i]->Id)) {
                links += memberSeparator + WordLinkHtml(*remaining[i], false);
                remaining.erase(remaining.begin() + static_cast<std::ptrdiff_t>(i));
            } else {
                ++i;
            }
        }
        remaining.erase(remaining.begin());
        if (!remaining.empty())
            links += groupSeparator;
    }
    return links;
}

std::string TMainForm::WordLinkHtml(const TWord& word, bool withMoreInfo) {
    std::string link = "<a class=\"WordLink\" href=\"quor://QuorSemanticNetworkServer/"
                       "ShowWord?wordId=" +
                       std::to_string(word.Id) + "\">" + word.Word;
    if (withMoreInfo && !word.MoreInfo.empty())
        link += " (" + word.MoreInfo + ")";
    return link + "</a>";
}

#include "app/PrintLookUp.h"

#include "core/QuorError.h"
#include "core/pages/PageComposer.h"
#include "core/pages/PagePlainText.h"
#include "core/store/QuorData.h"
#include "core/suggest/Suggestions.h"
#include "core/suggest/WordForms.h"
#include "core/text/CodePage.h"
#include "window/StylesheetFinder.h"
#include "window/WindowNetwork.h"

#include <QByteArray>
#include <QStringEncoder>

#include <langinfo.h>

#include <cstdio>
#include <memory>
#include <optional>

namespace Quor {

namespace {

// Text in the encoding of the terminal's locale; UTF-8 where the locale names none but ASCII or
// one Qt does not know.
QByteArray InTerminalEncoding(const QString& text) {
    const char* codeset = nl_langinfo(CODESET);
    const QByteArray name = codeset ? QByteArray(codeset) : QByteArray();
    if (name.isEmpty() || name == "ANSI_X3.4-1968" ||
        name.compare("UTF-8", Qt::CaseInsensitive) == 0)
        return text.toUtf8();
    QStringEncoder encoder(name.constData());
    return encoder.isValid() ? QByteArray(encoder.encode(text)) : text.toUtf8();
}

void PrintError(const std::string& message) {
    std::fputs(InTerminalEncoding(FromPageText(message) + u'\n').constData(), stderr);
}

// The words a search that found nothing probably meant, one a line with why, on the standard
// error stream; nothing when there are none or the network can not be read.
void PrintSuggestionsForWordNotFound(TQuorDataModule& store, const std::string& word,
                                     const std::string& langCode) {
    TSuggestions suggestions;
    suggestions.SetDataModule(&store);
    std::vector<TSuggestion> offered;
    try {
        offered = suggestions.Suggest(word, langCode);
    } catch (const EQuorError&) {
        return;
    }
    if (offered.empty())
        return;
    QString text = QStringLiteral("Did you mean:\n");
    for (const TSuggestion& suggestion : offered)
        text += QStringLiteral("  %1 (%2)\n")
                    .arg(FromPageText(suggestion.Word), FromPageText(suggestion.Why));
    std::fputs(InTerminalEncoding(text).constData(), stderr);
}

} // namespace

int PrintLookUp(const TStartRequest& request) {
    SetApplicationErrorHandler(PrintError);
    std::string word;
    try {
        word = ToPageTextStrict(request.LookUp.Word);
    } catch (const EQuorError& error) {
        PrintError(error.Message());
        return 1;
    }
    TPageComposer::NormalizeSearchText(word);
    const std::string langCode = ToPageText(request.LookUp.Language);
    // The network and the stylesheet a window started here would read.
    auto store =
        std::make_unique<TQuorDataModule>(TWindowNetwork::StartNetwork(request.DatabasePath));
    // What the window shows with the busy cursor.
    store->SetBusyNotice([](bool busy) {
        if (busy)
            PrintError("Building the search index of the network, once; this takes a while.");
    });
    TWordForms forms;
    if (request.InMeanings)
        store->SetTermForms([&forms](const std::string& typed, const std::string& language) {
            return forms.DictionaryForms(typed, language);
        });
    TPageComposer composer;
    composer.SetDataModule(store.get());
    composer.SetStylesheetFile(&TStylesheetFinder::Find);
    std::optional<std::int32_t> firstWord;
    const std::string body =
        request.InMeanings
            ? composer.SearchMeaningsHtml(word, langCode, firstWord)
            : composer.SearchWordsHtml(word, langCode, !request.LookUp.Exact, firstWord);
    if (request.PrintFormat == TStartRequest::TPrintFormat::Html) {
        const std::string page = composer.HtmlPage(body);
        std::fwrite(page.data(), 1, page.size(), stdout);
    } else {
        std::fputs(InTerminalEncoding(FromPageText(PagePlainText(body))).constData(), stdout);
    }
    std::fflush(stdout);
    if (firstWord)
        return 0;
    if (!request.InMeanings)
        PrintSuggestionsForWordNotFound(*store, word, langCode);
    return 1;
}

} // namespace Quor

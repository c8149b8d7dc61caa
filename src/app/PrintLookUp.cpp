#include "app/PrintLookUp.h"

#include "core/QuorError.h"
#include "core/pages/PageComposer.h"
#include "core/pages/PagePlainText.h"
#include "core/store/QuorData.h"
#include "core/text/CodePage.h"

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

// Where a word that was not found gets the words it may have meant, on the standard error
// stream, once the program offers such suggestions.
void PrintSuggestionsForWordNotFound(TQuorDataModule& /*store*/, const std::string& /*word*/,
                                     const std::string& /*langCode*/) {}

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
    auto store = request.DatabasePath.isEmpty()
                     ? std::make_unique<TQuorDataModule>()
                     : std::make_unique<TQuorDataModule>(request.DatabasePath);
    // What the window shows with the busy cursor.
    store->SetBusyNotice([](bool busy) {
        if (busy)
            PrintError("Building the search index of the network, once; this takes a while.");
    });
    TPageComposer composer;
    composer.SetDataModule(store.get());
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
    PrintSuggestionsForWordNotFound(*store, word, langCode);
    return 1;
}

} // namespace Quor

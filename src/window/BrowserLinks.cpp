// Word links: every related word on a page links to "quor://QuorSemanticNetworkServer/
// ShowWord?wordId=<id>". Following one shows that word's page instead; any failure on the way
// shows the link error page.
#include "window/Browser.h"

#include "core/QuorError.h"
#include "core/text/CodePage.h"
#include "core/text/StringUtilities.h"
#include "window/WordLabels.h"

namespace Quor {

namespace {

constexpr std::string_view kWordLinkPrefix = "quor://";

} // namespace

void TMainForm::WebBrowserBeforeNavigate(QObject*, const QString& URL, bool& Cancel) {
    const std::string address = ToPageText(URL);
    if (StartsWith(address, kWordLinkPrefix)) {
        Cancel = true;
        ProcessWordUrl(address);
    }
}

void TMainForm::ProcessWordUrl(const std::string& address) {
    try {
        ShowWordById(TPageComposer::LinkedWordId(address));
    } catch (const std::exception& error) {
        ShowHtml(mComposer.LinkErrorPageHtml(address, ErrorMessage(error)));
    }
}

void TMainForm::ShowWordById(const std::string& idText) {
    std::int32_t id = 0;
    const std::string page = mComposer.WordPageHtml(
        idText, [this](const std::string& word) { AddToWordHistory(word); }, id);
    ShowPage(page, id);
}

QString TMainForm::LinkToolTip(const QString& address) {
    // Only a word link that leads somewhere has a tip; a failure shows none.
    try {
        const TLinkedWord linked = mComposer.LinkedWord(ToPageText(address));
        return WordToolTip(linked.Word, linked.LangCode, linked.FirstMeaning);
    } catch (const std::exception&) {
        return {};
    }
}

} // namespace Quor

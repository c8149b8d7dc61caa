// Word links: every related word on a page links to "quor://QuorSemanticNetworkServer/
// ShowWord?wordId=<id>". Following one shows that word's page instead; any failure on the way
// shows the link error page.
#include "window/Browser.h"

#include "core/CodePage.h"
#include "core/QuorError.h"
#include "core/StringUtilities.h"
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
    const TLinkPage page = mComposer.LinkPage(address);
    try {
        if (page.Word)
            AddToWordHistory(*page.Word);
        ShowPage(page.Html, page.WordId);
    } catch (const std::exception& error) {
        ShowHtml(mComposer.LinkErrorPageHtml(address, ErrorMessage(error)));
    }
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

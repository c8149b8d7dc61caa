// Word links: every related word on a page links to "quor://QuorSemanticNetworkServer/
// ShowWord?wordId=<id>". Following one shows that word's page instead; any failure on the way
// shows the link error page.
#include "window/Browser.h"

#include "core/CodePage.h"
#include "core/QuorData.h"
#include "core/QuorError.h"
#include "core/StringUtilities.h"

namespace {

constexpr std::string_view kWordLinkPrefix = "quor://";

// The id of a word link: an optional sign and decimal digits that fit 32 bits.
std::int32_t IdFromText(const std::string& text) {
    std::int32_t id = 0;
    if (!ParseInt32(text, id))
        throw EQuorError("'" + text + "' is not a valid integer value");
    return id;
}

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
        std::string protocol, server, application, parameters;
        ParseUrl(address, protocol, server, application, parameters);
        if (protocol != "quor")
            throw EQuorError("Protocol " + protocol + " is not supported.");
        if (server != "QuorSemanticNetworkServer")
            throw EQuorError("Server " + server + " is not supported.");
        if (application != "ShowWord")
            throw EQuorError("Application " + application + " is not supported.");
        ShowWordById(GetUrlParameter(parameters, "wordId"));
    } catch (const std::exception& error) {
        ShowHtml(LinkErrorPageHtml(address, ErrorMessage(error)));
    }
}

void TMainForm::ParseUrl(const std::string& address, std::string& protocol, std::string& server,
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

std::string TMainForm::GetUrlParameter(const std::string& parameters, const std::string& name) {
    const std::string key = name + "=";
    const std::size_t keyStart = parameters.find(key);
    if (keyStart == std::string::npos)
        throw EQuorError("Can not find parameter " + name);
    const std::string value = parameters.substr(keyStart + key.size());
    return value.substr(0, value.find('&'));
}

void TMainForm::ShowWordById(const std::string& idText) {
    std::string word, moreInfo, langCode;
    DataModule().GetWordById(idText, word, moreInfo, langCode);
    AddToWordHistory(word);
    const std::int32_t id = IdFromText(idText);
    ShowHtml(HtmlPage(WordInfoTableHtml(id, word, moreInfo)));
}

std::string TMainForm::LinkErrorPageHtml(const std::string& address, const std::string& reason) {
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

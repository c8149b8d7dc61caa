// Word link addresses: TPageComposer::ParseUrl and TPageComposer::GetUrlParameter on arbitrary
// bytes, and the checks that ProcessWordUrl makes of what they give.
//
// Input: the whole input is an address. Besides, its first byte n picks a parameter name of the
// next n % 16 bytes, which is looked up in the bytes after it; and its first four bytes make a
// word id whose link must lead back to it.
#include "FuzzSupport.h"
#include "core/QuorError.h"
#include "core/pages/PageComposer.h"
#include "core/text/StringUtilities.h"

#include <algorithm>
#include <cstring>

using namespace Quor;

namespace {

const std::string kProtocolMessage = "Can't find protocol identificator.";
const std::string kServerMessage = "Can't find server identificator.";

// ParseUrl: the four parts put together again give the address; a failure is one of its two
// messages, each exactly when its separator is missing.
bool CheckParseUrl(const std::string& address, std::string& protocol, std::string& server,
                   std::string& application, std::string& parameters) {
    const auto details = [&] { return "address " + CLiteral(address); };
    const std::size_t protocolEnd = address.find("://");
    try {
        TPageComposer::ParseUrl(address, protocol, server, application, parameters);
    } catch (const EQuorError& error) {
        const std::string message = error.Message();
        const auto failure = [&] { return details() + ", message " + CLiteral(message); };
        if (protocolEnd == std::string::npos) {
            Require(message == kProtocolMessage,
                    "ParseUrl names the missing protocol when there is no \"://\"", failure);
        } else {
            Require(message == kServerMessage, "ParseUrl names only the two missing separators",
                    failure);
            Require(address.find('/', protocolEnd + 3) == std::string::npos,
                    "ParseUrl finds the server when a \"/\" follows the \"://\"", failure);
        }
        Require((protocol.empty() || message == kServerMessage) && server.empty() &&
                    application.empty() && parameters.empty(),
                "ParseUrl leaves the parts it did not find empty", failure);
        return false;
    } catch (...) {
        PropertyFailed("ParseUrl raises EQuorError only", details());
    }
    const auto parts = [&] {
        return details() + ", protocol " + CLiteral(protocol) + ", server " + CLiteral(server) +
               ", application " + CLiteral(application) + ", parameters " + CLiteral(parameters);
    };
    Require(protocolEnd != std::string::npos, "ParseUrl succeeds only with a \"://\"", parts);
    std::string rebuilt = protocol + "://" + server + "/" + application;
    if (rebuilt.size() < address.size())
        rebuilt += "?" + parameters;
    Require(rebuilt == address, "the parts of ParseUrl make the address again", parts);
    Require(protocol.size() == protocolEnd, "the protocol ends at the first \"://\"", parts);
    Require(server.find('/') == std::string::npos, "the server ends at the first \"/\"", parts);
    Require(application.find('?') == std::string::npos, "the application ends at the first \"?\"",
            parts);
    return true;
}

// GetUrlParameter: the value follows the first "name=" and reaches to the next "&".
void CheckGetUrlParameter(const std::string& parameters, const std::string& name) {
    const std::string key = name + "=";
    const std::size_t keyStart = parameters.find(key);
    const auto details = [&] {
        return "parameters " + CLiteral(parameters) + ", name " + CLiteral(name);
    };
    std::string value;
    try {
        value = TPageComposer::GetUrlParameter(parameters, name);
    } catch (const EQuorError& error) {
        const auto failure = [&] { return details() + ", message " + CLiteral(error.Message()); };
        Require(keyStart == std::string::npos, "GetUrlParameter finds a parameter whose key occurs",
                failure);
        Require(error.Message() == "Can not find parameter " + name,
                "GetUrlParameter names the missing parameter", failure);
        return;
    } catch (...) {
        PropertyFailed("GetUrlParameter raises EQuorError only", details());
    }
    const auto found = [&] { return details() + ", value " + CLiteral(value); };
    Require(keyStart != std::string::npos, "GetUrlParameter fails when the key is missing", found);
    Require(value.find('&') == std::string::npos, "a parameter value holds no \"&\"", found);
    const std::size_t valueStart = keyStart + key.size();
    Require(parameters.compare(valueStart, value.size(), value) == 0,
            "the value is the text after the first key", found);
    const std::size_t valueEnd = valueStart + value.size();
    Require(valueEnd == parameters.size() || parameters[valueEnd] == '&',
            "the value reaches to the next \"&\" or the end", found);
}

// What ProcessWordUrl checks before it asks for the word: the parts and the "wordId" parameter.
void CheckWordLink(const std::string& address) {
    // Parts of an earlier address, which ParseUrl must not leave behind.
    std::string protocol = "old", server = "old", application = "old", parameters = "old";
    if (!CheckParseUrl(address, protocol, server, application, parameters))
        return;
    CheckGetUrlParameter(parameters, "wordId");
    if (!StartsWith(address, "quor://QuorSemanticNetworkServer/ShowWord?"))
        return;
    Require(protocol == "quor" && server == "QuorSemanticNetworkServer" &&
                application == "ShowWord",
            "a word link passes the checks of ProcessWordUrl",
            [&] { return "address " + CLiteral(address); });
}

// The link that a page writes for a word leads back to that word's id.
void CheckLinkOfId(std::int32_t id) {
    const std::string address =
        "quor://QuorSemanticNetworkServer/ShowWord?wordId=" + std::to_string(id);
    std::string protocol, server, application, parameters;
    Require(CheckParseUrl(address, protocol, server, application, parameters), "a word link parses",
            address);
    Require(ParseInt32(TPageComposer::GetUrlParameter(parameters, "wordId")) == id,
            "a word link gives its word id", address);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input = InputText(data, size);
    CheckWordLink(input);
    if (size > 0) {
        const std::size_t nameSize = std::min<std::size_t>(data[0] % 16, size - 1);
        CheckGetUrlParameter(input.substr(1 + nameSize), input.substr(1, nameSize));
    }
    if (size >= 4) {
        std::int32_t id = 0;
        std::memcpy(&id, data, sizeof id);
        CheckLinkOfId(id);
    }
    return 0;
}

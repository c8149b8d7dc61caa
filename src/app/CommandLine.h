#pragma once

#include <QString>
#include <QStringList>

namespace Quor {

// A word to look up in the main window: searched as if typed into the word box and Enter pressed,
// in `Language` ("BG" or "RU"; empty for the one the language list shows), exactly or as similar
// words. An empty word only brings the window to the front.
struct TLookUp {
    QString Word;
    QString Language;
    bool Exact = false;
    // The network to read it in (see TWindowNetwork::Identity); empty for the one read.
    QString Network;
};

// The language code of `text` ("bg" or "BG" gives "BG"), or an empty string when it names none of
// the network's languages.
QString LanguageCode(const QString& text);

// What one start of the program asks for:
//   QuorSemNetBrowser [--database PATH] [--lang BG|RU] [--exact] [--selection | WORD]
//   QuorSemNetBrowser --print[=text|html] [--database PATH] [--lang BG|RU] [--exact|--meanings]
//                     WORD
//   QuorSemNetBrowser --help | --version
struct TStartRequest {
    enum class TAction {
        Run,   // open the window, or hand the look-up to the running one
        Print, // print Text (the help or the version) and end with status 0
        Refuse // print Text, one line, on the standard error stream and end with status 2
    };

    TAction Action = TAction::Run;
    QString Text;
    // Refused only for options written with one dash, which may be the toolkit's own (-platform,
    // -style): the arguments are to be read again once the toolkit has taken its options.
    bool ToolkitMayTakeThem = false;
    // The network to open instead of the default one; empty for the default.
    QString DatabasePath;
    // The word of the command line (none: empty) in the language given, else BG.
    TLookUp LookUp;
    // The word is the text selected on the desktop, read once the toolkit runs.
    bool FromSelection = false;
    // With --print, the page of the word goes to the standard output instead of a window: as
    // plain text, or as the page's bytes.
    enum class TPrintFormat { None, Text, Html };
    TPrintFormat PrintFormat = TPrintFormat::None;
    // --meanings: the word is searched in the meanings.
    bool InMeanings = false;
};

// Reads the program's arguments, its own name first, as QCoreApplication::arguments() gives
// them; it needs no application object. The version is the program's, for --version.
TStartRequest ParseCommandLine(const QStringList& arguments, const QString& version);

} // namespace Quor

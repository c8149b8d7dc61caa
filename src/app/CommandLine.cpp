#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <algorithm>

namespace Quor {

namespace {

bool WrittenWithOneDash(const QStringList& arguments, const QString& name) {
    const QString option = u'-' + name;
    return std::any_of(arguments.begin() + 1, arguments.end(), [&](const QString& argument) {
        return argument == option || argument.startsWith(option + u'=');
    });
}

// Reads --print and --meanings into the request; false, with the reason in its Text, when they
// do not go together.
bool ReadPrintOptions(TStartRequest& request, bool print, const QString& format, bool meanings) {
    using TFormat = TStartRequest::TPrintFormat;
    if (print)
        request.PrintFormat = format.isEmpty() || format == u"text" ? TFormat::Text
                              : format == u"html"                   ? TFormat::Html
                                                                    : TFormat::None;
    request.InMeanings = meanings;
    if (print && request.PrintFormat == TFormat::None)
        request.Text =
            QStringLiteral("The format of --print must be text or html, not '%1'.").arg(format);
    else if (print && request.LookUp.Word.isEmpty())
        request.Text = QStringLiteral("--print needs a WORD.");
    else if (meanings && !print)
        request.Text = QStringLiteral("--meanings goes with --print.");
    else if (meanings && request.LookUp.Exact)
        request.Text = QStringLiteral("--meanings and --exact do not go together.");
    else
        return true;
    return false;
}

} // namespace

QString LanguageCode(const QString& text) {
    const QString code = text.toUpper();
    return code == u"BG" || code == u"RU" ? code : QString();
}

TStartRequest ParseCommandLine(const QStringList& arguments, const QString& version) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Browse the Bulgarian and Russian semantic network of terms."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption database(
        QStringLiteral("database"),
        QStringLiteral("Read the network from the database file PATH instead of "
                       "../Database/QuorSemanticNetwork.mdb, or from a PostgreSQL server "
                       "given as a postgresql://user@host:port/dbname connection URI."),
        QStringLiteral("PATH"));
    const QCommandLineOption language(QStringLiteral("lang"),
                                      QStringLiteral("The language of WORD: BG (the default) "
                                                     "or RU."),
                                      QStringLiteral("BG|RU"));
    const QCommandLineOption exact(
        QStringLiteral("exact"),
        QStringLiteral("Search for WORD exactly, not for every word that contains it."));
    const QCommandLineOption selection(
        QStringLiteral("selection"),
        QStringLiteral("Search for the text selected in any program (the clipboard's when "
                       "nothing is selected), for a desktop shortcut."));
    parser.addOptions({database, language, exact, selection});
    const QCommandLineOption print(
        QStringLiteral("print"),
        QStringLiteral("Print the page of WORD on the standard output and open no window: "
                       "--print or --print=text as lines of text in the terminal's encoding, "
                       "--print=html as the page's own bytes. The exit status is 1 when no word "
                       "was found."));
    const QCommandLineOption meanings(
        QStringLiteral("meanings"),
        QStringLiteral("With --print, search the meanings for every word of WORD instead."));
    parser.addOptions({print, meanings});
    parser.addPositionalArgument(
        QStringLiteral("WORD"),
        QStringLiteral("Search for WORD once the window is open, as if typed and Enter pressed. "
                       "A running window of the program searches it instead."),
        QStringLiteral("[WORD]"));

    TStartRequest request;
    const QString program = QFileInfo(arguments.value(0)).fileName();
    const auto refuse = [&](const QString& reason) {
        request.Action = TStartRequest::TAction::Refuse;
        request.Text = QStringLiteral("%1: %2 See %1 --help.").arg(program, reason);
        return request;
    };
    // --print takes a value after "=" only, which the parser's options do not.
    QString printFormat;
    QStringList words = arguments;
    for (QString& argument : words)
        if (argument.startsWith(QLatin1String("--print="))) {
            printFormat = argument.mid(8);
            argument = QStringLiteral("--print");
        }
    if (!parser.parse(words)) {
        const QStringList unknown = parser.unknownOptionNames();
        request.ToolkitMayTakeThem =
            !unknown.isEmpty() &&
            std::all_of(unknown.begin(), unknown.end(),
                        [&](const QString& name) { return WrittenWithOneDash(arguments, name); });
        return refuse(parser.errorText());
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        request.Action = TStartRequest::TAction::Print;
        // Before the application object exists, the parser does not know the program's name.
        request.Text = parser.helpText().replace(QStringLiteral("<executable_name>"), program);
        return request;
    }
    if (parser.isSet(versionOption)) {
        request.Action = TStartRequest::TAction::Print;
        request.Text = QStringLiteral("%1 %2\n").arg(program, version);
        return request;
    }
    if (parser.positionalArguments().size() > 1)
        return refuse(QStringLiteral("Give one WORD; put a phrase in quotes."));
    if (parser.isSet(database) && parser.value(database).isEmpty())
        return refuse(QStringLiteral("The PATH of --database is empty."));
    request.LookUp.Language = LanguageCode(parser.value(language));
    if (!parser.isSet(language))
        request.LookUp.Language = QStringLiteral("BG");
    else if (request.LookUp.Language.isEmpty())
        return refuse(
            QStringLiteral("The language must be BG or RU, not '%1'.").arg(parser.value(language)));
    request.DatabasePath = parser.value(database);
    request.LookUp.Word = parser.positionalArguments().value(0);
    request.LookUp.Exact = parser.isSet(exact);
    request.FromSelection = parser.isSet(selection);
    if (request.FromSelection && !request.LookUp.Word.isEmpty())
        return refuse(QStringLiteral("Give --selection or a WORD, not both."));
    return ReadPrintOptions(request, parser.isSet(print), printFormat, parser.isSet(meanings))
               ? request
               : refuse(request.Text);
}

} // namespace Quor

// Start-up: the command line; a look-up printed in a terminal, without a window; a word and
// network handed to the program's running window, if there is one; else the main window (which
// shows the welcome page), the about box and the word store of the window's network, in that
// order, then the event loop until the main window closes or a signal asks the program to end.
// The three are destroyed in reverse order, the main window removing the page files it made.
#include "app/CommandLine.h"
#include "app/DesktopSelection.h"
#include "app/LookUpService.h"
#include "app/PrintLookUp.h"
#include "app/QuitOnSignals.h"
#include "core/QuorError.h"
#include "core/store/QuorData.h"
#include "window/About.h"
#include "window/Browser.h"
#include "window/InstalledFiles.h"
#include "window/MessageBoxes.h"
#include "window/ShownPages.h"
#include "window/StylesheetFinder.h"
#include "window/WindowNetwork.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

#include <cstdio>
#include <memory>

using namespace Quor;

namespace {

const QString kVersion = QStringLiteral(QUOR_VERSION);

QStringList ArgumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// Prints the help or the version, or refuses the command line; the exit status.
int Answer(const TStartRequest& request) {
    const bool refused = request.Action == TStartRequest::TAction::Refuse;
    const QString text = refused ? request.Text + u'\n' : request.Text;
    std::fputs(text.toLocal8Bit().constData(), refused ? stderr : stdout);
    return refused ? 2 : 0;
}

// The network a start names, for the running window: the one of --database, else the working
// folder's when it has one; else none, and the window goes on with its own.
QString NamedNetwork(const TStartRequest& request) {
    const QString own = QString::fromLatin1(TQuorDataModule::kDefaultDatabasePath);
    if (request.DatabasePath.isEmpty() && !QFileInfo::exists(own))
        return QString();
    return TWindowNetwork::Identity(request.DatabasePath.isEmpty() ? own : request.DatabasePath);
}

// Run from its build, the program's files are those of the sources.
void FindOwnFiles() {
    if (QDir(QCoreApplication::applicationDirPath()) == QDir(QStringLiteral(QUOR_BUILD_FOLDER)))
        TInstalledFiles::SetOwnFolders({QStringLiteral(QUOR_SOURCE_FOLDER)});
}

} // namespace

int main(int argc, char* argv[]) {
    // The help, the version and wrong options need no display, so they are answered before the
    // toolkit starts, unless the options may be the toolkit's own.
    TStartRequest request = ParseCommandLine(ArgumentsOf(argc, argv), kVersion);
    if (request.Action != TStartRequest::TAction::Run && !request.ToolkitMayTakeThem)
        return Answer(request);
    // A look-up printed in a terminal needs no display: no platform plugin, no window.
    if (request.Action == TStartRequest::TAction::Run &&
        request.PrintFormat != TStartRequest::TPrintFormat::None) {
        const QCoreApplication application(argc, argv);
        FindOwnFiles();
        return PrintLookUp(request);
    }
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("net.quor.QuorSemNetBrowser"));
    request = ParseCommandLine(QApplication::arguments(), kVersion);
    if (request.Action != TStartRequest::TAction::Run)
        return Answer(request);
    FindOwnFiles();
    // With the toolkit's own options given too.
    if (request.PrintFormat != TStartRequest::TPrintFormat::None)
        return PrintLookUp(request);

    if (request.FromSelection)
        request.LookUp.Word = DesktopSelection();

    // One window for every network: a later start hands its word, and the network it names, to
    // the running window.
    TLookUpService service;
    if (service.Claim() == TLookUpService::TClaim::Taken) {
        TLookUp handedOver = request.LookUp;
        handedOver.Network = NamedNetwork(request);
        if (HandOverToRunningProgram(handedOver))
            return 0;
    }

    InstallErrorMessageBox();
    auto mainForm = std::make_unique<TMainForm>();
    mainForm->Composer().SetStylesheetFile(&TStylesheetFinder::Find);
    auto aboutDialog = std::make_unique<TAboutDialog>();
    mainForm->SetAboutDialog(aboutDialog.get());
    auto network = std::make_unique<TWindowNetwork>(*mainForm);
    network->OpenAtStart(request.DatabasePath);

    const TLookUp& lookUp = request.LookUp;
    RunGuarded([&] { mainForm->ChooseSearchOptions(lookUp.Language, lookUp.Exact); });
    mainForm->show();
    QTimer::singleShot(0, mainForm.get(), [&] {
        RunGuarded([&] { mainForm->LookUp(lookUp.Word, lookUp.Language, lookUp.Exact); });
    });
    service.SetHandler([&](const TLookUp& handedOver) {
        RunGuarded([&] {
            const bool opened =
                network->OpenUnlessRead(handedOver.Network, handedOver.Word.isEmpty());
            mainForm->LookUp(handedOver.Word, handedOver.Language, handedOver.Exact);
            if (opened)
                network->ForgetEarlierPages();
        });
    });

    const TQuitOnSignals quitOnSignals(&TShownPages::RemoveEveryWindowsFiles);
    const int result = application.exec();
    service.SetHandler({});
    network.reset();
    return result;
}

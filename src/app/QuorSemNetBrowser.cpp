// Start-up: the command line; a word handed to the program's running window, if there is one;
// else the main window (which shows the welcome page), the about box and the word store, in that
// order, then the event loop until the main window closes or a signal asks the program to end.
// The three are destroyed in reverse order, the main window removing the page files it made.
#include "app/CommandLine.h"
#include "app/LookUpService.h"
#include "app/QuitOnSignals.h"
#include "core/QuorError.h"
#include "core/store/QuorData.h"
#include "window/About.h"
#include "window/Browser.h"
#include "window/MessageBoxes.h"
#include "window/ShownPages.h"

#include <QApplication>
#include <QMessageBox>
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

} // namespace

int main(int argc, char* argv[]) {
    // The help, the version and wrong options need no display, so they are answered before the
    // toolkit starts, unless the options may be the toolkit's own.
    TStartRequest request = ParseCommandLine(ArgumentsOf(argc, argv), kVersion);
    if (request.Action != TStartRequest::TAction::Run && !request.ToolkitMayTakeThem)
        return Answer(request);
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("net.quor.QuorSemNetBrowser"));
    request = ParseCommandLine(QApplication::arguments(), kVersion);
    if (request.Action != TStartRequest::TAction::Run)
        return Answer(request);

    // A start that names its own network opens a window of its own, and leaves the words of later
    // starts to the window of the default network.
    TLookUpService service;
    if (request.DatabasePath.isEmpty() && service.Claim() == TLookUpService::TClaim::Taken &&
        HandOverToRunningProgram(request.LookUp))
        return 0;

    InstallErrorMessageBox();
    auto mainForm = std::make_unique<TMainForm>();
    auto aboutDialog = std::make_unique<TAboutDialog>();
    mainForm->SetAboutDialog(aboutDialog.get());
    auto dataModule = request.DatabasePath.isEmpty()
                          ? std::make_unique<TQuorDataModule>()
                          : std::make_unique<TQuorDataModule>(request.DatabasePath);
    // The busy cursor while the store builds what a first search on a large network needs.
    dataModule->SetBusyNotice([](bool busy) {
        if (busy)
            QGuiApplication::setOverrideCursor(Qt::BusyCursor);
        else
            QGuiApplication::restoreOverrideCursor();
    });
    // Once, beside the window, without holding it up: a server's network without the indexes
    // its searches need.
    dataModule->SetNetworkNotice([form = mainForm.get()](const QString& notice) {
        QTimer::singleShot(0, form, [form, notice] {
            auto* box = new QMessageBox(QMessageBox::Information, form->windowTitle(), notice,
                                        QMessageBox::Ok, form);
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->setModal(false);
            box->show();
        });
    });
    mainForm->SetDataModule(dataModule.get());

    const TLookUp& lookUp = request.LookUp;
    RunGuarded([&] { mainForm->ChooseSearchOptions(lookUp.Language, lookUp.Exact); });
    mainForm->show();
    QTimer::singleShot(0, mainForm.get(), [&] {
        RunGuarded([&] { mainForm->LookUp(lookUp.Word, lookUp.Language, lookUp.Exact); });
    });
    service.SetHandler([&](const TLookUp& handedOver) {
        RunGuarded(
            [&] { mainForm->LookUp(handedOver.Word, handedOver.Language, handedOver.Exact); });
    });

    const TQuitOnSignals quitOnSignals(&TShownPages::RemoveEveryWindowsFiles);
    const int result = application.exec();
    service.SetHandler({});
    mainForm->SetDataModule(nullptr);
    return result;
}

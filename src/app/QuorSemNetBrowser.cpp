// Start-up: the command line; a word handed to the program's running window, if there is one;
// else the main window (which shows the welcome page), the about box and the word store, in that
// order, then the event loop until the main window closes. The three are destroyed in reverse
// order, the main window removing the page files it made.
#include "app/CommandLine.h"
#include "app/LookUpService.h"
#include "core/QuorData.h"
#include "core/QuorError.h"
#include "window/About.h"
#include "window/Browser.h"
#include "window/MessageBoxes.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <memory>

using namespace Quor;

namespace {

int Print(std::FILE* stream, const QString& text, int exitStatus) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    return exitStatus;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("net.quor.QuorSemNetBrowser"));
    const TStartRequest request =
        ParseCommandLine(QApplication::arguments(), QStringLiteral(QUOR_VERSION));
    if (request.Action == TStartRequest::TAction::Print)
        return Print(stdout, request.Text, 0);
    if (request.Action == TStartRequest::TAction::Refuse)
        return Print(stderr, request.Text + u'\n', 2);

    // A start that names its own network opens a window of its own.
    TLookUpService service;
    if (service.Claim() == TLookUpService::TClaim::Taken && request.DatabasePath.isEmpty() &&
        HandOverToRunningProgram(request.LookUp))
        return 0;

    InstallErrorMessageBox();
    auto mainForm = std::make_unique<TMainForm>();
    auto aboutDialog = std::make_unique<TAboutDialog>();
    mainForm->SetAboutDialog(aboutDialog.get());
    auto dataModule = request.DatabasePath.isEmpty()
                          ? std::make_unique<TQuorDataModule>()
                          : std::make_unique<TQuorDataModule>(request.DatabasePath);
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

    const int result = application.exec();
    service.SetHandler({});
    mainForm->SetDataModule(nullptr);
    return result;
}

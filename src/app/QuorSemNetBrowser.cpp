// Start-up: the main window (which shows the welcome page), the about box and the word store,
// in that order; then the event loop until the main window closes. The three are destroyed in
// reverse order, the main window removing the page files it made.
#include "core/QuorData.h"
#include "window/About.h"
#include "window/Browser.h"
#include "window/MessageBoxes.h"

#include <QApplication>

#include <memory>

using namespace Quor;

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    InstallErrorMessageBox();

    auto mainForm = std::make_unique<TMainForm>();
    auto aboutDialog = std::make_unique<TAboutDialog>();
    mainForm->SetAboutDialog(aboutDialog.get());
    auto dataModule = std::make_unique<TQuorDataModule>();
    mainForm->SetDataModule(dataModule.get());

    mainForm->show();
    const int result = application.exec();
    mainForm->SetDataModule(nullptr);
    return result;
}

#include "window/WindowNetwork.h"

#include "core/QuorError.h"
#include "core/store/PostgresAddress.h"
#include "core/store/QuorData.h"
#include "core/suggest/WordForms.h"
#include "window/Browser.h"
#include "window/BusyCursor.h"
#include "window/InstalledFiles.h"
#include "window/MessageBoxes.h"
#include "window/NetworkChooser.h"
#include "window/RecentNetworks.h"
#include "window/WebBrowser.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QTimer>

namespace Quor {

namespace {

const QString kWorkingFolderNetwork = QString::fromLatin1(TQuorDataModule::kDefaultDatabasePath);

QAction* AddCommand(TMainForm& window, const QString& text, const QKeySequence& keys,
                    std::function<void()> handler) {
    auto* command = new QAction(text, &window);
    command->setShortcut(keys);
    command->setShortcutContext(Qt::WindowShortcut);
    window.addAction(command);
    QObject::connect(command, &QAction::triggered, &window,
                     [handler = std::move(handler)] { RunGuarded(handler); });
    return command;
}

} // namespace

TWindowNetwork::TWindowNetwork(TMainForm& window)
    : mWindow(window), mTitle(window.windowTitle()), mWordForms(std::make_unique<TWordForms>()) {
    CreateCommands();
}

TWindowNetwork::~TWindowNetwork() {
    mWindow.SetDataModule(nullptr);
}

QString TWindowNetwork::StartNetwork(const QString& given) {
    if (!given.isEmpty())
        return given;
    if (QFileInfo::exists(kWorkingFolderNetwork))
        return kWorkingFolderNetwork;
    const QString last = TRecentNetworks::Last();
    if (!last.isEmpty() && (IsPostgresUri(last) || QFileInfo::exists(last)))
        return last;
    const QString sample =
        TInstalledFiles::Find(QStringLiteral("Database/QuorSemanticNetwork.mdb"));
    return sample.isEmpty() ? kWorkingFolderNetwork : sample;
}

QString TWindowNetwork::Identity(const QString& network) {
    if (network.isEmpty() || IsPostgresUri(network))
        return network;
    return QDir::cleanPath(QFileInfo(network).absoluteFilePath());
}

void TWindowNetwork::OpenAtStart(const QString& given) {
    const QString network = StartNetwork(given);
    Read(MakeStore(network), network);
}

bool TWindowNetwork::Open(const QString& network, bool welcome) {
    std::unique_ptr<TQuorDataModule> store = MakeStore(network);
    if (!store->IsConnected())
        return false;
    Read(std::move(store), network);
    if (welcome) {
        mWindow.ShowWelcomePage();
        ForgetEarlierPages();
    }
    return true;
}

bool TWindowNetwork::OpenUnlessRead(const QString& network, bool welcome) {
    return !network.isEmpty() && Identity(network) != Identity(mNetwork) && Open(network, welcome);
}

void TWindowNetwork::ForgetEarlierPages() {
    mWindow.PageView().clearHistory();
}

std::unique_ptr<TQuorDataModule> TWindowNetwork::MakeStore(const QString& network) const {
    auto store = std::make_unique<TQuorDataModule>(network);
    // The busy cursor while the store builds what a first search on a large network needs.
    store->SetBusyNotice(&ShowBusyCursor);
    // The meanings index of a large network takes a while longer: the window goes on meanwhile.
    store->SetBackgroundBuilds(true);
    store->SetTermForms(
        [forms = mWordForms.get()](const std::string& word, const std::string& langCode) {
            return forms->DictionaryForms(word, langCode);
        });
    // Once, beside the window and after the event that opened the network: a server's network
    // without the indexes its searches need.
    store->SetNetworkNotice([this](const QString& notice) {
        QTimer::singleShot(0, &mWindow, [notice] { ShowNotice(notice); });
    });
    return store;
}

void TWindowNetwork::Read(std::unique_ptr<TQuorDataModule> store, const QString& network) {
    mWindow.SetDataModule(store.get());
    mStore = std::move(store);
    mNetwork = network;
    // The working folder's network is the program's own: the title names only the others.
    const bool own = network == kWorkingFolderNetwork;
    const QString name =
        IsPostgresUri(network) ? UriWithoutPassword(network) : QFileInfo(network).fileName();
    mWindow.setWindowTitle(own ? mTitle : mTitle + QStringLiteral(" — ") + name);
    if (!own && mStore->IsConnected())
        TRecentNetworks::Remember(Identity(network));
    FillRecentMenu();
}

void TWindowNetwork::CreateCommands() {
    mOpenFileCommand = AddCommand(
        mWindow, QStringLiteral("&Open Network…"), QKeySequence(Qt::CTRL | Qt::Key_O), [this] {
            const QString file = TNetworkChooser::ChooseFile(&mWindow, Identity(mNetwork));
            if (!file.isEmpty())
                Open(file);
        });
    mOpenFileCommand->setObjectName(QStringLiteral("mOpenNetworkCommand"));
    mOpenServerCommand = AddCommand(mWindow, QStringLiteral("Open Network on a Se&rver…"),
                                    QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), [this] {
                                        const QString uri = TNetworkChooser::ChooseServer(&mWindow);
                                        if (!uri.isEmpty())
                                            Open(uri);
                                    });
    mOpenServerCommand->setObjectName(QStringLiteral("mOpenServerNetworkCommand"));
    mRecentMenu = new QMenu(QStringLiteral("Recent &Networks"), &mWindow);
    mRecentMenu->setObjectName(QStringLiteral("mRecentNetworksMenu"));
    connect(mRecentMenu, &QMenu::aboutToShow, this, &TWindowNetwork::FillRecentMenu);
    mRecentCommand = mRecentMenu->menuAction();
    FillRecentMenu();
    mWindow.PageView().AddMenuCommands({mOpenFileCommand, mOpenServerCommand, mRecentCommand});
}

void TWindowNetwork::FillRecentMenu() {
    mRecentMenu->clear();
    const QStringList networks = TRecentNetworks::List();
    for (const QString& network : networks) {
        const QString text = QString(network).replace(u'&', QStringLiteral("&&"));
        mRecentMenu->addAction(text, this, [this, network] { RunGuarded([&] { Open(network); }); });
    }
    mRecentCommand->setEnabled(!networks.isEmpty());
}

} // namespace Quor

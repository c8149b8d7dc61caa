#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QAction;
class QMenu;

namespace Quor {

class TMainForm;
class TQuorDataModule;
class TWordForms;

// The network a main window reads: it makes the word store of one, hands it to the window and
// names it in the window's title; opens another one by the window's commands (Open Network…,
// Open Network on a Server…, Recent Networks) or by a hand-over from another start; and
// remembers each network it opened for the next session. It goes before its window.
class TWindowNetwork : public QObject {
    Q_OBJECT

public:
    explicit TWindowNetwork(TMainForm& window);
    ~TWindowNetwork() override;

    // The network a start reads: `given` (by --database) when there is one; else the working
    // folder's ../Database/QuorSemanticNetwork.mdb when it exists; else the network opened last,
    // unless it is a file that is gone; else the installed sample network. With none of them the
    // working folder's, which then tells that it can not be opened.
    static QString StartNetwork(const QString& given);
    // What names one network for a comparison and for another program: a file's absolute path,
    // a server's URI as it is.
    static QString Identity(const QString& network);

    // Opens the start's network. A store that does not open stays, as every start has kept it:
    // each lookup tries it again.
    void OpenAtStart(const QString& given);
    // Opens another network in place of the one read, the window then showing the welcome page
    // unless a word's page follows at once (then ForgetEarlierPages after it). A network that
    // does not open has told why in the error box, and the window goes on reading the one before;
    // false then.
    bool Open(const QString& network, bool welcome = true);
    // Opens the network unless the window reads it already (an empty one changes nothing); true
    // when it opened it.
    bool OpenUnlessRead(const QString& network, bool welcome);
    // Back and Forward lead no more to the pages shown before the page shown now: after another
    // network opened, those are of the network before, and their links name its words.
    void ForgetEarlierPages();

    // The network read, as it was given.
    const QString& Network() const { return mNetwork; }
    TQuorDataModule* Store() const { return mStore.get(); }

    // The window's commands: Ctrl+O, Ctrl+Shift+O and the menu of recent networks.
    QAction* OpenFileCommand() const { return mOpenFileCommand; }
    QAction* OpenServerCommand() const { return mOpenServerCommand; }
    QAction* RecentCommand() const { return mRecentCommand; }

private:
    std::unique_ptr<TQuorDataModule> MakeStore(const QString& network) const;
    void Read(std::unique_ptr<TQuorDataModule> store, const QString& network);
    void CreateCommands();
    void FillRecentMenu();

    TMainForm& mWindow;
    const QString mTitle;
    QString mNetwork;
    // The dictionary forms of typed words, which the searches in meanings of every network read.
    const std::unique_ptr<TWordForms> mWordForms;
    std::unique_ptr<TQuorDataModule> mStore;
    QAction* mOpenFileCommand = nullptr;
    QAction* mOpenServerCommand = nullptr;
    QAction* mRecentCommand = nullptr;
    QMenu* mRecentMenu = nullptr;
};

} // namespace Quor

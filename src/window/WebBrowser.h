#pragma once

#include "window/PageZoom.h"

#include <QTextBrowser>

#include <functional>

namespace Quor {

// The page area: an HTML view over QTextBrowser that shows page files, keeps its own history of
// them and reports navigations before they happen. It never runs scripts and never loads
// anything from the network.
class TWebBrowser : public QTextBrowser {
    Q_OBJECT

public:
    // Commands of OnCommandStateChange.
    static constexpr int CSC_NAVIGATEFORWARD = 1;
    static constexpr int CSC_NAVIGATEBACK = 2;

    // Raised before a navigation starts, for every followed link and every Navigate. `URL` is the
    // address exactly as the page wrote it; setting `Cancel` stops the navigation. The handler
    // may call Navigate.
    using TBeforeNavigate2 =
        std::function<void(TWebBrowser* Sender, const QString& URL, bool& Cancel)>;
    // Raised when moving back or forward becomes possible (`Enable` non-zero) or impossible.
    using TCommandStateChange = std::function<void(TWebBrowser* Sender, int Command, int Enable)>;
    // Asked for the tooltip of the link the pointer rests on, with its address as the page wrote
    // it; an empty text shows none.
    using TLinkToolTip = std::function<QString(const QString& address)>;
    // Told the selected text, its white space made single spaces, by Look Up in the context
    // menu; without a handler the menu has no Look Up.
    using TLookUpSelection = std::function<void(const QString& text)>;

    explicit TWebBrowser(QWidget* parent = nullptr);
    ~TWebBrowser() override;

    // Shows the file at `path` as HTML, whatever its name, as the newest history entry.
    // Raises EQuorError when the file can not be read.
    void Navigate(const QString& path);
    void GoBack();
    void GoForward();

    // The zoom of this and the following pages: Ctrl and the mouse wheel, or the window's keys.
    void ZoomIn();
    void ZoomOut();
    void ResetZoom();

    // Back and forward in the history, for the window's buttons and the view's own keys.
    void backward() override;
    void forward() override;

    // Commands of the window on the page, offered in the view's context menu after its own.
    void SetMenuCommands(const QList<QAction*>& commands) { mMenuCommands = commands; }
    void AddMenuCommands(const QList<QAction*>& commands) { mMenuCommands << commands; }

    TBeforeNavigate2 OnBeforeNavigate2;
    TCommandStateChange OnCommandStateChange;
    TLinkToolTip OnLinkToolTip;
    TLookUpSelection OnLookUp;

protected:
    // Loads a page, with the vertical scroll bar held shown (see TScrollBarHold).
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;
    QVariant loadResource(int type, const QUrl& name) override;
    QMimeData* createMimeDataFromSelection() const override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    // The tooltip of a link.
    bool viewportEvent(QEvent* event) override;
    // Copy, Select All, Copy Link Address on a link, and the window's commands.
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool BeforeNavigate(const QString& url);
    void FollowLink(const QUrl& resolvedUrl);
    void CommandStateChange(int command, bool enable);
    // The address of the link the keyboard focus is on, as the page wrote it.
    QString FocusedLinkAddress() const;

    // The raw address of the link being activated by the mouse or the keyboard; QUrl would
    // lower-case its server part.
    QString mActivatedLinkAddress;
    TPageZoom mZoom;
    QList<QAction*> mMenuCommands;
    // The wheel's turn towards the next zoom step; a notch is 120, a touchpad sends less.
    int mZoomWheelTurn = 0;
};

} // namespace Quor

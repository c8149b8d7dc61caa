#pragma once

#include <QObject>

class QSocketNotifier;

namespace Quor {

// Ends the program the way Quit does when the desktop session, systemd or a terminal asks it to
// end with SIGTERM, SIGHUP or SIGINT, so that the windows close and the page files of this run
// are removed. The signal handler only writes a byte into a socket pair; the event loop reads it
// and quits. One instance, alive while the event loop runs.
class TQuitOnSignals final : public QObject {
    Q_OBJECT

public:
    TQuitOnSignals();
    ~TQuitOnSignals() override;

    TQuitOnSignals(const TQuitOnSignals&) = delete;
    TQuitOnSignals& operator=(const TQuitOnSignals&) = delete;

private:
    void Quit();

    QSocketNotifier* mNotifier = nullptr;
};

} // namespace Quor

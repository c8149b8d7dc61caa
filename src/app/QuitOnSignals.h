#pragma once

#include <QObject>

#include <functional>
#include <thread>

class QSocketNotifier;

namespace Quor {

// Ends the program the way Quit does when the desktop session, systemd or a terminal asks it to
// end with SIGTERM, SIGHUP or SIGINT, so that the windows close and the page files of this run
// are removed. The signal handler only writes a byte into two socket pairs: the event loop reads
// one and quits. A watcher thread reads the other: when the event loop has not ended the program
// within kPatience (a window busy laying out a huge page), it runs `forcedEnd` and ends the
// program at once with status 0. One instance, alive while the event loop runs.
class TQuitOnSignals final : public QObject {
    Q_OBJECT

public:
    static constexpr int kPatienceMilliseconds = 2000;

    explicit TQuitOnSignals(std::function<void()> forcedEnd);
    ~TQuitOnSignals() override;

    TQuitOnSignals(const TQuitOnSignals&) = delete;
    TQuitOnSignals& operator=(const TQuitOnSignals&) = delete;

private:
    void Quit();
    void Watch() const;

    QSocketNotifier* mNotifier = nullptr;
    std::function<void()> mForcedEnd;
    std::thread mWatcher;
};

} // namespace Quor

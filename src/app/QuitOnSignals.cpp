#include "app/QuitOnSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace Quor {

namespace {

constexpr std::array kQuitSignals{SIGTERM, SIGHUP, SIGINT};

// A socket pair's writing end [0] and reading end [1]; -1 while no instance lives. The event
// loop reads one pair, the watcher thread the other.
int gLoopSockets[2] = {-1, -1};
int gWatcherSockets[2] = {-1, -1};
// What the watcher reads besides a signal's byte: the event loop ended the program itself.
constexpr char kLoopEnded = 0;
constexpr char kSignalled = 1;

void WriteByte(int socket, char byte) {
    // Only async-signal-safe calls here; a full socket already holds a byte to read.
    [[maybe_unused]] const ssize_t written = ::write(socket, &byte, 1);
}

extern "C" void WriteSignalBytes(int) {
    WriteByte(gLoopSockets[0], kSignalled);
    WriteByte(gWatcherSockets[0], kSignalled);
}

void SetHandlers(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kQuitSignals)
        sigaction(signal, &action, nullptr);
}

bool OpenSockets(int (&sockets)[2], int flags) {
    return ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | flags, 0, sockets) == 0;
}

void CloseSockets(int (&sockets)[2]) {
    for (int& socket : sockets) {
        if (socket >= 0)
            ::close(socket);
        socket = -1;
    }
}

// The next byte on the socket; kLoopEnded when it fails. Waits at most `milliseconds`
// (-1: for ever); nullopt when none came.
std::optional<char> ReadByte(int socket, int milliseconds) {
    pollfd waiting{socket, POLLIN, 0};
    int ready;
    do
        ready = ::poll(&waiting, 1, milliseconds);
    while (ready < 0 && errno == EINTR);
    if (ready == 0)
        return std::nullopt;
    char byte = kLoopEnded;
    return ::read(socket, &byte, 1) == 1 ? byte : kLoopEnded;
}

} // namespace

TQuitOnSignals::TQuitOnSignals(std::function<void()> forcedEnd) : mForcedEnd(std::move(forcedEnd)) {
    // Without the socket pairs the signals keep ending the program at once, as they did.
    if (!OpenSockets(gLoopSockets, SOCK_NONBLOCK) || !OpenSockets(gWatcherSockets, SOCK_NONBLOCK)) {
        CloseSockets(gLoopSockets);
        CloseSockets(gWatcherSockets);
        return;
    }
    mNotifier = new QSocketNotifier(gLoopSockets[1], QSocketNotifier::Read, this);
    connect(mNotifier, &QSocketNotifier::activated, this, &TQuitOnSignals::Quit);
    mWatcher = std::thread([this] { Watch(); });
    SetHandlers(WriteSignalBytes);
}

TQuitOnSignals::~TQuitOnSignals() {
    if (!mNotifier)
        return;
    SetHandlers(SIG_DFL);
    WriteByte(gWatcherSockets[0], kLoopEnded);
    mWatcher.join();
    delete mNotifier;
    CloseSockets(gLoopSockets);
    CloseSockets(gWatcherSockets);
}

void TQuitOnSignals::Quit() {
    char bytes[16];
    while (::read(gLoopSockets[1], bytes, sizeof bytes) > 0) {
    }
    QCoreApplication::quit();
}

void TQuitOnSignals::Watch() const {
    if (ReadByte(gWatcherSockets[1], -1) != kSignalled)
        return;
    // Further signals while waiting change nothing; the event loop's end does.
    using TClock = std::chrono::steady_clock;
    const TClock::time_point deadline =
        TClock::now() + std::chrono::milliseconds(kPatienceMilliseconds);
    for (auto left = deadline - TClock::now(); left > TClock::duration::zero();
         left = deadline - TClock::now()) {
        const auto milliseconds = std::chrono::ceil<std::chrono::milliseconds>(left).count();
        if (ReadByte(gWatcherSockets[1], int(milliseconds)) == kLoopEnded)
            return;
    }
    if (mForcedEnd)
        mForcedEnd();
    ::_exit(0);
}

} // namespace Quor

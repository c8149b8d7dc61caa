#include "app/QuitOnSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <array>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace Quor {

namespace {

constexpr std::array kQuitSignals{SIGTERM, SIGHUP, SIGINT};

// The handler's end [0] and the event loop's end [1]; -1 while no instance lives.
int gSignalSockets[2] = {-1, -1};

extern "C" void WriteSignalByte(int) {
    const char byte = 1;
    // Only async-signal-safe calls here; a full socket already holds a byte to read.
    [[maybe_unused]] const ssize_t written = ::write(gSignalSockets[0], &byte, 1);
}

void SetHandlers(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kQuitSignals)
        sigaction(signal, &action, nullptr);
}

} // namespace

TQuitOnSignals::TQuitOnSignals() {
    // Without the socket pair the signals keep ending the program at once, as they did.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, gSignalSockets) != 0)
        return;
    mNotifier = new QSocketNotifier(gSignalSockets[1], QSocketNotifier::Read, this);
    connect(mNotifier, &QSocketNotifier::activated, this, &TQuitOnSignals::Quit);
    SetHandlers(WriteSignalByte);
}

TQuitOnSignals::~TQuitOnSignals() {
    if (!mNotifier)
        return;
    SetHandlers(SIG_DFL);
    delete mNotifier;
    for (int& socket : gSignalSockets) {
        ::close(socket);
        socket = -1;
    }
}

void TQuitOnSignals::Quit() {
    char bytes[16];
    while (::read(gSignalSockets[1], bytes, sizeof bytes) > 0) {
    }
    QCoreApplication::quit();
}

} // namespace Quor

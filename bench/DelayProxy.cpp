// DelayProxy: forwards TCP connections to a server and delays each direction, so that the
// benchmarks see a network's round trips on one machine without a kernel module:
//
//   DelayProxy --delay MS --to HOST:PORT|SOCKET_PATH [--port PORT]
//
// Listens on 127.0.0.1 (PORT, or a free port when none is given) and prints "listening on PORT"
// once it does. For every connection it opens one to the server (a TCP address, or a Unix socket
// such as /run/postgresql/.s.PGSQL.5432) and passes the bytes on in both directions, each chunk
// MS milliseconds (a fraction allowed) after it arrived: a round trip costs twice MS. Runs until
// it is killed.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

using TClock = std::chrono::steady_clock;

// The bytes of one direction of a connection on their way, each chunk with the time it is due.
class TDelayedPipe {
public:
    TDelayedPipe(int from, int to, TClock::duration delay) : mFrom(from), mTo(to), mDelay(delay) {}

    // Reads until the sender closes, queueing what it reads; then tells the writer to finish.
    void Read() {
        std::vector<char> buffer(64 * 1024);
        for (;;) {
            const ssize_t size = ::read(mFrom, buffer.data(), buffer.size());
            if (size <= 0)
                break;
            const std::lock_guard lock(mMutex);
            mChunks.push_back({TClock::now() + mDelay, std::string(buffer.data(), size)});
            mChanged.notify_one();
        }
        const std::lock_guard lock(mMutex);
        mEnded = true;
        mChanged.notify_one();
    }

    // Writes each chunk when it is due; at the end closes the receiver's writing side.
    void Write() {
        std::unique_lock lock(mMutex);
        for (;;) {
            mChanged.wait(lock, [this] { return mEnded || !mChunks.empty(); });
            if (mChunks.empty())
                break;
            const TClock::time_point due = mChunks.front().Due;
            if (TClock::now() < due) {
                mChanged.wait_until(lock, due);
                continue;
            }
            const std::string data = std::move(mChunks.front().Data);
            mChunks.pop_front();
            lock.unlock();
            const bool written = WriteAll(data);
            lock.lock();
            if (!written)
                break;
        }
        ::shutdown(mTo, SHUT_WR);
    }

private:
    struct TChunk {
        TClock::time_point Due;
        std::string Data;
    };

    bool WriteAll(const std::string& data) const {
        for (std::size_t done = 0; done < data.size();) {
            const ssize_t size = ::write(mTo, data.data() + done, data.size() - done);
            if (size <= 0)
                return false;
            done += static_cast<std::size_t>(size);
        }
        return true;
    }

    const int mFrom, mTo;
    const TClock::duration mDelay;
    std::mutex mMutex;
    std::condition_variable mChanged;
    std::deque<TChunk> mChunks;
    bool mEnded = false;
};

// A socket connected to the server: "HOST:PORT", or the path of a Unix socket.
int ConnectToServer(const std::string& to) {
    if (to.find('/') != std::string::npos) {
        const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, to.c_str(), sizeof address.sun_path - 1);
        if (::connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
            ::close(socket);
            return -1;
        }
        return socket;
    }
    const std::size_t colon = to.rfind(':');
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(std::stoi(to.substr(colon + 1))));
    ::inet_pton(AF_INET, to.substr(0, colon).c_str(), &address.sin_addr);
    const int on = 1;
    ::setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    if (::connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(socket);
        return -1;
    }
    return socket;
}

// Passes one connection on in both directions until both have ended.
void Forward(int client, const std::string& to, TClock::duration delay) {
    const int server = ConnectToServer(to);
    if (server < 0) {
        std::fprintf(stderr, "DelayProxy: can not connect to %s: %s\n", to.c_str(),
                     std::strerror(errno));
        ::close(client);
        return;
    }
    TDelayedPipe up(client, server, delay), down(server, client, delay);
    std::thread threads[] = {
        std::thread(&TDelayedPipe::Read, &up), std::thread(&TDelayedPipe::Write, &up),
        std::thread(&TDelayedPipe::Read, &down), std::thread(&TDelayedPipe::Write, &down)};
    for (std::thread& thread : threads)
        thread.join();
    ::close(server);
    ::close(client);
}

} // namespace

int main(int argc, char* argv[]) {
    double delayMs = -1;
    std::string to;
    int port = 0;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--delay")
            delayMs = std::stod(argv[i + 1]);
        else if (option == "--to")
            to = argv[i + 1];
        else if (option == "--port")
            port = std::stoi(argv[i + 1]);
    }
    if (delayMs < 0 || to.empty()) {
        std::fprintf(stderr, "usage: DelayProxy --delay MS --to HOST:PORT|SOCKET_PATH [--port "
                             "PORT]\n");
        return 2;
    }
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    const int on = 1;
    ::setsockopt(listener, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    socklen_t length = sizeof address;
    if (::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener, 64) != 0 ||
        ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        std::fprintf(stderr, "DelayProxy: can not listen: %s\n", std::strerror(errno));
        return 1;
    }
    std::printf("listening on %d\n", ntohs(address.sin_port));
    std::fflush(stdout);
    const auto delay = std::chrono::duration_cast<TClock::duration>(
        std::chrono::duration<double, std::milli>(delayMs));
    for (;;) {
        const int client = ::accept(listener, nullptr, nullptr);
        if (client < 0)
            continue;
        ::setsockopt(client, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        std::thread(Forward, client, to, delay).detach();
    }
}

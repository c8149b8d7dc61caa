#pragma once

#include "app/CommandLine.h"

#include <QDBusContext>
#include <QObject>

#include <functional>
#include <vector>

namespace Quor {

// One window per user: the program's service on the session bus. The first start owns the bus
// name net.quor.QuorSemNetBrowser and answers LookUp(word, language, exact), and
// LookUpIn(network, word, language, exact), of the interface of the same name at the object path
// "/"; a later start hands its network and word over to it and ends.
class TLookUpService : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "net.quor.QuorSemNetBrowser")

public:
    static constexpr const char* kServiceName = "net.quor.QuorSemNetBrowser";
    static constexpr const char* kObjectPath = "/";

    enum class TClaim {
        Owned,    // this start serves the look-ups
        Taken,    // another program owns the name
        NoSession // no session bus: every start is a window of its own
    };

    TLookUpService() = default;
    ~TLookUpService() override;

    // Serves the object and asks the bus for the name, unless another program owns it.
    TClaim Claim();

    // Who does the look-ups, from the next turn of the event loop on; those that came earlier
    // wait for it.
    using THandler = std::function<void(const TLookUp& lookUp)>;
    void SetHandler(THandler handler);

public Q_SLOTS:
    // Answers at once: refuses a language other than BG, RU or empty; the look-up itself follows
    // on the next turn of the event loop, so that a caller never waits for a page.
    Q_SCRIPTABLE void LookUp(const QString& word, const QString& language, bool exact);
    // The same in the network named (a file's absolute path or a server's URI), which the window
    // opens first unless it reads it already; an empty one is the network the window reads.
    Q_SCRIPTABLE void LookUpIn(const QString& network, const QString& word, const QString& language,
                               bool exact);

private:
    void Deliver();

    bool mServing = false;
    THandler mHandler;
    std::vector<TLookUp> mWaiting;
};

// Hands the look-up, with its network when it names one, to the program that owns the service's
// name. False when none took it.
bool HandOverToRunningProgram(const TLookUp& lookUp);

} // namespace Quor

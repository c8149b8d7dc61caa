#pragma once

#include <QString>

#include <functional>
#include <utility>

class QSqlDatabase;

namespace Quor {

// Rows kept beside a network that answer one of the two word searches at once where the network
// itself has no index for it: the exact search or the similar one, with the plain statement's
// parameters, result columns, rows and order. The network file is never changed; an engine whose
// networks carry the indexes they need has no search index.
class TSearchIndex {
public:
    // Told true before the index is built, which takes a while on a large network, and false
    // when that is over.
    using TBusyNotice = std::function<void(bool busy)>;

    // How an index is built that a search finds missing.
    struct TBuilding {
        // Told around a build in the caller's thread.
        TBusyNotice Busy;
        // Whether an index that the plain statement can stand in for is built in a thread of its
        // own instead, the plain statement answering until it is ready: a window stays
        // responsive while the index of a large network is built.
        bool InBackground = false;
    };

    virtual ~TSearchIndex() = default;

    enum class TReadiness {
        Ready,   // the index answers
        Refused, // the plain statement answers: the network needs no index, or it can not be
                 // built or read
        OutsideTransaction, // the index must be attached first, which waits for the end of the
                            // connection's transaction
    };

    // Makes the index ready on the connection: attaches it, building it first when it is missing,
    // out of date or unreadable. Inside a transaction it can only confirm an index already
    // attached, or refuse. An index built in the background is refused until that build is
    // over. Never raises.
    virtual TReadiness Prepare(QSqlDatabase& connection, const TBuilding& building) = 0;
    // Whether the index is being built in the background.
    virtual bool BeingBuilt() const { return false; }
    // The statement that answers from the index once it is ready.
    virtual QString StatementText() const = 0;
    // Whether the attached index described the network as the connection read it; asked after
    // its rows were read, while the read still holds the network's snapshot, and without
    // disturbing that read.
    virtual bool IsCurrent(QSqlDatabase& connection) const = 0;
    // Sets the index aside after it failed to answer: the next Prepare builds it anew.
    virtual void Discard() = 0;
};

// Tells a busy notice that something takes a while, for as long as it lives.
class TBusyTime {
public:
    explicit TBusyTime(TSearchIndex::TBusyNotice busy) : mBusy(std::move(busy)) {
        if (mBusy)
            mBusy(true);
    }
    ~TBusyTime() {
        if (mBusy)
            mBusy(false);
    }
    TBusyTime(const TBusyTime&) = delete;
    TBusyTime& operator=(const TBusyTime&) = delete;

private:
    const TSearchIndex::TBusyNotice mBusy;
};

} // namespace Quor

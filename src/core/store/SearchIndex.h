#pragma once

#include <QString>

#include <functional>

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
    // attached, or refuse. Never raises.
    virtual TReadiness Prepare(QSqlDatabase& connection, const TBusyNotice& busy) = 0;
    // The statement that answers from the index once it is ready.
    virtual QString StatementText() const = 0;
    // Whether the attached index described the network as the connection read it; asked after
    // its rows were read, while the read still holds the network's snapshot, and without
    // disturbing that read.
    virtual bool IsCurrent(QSqlDatabase& connection) const = 0;
    // Sets the index aside after it failed to answer: the next Prepare builds it anew.
    virtual void Discard() = 0;
};

} // namespace Quor

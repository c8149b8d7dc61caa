#pragma once

#include <QString>

struct sqlite3;

namespace Quor {

// The state of an SQLite network as one connection reads it, told without opening any file:
// closing any descriptor of the network would drop the locks that SQLite holds on it for the
// process, and with them the snapshot of a read under way.

// What tells one state of the network that the connection `db` names `schema` from another: the
// device and inode, size and modification time of the file that SQLite opened (a symbolic link
// resolved), its first bytes read through SQLite's own descriptor and, in write-ahead-log mode,
// the header of the log's index, through SQLite's own mapping of it. Every commit changes the
// header, or in write-ahead-log mode the log's index at the moment the commit becomes visible to
// readers. Empty when the network can not be told.
QString SqliteNetworkLabel(sqlite3* db, const char* schema);

// The version of the main network that the connection's latest read saw. SQLite counts up when a
// read finds that another connection has committed, so a read that sees a version seen before
// reads the network as it was then.
unsigned SqliteSeenVersion(sqlite3* db);

} // namespace Quor

#pragma once

#include "core/store/SearchIndex.h"
#include "core/store/SqlDialect.h"

#include <QtGlobal>

#include <memory>

namespace Quor {

// Where the search indexes of SQLite networks are kept, and from which size of network on.
struct TSearchIndexSettings {
    // The folder of the index files; empty for no search indexes.
    QString Folder;
    // Smaller networks are searched by the plain statements, which take a few milliseconds there.
    qint64 MinimumNetworkBytes = 0;

    // The folder "search-indexes" in the user's cache folder, for networks from 8 MiB on.
    static TSearchIndexSettings Default();
};

// The search index of the WordsExact, WordsInexact or WordsByMeanings statement (`plainText`) over
// the SQLite network at `databasePath`: an SQLite file of its own in the settings' folder, named
// after the network's path and the kind, attached to the network's connection under a schema name
// of its own. A word search's index holds ucase(WORD), LANG_CODE, len(WORD) and the rowid of
// every word, ordered as the search walks them; the meanings index a full-text index of the
// meanings' words and the words of each meaning. Each is labelled with the state of the network
// it was built from as SQLite reads it (the device and inode, size and modification time of the
// file SQLite opened, its header, and in write-ahead-log mode the header of the log's index) and
// with a checksum of its rows, both checked as it is attached; each row it finds is checked
// against the network's own row. It is built anew when the network is found in another state or
// the index damaged. A word search's index is built only where the plain statement would read
// every word of a language in rowid order, which is then the order of the rows it gives; the
// meanings index on every network large enough.
std::unique_ptr<TSearchIndex> MakeSqliteSearchIndex(TStatementKind kind,
                                                    const QString& databasePath,
                                                    const QString& plainText,
                                                    const TSearchIndexSettings& settings);

} // namespace Quor

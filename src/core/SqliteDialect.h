#pragma once

#include "core/SqlDialect.h"
#include "core/SqliteSearchIndex.h"

#include <memory>

struct sqlite3;

namespace Quor {

// SQLite 3 through Qt's QSQLITE driver, with `ucase` and `len` registered on every connection,
// and search indexes kept as `searchIndexes` says.
std::unique_ptr<TSqlDialect>
MakeSqliteDialect(const TSearchIndexSettings& searchIndexes = TSearchIndexSettings::Default());

// The sqlite3 handle of an open QSQLITE connection; null for another driver.
sqlite3* SqliteHandle(const QSqlDatabase& connection);

// The SQL functions `ucase` (Unicode upper case) and `len` (length in characters), on a bare
// sqlite3 handle. Also used by the tools that build networks and by the benchmarks.
int RegisterSqliteFunctions(sqlite3* handle);

} // namespace Quor

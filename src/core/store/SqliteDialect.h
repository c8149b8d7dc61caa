#pragma once

#include "core/store/SqlDialect.h"
#include "core/store/SqliteFunctions.h"
#include "core/store/SqliteSearchIndex.h"

#include <memory>

namespace Quor {

// SQLite 3 through Qt's QSQLITE driver, with `ucase` and `len` registered on every connection,
// and search indexes kept as `searchIndexes` says.
std::unique_ptr<TSqlDialect>
MakeSqliteDialect(const TSearchIndexSettings& searchIndexes = TSearchIndexSettings::Default());

} // namespace Quor

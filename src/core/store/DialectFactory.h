#pragma once

#include "core/store/SqlDialect.h"

#include <QString>

#include <memory>

namespace Quor {

// The dialect of the engine a database argument names: a "postgresql://" or "postgres://"
// connection URI names a network on a PostgreSQL server; anything else is an SQLite file.
std::unique_ptr<TSqlDialect> MakeDialectFor(const QString& database);

} // namespace Quor

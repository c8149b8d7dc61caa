#include "core/DialectFactory.h"

#include "core/PostgresAddress.h"
#include "core/PostgresDialect.h"
#include "core/SqliteDialect.h"

namespace Quor {

std::unique_ptr<TSqlDialect> MakeDialectFor(const QString& database) {
    return IsPostgresUri(database) ? MakePostgresDialect() : MakeSqliteDialect();
}

} // namespace Quor

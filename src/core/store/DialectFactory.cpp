#include "core/store/DialectFactory.h"

#include "core/store/PostgresAddress.h"
#include "core/store/PostgresDialect.h"
#include "core/store/SqliteDialect.h"

namespace Quor {

std::unique_ptr<TSqlDialect> MakeDialectFor(const QString& database) {
    return IsPostgresUri(database) ? MakePostgresDialect() : MakeSqliteDialect();
}

} // namespace Quor

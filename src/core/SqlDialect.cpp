#include "core/SqlDialect.h"

#include "core/CodePage.h"

#include <QSqlError>

namespace Quor {

std::string EngineMessage(const QSqlError& error) {
    const QString engine = error.databaseText();
    return ToPageText(engine.isEmpty() ? error.text() : engine);
}

} // namespace Quor

#include "core/store/SqlDialect.h"

#include "core/text/CodePage.h"

#include <QSqlError>

namespace Quor {

std::string EngineMessage(const QSqlError& error) {
    const QString engine = error.databaseText();
    return ToPageText(engine.isEmpty() ? error.text() : engine);
}

QString TSqlDialect::LanguageWordsText() const {
    return QStringLiteral("select WORD as \"WORD\"\nfrom T_WORD\nwhere LANG_CODE = :LANG_CODE\n");
}

} // namespace Quor

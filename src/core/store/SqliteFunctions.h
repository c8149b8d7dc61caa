#pragma once

class QSqlDatabase;
struct sqlite3;

namespace Quor {

// The sqlite3 handle of an open QSQLITE connection; null for another driver.
sqlite3* SqliteHandle(const QSqlDatabase& connection);

// The SQL functions `ucase` (Unicode upper case), `len` (length in characters) and
// `meaning_words` (the words of a meaning as its search compares them), on a bare
// sqlite3 handle: every connection to a network has them, and so do the search indexes' builds,
// the tools that build networks and the benchmarks.
int RegisterSqliteFunctions(sqlite3* handle);

} // namespace Quor

#pragma once

#include "core/store/SqlDialect.h"

#include <QString>

#include <memory>

namespace Quor {

// PostgreSQL through Qt's QPSQL driver, for a network that the loader (tools/LoadNetwork) put on
// a server. The database argument is a connection URI (see PostgresAddress.h).
//
// The statements give the rows SQLite gives for the same network, in the same order:
// - ucase is upper() under the ICU root collation "und-x-icu", which upper-cases every script
//   with Unicode's full mapping ("ß" to "SS") as Qt does, whatever the database's own locale
//   (in the C locale upper() changes only ASCII letters); the server keeps ucase(WORD) in the
//   column WORD_UPPER, compared byte for byte (collation "C") as SQLite compares texts; len is
//   char_length();
// - like has no escape character, as in SQLite (PostgreSQL's default is the backslash: the
//   statement doubles every backslash of the pattern);
// - where SQLite's order follows its indexes and row ids, the loader keeps that order in the
//   columns ORD of T_WORD and FIRST_ORD and SECOND_ORD of T_HOMONYM and T_SYNONYM;
// - the result columns carry the upper-case names the store reads ("ID", "W1.ID" and so on); the
//   tables and columns themselves are PostgreSQL's usual unquoted, lower-case names.
// Every transaction is read-only and repeatable read, so that a page reads one snapshot.
std::unique_ptr<TSqlDialect> MakePostgresDialect();

// The words of the meaning text in `column` as SQLite's meaning_words gives them (MeaningWords):
// stress and other combining marks left out, ICU's upper case, Ё read as Е and Ѝ as И, every run
// of other characters than letters and digits (as ICU tells them) one space, and a space before
// and after. The search in meanings compares with it; the loader keeps it in
// T_MEANING.MEANING_WORDS, with a full-text index on it.
QString PostgresMeaningWords(const QString& column);

} // namespace Quor

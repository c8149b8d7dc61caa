#pragma once

#include "core/store/SearchIndex.h"

#include <QString>

#include <cstddef>
#include <memory>
#include <string>

class QSqlDatabase;
class QSqlError;

namespace Quor {

// The statements of the word store: the seven lookups, and the search in meanings.
enum class TStatementKind {
    WordsExact,
    WordsInexact,
    Meanings,
    Homonyms,
    Synonyms,
    WordById,
    CheckAbsSyns,
    // The words of one language (LANG_CODE) with a meaning that holds every typed word
    // (TERMS: a JSON array of texts, each as SearchTerms gives it) as the start of one of its
    // words (as MeaningWords gives them), a row for each such meaning of a word, in the order
    // of the meanings' length in characters, then of their id, then of the words' id. The rows
    // deliver ID, MORE_INFO and WORD.
    WordsByMeanings,
};
constexpr std::size_t kStatementKindCount = 8;

// The kinds of row that a page's words are read with at once: their own rows (as WordById reads
// one), their meanings, their homonym pairs and their synonym pairs of one kind.
enum class TBatchKind {
    Words,
    Meanings,
    Homonyms,
    Synonyms,
};
constexpr std::size_t kBatchKindCount = 4;

// Everything the word store needs to know about one database engine: how to reach it, what to do
// to a fresh connection, and each statement in the engine's own words. The lookups never see SQL
// of their own, so another engine is one more dialect.
class TSqlDialect {
public:
    virtual ~TSqlDialect() = default;

    // The Qt SQL driver, for example "QSQLITE".
    virtual QString DriverName() const = 0;
    // How messages name the database: the file's path, or the server and database of a URI
    // without its password.
    virtual QString DisplayName(const QString& database) const { return database; }
    // Checks that `databasePath` can be a database of this engine and sets the connection up to
    // open it read-only, never changing it nor creating any file but those the engine needs to
    // read it. Raises EQuorError naming the problem (a driver may otherwise create an empty
    // database).
    virtual void PrepareToOpen(QSqlDatabase& connection, const QString& databasePath) const = 0;
    // Prepares a freshly opened connection: registers functions, checks that it reads.
    // Raises EQuorError with the engine's message.
    virtual void SetUpConnection(QSqlDatabase& connection, const QString& databasePath) const = 0;
    // The text of a statement. Parameters are named ":NAME"; the self-join's twin columns are
    // delivered as "W1.ID", "W1.WORD" and so on.
    virtual QString StatementText(TStatementKind kind) const = 0;

    // The statement that reads, in one go, every absolute-synonym pair whose two words are both
    // in a list of word ids: the list is bound to FIRST_WORD_IDS and again to SECOND_WORD_IDS as
    // one text, a JSON array of numbers ("[12,7,30]"), and the rows deliver FIRST_WORD_ID and
    // SECOND_WORD_ID. A database server answers it in one round trip where asking pair by pair
    // would take thousands. Empty when the engine can not take such a list: the pairs are then
    // asked one by one.
    virtual QString AbsolutePairsText() const { return {}; }
    // The statement that reads the spelling of every word of one language (LANG_CODE), delivered
    // as WORD, in the engine's order.
    virtual QString LanguageWordsText() const;
    // What tells the network as the connection reads it now from the network after a change;
    // empty when the engine can not tell, and the network is then taken as unchanged.
    virtual QString NetworkLabel(QSqlDatabase& /*connection*/) const { return {}; }
    // The statement that reads one kind of row for many words at once: the word ids are bound to
    // WORD_IDS as one JSON array ("[12,7,30]"), and for the synonyms the kind to IS_ABSOLUTE as
    // in the one-by-one statement. Each row delivers PLACE, the position in the array of the word
    // it belongs to (from 0), and the columns of that word's own statement: ID, WORD, MORE_INFO
    // and LANG_CODE of WordById; MEANING; the pairs' W1.* and W2.*. A word's rows come in the
    // order of its own statement, whatever rows of other words come between them. Empty when the
    // engine has none: the lookups then go one by one.
    virtual QString BatchText(TBatchKind /*kind*/) const { return {}; }
    // What to tell the user once about the network that the last connection set up reads, such as
    // a server's network that lacks the indexes its searches need; empty when nothing.
    virtual QString NetworkNotice(const QString& /*databasePath*/) const { return {}; }
    // The search index that answers the WordsExact, WordsInexact or WordsByMeanings statement for
    // the network at `databasePath` where the network lacks an index for it; none when the
    // engine needs none.
    virtual std::unique_ptr<TSearchIndex> MakeSearchIndex(TStatementKind /*kind*/,
                                                          const QString& /*databasePath*/) const {
        return nullptr;
    }
};

// The engine's own words for a failure, as page text; the access layer's when the engine gave
// none.
std::string EngineMessage(const QSqlError& error);

} // namespace Quor

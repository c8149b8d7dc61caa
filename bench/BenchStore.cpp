// The word store against the floor: FindWords exact and similar, the lookups of one word table
// and those of one whole search, each run through TQuorDataModule ("FindWords", "Lookups") and
// through the same statements bare ("Floor").
//
// "FirstSearch" is the first search of a session: a new store on the network, then the exact
// search with a 20-word result, or the similar search of "ра", composed into a page; with the
// user's cache folder emptied before each run ("empty-cache"), or as an earlier session left it
// ("kept-cache").
//
// "FindWordsByMeanings" is a search in meanings once the meanings index is built ("inflected":
// an inflected typed word, found by the start it shares with its Hunspell dictionary form);
// "FirstSearch.meanings-empty-cache" the session's first one, which builds it.
//
// "LookupsTx" and "FloorTx" run the same lookups inside one read transaction per table or search.
// SQLite takes and drops the file's shared lock, and checks the file for changes, around every
// statement run outside a transaction; inside one it does so once. These two rows show what that
// costs, as a measure for the store's design; the store itself runs no transaction.
#include "BenchSupport.h"

#include "SqlFloor.h"
#include "TableLookups.h"
#include "core/pages/PageComposer.h"
#include "core/store/QuorData.h"
#include "core/suggest/WordForms.h"
#include "core/text/CodePage.h"

#include <QSqlDatabase>
#include <QStringList>

#include <functional>

using namespace Quor;

namespace {

constexpr int kMaxWordsPerSearch = 20;

template <typename TStore>
void FindWords(benchmark::State& state, TStore& store, const std::string& word, bool similar) {
    std::size_t found = 0;
    for (auto _ : state) {
        TWordList words;
        bool moreWords = false;
        store.FindWords(word, "BG", similar, kMaxWordsPerSearch, words, moreWords);
        found = words.Count();
        benchmark::DoNotOptimize(moreWords);
    }
    state.counters["words"] = static_cast<double>(found);
}

// What runs around the lookups of each iteration; both empty for none.
struct TTransaction {
    std::function<void()> Begin;
    std::function<void()> End;
};

TTransaction FloorTransaction(TSqlFloor& floor) {
    return {[&floor] { floor.Execute("begin"); }, [&floor] { floor.Execute("commit"); }};
}

// A transaction on the store's own connection, found by its database file.
TTransaction StoreTransaction(TBenchContext& context) {
    context.Store();
    const QString path = QString::fromStdString(context.Network().Path.string());
    for (const QString& name : QSqlDatabase::connectionNames()) {
        QSqlDatabase connection = QSqlDatabase::database(name, false);
        if (connection.isOpen() && connection.databaseName() == path)
            return {[connection]() mutable {
                        if (!connection.transaction())
                            throw std::runtime_error("Can not begin a transaction.");
                    },
                    [connection]() mutable {
                        if (!connection.commit())
                            throw std::runtime_error("Can not end a transaction.");
                    }};
    }
    throw std::runtime_error("The word store's connection is not open.");
}

void CountLookups(benchmark::State& state, const TLookupCount& count) {
    state.counters["lookups"] = static_cast<double>(count.Lookups);
    state.counters["pair_tests"] = static_cast<double>(count.PairTests);
}

template <typename TLookups>
void RunLookups(benchmark::State& state, const TLookups& lookups, const TTransaction& transaction) {
    TLookupCount count;
    for (auto _ : state) {
        if (transaction.Begin)
            transaction.Begin();
        count = lookups();
        if (transaction.End)
            transaction.End();
    }
    CountLookups(state, count);
}

template <typename TStore>
void TableLookups(benchmark::State& state, TStore& store, std::int32_t wordId,
                  const TTransaction& transaction = {}) {
    RunLookups(
        state, [&] { return RunTableLookups(store, wordId); }, transaction);
}

template <typename TStore>
void SearchLookups(benchmark::State& state, TStore& store, const std::string& word,
                   const TTransaction& transaction = {}) {
    RunLookups(
        state, [&] { return RunSearchLookups(store, word, "BG", false); }, transaction);
}

void FirstSearch(benchmark::State& state, TBenchContext& context, bool similar, bool emptyCache) {
    const QString path = QString::fromStdString(context.Network().Path.string());
    const TSampleWords& samples = context.Samples();
    const std::string word = Utf8ToPageText(similar ? samples.Substring : samples.TwentyHomonyms);
    const auto session = [&] {
        TQuorDataModule store(path);
        TPageComposer composer;
        composer.SetDataModule(&store);
        return composer.HtmlPage(composer.SearchWordsHtml(word, "BG", similar)).size();
    };
    if (!emptyCache)
        session(); // the earlier session, which left what it built
    std::size_t size = 0;
    for (auto _ : state) {
        if (emptyCache) {
            state.PauseTiming();
            ClearUserCache();
            state.ResumeTiming();
        }
        size = session();
    }
    state.counters["kB"] = static_cast<double>(size) / 1024;
}

// A search in meanings through the store, once its meanings index is built and attached; with
// the dictionary forms of the typed words where `forms`.
void FindWordsByMeanings(benchmark::State& state, TQuorDataModule& store, const char* utf8Text,
                         bool forms = false) {
    static TWordForms wordForms;
    store.SetTermForms(!forms ? TQuorDataModule::TTermForms()
                              : [](const std::string& word, const std::string& langCode) {
                                    return wordForms.DictionaryForms(word, langCode);
                                });
    const std::string text = Utf8ToPageText(utf8Text);
    TWordList words;
    bool moreWords = false;
    store.FindWordsByMeanings(text, "BG", kMaxWordsPerSearch, words, moreWords);
    for (auto _ : state) {
        store.FindWordsByMeanings(text, "BG", kMaxWordsPerSearch, words, moreWords);
        benchmark::DoNotOptimize(words);
    }
    state.counters["found"] = static_cast<double>(words.Count());
}

// The first search in meanings of a session with the user's cache folder emptied before each
// run: a new store, the meanings index built, and the words found.
void FirstMeaningsSearch(benchmark::State& state, TBenchContext& context) {
    const QString path = QString::fromStdString(context.Network().Path.string());
    for (auto _ : state) {
        state.PauseTiming();
        ClearUserCache();
        state.ResumeTiming();
        TQuorDataModule store(path);
        TWordList words;
        bool moreWords = false;
        store.FindWordsByMeanings(Utf8ToPageText("вид"), "BG", kMaxWordsPerSearch, words,
                                  moreWords);
    }
}

} // namespace

void RegisterStoreBenchmarks(TBenchContext& context) {
    using benchmark::State;
    // Store: texts in page text; floor: texts as the database holds them.
    RegisterFor(context, "FindWords.exact", [](State& state, TBenchContext& c) {
        FindWords(state, c.Store(), Utf8ToPageText(c.Samples().Ordinary.Word), false);
    });
    RegisterFor(context, "Floor.WordsExact", [](State& state, TBenchContext& c) {
        FindWords(state, c.Floor(), c.Samples().Ordinary.Word, false);
    });
    RegisterFor(context, "FindWords.similar", [](State& state, TBenchContext& c) {
        FindWords(state, c.Store(), Utf8ToPageText(c.Samples().Substring), true);
    });
    RegisterFor(context, "Floor.WordsInexact", [](State& state, TBenchContext& c) {
        FindWords(state, c.Floor(), c.Samples().Substring, true);
    });

    RegisterFor(context, "Lookups.table-ordinary", [](State& state, TBenchContext& c) {
        TableLookups(state, c.Store(), c.Samples().Ordinary.Id);
    });
    RegisterFor(context, "Floor.table-ordinary", [](State& state, TBenchContext& c) {
        TableLookups(state, c.Floor(), c.Samples().Ordinary.Id);
    });
    RegisterFor(context, "Lookups.table-hub", [](State& state, TBenchContext& c) {
        TableLookups(state, c.Store(), c.Samples().Hub.Id);
        state.counters["relative_synonyms"] = static_cast<double>(c.Samples().HubRelatives);
    });
    RegisterFor(context, "Floor.table-hub", [](State& state, TBenchContext& c) {
        TableLookups(state, c.Floor(), c.Samples().Hub.Id);
    });
    RegisterFor(context, "Lookups.search-20", [](State& state, TBenchContext& c) {
        SearchLookups(state, c.Store(), Utf8ToPageText(c.Samples().TwentyHomonyms));
    });
    RegisterFor(context, "Floor.search-20", [](State& state, TBenchContext& c) {
        SearchLookups(state, c.Floor(), c.Samples().TwentyHomonyms);
    });

    RegisterFor(context, "LookupsTx.table-hub", [](State& state, TBenchContext& c) {
        TableLookups(state, c.Store(), c.Samples().Hub.Id, StoreTransaction(c));
    });
    RegisterFor(context, "FloorTx.table-hub", [](State& state, TBenchContext& c) {
        TableLookups(state, c.Floor(), c.Samples().Hub.Id, FloorTransaction(c.Floor()));
    });
    RegisterFor(context, "LookupsTx.search-20", [](State& state, TBenchContext& c) {
        SearchLookups(state, c.Store(), Utf8ToPageText(c.Samples().TwentyHomonyms),
                      StoreTransaction(c));
    });
    RegisterFor(context, "FloorTx.search-20", [](State& state, TBenchContext& c) {
        SearchLookups(state, c.Floor(), c.Samples().TwentyHomonyms, FloorTransaction(c.Floor()));
    });

    RegisterFor(context, "FirstSearch.exact-empty-cache",
                [](State& state, TBenchContext& c) { FirstSearch(state, c, false, true); });
    RegisterFor(context, "FirstSearch.similar-empty-cache",
                [](State& state, TBenchContext& c) { FirstSearch(state, c, true, true); });
    // A typed word that begins words of many meanings, two that begin words of one meaning
    // among many, and one that begins few words.
    RegisterFor(context, "FindWordsByMeanings.common", [](State& state, TBenchContext& c) {
        FindWordsByMeanings(state, c.Store(), "вид");
    });
    RegisterFor(context, "FindWordsByMeanings.two-words", [](State& state, TBenchContext& c) {
        FindWordsByMeanings(state, c.Store(), "съвкупност за");
    });
    RegisterFor(context, "FindWordsByMeanings.rare", [](State& state, TBenchContext& c) {
        FindWordsByMeanings(state, c.Store(), "звошна");
    });
    RegisterFor(context, "FindWordsByMeanings.inflected", [](State& state, TBenchContext& c) {
        FindWordsByMeanings(state, c.Store(), "видовете", true);
    });
    RegisterFor(context, "FirstSearch.meanings-empty-cache", FirstMeaningsSearch);
    RegisterFor(context, "FirstSearch.exact-kept-cache",
                [](State& state, TBenchContext& c) { FirstSearch(state, c, false, false); });
}

#pragma once

#include "core/Word.h"

#include <QObject>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class QWidget;
class TSqlFloor;
struct sqlite3;
namespace Quor {
class TMainForm;
class TQuorDataModule;
} // namespace Quor

// --- The process's surroundings -----------------------------------------------------------------

// A scratch folder for the whole run, removed at its end: page files go to its tmp/ (TMPDIR), the
// user's cache folder is its cache/ (XDG_CACHE_HOME), and the benchmarks run in its work/, which
// holds a copy of the program's styles.css. Call before the QApplication is made.
void SetUpBenchEnvironment();
void TearDownBenchEnvironment();
std::filesystem::path ScratchFolder();
// The program's stylesheet, app/styles.css of the source tree.
std::filesystem::path StylesheetSource();

// Silences the one warning that Qt's offscreen platform prints for every window it shows; every
// other message goes on to Qt's handler.
void InstallQuietMessageHandler();

// Empties the user's cache folder, where the word store may keep what it builds for searches.
void ClearUserCache();

// A field of /proc/self/status in kB, such as "VmRSS" or "VmHWM".
std::int64_t ProcessStatusKilobytes(const char* field);

// Counts the paint events of a widget, to know when a page has been rendered.
class TPaintWatcher final : public QObject {
public:
    explicit TPaintWatcher(QWidget* widget);
    int Count() const { return mCount; }
    // Processes events until the widget has had more than `count` paints; false on time-out.
    bool WaitBeyond(int count, int timeoutMilliseconds = 30000);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int mCount = 0;
};

// The page view of a main window, which the paint watcher watches.
QWidget* PageViewport(Quor::TMainForm& form);

// Counts the statements that the engine starts on a word store's connection while it lives
// (found by the store's database file), transaction control left out.
class TStatementCounter {
public:
    explicit TStatementCounter(const std::filesystem::path& database);
    ~TStatementCounter();
    TStatementCounter(const TStatementCounter&) = delete;
    TStatementCounter& operator=(const TStatementCounter&) = delete;

    std::int64_t Count() const { return mCount; }

private:
    static int Note(unsigned, void* counter, void* statement, void*);

    sqlite3* mDb = nullptr;
    std::int64_t mCount = 0;
};

// --- Networks -----------------------------------------------------------------------------------

// A network made by GenerateNetwork: network-<words>.mdb, or network-<words>-ucase.mdb with the
// index on ucase(WORD).
struct TBenchNetwork {
    std::string Name; // "10k", "1M-ucase"
    std::filesystem::path Path;
    std::int64_t Words = 0;
    bool UcaseIndex = false;
};

// The networks in a folder, smallest first, each without the ucase indexes before the one with
// them.
std::vector<TBenchNetwork> FindNetworks(const std::filesystem::path& folder);

// The words the benchmarks look up, as the database holds them (UTF-8), found with plain queries.
struct TSampleWords {
    // A BG word from the middle of the network with 1 to 3 meanings, no homonyms, at least one
    // absolute synonym and 3 to 8 relative synonyms: an exact search finds it alone.
    Quor::TWord Ordinary;
    // The word with the most relative synonyms.
    Quor::TWord Hub;
    std::int64_t HubRelatives = 0;
    // The BG spelling shared by the most homonyms (20 in a generated network).
    std::string TwentyHomonyms;
    // A two-letter text that many BG words contain.
    std::string Substring = "ра";
};

// Everything the benchmarks of one network use, made on first use. Only one network's store,
// forms and floor are alive at a time: using a context releases those of the one used before.
class TBenchContext {
public:
    explicit TBenchContext(TBenchNetwork network);
    ~TBenchContext();
    TBenchContext(const TBenchContext&) = delete;
    TBenchContext& operator=(const TBenchContext&) = delete;

    const TBenchNetwork& Network() const { return mNetwork; }
    const TSampleWords& Samples();
    // The store, with one exact and one similar search made: whatever the first search of a
    // session builds is not timed by the benchmarks of later ones (FirstSearch.* times it).
    Quor::TQuorDataModule& Store();
    TSqlFloor& Floor();
    // A main window on the store, never shown.
    Quor::TMainForm& Form();
    // A main window on the store, shown (on the offscreen platform) and painted once.
    Quor::TMainForm& ShownForm();
    // A working folder laid out like the program's: app/ with styles.css, and beside it
    // Database/QuorSemanticNetwork.mdb, a link to the network. Start-up children run in app/.
    std::filesystem::path AppFolder();

    void Release();

private:
    void Activate();

    TBenchNetwork mNetwork;
    std::unique_ptr<TSampleWords> mSamples;
    std::unique_ptr<Quor::TQuorDataModule> mStore;
    std::unique_ptr<TSqlFloor> mFloor;
    std::unique_ptr<Quor::TMainForm> mForm;
    std::unique_ptr<Quor::TMainForm> mShownForm;
};

// Registers a benchmark named "<name>/<network>" that runs `function(state, context)`; times in
// milliseconds. An exception skips the benchmark with its message.
template <typename TFunction>
benchmark::internal::Benchmark* RegisterFor(TBenchContext& context, const std::string& name,
                                            TFunction function) {
    const std::string fullName = name + "/" + context.Network().Name;
    auto* registered = benchmark::RegisterBenchmark(fullName.c_str(),
                                                    [&context, function](benchmark::State& state) {
                                                        try {
                                                            function(state, context);
                                                        } catch (const std::exception& error) {
                                                            state.SkipWithError(error.what());
                                                        }
                                                    });
    return registered->Unit(benchmark::kMillisecond);
}

// The benchmark groups, registered for one network.
void RegisterStoreBenchmarks(TBenchContext& context);
void RegisterPageBenchmarks(TBenchContext& context);
void RegisterStartupBenchmarks(TBenchContext& context);
void RegisterMapBenchmarks(TBenchContext& context);
void RegisterSuggestionBenchmarks(TBenchContext& context);

// The start-up child: the benchmark program run again with --startup-child. Returns the
// process's exit code.
bool IsStartupChild(int argc, char* argv[]);
int RunStartupChild(int argc, char* argv[]);

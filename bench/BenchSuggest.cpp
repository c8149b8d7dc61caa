// The suggestions for a search that found nothing, on the store of each network: "Suggest.<text>"
// once the language's words are in memory (what every search after the first one of a session
// pays), "Suggest.first" with reading the Bulgarian words first (the first one), with the memory
// they take. "Suggest.ahead-now" and "Suggest.ahead-1s" are the first one when the words began to
// be read ahead as the network opened, asked at once and a second later: what a user waits after
// Enter when he searches right away, or after typing a while.
//
// The texts: an ordinary word of the network with two letters swapped ("swapped"), a Bulgarian
// inflected form ("form", къщата), Latin letters ("latin", kashta), the Latin letters of an
// inflected form ("latin-form", kashtata: the dictionary forms of its likeliest spellings), and a
// short text that many words are near ("short").
#include "BenchSupport.h"

#include "core/suggest/Suggestions.h"
#include "core/text/CodePage.h"

#include <chrono>
#include <malloc.h>
#include <thread>
#include <utility>

using namespace Quor;

namespace {

// The ordinary word with its third and fourth letters swapped: a typing error of a word that is
// there.
std::string Swapped(TBenchContext& context) {
    std::string word = Utf8ToPageText(context.Samples().Ordinary.Word);
    if (word.size() >= 4)
        std::swap(word[2], word[3]);
    return word;
}

void Suggest(benchmark::State& state, TBenchContext& context, const std::string& text) {
    TSuggestions suggestions;
    suggestions.SetDataModule(&context.Store());
    suggestions.Suggest(text, "BG");
    std::size_t offered = 0;
    for (auto _ : state)
        offered = suggestions.Suggest(text, "BG").size();
    state.counters["suggestions"] = static_cast<double>(offered);
}

void FirstSuggest(benchmark::State& state, TBenchContext& context) {
    const std::string text = Swapped(context);
    std::size_t offered = 0;
    std::int64_t memory = 0;
    for (auto _ : state) {
        const std::size_t before = mallinfo2().uordblks;
        TSuggestions suggestions;
        suggestions.SetDataModule(&context.Store());
        offered = suggestions.Suggest(text, "BG").size();
        memory = static_cast<std::int64_t>(mallinfo2().uordblks - before);
    }
    state.counters["suggestions"] = static_cast<double>(offered);
    // What the language's words take in memory, in MiB.
    state.counters["MiB"] = static_cast<double>(memory) / (1024 * 1024);
}

void FirstSuggestReadAhead(benchmark::State& state, TBenchContext& context,
                           std::chrono::milliseconds typing) {
    const std::string text = Swapped(context);
    std::size_t offered = 0;
    for (auto _ : state) {
        TSuggestions suggestions;
        suggestions.SetDataModule(&context.Store());
        suggestions.ReadAhead("BG");
        std::this_thread::sleep_for(typing);
        const auto asked = std::chrono::steady_clock::now();
        offered = suggestions.Suggest(text, "BG").size();
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - asked).count());
    }
    state.counters["suggestions"] = static_cast<double>(offered);
}

} // namespace

void RegisterSuggestionBenchmarks(TBenchContext& context) {
    using benchmark::State;
    RegisterFor(context, "Suggest.swapped",
                [](State& state, TBenchContext& c) { Suggest(state, c, Swapped(c)); });
    RegisterFor(context, "Suggest.form", [](State& state, TBenchContext& c) {
        Suggest(state, c, Utf8ToPageText("Къщата"));
    });
    RegisterFor(context, "Suggest.latin",
                [](State& state, TBenchContext& c) { Suggest(state, c, "kashta"); });
    RegisterFor(context, "Suggest.latin-form",
                [](State& state, TBenchContext& c) { Suggest(state, c, "kashtata"); });
    RegisterFor(context, "Suggest.short",
                [](State& state, TBenchContext& c) { Suggest(state, c, Utf8ToPageText("Раса")); });
    RegisterFor(context, "Suggest.first", FirstSuggest)->Iterations(3);
    using std::chrono::milliseconds;
    RegisterFor(
        context, "Suggest.ahead-now",
        [](State& state, TBenchContext& c) { FirstSuggestReadAhead(state, c, milliseconds(0)); })
        ->UseManualTime()
        ->Iterations(3);
    RegisterFor(
        context, "Suggest.ahead-1s",
        [](State& state, TBenchContext& c) { FirstSuggestReadAhead(state, c, milliseconds(1000)); })
        ->UseManualTime()
        ->Iterations(3);
}

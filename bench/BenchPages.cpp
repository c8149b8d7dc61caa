// The pages as the window makes them: one word information table, a whole search composed into a
// page (SearchWordsHtml + HtmlPage), and a page shown in the real view (ShowHtml, then events
// processed until the view has painted it).
#include "BenchSupport.h"

#include "core/CodePage.h"
#include "window/Browser.h"

using namespace Quor;

namespace {

void TableHtml(benchmark::State& state, TMainForm& form, const TWord& word) {
    const std::string text = Utf8ToPageText(word.Word);
    const std::string moreInfo = Utf8ToPageText(word.MoreInfo);
    std::size_t size = 0;
    for (auto _ : state) {
        const std::string table = form.Composer().WordInfoTableHtml(word.Id, text, moreInfo);
        size = table.size();
        benchmark::DoNotOptimize(table.data());
    }
    state.counters["kB"] = static_cast<double>(size) / 1024;
}

void SearchPage(benchmark::State& state, TMainForm& form, const std::string& utf8Word,
                bool similar) {
    const std::string word = Utf8ToPageText(utf8Word);
    std::size_t size = 0;
    for (auto _ : state) {
        const std::string page =
            form.Composer().HtmlPage(form.Composer().SearchWordsHtml(word, "BG", similar));
        size = page.size();
        benchmark::DoNotOptimize(page.data());
    }
    state.counters["kB"] = static_cast<double>(size) / 1024;
}

} // namespace

void RegisterPageBenchmarks(TBenchContext& context) {
    using benchmark::State;
    RegisterFor(context, "WordInfoTableHtml.ordinary", [](State& state, TBenchContext& c) {
        TableHtml(state, c.Form(), c.Samples().Ordinary);
    });
    RegisterFor(context, "WordInfoTableHtml.hub", [](State& state, TBenchContext& c) {
        TableHtml(state, c.Form(), c.Samples().Hub);
    });
    RegisterFor(context, "SearchPage.exact-20", [](State& state, TBenchContext& c) {
        SearchPage(state, c.Form(), c.Samples().TwentyHomonyms, false);
    });
    RegisterFor(context, "SearchPage.similar", [](State& state, TBenchContext& c) {
        SearchPage(state, c.Form(), c.Samples().Substring, true);
    });
    RegisterFor(context, "ShowHtml.exact-20", [](State& state, TBenchContext& c) {
        TMainForm& form = c.ShownForm();
        const std::string page = form.Composer().HtmlPage(form.Composer().SearchWordsHtml(
            Utf8ToPageText(c.Samples().TwentyHomonyms), "BG", false));
        TPaintWatcher painted(PageViewport(form));
        for (auto _ : state) {
            const int paints = painted.Count();
            form.ShowHtml(page);
            if (!painted.WaitBeyond(paints))
                throw std::runtime_error("The page view was not painted.");
        }
        state.counters["kB"] = static_cast<double>(page.size()) / 1024;
    });
}

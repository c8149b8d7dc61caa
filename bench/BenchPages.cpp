// The pages as the window makes them: one word information table, a whole search composed into a
// page (SearchWordsHtml + HtmlPage), and a page shown in the real view (ShowHtml, then events
// processed until the view has painted it).
//
// "EnterToPaint" is what a user waits for: Enter pressed in the word box of a shown window, until
// the page view has painted the results. Its counters split it: "handler_ms" is the Enter key's
// handler (the search and its page composed, the page file written, the view loading and parsing
// it and laying out its beginning), "paint_ms" the events processed from then until the first
// paint. "EnterToPaint.hub" is the same for the exact search of the heaviest hub, whose page is
// one table with hundreds of word links in its synonyms' cell. The "PageView" rows time the view's
// parts on that page alone: the HTML parsed into a document, the whole document laid out at the
// view's width (the view lays out only what it shows before painting, and the rest afterwards in
// steps), and one paint of the view showing the page.
#include "BenchSupport.h"

#include "core/text/CodePage.h"
#include "window/Browser.h"
#include "window/WebBrowser.h"

#include <QAbstractTextDocumentLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTextDocument>

using namespace Quor;

namespace {

void TableHtml(benchmark::State& state, TBenchContext& context, const TWord& word) {
    TMainForm& form = context.Form();
    const std::string text = Utf8ToPageText(word.Word);
    const std::string moreInfo = Utf8ToPageText(word.MoreInfo);
    std::size_t size = 0;
    std::int64_t statements = 0;
    {
        const TStatementCounter counter(context.Network().Path);
        for (auto _ : state) {
            const std::string table = form.Composer().WordInfoTableHtml(word.Id, text, moreInfo);
            size = table.size();
            benchmark::DoNotOptimize(table.data());
        }
        statements = counter.Count();
    }
    state.counters["kB"] = static_cast<double>(size) / 1024;
    state.counters["statements"] =
        benchmark::Counter(static_cast<double>(statements), benchmark::Counter::kAvgIterations);
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

template <typename TControl> TControl& Control(TMainForm& form, const char* name) {
    auto* control = form.findChild<TControl*>(QLatin1String(name));
    if (!control)
        throw std::runtime_error(std::string("The main window has no ") + name);
    return *control;
}

double MillisecondsOf(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void EnterToPaint(benchmark::State& state, TBenchContext& context, const std::string& word) {
    TMainForm& form = context.ShownForm();
    auto& wordBox = Control<QComboBox>(form, "mWordComboBox");
    Control<QComboBox>(form, "mLanguageComboBox").setCurrentText(QStringLiteral("BG"));
    Control<QCheckBox>(form, "mFindSimilarWordsCheckBox").setChecked(false);
    wordBox.setEditText(QString::fromStdString(word));
    wordBox.lineEdit()->setFocus();
    TPaintWatcher painted(PageViewport(form));
    double handler = 0, paint = 0;
    const auto pressEnter = [&] {
        const int paints = painted.Count();
        QElapsedTimer timer;
        timer.start();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(wordBox.lineEdit(), &press);
        const double handled = MillisecondsOf(timer);
        if (!painted.WaitBeyond(paints))
            throw std::runtime_error("The page view was not painted.");
        const double total = MillisecondsOf(timer);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(wordBox.lineEdit(), &release);
        handler += handled;
        paint += total - handled;
        return total;
    };
    pressEnter(); // the session's first search is FirstSearch's
    handler = paint = 0;
    for (auto _ : state)
        state.SetIterationTime(pressEnter() / 1000);
    state.counters["handler_ms"] = benchmark::Counter(handler, benchmark::Counter::kAvgIterations);
    state.counters["paint_ms"] = benchmark::Counter(paint, benchmark::Counter::kAvgIterations);
    const std::string page = form.Composer().HtmlPage(
        form.Composer().SearchWordsHtml(Utf8ToPageText(word), "BG", false));
    state.counters["kB"] = static_cast<double>(page.size()) / 1024;
}

// The page of the exact search with a 20-word result.
std::string TwentyWordPage(TBenchContext& context) {
    TMainForm& form = context.Form();
    return form.Composer().HtmlPage(form.Composer().SearchWordsHtml(
        Utf8ToPageText(context.Samples().TwentyHomonyms), "BG", false));
}

// A document of the page as the view would hold it, parsed and not laid out.
std::unique_ptr<QTextDocument> ParsedPage(const QString& html, const QFont& font) {
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(font);
    document->setHtml(html);
    return document;
}

void PageViewParse(benchmark::State& state, TBenchContext& context) {
    const QString html = FromPageText(TwentyWordPage(context));
    const QFont font = PageViewport(context.ShownForm())->font();
    for (auto _ : state)
        benchmark::DoNotOptimize(ParsedPage(html, font));
}

void PageViewLayout(benchmark::State& state, TBenchContext& context) {
    const QString html = FromPageText(TwentyWordPage(context));
    const QWidget* viewport = PageViewport(context.ShownForm());
    double height = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::unique_ptr<QTextDocument> document = ParsedPage(html, viewport->font());
        state.ResumeTiming();
        document->setTextWidth(viewport->width());
        height = document->documentLayout()->documentSize().height();
    }
    state.counters["height_px"] = height;
}

void PageViewPaint(benchmark::State& state, TBenchContext& context) {
    TMainForm& form = context.ShownForm();
    QWidget* viewport = PageViewport(form);
    TPaintWatcher painted(viewport);
    const int paints = painted.Count();
    form.ShowHtml(TwentyWordPage(context));
    if (!painted.WaitBeyond(paints))
        throw std::runtime_error("The page view was not painted.");
    // The view lays out the rest of the page in steps after its first paint; finish them.
    form.findChild<TWebBrowser*>()->document()->documentLayout()->documentSize();
    for (auto _ : state)
        viewport->repaint();
}

} // namespace

void RegisterPageBenchmarks(TBenchContext& context) {
    using benchmark::State;
    RegisterFor(context, "WordInfoTableHtml.ordinary",
                [](State& state, TBenchContext& c) { TableHtml(state, c, c.Samples().Ordinary); });
    RegisterFor(context, "WordInfoTableHtml.hub",
                [](State& state, TBenchContext& c) { TableHtml(state, c, c.Samples().Hub); });
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
    RegisterFor(context, "EnterToPaint.exact-20", [](State& state, TBenchContext& c) {
        EnterToPaint(state, c, c.Samples().TwentyHomonyms);
    })->UseManualTime();
    RegisterFor(context, "EnterToPaint.hub", [](State& state, TBenchContext& c) {
        EnterToPaint(state, c, c.Samples().Hub.Word);
    })->UseManualTime();
    RegisterFor(context, "PageView.parse", PageViewParse);
    RegisterFor(context, "PageView.layout", PageViewLayout);
    RegisterFor(context, "PageView.paint", PageViewPaint);
}

// Start-up and memory.
//
// The program has no way to say when its first page is on screen, so the start-up is measured on
// the benchmark program itself, run again as a child process with --startup-child. The child
// does exactly what the program's main does (QApplication, the main window, which composes and
// shows the welcome page, the about box, the word store opening ../Database/
// QuorSemanticNetwork.mdb, then showing the window) in a working folder laid out like the
// program's, and prints "ready" once the page view has been painted. The parent times from
// starting the process to reading that line: process creation, dynamic linking, Qt's platform
// plugin and fonts, the three objects and the first paint.
//
// With --searches=100 the child then runs 100 searches as a user would (word typed into the
// word box, language chosen, "Find similar words" ticked for every other one, Search clicked,
// page painted) and reports its resident memory.
//
// "Startup.in-process" repeats the three objects and the first paint inside this process, warm:
// the part of the start-up that the program's own code decides.
#include "BenchSupport.h"

#include "core/store/QuorData.h"
#include "core/text/CodePage.h"
#include "window/About.h"
#include "window/Browser.h"
#include "window/MessageBoxes.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QProcess>
#include <QPushButton>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <sstream>

using namespace Quor;

namespace {

constexpr const char* kChildFlag = "--startup-child";
constexpr int kChildTimeoutMilliseconds = 20 * 60 * 1000;

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

void PrintMessageBox(TMessageBoxKind, const QString& title, const QString& text) {
    std::fprintf(stderr, "%s: %s\n", title.toLocal8Bit().constData(),
                 text.toLocal8Bit().constData());
}

long long OptionValue(int argc, char* argv[], const char* name) {
    const std::size_t length = std::strlen(name);
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], name, length) == 0 && argv[i][length] == '=')
            return std::atoll(argv[i] + length + 1);
    return 0;
}

template <typename TControl> TControl& Control(TMainForm& form, const char* name) {
    auto* control = form.findChild<TControl*>(QLatin1String(name));
    if (!control)
        throw std::runtime_error(std::string("The main window has no ") + name);
    return *control;
}

// 100 searches as a user makes them, for words spread evenly over the network; returns their
// time in milliseconds.
double RunSearches(TMainForm& form, TQuorDataModule& store, TPaintWatcher& painted, int searches,
                   long long words) {
    std::vector<std::pair<std::string, std::string>> queries;
    for (int k = 0; k < searches; ++k) {
        const long long id = 1 + k * (words - 1) / std::max(1, searches - 1);
        std::string word, moreInfo, langCode;
        store.GetWordById(std::to_string(id), word, moreInfo, langCode);
        queries.emplace_back(word, langCode);
    }
    auto& wordBox = Control<QComboBox>(form, "mWordComboBox");
    auto& languageBox = Control<QComboBox>(form, "mLanguageComboBox");
    auto& similar = Control<QCheckBox>(form, "mFindSimilarWordsCheckBox");
    auto& search = Control<QPushButton>(form, "mSearchButton");

    const auto start = std::chrono::steady_clock::now();
    for (std::size_t k = 0; k < queries.size(); ++k) {
        wordBox.setEditText(FromPageText(queries[k].first));
        languageBox.setCurrentText(FromPageText(queries[k].second));
        similar.setChecked(k % 2 == 0);
        const int paints = painted.Count();
        search.click();
        if (!painted.WaitBeyond(paints, kChildTimeoutMilliseconds))
            throw std::runtime_error("A search page was not painted.");
    }
    return MillisecondsSince(start);
}

struct TChildReport {
    double WallMilliseconds = 0;  // process start to "ready", measured by the parent
    double ChildMilliseconds = 0; // main() to "ready", measured by the child
    double SearchMilliseconds = 0;
    long long ResidentKilobytes = 0;
    long long PeakKilobytes = 0;
};

// Runs a start-up child in the network's working folder.
TChildReport RunChild(TBenchContext& context, int searches) {
    QProcess child;
    child.setProgram(QCoreApplication::applicationFilePath());
    child.setArguments({QLatin1String(kChildFlag), QStringLiteral("--searches=%1").arg(searches),
                        QStringLiteral("--words=%1").arg(context.Network().Words)});
    child.setWorkingDirectory(QString::fromStdString(context.AppFolder().string()));
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);

    TChildReport report;
    QElapsedTimer timer;
    timer.start();
    child.start();
    const auto readLine = [&child] {
        while (!child.canReadLine())
            if (!child.waitForReadyRead(kChildTimeoutMilliseconds))
                throw std::runtime_error("The start-up child stopped before reporting.");
        return child.readLine().toStdString();
    };
    std::istringstream ready(readLine());
    report.WallMilliseconds = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    std::string word;
    if (!(ready >> word >> report.ChildMilliseconds) || word != "ready")
        throw std::runtime_error("The start-up child did not report ready.");
    if (searches > 0) {
        std::istringstream memory(readLine());
        if (!(memory >> word >> report.ResidentKilobytes >> report.PeakKilobytes >>
              report.SearchMilliseconds) ||
            word != "memory")
            throw std::runtime_error("The start-up child did not report its memory.");
    }
    if (!child.waitForFinished(kChildTimeoutMilliseconds) || child.exitCode() != 0)
        throw std::runtime_error("The start-up child failed.");
    return report;
}

} // namespace

bool IsStartupChild(int argc, char* argv[]) {
    return argc > 1 && std::strcmp(argv[1], kChildFlag) == 0;
}

int RunStartupChild(int argc, char* argv[]) {
    const auto start = std::chrono::steady_clock::now();
    const int searches = static_cast<int>(OptionValue(argc, argv, "--searches"));
    const long long words = OptionValue(argc, argv, "--words");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    InstallQuietMessageHandler();

    // As the program's main does.
    QApplication application(argc, argv);
    InstallErrorMessageBox();
    SetMessageBoxFunction(PrintMessageBox);
    auto mainForm = std::make_unique<TMainForm>();
    auto aboutDialog = std::make_unique<TAboutDialog>();
    mainForm->SetAboutDialog(aboutDialog.get());
    auto dataModule = std::make_unique<TQuorDataModule>();
    mainForm->SetDataModule(dataModule.get());
    TPaintWatcher painted(PageViewport(*mainForm));
    mainForm->show();
    if (!painted.WaitBeyond(0))
        return 1;
    std::printf("ready %.3f\n", MillisecondsSince(start));
    std::fflush(stdout);

    int result = 0;
    if (searches > 0) {
        try {
            const double searchTime = RunSearches(*mainForm, *dataModule, painted, searches, words);
            std::printf("memory %lld %lld %.3f\n",
                        static_cast<long long>(ProcessStatusKilobytes("VmRSS")),
                        static_cast<long long>(ProcessStatusKilobytes("VmHWM")), searchTime);
            std::fflush(stdout);
        } catch (const std::exception& error) {
            std::fprintf(stderr, "%s\n", error.what());
            result = 1;
        }
    }
    mainForm->SetDataModule(nullptr);
    return result;
}

void RegisterStartupBenchmarks(TBenchContext& context) {
    using benchmark::State;
    RegisterFor(context, "Startup.process", [](State& state, TBenchContext& c) {
        double childTime = 0;
        for (auto _ : state) {
            const TChildReport report = RunChild(c, 0);
            state.SetIterationTime(report.WallMilliseconds / 1000);
            childTime += report.ChildMilliseconds;
        }
        state.counters["in_child_ms"] =
            benchmark::Counter(childTime, benchmark::Counter::kAvgIterations);
    })->UseManualTime();

    RegisterFor(context, "Startup.in-process", [](State& state, TBenchContext& c) {
        const QString path = QString::fromStdString(c.Network().Path.string());
        for (auto _ : state) {
            auto mainForm = std::make_unique<TMainForm>();
            auto aboutDialog = std::make_unique<TAboutDialog>();
            mainForm->SetAboutDialog(aboutDialog.get());
            auto dataModule = std::make_unique<TQuorDataModule>(path);
            mainForm->SetDataModule(dataModule.get());
            TPaintWatcher painted(PageViewport(*mainForm));
            mainForm->show();
            if (!painted.WaitBeyond(0))
                throw std::runtime_error("The main window was never painted.");
            state.PauseTiming();
            mainForm.reset();
            aboutDialog.reset();
            dataModule.reset();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            state.ResumeTiming();
        }
    });

    // Each run is one child with 100 searches; its time is the time of the searches.
    RegisterFor(context, "Memory.100-searches",
                [](State& state, TBenchContext& c) {
                    TChildReport report;
                    for (auto _ : state) {
                        report = RunChild(c, 100);
                        state.SetIterationTime(report.SearchMilliseconds / 1000);
                    }
                    state.counters["RSS_MB"] = static_cast<double>(report.ResidentKilobytes) / 1024;
                    state.counters["peak_RSS_MB"] =
                        static_cast<double>(report.PeakKilobytes) / 1024;
                })
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(3);
}

// The benchmarks of the word browser, on the networks that GenerateNetwork made:
//
//   QuorBenchmarks [--networks=FOLDER] [Google Benchmark flags]
//
// FOLDER (bench/networks/ of the source tree by default) holds network-<words>.mdb and
// network-<words>-ucase.mdb; every benchmark runs on each of them and is named
// "<benchmark>/<network>", for example "FindWords.exact/1M-ucase". scripts/bench makes the
// networks and runs this program.
#include "BenchSupport.h"

#include "window/MessageBoxes.h"

#include <QApplication>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

using namespace Quor;

namespace {

void PrintMessageBox(TMessageBoxKind, const QString& title, const QString& text) {
    std::fprintf(stderr, "%s: %s\n", title.toLocal8Bit().constData(),
                 text.toLocal8Bit().constData());
}

// Takes --networks=FOLDER out of the arguments.
std::filesystem::path TakeNetworksFolder(int& argc, char* argv[]) {
    std::filesystem::path folder = QUOR_BENCH_NETWORKS;
    constexpr const char* flag = "--networks=";
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], flag, std::strlen(flag)) == 0)
            folder = argv[i] + std::strlen(flag);
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    return folder;
}

// Makes the file of --benchmark_out= absolute: the benchmarks run in a working folder of their own.
void MakeOutputPathAbsolute(int argc, char* argv[]) {
    static std::vector<std::string> rewritten;
    rewritten.reserve(static_cast<std::size_t>(argc)); // no reallocation: argv points into it
    constexpr const char* flag = "--benchmark_out=";
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], flag, std::strlen(flag)) == 0) {
            const std::filesystem::path path = argv[i] + std::strlen(flag);
            rewritten.push_back(flag + std::filesystem::absolute(path).string());
            argv[i] = rewritten.back().data();
        }
}

} // namespace

int main(int argc, char* argv[]) {
    if (IsStartupChild(argc, argv))
        return RunStartupChild(argc, argv);

    const std::filesystem::path folder = TakeNetworksFolder(argc, argv);
    MakeOutputPathAbsolute(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    const std::vector<TBenchNetwork> networks = FindNetworks(folder);
    if (networks.empty()) {
        std::fprintf(stderr,
                     "No networks in %s: make them with scripts/bench, or with "
                     "tools/GenerateNetwork --words N --output %s/network-N.mdb\n",
                     folder.c_str(), folder.c_str());
        return 2;
    }

    qputenv("QT_QPA_PLATFORM", "offscreen");
    SetUpBenchEnvironment();
    InstallQuietMessageHandler();
    int result = 0;
    {
        QApplication application(argc, argv);
        SetMessageBoxFunction(PrintMessageBox);
        std::vector<std::unique_ptr<TBenchContext>> contexts;
        for (const TBenchNetwork& network : networks) {
            auto& context = *contexts.emplace_back(std::make_unique<TBenchContext>(network));
            RegisterStoreBenchmarks(context);
            RegisterPageBenchmarks(context);
            RegisterStartupBenchmarks(context);
            RegisterMapBenchmarks(context);
            RegisterSuggestionBenchmarks(context);
        }
        benchmark::AddCustomContext("networks", folder.string());
        if (benchmark::RunSpecifiedBenchmarks() == 0)
            result = 1;
        contexts.clear();
    }
    benchmark::Shutdown();
    TearDownBenchEnvironment();
    return result;
}

// Core benchmarks on a generated export of a million GBK records, with the reader
// compared against `cut -d';' -f2` on the same file in the same run. Prints one
// line per figure: NAME: VALUE UNIT (goal: OP LIMIT UNIT).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <string>

#include "bench/ExportGenerator.h"
#include "bench/Figures.h"
#include "formats/BestItemWriter.h"
#include "formats/ExportReader.h"
#include "items/ItemTable.h"

namespace bestitem::bench {
namespace {

constexpr std::size_t kRecords = 1'000'000;

struct Workload {
    std::string path;
    std::string text;
};
Workload workload;

ItemTable filledTable(TextView text) {
    TextList records;
    TextList names;
    splitExport(text, records, names);
    ItemTable table;
    table.appendRows(names);
    return table;
}

void readerInMemory(benchmark::State& state) {
    for (auto _ : state) {
        TextList records;
        TextList names;
        splitExport(workload.text, records, names);
        benchmark::DoNotOptimize(names.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * workload.text.size()));
}

void readerFromDisk(benchmark::State& state) {
    for (auto _ : state) {
        ExportText read = readExport(workload.path);
        benchmark::DoNotOptimize(read.names.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * workload.text.size()));
}

void applyPremiumAll(benchmark::State& state) {
    ItemTable table = filledTable(workload.text);
    for (auto _ : state) {
        table.applyLevel(MarkLevel::Premium, MarkScope::All, {});
        benchmark::ClobberMemory();
    }
}

void loadMarkBuild(benchmark::State& state) {
    const std::string text = generateExport(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        ItemTable table = filledTable(text);
        table.applyLevel(MarkLevel::Valuable, MarkScope::All, {});
        TextBytes out = buildBestItemText(table, {2019, 11, 22});
        benchmark::DoNotOptimize(out.data());
    }
}

void buildText(benchmark::State& state) {
    ItemTable table = filledTable(workload.text);
    table.applyLevel(MarkLevel::Pickup, MarkScope::All, {});
    std::size_t outputBytes = 0;
    for (auto _ : state) {
        TextBytes out = buildBestItemText(table, {2019, 11, 22});
        outputBytes = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * outputBytes));
}

// Best wall time of a few runs of cut over the file, its output thrown away.
double cutSeconds(const std::string& path) {
    double best = 1e9;
    for (int run = 0; run < 5; ++run) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        std::string program = "cut";
        std::string delimiter = "-d;";
        std::string field = "-f2";
        std::string file = path;
        char* argv[] = {program.data(), delimiter.data(), field.data(), file.data(), nullptr};
        const auto start = std::chrono::steady_clock::now();
        pid_t pid = 0;
        if (posix_spawnp(&pid, "cut", &actions, nullptr, argv, environ) != 0) {
            std::cerr << "cannot run cut\n";
            return 0;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        posix_spawn_file_actions_destroy(&actions);
        best = std::min(best, elapsed.count());
    }
    return best;
}

}  // namespace
}  // namespace bestitem::bench

int main(int argc, char** argv) {
    using namespace bestitem::bench;
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("bestitem-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    workload.path = (folder / "export.txt").string();
    workload.text = generateExport(kRecords);
    std::ofstream(workload.path, std::ios::binary)
        .write(workload.text.data(), static_cast<long>(workload.text.size()));

    benchmark::RegisterBenchmark("reader_in_memory", readerInMemory)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("reader_from_disk", readerFromDisk)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("apply_premium_all", applyPremiumAll)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("load_mark_build", loadMarkBuild)
        ->Arg(10'000)
        ->Arg(100'000)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("build_text", buildText)->Unit(benchmark::kMillisecond);

    benchmark::Initialize(&argc, argv);
    const double cut = cutSeconds(workload.path);
    const Results results = runBenchmarks();

    const double megabytes = static_cast<double>(workload.text.size()) / 1e6;
    std::cout << "# export: " << kRecords << " records, " << megabytes
              << " MB; cut -d';' -f2: " << megabytes / cut << " MB/s\n";
    const double inMemory = results.seconds("reader_in_memory");
    const double fromDisk = results.seconds("reader_from_disk");
    std::cout << "# reader in memory: " << megabytes / inMemory
              << " MB/s; from disk: " << megabytes / fromDisk << " MB/s\n";
    printFigure("reader_vs_cut_in_memory", cut / inMemory, "x", ">=", 4, "x");
    printFigure("reader_vs_cut_from_disk", cut / fromDisk, "x", ">=", 1, "x");
    printFigure("apply_premium_all_1m", results.seconds("apply_premium_all") * 1e3, "ms", "<=", 5,
                "ms");
    printFigure(
        "load_mark_build_growth_100k_over_10k",
        results.seconds("load_mark_build/100000") / results.seconds("load_mark_build/10000"), "x",
        "<=", 12, "x");
    printFigure("build_text_1m", results.bytesPerSecond("build_text") / 1e9, "GB/s", ">=", 1,
                "GB/s");

    std::filesystem::remove_all(folder);
    return 0;
}

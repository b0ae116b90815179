// Memory figures, each measured in a process of its own so that peaks do not mix:
//   memory_probe table   bytes per row of a million-row table, names excluded
//   memory_probe export  peak memory of reading a generated export and filling the table
#include <malloc.h>

#include <unistd.h>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/ExportGenerator.h"
#include "formats/ExportReader.h"
#include "items/ItemTable.h"

using namespace bestitem;

namespace {

constexpr std::size_t kRows = 1'000'000;

long statusKilobytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) {
            return std::stol(line.substr(std::strlen(field)));
        }
    }
    return 0;
}

int tableBytesPerRow() {
    std::vector<std::string> names(kRows);
    std::vector<std::string_view> views;
    views.reserve(kRows);
    for (std::size_t i = 0; i < kRows; ++i) {
        names[i] = std::to_string(10'000'000 + i);  // 8 bytes
        views.push_back(names[i]);
    }
    malloc_trim(0);
    const long before = statusKilobytes("VmRSS:");
    ItemTable table;
    for (std::size_t i = 0; i < kRows; ++i) {
        table.appendRow(std::to_string(i + 1), views[i]);  // one row at a time, as growth goes
    }
    const double used = static_cast<double>(statusKilobytes("VmRSS:") - before) * 1024.0;
    const double perRow = (used - kRows * 8.0) / kRows;
    std::printf("# table: %zu rows, %.1f MB resident, %.1f MB by its own count\n", table.rowCount(),
                used / 1e6, table.memoryBytes() / 1e6);
    std::printf("table_bytes_per_row_1m: %.3g B (goal: <= 48 B)\n", perRow);
    return 0;
}

int exportPeak() {
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("bestitem-probe-" + std::to_string(getpid()) + ".txt"))
                                 .string();
    std::size_t fileSize = 0;
    {
        const std::string text = bench::generateExport(kRows);
        std::ofstream(path, std::ios::binary).write(text.data(), static_cast<long>(text.size()));
        fileSize = text.size();
    }
    malloc_trim(0);
    const long before = statusKilobytes("VmRSS:");
    // Peak is measured from here: reset the high-water mark.
    std::ofstream("/proc/self/clear_refs") << "5";
    ExportText state = readExport(path);
    ItemTable table;
    table.appendRows(state.names);
    const long peak = statusKilobytes("VmHWM:");
    std::filesystem::remove(path);
    const double ratio =
        static_cast<double>(peak - before) * 1024.0 / static_cast<double>(fileSize);
    std::printf("# export %.1f MB, peak growth %.1f MB, %zu rows\n", fileSize / 1e6,
                (peak - before) / 1024.0, table.rowCount());
    std::printf("read_and_fill_peak_memory: %.3g x file size (goal: <= 2 x file size)\n", ratio);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "table") {
        return tableBytesPerRow();
    }
    if (mode == "export") {
        return exportPeak();
    }
    std::fprintf(stderr, "usage: memory_probe table|export\n");
    return 2;
}

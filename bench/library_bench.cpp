// Reading the parts library: every file of the data folder read and every shape's parameters
// computed, 20 times; prints the median and the min-max in ms, and the median processor time
// (what a busy machine does not change), then the same for each file alone.
//   library_bench [folder]     (default: the source tree's resources/library)
#include "bobbins.h"
#include "parts_library.h"
#include "shapes.h"
#include "stock.h"
#include "wires.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kRuns = 20;

struct Spread {
    double median, min, max; // ms, wall clock
    double cpu;              // ms, median of the processor time (the same on a busy machine)
};

Spread Time(const std::function<void()>& work) {
    std::vector<double> ms, cpu;
    work(); // warm-up: the files in the page cache
    for (int i = 0; i < kRuns; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const std::clock_t cpuStart = std::clock();
        work();
        cpu.push_back(1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC);
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        ms.push_back(took.count());
    }
    std::sort(ms.begin(), ms.end());
    std::sort(cpu.begin(), cpu.end());
    const auto median = [](const std::vector<double>& v) {
        return (v[kRuns / 2 - 1] + v[kRuns / 2]) / 2;
    };
    return {median(ms), ms.front(), ms.back(), median(cpu)};
}

void Print(const char* what, const Spread& spread) {
    std::printf("%-22s median %7.2f ms  (%.2f-%.2f)  processor %.2f ms\n", what, spread.median,
                spread.min, spread.max, spread.cpu);
}

} // namespace

int main(int argc, char** argv) {
    using namespace velkor::library;
    const std::filesystem::path folder = argc > 1 ? argv[1] : VELKOR_LIBRARY_DIR;
    std::size_t shapes = 0;
    Print("whole library", Time([&] { shapes = PartsLibrary::Load(folder).Shapes().size(); }));
    std::printf("  (%zu shapes kept)\n", shapes);
    const auto file = [&](const char* name, const std::function<void(std::istream&)>& read) {
        Print(name, Time([&] {
                  std::ifstream in(folder / name, std::ios::binary);
                  read(in);
              }));
    };
    file("core_shapes.ndjson", [](std::istream& in) { ReadShapes(in); });
    file("bobbins.ndjson", [](std::istream& in) { ReadBobbins(in); });
    file("wires.ndjson", [](std::istream& in) { ReadWires(in); });
    file("cores_stock.ndjson", [](std::istream& in) { ReadStock(in); });
    return 0;
}

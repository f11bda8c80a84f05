// The library dialog's benchmark (offscreen): the adviser's ranking of every core in one
// material and in every material, the median of several runs each, and the first opening of
// "Libreria" on a new window, the library read included.
//
//   adviser_bench [runs]      (QT_QPA_PLATFORM=offscreen is set when no platform is given;
//                              the library is the source tree's unless VELKOR_DATA_DIR is set)
#include "adviser.h"
#include "library_dialog.h"
#include "main_window.h"
#include "manual_loader.h"
#include "parts_library.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Median milliseconds of `runs` calls.
double TimeOf(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        work();
        times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    return Median(times);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty(velkor::kDataDirVariable))
        qputenv(velkor::kDataDirVariable, VELKOR_SOURCE_DIR "/resources");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    QTemporaryDir elsewhere; // no library in the current folder
    QDir::setCurrent(elsewhere.path());

    // The first opening: a new window each time, so that the library is read each time.
    std::vector<double> openings;
    for (int run = 0; run < std::min(runs, 10); ++run) {
        TForm1* window = CreateForms();
        window->show();
        QApplication::processEvents();
        auto* button = window->findChild<QAbstractButton*>(QStringLiteral("SBLIB"));
        QElapsedTimer clock;
        clock.start();
        button->click();
        QApplication::processEvents(); // the dialog's first paint
        openings.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        delete window;
    }

    const std::string folder =
        QString(qEnvironmentVariable(velkor::kDataDirVariable) + "/library").toStdString();
    const double readMs = TimeOf(std::min(runs, 10), [&] {
        const velkor::library::PartsLibrary read = velkor::library::PartsLibrary::Load(folder);
    });
    const velkor::library::PartsLibrary parts = velkor::library::PartsLibrary::Load(folder);
    velkor::AdviserInputs inputs;
    inputs.design.freq = 100000; // Hz
    inputs.design.psec = 20;     // W
    inputs.design.eta = 80;      // %
    const velkor::library::Material* n87 = parts.FindMaterial("N87");
    if (!n87 || parts.Shapes().empty()) {
        std::fprintf(stderr, "adviser_bench: no library found\n");
        return 1;
    }
    velkor::AdviserResult one, all;
    const double oneMs = TimeOf(runs, [&] { one = velkor::Advise(inputs, parts, n87); });
    const double allMs =
        TimeOf(std::max(1, runs / 4), [&] { all = velkor::Advise(inputs, parts, nullptr); });

    std::printf("Libreria, first opening (library read included): %.1f ms (median of %zu; "
                "target <= 150)\n",
                Median(openings), openings.size());
    std::printf("  of which the library read: %.1f ms\n", readMs);
    std::printf("Adviser, one material (N87, %d cores, %d pass): %.1f ms (median of %d; target "
                "<= 30)\n",
                one.tried, one.passed, oneMs, runs);
    std::printf("Adviser, every material (%d designs, %d pass): %.1f ms (median of %d; target "
                "<= 1000)\n",
                all.tried, all.passed, allMs, std::max(1, runs / 4));
    return 0;
}

// Cost of a measured fall: reading a table of 100,000 rows (the largest the
// reader takes, as a spreadsheet saves it: semicolons, decimal commas, a header
// with units), and fitting c and eta, or c alone, to 1,000 points of a throw in water.

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "model/data_reader.h"
#include "model/drag_fit.h"
#include "model/model.h"
#include "model/trajectory.h"

using namespace velunta;

namespace {

void ReadRows(benchmark::State& state) {
    std::string table = "t (с);y (м);Vy (м/с)\n";
    for (int i = 0; i < 99999; ++i) {
        std::string row = std::to_string(i * 0.001) + ";" + std::to_string(2 - 4.9 * i * i * 1e-6) + ";" +
                          std::to_string(-9.8 * i * 0.001) + "\n";
        for (char& ch : row)
            if (ch == '.') ch = ',';
        table += row;
    }
    for (auto _ : state) {
        const DataReadResult r = readMeasuredData(table, "bench");
        if (!r.ok() || r.data->points.size() != 99999) state.SkipWithError(r.error.c_str());
        benchmark::DoNotOptimize(r);
    }
    state.counters["MB"] = double(table.size()) / 1e6;
}
BENCHMARK(ReadRows)->Unit(benchmark::kMillisecond);

void Fit(benchmark::State& state) {
    const InputValues truth{2, 3, 0.01, 0.004084, 1000, 0.001004, 0.47};
    Model m;
    m.set_defaults();
    m.set_inputs(truth);
    m.parametr();
    m.raschet1();
    m.raschet2();
    std::vector<MeasuredPoint> points;
    for (int i = 0; i < 1000; ++i) {
        const double t = m.Tmax2 * i / 999;
        // A deterministic millimetre of scatter.
        points.push_back({t, motionContinued(m, DragModel::full, t).Y + 1e-3 * std::sin(i * 12.9898), {}});
    }
    InputValues start = truth;
    start.c = 0.3;
    start.eta = 0.002;
    const FitChoice choice{true, state.range(0) == 2, false};
    for (auto _ : state) {
        const DragFit fit = fitDrag(start, points, choice);
        if (!fit.converged) state.SkipWithError(fit.message.c_str());
        state.counters["iterations"] = fit.iterations;
        benchmark::DoNotOptimize(fit);
    }
}
BENCHMARK(Fit)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

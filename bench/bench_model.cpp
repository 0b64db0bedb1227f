// Cost of the model stages of one recompute: the characteristics (parametr)
// and the two landings (raschet1, raschet2), for the school defaults, a
// viscous medium, a very viscous one with a long fall, and the slowest inputs
// found among the accepted ones. Each stage is timed right after a picture has
// been cleared, as in the window; AllStagesUndrawn shows that the time is the
// same in a process that never draws.

#include <benchmark/benchmark.h>

#include <QImage>
#include <chrono>
#include <cmath>

#include "model/constants.h"
#include "model/model.h"

using velunta::Model;

namespace {

struct Inputs {
    const char* name;
    double h, V0y, d, massa, r0, eta, c;
};

const Inputs kInputs[] = {
    {"defaults", 2, 3, 0.01, 0.004084, 1000, 0.001004, 0.47},
    {"eta=1", 2, 3, 0.01, 0.004084, 1000, 1, 0.47},
    {"eta=50,h=10", 10, 3, 0.01, 0.004084, 1000, 50, 0.47},
    // Both scans run the full written stretch and go on for millions of steps.
    {"tar,dust", 2, -10, 0.0001, 0.004084, 0.001, 10000, 0.47},
    // The fixed point creeps and is stopped by its bound.
    {"thin,high", 1000, 0, 0.01, 0.004084, 1.23, 1e-7, 0.47},
    // Thrown down at ten times the speed of sound: runaway fixed point and a
    // four-million-step descent.
    {"down1e4", 2, -10000, 0.01, 0.004084, 1000, 0.001004, 0.47},
    // A grain barely denser than the medium (r0 < 0 here: just below the ball's
    // density): the grid freezes long before the landing.
    {"frozen", 100000, 0, 0.00027, 0.000001, -1, 10000, 0.47},
};

// What the window does before the stages: clear a picture with Qt's fill.
void draw() {
    static QImage picture(800, 512, QImage::Format_RGB32);
    picture.fill(Qt::white);
}

// Times one call of stage after drawing.
template <typename Stage>
void timeAfterDrawing(benchmark::State& state, Stage stage) {
    draw();
    const auto start = std::chrono::steady_clock::now();
    stage();
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
}

Model prepared(const Inputs& in) {
    Model m;
    m.set_defaults();
    m.set_inputs({in.h, in.V0y, in.d, in.massa, in.r0, in.eta, in.c});
    if (in.r0 < 0) {
        const double r = (in.massa * 6 / velunta::kPi) / (in.d * in.d * in.d);
        m.r0 = std::floor(r * 1000) / 1000;
        if (m.r0 >= r) m.r0 -= 0.001;
    }
    return m;
}

void Parametr(benchmark::State& state) {
    Model m = prepared(kInputs[state.range(0)]);
    for (auto _ : state) timeAfterDrawing(state, [&m] { m.parametr(); });
    state.SetLabel(kInputs[state.range(0)].name);
}

void Raschet1(benchmark::State& state) {
    Model m = prepared(kInputs[state.range(0)]);
    m.parametr();
    for (auto _ : state) timeAfterDrawing(state, [&m] { m.raschet1(); });
    state.SetLabel(kInputs[state.range(0)].name);
}

void Raschet2(benchmark::State& state) {
    Model m = prepared(kInputs[state.range(0)]);
    m.parametr();
    m.raschet1();
    for (auto _ : state) timeAfterDrawing(state, [&m] { m.raschet2(); });
    state.SetLabel(kInputs[state.range(0)].name);
}

// The three stages as one recompute runs them.
void allStages(Model& m) {
    m.parametr();
    m.raschet1();
    m.raschet2();
}

void AllStages(benchmark::State& state) {
    Model m = prepared(kInputs[state.range(0)]);
    for (auto _ : state) timeAfterDrawing(state, [&m] { allStages(m); });
    state.SetLabel(kInputs[state.range(0)].name);
}

void AllStagesUndrawn(benchmark::State& state) {
    Model m = prepared(kInputs[state.range(0)]);
    for (auto _ : state) allStages(m);
    state.SetLabel(kInputs[state.range(0)].name);
}

constexpr int kCount = int(sizeof kInputs / sizeof kInputs[0]);

}  // namespace

BENCHMARK(Parametr)->DenseRange(0, kCount - 1)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(Raschet1)->DenseRange(0, kCount - 1)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(Raschet2)->DenseRange(0, kCount - 1)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(AllStages)->DenseRange(0, kCount - 1)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(AllStagesUndrawn)->DenseRange(0, kCount - 1)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();

// Timing of the animated run in the real window (offscreen unless a display
// platform is chosen with QT_QPA_PLATFORM):
//   RunFrames        the frame sequence alone (rise by Runge-Kutta, fall)
//   StartToFall      "ПУСК" up to the first pause: pipeline, graphs, drawn rise
//   WholeRunNoPauses "ПУСК" with slow-down 0, start to end; counts the repaints of
//                    the trajectory picture, which come without any event handled
//   FallPaced        the fall with slow-down 1 (1000 pauses of 10 ms: 10 s)
//   RedrawInFall     the pipeline in the first pause of the fall: the pictures renewed
//                    and the run's trail (the whole rise) drawn again
// Times are wall-clock, per run.

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <cstdlib>

#include "window/form1.h"
#include "plot/animation.h"

using namespace velunta;

namespace {

// Silent services: no box is shown, no tone played.
struct NoDialogs : Dialogs {
    int MsgBox(const QString&, int style, const QString&) override { return style == vbYesNo ? vbNo : vbOK; }
};
struct NoTone : Tone {
    void Beep(int, int) override {}
};
struct NoOpener : DocumentOpener {
    bool openDocument(const QString&) override { return false; }
    void startProgram(const QString&, const QStringList&, std::function<void()>) override {}
};

struct Window {
    NoDialogs dialogs;
    NoTone tone;
    NoOpener opener;
    Form1 form{Form1Services{&dialogs, &tone, &opener}};

    explicit Window(int tormoz) {
        form.show();
        QElapsedTimer settle;
        settle.start();
        while (settle.elapsed() < 300) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        form.controls().HScroll2->setValue(tormoz);
    }
};

void RunFrames_(benchmark::State& state) {
    Model m;
    m.set_defaults();
    m.parametr();
    m.raschet1();
    m.raschet2();
    std::size_t frames = 0;
    for (auto _ : state) {
        frames = collectRunFrames(m).size();
        benchmark::DoNotOptimize(frames);
    }
    state.counters["frames"] = double(frames);
}
BENCHMARK(RunFrames_)->Name("RunFrames")->Unit(benchmark::kMillisecond);

void StartToFall(benchmark::State& state) {
    Window w(1);
    for (auto _ : state) {
        QElapsedTimer clock;
        double toFirstPause = 0;
        // Runs in the first pause of the fall, then stops the run with a recompute.
        QTimer::singleShot(0, [&] {
            toFirstPause = clock.nsecsElapsed() * 1e-9;
            w.form.Command1_Click();
        });
        clock.start();
        w.form.CmdOK_Click();
        state.SetIterationTime(toFirstPause);
    }
}
BENCHMARK(StartToFall)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

struct PaintCounter : QObject {
    long paints = 0;
    bool eventFilter(QObject*, QEvent* e) override { return paints += e->type() == QEvent::Paint, false; }
};

void WholeRunNoPauses(benchmark::State& state) {
    Window w(0);
    PaintCounter counter;
    w.form.controls().Picture1->installEventFilter(&counter);
    for (auto _ : state) w.form.CmdOK_Click();
    state.counters["repaints"] = benchmark::Counter(double(counter.paints), benchmark::Counter::kIsRate);
}
BENCHMARK(WholeRunNoPauses)->Iterations(10)->Unit(benchmark::kMillisecond)->UseRealTime();

void FallPaced(benchmark::State& state) {
    Window w(1);
    for (auto _ : state) {
        QElapsedTimer clock;
        QTimer::singleShot(0, [&clock] { clock.start(); });  // the first pause: the fall has begun
        w.form.CmdOK_Click();
        state.SetIterationTime(clock.nsecsElapsed() * 1e-9);
    }
}
BENCHMARK(FallPaced)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);

void RedrawInFall(benchmark::State& state) {
    Window w(1);
    QTimer::singleShot(0, [&] {
        for (auto _ : state) w.form.Form_Resize();
        w.form.Command1_Click();  // stops the run
    });
    w.form.CmdOK_Click();
}
BENCHMARK(RedrawInFall)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);  // keeps a platform chosen by the caller
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// The recompute pipeline as the user meets it: on every keystroke in an input
// field the window runs layout, the model, and clears and redraws all three
// pictures. Timed on the real window (offscreen), at the design client size of
// 800 x 512, with the window's own canvases.
//
//   BM_Pipeline/view:N     the defaults, with picture N of the view switch shown
//   BM_PipelineInputs/K    the whole pipeline for input set K (see kInputSets)
//   BM_PlotStages          only the drawing stages: clear, ranges, axes, curves

#include <QApplication>
#include <benchmark/benchmark.h>

#include "app/form1.h"
#include "plot/axes.h"
#include "plot/curves.h"
#include "plot/minmax.h"

namespace {

using namespace velunta;

class SilentDialogs : public Dialogs {
public:
    int MsgBox(const QString&, int style, const QString&) override { return style == vbYesNo ? vbNo : vbOK; }
};
class SilentTone : public Tone {
public:
    void Beep(int, int) override {}
};
class NoOpener : public DocumentOpener {
public:
    bool openDocument(const QString&) override { return true; }
    bool startProgram(const QString&, const QStringList&) override { return true; }
};

struct InputSet {
    const char* name;
    double h, V0y, d, massa, r0, eta, c;
};

// Accepted inputs from the defaults to the edges of what the fields take.
const InputSet kInputSets[] = {
    {"defaults", 2, 3, 0.01, 0.004084, 1000, 0.001004, 0.47},
    {"steel ball in air", 2, 3, 0.01, 0.004084, 1.23, 1.82e-5, 0.47},
    {"released from 100 m in water", 100, 0, 0.01, 0.004084, 1000, 0.001004, 0.47},
    {"thrown down fast", 10, -50, 0.01, 0.004084, 1000, 0.001004, 0.47},
    {"highest and fastest", 1e5, 1e4, 0.01, 0.004084, 1.23, 1.82e-5, 0.47},
    {"fastest down", 1e5, -1e4, 0.01, 0.004084, 1.23, 1.82e-5, 0.47},
    {"light ball in glycerin", 10, 5, 0.01, 0.001, 1260, 1.4, 0.47},
    {"ball in tar", 1, 1, 0.01, 0.004084, 1000, 1e4, 0.47},
    {"nearly floating", 2, 3, 0.01, 0.000524, 1000, 0.001004, 0.47},
    {"huge ball", 50, 20, 100, 1e9, 1000, 0.001004, 0.47},
    {"dust grain", 2, 3, 1e-5, 4.1e-12, 1.23, 1.82e-5, 0.47},
    {"large drag coefficient", 20, 10, 0.01, 0.004084, 1000, 0.001004, 1000},
};

// One window for all benchmarks, shown at its design size.
Form1& window() {
    static SilentDialogs dialogs;
    static SilentTone tone;
    static NoOpener opener;
    static Form1* form = [] {
        auto* f = new Form1(Form1Services{&dialogs, &tone, &opener});
        f->show();
        QApplication::processEvents();
        return f;
    }();
    return *form;
}

void setInputs(Model& m, const InputSet& in) { m.set_inputs({in.h, in.V0y, in.d, in.massa, in.r0, in.eta, in.c}); }

void showView(Form1& form, int view) {
    QRadioButton* option = view == 1 ? form.controls().Option1 : view == 2 ? form.controls().Option2
                                                                            : form.controls().Option3;
    option->click();
    QApplication::processEvents();
}

void BM_Pipeline(benchmark::State& state) {
    Form1& form = window();
    setInputs(form.model(), kInputSets[0]);
    showView(form, int(state.range(0)));
    for (auto _ : state) form.Form_Resize();
    QApplication::processEvents();  // paint once, outside the timing
    showView(form, 1);
}
BENCHMARK(BM_Pipeline)->ArgName("view")->DenseRange(1, 3)->Unit(benchmark::kMillisecond);

void BM_PipelineInputs(benchmark::State& state) {
    Form1& form = window();
    const InputSet& inputs = kInputSets[state.range(0)];
    state.SetLabel(inputs.name);
    setInputs(form.model(), inputs);
    for (auto _ : state) form.Form_Resize();
    QApplication::processEvents();
    setInputs(form.model(), kInputSets[0]);
}
BENCHMARK(BM_PipelineInputs)
    ->DenseRange(0, int(std::size(kInputSets)) - 1)
    ->Unit(benchmark::kMillisecond);

void BM_PlotStages(benchmark::State& state) {
    Form1& form = window();
    setInputs(form.model(), kInputSets[0]);
    form.Form_Resize();
    Model& m = form.model();
    const Form1Controls& c = form.controls();
    for (auto _ : state) {
        c.Picture1->Cls();
        minmax(m, c.Picture1);
        axes(m, *c.Picture1, *c.Shape1);
        c.Picture2->Cls();
        c.Picture3->Cls();
        minmax_2(m, c.Picture2, c.Picture3);
        axes_2(m, *c.Picture2);
        axes_3(m, *c.Picture3);
        raschet3(m, *c.Picture1, *c.Picture2, *c.Picture3);
        // Include finishing the pictures (the window paints them next).
        for (Canvas* p : {c.Picture1, c.Picture2, c.Picture3}) p->flush();
    }
}
BENCHMARK(BM_PlotStages)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

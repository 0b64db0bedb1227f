// What the user waits for on every keystroke, on the real window (offscreen,
// design client size 800 x 512), after it has drawn:
//
//   BM_Keystroke/K   one key (Backspace at the end of "h") from the key event
//                    through the recompute until the window has painted, for
//                    input set K entered through the fields as a user would
//   BM_PlotStages    only the drawing stages: clear, ranges, axes, curves
//   BM_LessonKeystroke/K   the same key in the lesson view's field (1920 x 1080),
//                    until its graphs have painted
//   BM_LessonTimeSlider/K  a page of the lesson's time slider (PageUp or
//                    PageDown on the focused slider) until the scene has painted
//
// Backspace at the end of "2.000" leaves the value as it is, so every
// iteration recomputes the same inputs, whatever the field does with the text.

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QtTest/QTest>
#include <benchmark/benchmark.h>

#include "window/form1.h"
#include "lesson/graph_panel.h"
#include "lesson/input_panel.h"
#include "lesson/lesson_graph.h"
#include "lesson/lesson_window.h"
#include "lesson/playback.h"
#include "lesson/race_scene.h"
#include "lesson/view_switch.h"
#include <QSlider>
#include "model/format.h"
#include "model/input_checks.h"
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
    void startProgram(const QString&, const QStringList&, std::function<void()>) override {}
};

struct InputSet {
    const char* name;
    InputValues in;
};

// Inputs from the defaults to the edges of what the fields accept. (A dust
// grain of 4e-12 kg cannot be typed: the mass field shows six decimals.)
const InputSet kInputSets[] = {
    {"defaults", {}},
    {"steel ball in air", {2, 3, 0.01, 0.004084, 1.23, 1.82e-5, 0.47}},
    {"released from 100 m in water", {100, 0, 0.01, 0.004084, 1000, 0.001004, 0.47}},
    {"thrown down fast", {10, -50, 0.01, 0.004084, 1000, 0.001004, 0.47}},
    {"highest and fastest", {1e5, 1e4, 0.01, 0.004084, 1.23, 1.82e-5, 0.47}},
    {"fastest down", {1e5, -1e4, 0.01, 0.004084, 1.23, 1.82e-5, 0.47}},
    {"light ball in glycerin", {10, 5, 0.01, 0.001, 1260, 1.4, 0.47}},
    {"ball in tar", {1, 1, 0.01, 0.004084, 1000, 1e4, 0.47}},
    {"nearly floating", {2, 3, 0.01, 0.000524, 1000, 0.001004, 0.47}},
    {"large drag coefficient", {20, 10, 0.01, 0.004084, 1000, 0.001004, 1000}},
    {"huge ball", {50, 20, 100, 1e9, 1000, 0.001004, 0.47}},
    // The slowest recompute the typing fuzz met (its first 1500 texts).
    {"light metre-wide ball in air", {2, 0, 1, 5, 1.23, 1.82e-5, 0.47}},
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

QLineEdit* box(Form1& form, const FieldInfo& field) { return form.findChild<QLineEdit*>(field.control); }

QString shown(double value, const FieldInfo& field) { return QString::fromStdString(point(Format(value, field.pattern))); }

// Puts the set into the fields as finished edits, as the ball and medium menus
// do; true when the model holds every value.
bool typeInputs(Form1& form, const InputValues& in) {
    Model probe;
    probe.set_inputs(in);
    std::vector<InputSetting> settings;
    for (int i = 0; i < inputFieldCount; ++i) settings.push_back({inputFields()[i].field, inputValue(probe, inputFields()[i].field)});
    if (!form.applyInputs(settings).empty()) return false;
    QApplication::processEvents();
    for (int i = 0; i < inputFieldCount; ++i) {
        const FieldInfo& f = inputFields()[i];
        if (shown(inputValue(form.model(), f.field), f) != shown(inputValue(probe, f.field), f)) return false;
    }
    return true;
}

// Counts the paint events of the pictures (those of the view shown).
class PaintCounter : public QObject {
public:
    long paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// One key and the wait for the window's paint; a function of its own, so that
// callgrind can count it alone (--collect-atstart=no --toggle-collect='*keyUntilPainted*').
[[gnu::noinline]] void keyUntilPainted(QWidget* target, const PaintCounter& counter, const QElapsedTimer& clock,
                                       Qt::Key key = Qt::Key_Backspace) {
    const long paintsBefore = counter.paints;
    QTest::keyClick(target, key);
    while (counter.paints == paintsBefore && clock.elapsed() < 10000) QApplication::processEvents();
}

void BM_Keystroke(benchmark::State& state) {
    Form1& form = window();
    const InputSet& set = kInputSets[state.range(0)];
    state.SetLabel(set.name);
    if (!typeInputs(form, set.in)) {
        state.SkipWithError("the fields do not accept these inputs");
        return;
    }
    const FieldInfo& h = fieldInfo(InputField::h);
    QLineEdit* field = box(form, h);
    const QString text = shown(form.model().h, h);
    PaintCounter counter;
    const Form1Controls& c = form.controls();
    for (Canvas* picture : {c.Picture1, c.Picture2, c.Picture3}) picture->installEventFilter(&counter);
    for (auto _ : state) {
        {
            const QSignalBlocker quiet(field);
            field->setText(text);
            field->setCursorPosition(int(text.size()));
        }
        QElapsedTimer clock;
        clock.start();
        keyUntilPainted(field, counter, clock);
        state.SetIterationTime(double(clock.nsecsElapsed()) * 1e-9);
    }
    for (Canvas* picture : {c.Picture1, c.Picture2, c.Picture3}) picture->removeEventFilter(&counter);
    state.counters["paints"] = benchmark::Counter(double(counter.paints), benchmark::Counter::kAvgIterations);
    if (counter.paints < state.iterations()) state.SkipWithError("the window did not paint after every key");
    typeInputs(form, InputValues{});
}
BENCHMARK(BM_Keystroke)
    ->DenseRange(0, int(std::size(kInputSets)) - 1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_PlotStages(benchmark::State& state) {
    Form1& form = window();
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

// The lesson view in place of the classic window, at a projector's size.
LessonWindow& lesson() {
    static LessonWindow* view = [] {
        auto* views = new ViewSwitch(window());
        views->showLesson();
        views->lesson()->resize(1920, 1080);
        QApplication::processEvents();
        return views->lesson();
    }();
    return *view;
}

void BM_LessonKeystroke(benchmark::State& state) {
    LessonWindow& view = lesson();
    Form1& form = view.form();
    const InputSet& set = kInputSets[state.range(0)];
    state.SetLabel(set.name);
    if (!typeInputs(form, set.in)) {
        state.SkipWithError("the fields do not accept these inputs");
        return;
    }
    const FieldInfo& h = fieldInfo(InputField::h);
    QLineEdit* field = view.inputs()->field(InputField::h);
    QLineEdit* classic = box(form, h);
    const QString text = shown(form.model().h, h);
    PaintCounter counter;
    LessonGraph* graphs[] = {view.graphs()->graph(GraphPanel::coordinate), view.graphs()->graph(GraphPanel::velocity)};
    for (LessonGraph* g : graphs) g->installEventFilter(&counter);
    for (auto _ : state) {
        {
            const QSignalBlocker quiet(classic);
            classic->setText(text);
        }
        field->setText(text);
        field->setCursorPosition(int(text.size()));
        QElapsedTimer clock;
        clock.start();
        keyUntilPainted(field, counter, clock);
        state.SetIterationTime(double(clock.nsecsElapsed()) * 1e-9);
    }
    for (LessonGraph* g : graphs) g->removeEventFilter(&counter);
    state.counters["paints"] = benchmark::Counter(double(counter.paints), benchmark::Counter::kAvgIterations);
    if (counter.paints < state.iterations()) state.SkipWithError("the graphs did not paint after every key");
    typeInputs(form, InputValues{});
}
BENCHMARK(BM_LessonKeystroke)
    ->DenseRange(0, int(std::size(kInputSets)) - 1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_LessonTimeSlider(benchmark::State& state) {
    LessonWindow& view = lesson();
    const InputSet& set = kInputSets[state.range(0)];
    state.SetLabel(set.name);
    if (!typeInputs(view.form(), set.in)) {
        state.SkipWithError("the fields do not accept these inputs");
        return;
    }
    QSlider* slider = view.timeBar()->slider();
    slider->setValue(slider->maximum() / 2);
    QApplication::processEvents();
    PaintCounter counter;
    view.scene()->installEventFilter(&counter);
    bool forward = true;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        keyUntilPainted(slider, counter, clock, forward ? Qt::Key_PageUp : Qt::Key_PageDown);
        forward = !forward;
        state.SetIterationTime(double(clock.nsecsElapsed()) * 1e-9);
    }
    view.scene()->removeEventFilter(&counter);
    state.counters["paints"] = benchmark::Counter(double(counter.paints), benchmark::Counter::kAvgIterations);
    if (counter.paints < state.iterations()) state.SkipWithError("the scene did not paint after every move");
    typeInputs(view.form(), InputValues{});
}
BENCHMARK(BM_LessonTimeSlider)
    ->DenseRange(0, int(std::size(kInputSets)) - 1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt paints a window 5 ms after its first change at the earliest, to gather
    // more; without that wait the time is the work alone.
    qputenv("QT_QPA_UPDATE_IDLE_TIME", "0");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

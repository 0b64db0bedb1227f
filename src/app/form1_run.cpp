// The start command "ПУСК" with its animated run, and the recompute command.
//
// The run pauses after every frame of the fall and handles the window's events
// meanwhile, so any handler may run in the middle of it. A handler that renews
// the pictures (every recompute does, and so does a second "ПУСК") makes the
// run stale: it stops at its next frame and leaves the pictures, the caption
// and the tooltips to whoever renewed them.

#include <QElapsedTimer>
#include <algorithm>
#include <limits>

#include "app/form1.h"
#include "plot/animation.h"
#include "plot/axes.h"
#include "plot/curves.h"
#include "plot/minmax.h"

namespace velunta {

namespace {

const QString kDesignCaption = QStringLiteral("Велунта.");

// The clock as the user reads it: whole seconds.
QDateTime toWholeSecond(QDateTime when) {
    const QTime time = when.time();
    when.setTime(QTime(time.hour(), time.minute(), time.second()));
    return when;
}

QString clockText(const QDateTime& when) { return when.time().toString(QStringLiteral("HH:mm:ss")); }

}  // namespace

// The window's side of a run: its pauses, its repaints, its tone.
class Form1RunHost : public RunHost {
public:
    Form1RunHost(Form1& form, unsigned long generation) : form_(form), generation_(generation) {
        sinceRepaint_.start();
    }

    bool stale() const { return form_.ending_ || form_.runGeneration_ != generation_; }

    // Where no events are handled between frames, the pictures are painted
    // here directly, often enough to look like motion and rarely enough to
    // cost little. A pause paints them anyway.
    void frameShown() override {
        if (sinceRepaint_.elapsed() < 16) return;
        const Form1Controls& c = form_.c_;
        for (QWidget* w : {static_cast<QWidget*>(c.Picture1), static_cast<QWidget*>(c.Picture2),
                           static_cast<QWidget*>(c.Picture3), static_cast<QWidget*>(c.Picture4),
                           static_cast<QWidget*>(c.Picture14)})
            w->repaint();
        sinceRepaint_.restart();
    }

    bool Wait(double k) override {
        if (stale()) return false;
        form_.pause_->Wait(k, [this] { return stale(); });
        if (k > 0) sinceRepaint_.restart();
        return !stale();
    }

    void signal(double k) override { form_.signal(k); }

private:
    Form1& form_;
    const unsigned long generation_;
    QElapsedTimer sinceRepaint_;
};

void Form1::connectRunCommands() {
    connect(c_.CmdOK, &QPushButton::clicked, this, &Form1::CmdOK_Click);
    connect(c_.Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    pause_ = new FramePause(c_.Timer1);
}

void Form1::CmdOK_Click() {
    finishPendingEdits();  // the run belongs to the inputs as finished
    ++runGeneration_;  // a run still in its fall gives way to this one
    const QDateTime start = toWholeSecond(clock_ ? clock_() : QDateTime::currentDateTime());
    setWindowTitle(kDesignCaption + QStringLiteral("  Начало ") + clockText(start));
    s_nach = start.time().second();
    m_nach = start.time().minute();

    Form_Resize();
    // The two graphs once more, on fresh surfaces, right before the run.
    redrawGraphs();

    // Stopped by a recompute, another start or the end of the program: the
    // caption now belongs to whatever came after.
    if (!raschet4()) return;

    const QDateTime end = toWholeSecond(clock_ ? clock_() : QDateTime::currentDateTime());
    s_konets = end.time().second();
    m_konets = end.time().minute();
    // From the full date and time, so that a run across the hour or midnight
    // is timed right; within the hour this is (m_konets - m_nach) * 60 + s_konets - s_nach.
    const qint64 seconds = start.secsTo(end);
    vremja = std::int16_t(std::clamp<qint64>(seconds, std::numeric_limits<std::int16_t>::min(),
                                             std::numeric_limits<std::int16_t>::max()));
    setWindowTitle(windowTitle() + QStringLiteral(".  Конец ") + clockText(end));
    setWindowTitle(windowTitle() + QStringLiteral(".  Время расчёта ") + QString::number(vremja) +
                   QStringLiteral(" c"));
}

bool Form1::raschet4() {
    Form1RunHost host(*this, runGeneration_);
    const RunSurfaces surfaces{*c_.Picture1, *c_.Picture2, *c_.Picture3, *c_.Picture4, *c_.Picture14, *c_.Shape1};
    ++runDepth_;
    const bool finished = velunta::raschet4(m_, surfaces, host);
    --runDepth_;
    return finished;
}

void Form1::Command1_Click() {
    finishPendingEdits();
    Form_Resize();
    c_.Picture4->Cls();
    c_.Picture14->Cls();
}

}  // namespace velunta

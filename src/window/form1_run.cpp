// The start command "ПУСК" with its animated run, and the recompute command.
//
// The run pauses after every frame of the fall and handles the window's events
// meanwhile, so any handler may run in the middle of it. A change of the view
// (a resize, the zoom, the view switch) renews the pictures and draws the run's
// trail again; the run goes on. New inputs, "Пересчёт" or a second "ПУСК" make
// the run stale: it stops at its next frame and leaves the pictures, the
// caption and the tooltips to whoever renewed them.

#include <QCoreApplication>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <algorithm>
#include <limits>

#include "window/form1.h"
#include "plot/animation.h"
#include "plot/axes.h"
#include "plot/curves.h"
#include "plot/minmax.h"

namespace velunta {

namespace {

QString designCaption() { return QCoreApplication::translate("Form1", "Велунта."); }
QString animationToolTip() { return QCoreApplication::translate("Form1", "Анимация движения"); }

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
        // Paused by Space: the window goes on handling events until Space again.
        while (form_.paused_ && !stale()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (k > 0) sinceRepaint_.restart();
        return !stale();
    }

    void signal(double k) override { form_.signal(k); }

private:
    Form1& form_;
    const unsigned long generation_;
    QElapsedTimer sinceRepaint_;
};

// Space anywhere in the window pauses and resumes a run in progress, before
// the focused control sees it (a focused "ПУСК" would start a second run).
class SpacePause : public QObject {
public:
    explicit SpacePause(Form1& form) : QObject(&form), form_(form) { qApp->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (form_.runsInProgress() == 0 || key->key() != Qt::Key_Space || key->modifiers() != Qt::NoModifier ||
            !widget || widget->window() != &form_)
            return false;
        if (event->type() == QEvent::KeyPress && !key->isAutoRepeat()) form_.setRunPaused(!form_.runPaused());
        return true;
    }

private:
    Form1& form_;
};

void Form1::connectRunCommands() {
    connect(c_.CmdOK, &QPushButton::clicked, this, &Form1::CmdOK_Click);
    connect(c_.Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    pause_ = new FramePause(c_.Timer1);
    new SpacePause(*this);
}

QDateTime Form1::now() const { return clock_ ? clock_() : QDateTime::currentDateTime(); }

void Form1::setRunPaused(bool paused) {
    if (paused == paused_ || (paused && runDepth_ == 0)) return;
    paused_ = paused;
    if (paused) {
        pausedSince_ = now();
        setWindowTitle(runCaption_ + QCoreApplication::translate("Form1", ".  Пауза"));
    } else {
        pausedMs_ += pausedSince_.msecsTo(now());
        setWindowTitle(runCaption_);
    }
}

void Form1::CmdOK_Click() {
    finishPendingEdits();  // the run belongs to the inputs as finished
    ++runGeneration_;  // a run still in its fall gives way to this one
    paused_ = false;
    pausedMs_ = 0;
    trail_.clear();
    const QDateTime start = toWholeSecond(now());
    runCaption_ = QCoreApplication::translate("Form1", "%1  Начало %2").arg(designCaption(), clockText(start));
    setWindowTitle(runCaption_);

    Form_Resize();
    // The two graphs once more, on fresh surfaces, right before the run.
    redrawGraphs();

    // Stopped by new inputs, another start or the end of the program: the
    // caption now belongs to whatever came after.
    if (!raschet4()) return;

    const QDateTime end = toWholeSecond(now());
    // From the full date and time, so that a run across the hour or midnight
    // is timed right; the pauses of the user are no time of the run.
    const qint64 seconds = std::max<qint64>(0, start.secsTo(end) - (pausedMs_ + 500) / 1000);
    vremja = std::int16_t(std::min<qint64>(seconds, std::numeric_limits<std::int16_t>::max()));
    setWindowTitle(QCoreApplication::translate("Form1", "%1.  Конец %2.  Время расчёта %3 c")
                       .arg(runCaption_, clockText(end), QString::number(vremja)));
}

RunSurfaces Form1::runSurfaces() const {
    return {*c_.Picture1, *c_.Picture2, *c_.Picture3, *c_.Picture4, *c_.Picture14, *c_.Shape1};
}

bool Form1::raschet4() {
    // The marks' interval, for reading a speed off them.
    c_.Picture1->setToolTipText(animationToolTip() + QCoreApplication::translate("Form1", ". Метки положения шара через %1 c")
                                                        .arg(timeMarkStep(double(m_.Tp2) + double(m_.Ts2))));
    Form1RunHost host(*this, runGeneration_);
    ++runDepth_;
    const bool finished = velunta::raschet4(m_, runSurfaces(), host, &trail_);
    --runDepth_;
    if (runDepth_ == 0) paused_ = false;
    return finished;
}

void Form1::redrawRun() { trail_.redraw(m_, runSurfaces()); }

// A run of the old inputs stops where it is: its frames no longer fit the pictures.
void Form1::stopRun() {
    if (runDepth_ > 0 && !trail_.empty()) {
        ++runGeneration_;
        paused_ = false;
        setWindowTitle(runCaption_ + QCoreApplication::translate("Form1", ".  Прервано"));
        c_.Picture4->Cls();
        c_.Picture14->Cls();
    }
    trail_.clear();
    c_.Picture1->setToolTipText(animationToolTip());
}

void Form1::recomputeForNewInputs() {
    const InputValues now = m_.inputs();
    if (trail_.inputs() && !(*trail_.inputs() == now)) stopRun();
    Form_Resize();
}

void Form1::Command1_Click() {
    finishPendingEdits();
    stopRun();
    Form_Resize();
    c_.Picture4->Cls();
    c_.Picture14->Cls();
}

}  // namespace velunta

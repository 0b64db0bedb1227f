#include "plot/animation.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <climits>
#include <cmath>

#include "model/format.h"
#include "plot/axes.h"

namespace velunta {

// ---- The frame sequence ----------------------------------------------------------

RunFrames::RunFrames(Model& m) : m_(m) {
    fallFrames_ = m_.n / 5.0;
    if (m_.V0y > 0) {
        m_.t = 0;
        m_.Y = m_.h;
        m_.Vy = m_.V0y;
        m_.outy = m_.h;
        m_.outVy = float(m_.V0y);
        m_.shag_t = m_.Tp2 / m_.n;
        // A step that is not a positive number would never reach the top.
        rising_ = m_.shag_t > 0 && std::isfinite(m_.shag_t);
    }
    if (!rising_) startFall();
}

void RunFrames::startFall() {
    rising_ = false;
    phase_ = RunPhase::fall;
    // The product is taken in single precision, as Ts2 is.
    const float fallSpan = 5.0f * m_.Ts2;
    m_.shag_t = double(fallSpan) / m_.n;
    k_ = 0;
}

bool RunFrames::next() {
    cleanVectorState();  // the last frame was drawn
    if (rising_) {
        if (m_.t < m_.Tp2) {
            m_.rk_step();
            return true;
        }
        startFall();
    }
    if (k_ + 1 > fallFrames_) return false;
    ++k_;
    m_.t = m_.Tp2 + k_ * m_.shag_t;
    m_.Y = m_.Y2_f(m_.t - m_.Tp2);
    m_.Vy = m_.Vy2_f(m_.t - m_.Tp2);
    return true;
}

std::vector<RunFrame> collectRunFrames(Model& m) {
    std::vector<RunFrame> frames;
    frames.reserve(std::size_t(std::max(0, m.n)) + std::size_t(std::max(0, m.n / 5)) + 2);
    RunFrames run(m);
    while (run.next()) frames.push_back({run.phase(), m.t, m.Y, m.Vy});
    return frames;
}

// ---- Drawing ------------------------------------------------------------------------

QString timeCounterText(double t) { return QString::fromStdString(point(Format(t, "0.000000"))); }

QString heightCounterText(double Y) { return QString::fromStdString(point(Format(Y, "0.000e+00"))); }

std::string timeStepToolTip(const Model& m) {
    return "Счётчик времени. шаг по времени ±dt=" + Format(m.shag_t, "0.000000", m.locale_decimal_point) +
           " с. Метод Рунге-Кутты. Сравните с аналитическим решением Тmax2 и Y_end";
}

std::string heightErrorToolTip(const Model& m) {
    const double percent = 100 * std::abs(m.Y) / m.Ymax2;
    return "Координата. Погрешность = " + Format(percent, "0.000000", m.locale_decimal_point) +
           " %. Метод Рунге-Кутты. Сравните с аналитическим решением и Y_end";
}

namespace {

// The red curves grow to the frame and the ball moves there.
void drawFrame(double X, const RunFrame& f, const RunSurfaces& s) {
    // The canvas takes each coordinate in single precision.
    s.Picture2.LineTo(float(f.t), float(f.Y), kRed);
    s.Picture3.LineTo(float(f.t), float(f.Vy), kRed);
    s.Shape1.setLeft(X - s.Shape1.Width() / 2);
    s.Shape1.setTop(f.Y + s.Shape1.Height() / 2);
}

void drawStartingMarks(const Model& m, const RunSurfaces& s) {
    s.Picture1.Line(m.X, 0, m.X, m.Ymax2, kRed);
    s.Picture2.PSet(0, m.h, kRed);
    s.Picture3.PSet(0, m.V0y, kRed);
}

constexpr Colour kMarkColour = 0x000080;  // dark red: the run's model, apart from its red column
constexpr int kMarkWidth = 5;             // pixels across
constexpr int kMarkOffset = 5;            // pixels from the column to the mark's centre

}  // namespace

double timeMarkStep(double flight) {
    if (!(flight > 0) || !std::isfinite(flight)) return 0;
    double decade = std::pow(10.0, std::floor(std::log10(flight / 30)) - 1);
    for (;; decade *= 10)
        for (const double unit : {1.0, 2.0, 5.0})
            if (std::floor(flight / (unit * decade)) + 1 <= 30) return unit * decade;
}

void drawTimeMark(const TimeMark& mark, double X, DrawingSurface& Picture1) {
    const double userPerPixel = Picture1.surfaceSize().width() > 0 ? Picture1.ScaleWidth() / Picture1.surfaceSize().width() : 0;
    const int width = Picture1.DrawWidth();
    Picture1.setDrawWidth(kMarkWidth);
    Picture1.PSet(X + (mark.rising ? -kMarkOffset : kMarkOffset) * userPerPixel, mark.Y, kMarkColour);
    Picture1.setDrawWidth(width);
}

void RunTrail::clear() { *this = RunTrail(); }

void RunTrail::start(const Model& m) {
    clear();
    InputValues in;
    in.h = m.h, in.V0y = m.V0y, in.d = m.d, in.massa = m.massa, in.r0 = m.r0, in.eta = m.eta, in.c = m.c;
    inputs_ = in;
    step_ = timeMarkStep(double(m.Tp2) + double(m.Ts2));
    top_ = m.V0y > 0 ? m.Tp2 : 0;
    frames_.reserve(std::size_t(std::max(0, m.n)) + std::size_t(std::max(0, m.n / 5)) + 2);
    last_ = {RunPhase::rise, 0, m.h, m.V0y};
}

void RunTrail::add(const RunFrame& f, const Model& m, DrawingSurface& Picture1) {
    frames_.push_back(f);
    // Marks at 0, step, 2 step ...: the ball's height there, between the two frames around it.
    while (step_ > 0) {
        const double t = double(marks_.size()) * step_;
        if (t > f.t) break;
        const double span = f.t - last_.t;
        const double Y = span > 0 ? last_.Y + (f.Y - last_.Y) * (t - last_.t) / span : f.Y;
        marks_.push_back({t, Y, t < top_});
        drawTimeMark(marks_.back(), m.X, Picture1);
    }
    last_ = f;
}

void RunTrail::redraw(const Model& m, const RunSurfaces& s) const {
    if (empty()) return;
    drawStartingMarks(m, s);
    for (const RunFrame& f : frames_) drawFrame(m.X, f, s);
    for (const TimeMark& mark : marks_) drawTimeMark(mark, m.X, s.Picture1);
}

void show_state(const Model& m, const RunSurfaces& s) {
    drawFrame(m.X, {RunPhase::fall, m.t, m.Y, m.Vy}, s);
    s.Picture4.Cls();
    s.Picture14.Cls();
    s.Picture4.Print(timeCounterText(m.t));
    s.Picture14.Print(heightCounterText(m.Y));
}

bool raschet4(Model& m, const RunSurfaces& s, RunHost& host, RunTrail* trail) {
    // Starting marks: the ball's column up to the top, the first points of the curves.
    drawStartingMarks(m, s);
    if (trail) trail->start(m);

    RunFrames frames(m);
    while (frames.next()) {
        show_state(m, s);
        if (trail) trail->add({frames.phase(), m.t, m.Y, m.Vy}, m, s.Picture1);
        host.frameShown();
        // No pause in the rise; in the fall tormoz is read anew, as the scroll bar may move.
        if (frames.phase() == RunPhase::fall && !host.Wait(m.tormoz)) return false;
    }

    m.fff = timeStepToolTip(m);
    s.Picture4.setToolTipText(QString::fromStdString(m.fff));
    m.fff = heightErrorToolTip(m);
    s.Picture14.setToolTipText(QString::fromStdString(m.fff));
    host.signal(50);
    return true;
}

// ---- The pause --------------------------------------------------------------------------

FramePause::FramePause(QTimer* Timer1) : QObject(Timer1), Timer1_(Timer1) {
    // A coarse timer may fire 5 % late; the fall's 1000 pauses would add that up.
    Timer1_->setTimerType(Qt::PreciseTimer);
    connect(Timer1_, &QTimer::timeout, this, &FramePause::Timer1_Timer);
}

void FramePause::Timer1_Timer() {
    Timer1_->stop();
    Timer1_->setInterval(0);
}

int PausePace::next(int ms, Clock::time_point now) {
    const auto length = std::chrono::milliseconds(ms);
    due_ = (due_ && now < *due_ + length) ? *due_ + length : now + length;
    const auto left = std::chrono::duration_cast<std::chrono::microseconds>(*due_ - now).count();
    return std::max(1, int((left + 500) / 1000));
}

void FramePause::Wait(double k, const std::function<bool()>& stopped) {
    const int ms = int(std::clamp(std::lround(k * 10), 0L, long(INT_MAX)));
    if (ms > 0) {
        Timer1_->setInterval(pace_.next(ms, PausePace::Clock::now()));
        Timer1_->start();
    } else {
        Timer1_->setInterval(0);
        pace_.reset();
    }
    while (Timer1_->interval() > 0 && !(stopped && stopped())) {
        // A pause nested in this one (a run started from a handler) ends by
        // switching the shared timer off; this pause still needs its tick.
        if (!Timer1_->isActive()) Timer1_->start();
        // Sleeps until an event comes (the timer's at the latest) instead of spinning.
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    if (Timer1_->interval() > 0) pace_.reset();  // stopped before its time
    Timer1_->stop();
}

}  // namespace velunta

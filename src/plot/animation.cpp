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

void show_state(const Model& m, const RunSurfaces& s) {
    // The canvas takes each coordinate in single precision.
    s.Picture2.LineTo(float(m.t), float(m.Y), kRed);
    s.Picture3.LineTo(float(m.t), float(m.Vy), kRed);
    s.Shape1.setLeft(m.X - s.Shape1.Width() / 2);
    s.Shape1.setTop(m.Y + s.Shape1.Height() / 2);
    s.Picture4.Cls();
    s.Picture14.Cls();
    s.Picture4.Print(timeCounterText(m.t));
    s.Picture14.Print(heightCounterText(m.Y));
}

bool raschet4(Model& m, const RunSurfaces& s, RunHost& host) {
    // Starting marks: the ball's column up to the top, the first points of the curves.
    s.Picture1.Line(m.X, 0, m.X, m.Ymax2, kRed);
    s.Picture2.PSet(0, m.h, kRed);
    s.Picture3.PSet(0, m.V0y, kRed);

    RunFrames frames(m);
    while (frames.next()) {
        show_state(m, s);
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

#include "window/frame_pause.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <climits>

namespace velunta {

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

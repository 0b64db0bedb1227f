#pragma once
// The pauses between the frames of the fall, handled by the window's event loop.

#include <QObject>
#include <chrono>
#include <functional>
#include <optional>

class QTimer;

namespace velunta {

// The length of each pause so that the pauses keep a steady pace: a pause
// that ends late (timers fire up to a millisecond after their time, and the
// frame takes its own time to draw) shortens the next one, so 1000 pauses of
// 10 ms take 10 s, not 10.6. After a longer break (a dialog, another run, the
// first pause) the pace starts afresh from a whole pause.
class PausePace {
public:
    using Clock = std::chrono::steady_clock;
    // The interval in whole milliseconds (at least 1) for a pause of `ms` starting at `now`.
    int next(int ms, Clock::time_point now);
    // The pace is broken (a pause of 0, a stop).
    void reset() { due_.reset(); }

private:
    std::optional<Clock::time_point> due_;  // when the last pause was due to end
};

// The pause of the fall, paced by Timer1: about 10 * k ms during which the
// window's events are handled.
class FramePause : public QObject {
    Q_OBJECT
public:
    explicit FramePause(QTimer* Timer1);
    // Returns when Timer1_Timer has ended the pause or `stopped` turns true.
    // k = 0 (or less) makes no pause.
    void Wait(double k, const std::function<bool()>& stopped = {});
    // Timer1's tick: ends the pause.
    void Timer1_Timer();

private:
    QTimer* Timer1_;
    PausePace pace_;
};

}  // namespace velunta

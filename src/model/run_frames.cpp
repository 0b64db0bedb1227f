#include "model/run_frames.h"

#include <algorithm>
#include <cmath>

#include "model/clean_vector_state.h"

namespace velunta {

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

}  // namespace velunta

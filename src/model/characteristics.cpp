// Closed-form characteristics of the three models: vacuum, linear resistance,
// and linear plus quadratic resistance, with the Archimedes force in the media.
// The formulas are kept in the form the teachers derive them in class, with
// the lessons' g and pi (model/constants.h).

#include <cmath>

#include "model/ball_density.h"
#include "model/constants.h"
#include "model/model.h"
#include "model/runge_kutta.h"

namespace velunta {

namespace {
// Below this size a quantity q enters ln(1 + q) through a sum 1 + q that keeps
// only its first digits; there ln(1 + q) is taken by log1p instead. Above it
// the formulas as written lose at most a few parts in 1e10.
constexpr double kSmall = 1e-3;

// x - ln(1 + x) for 0 <= x < kSmall, by its series x^2/2 - x^3/3 + ...: the
// difference as written keeps no digit when x is near the rounding of 1.
double x_minus_log1p(double x) {
    double sum = 0;
    for (int k = 12; k >= 2; --k) sum = 1.0 / k - x * sum;
    return x * x * sum;
}
}  // namespace

// Phase of the ascent solution: for b > 1 the angle in (0, pi) whose tangent is
// 2*sqrt(b-1)/(b-2); for b < 1 a plain ratio. Kept in single precision.
float ascent_phase(double b) {
    if (b > 2) return float(std::atan(2 * std::sqrt(b - 1) / (b - 2)));
    if (b == 2) return float(kPi / 2);
    if (b > 1 && b < 2) return float(std::atan(2 * std::sqrt(b - 1) / (b - 2)) + kPi);
    if (b == 1) return 0;
    // For small b the written ratio subtracts nearly equal numbers and keeps no
    // correct digit (b = 1e-9 gives garbage of order 1e-7 instead of -b/4); the
    // same ratio written without the subtraction is -b/(1 + sqrt(1-b))^2.
    if (b < 1e-3) return float(-b / ((1 + std::sqrt(1 - b)) * (1 + std::sqrt(1 - b))));
    return float((b + 2 * std::sqrt(1 - b) - 2) / b);
}

void Model::set_inputs(const InputValues& in) {
    h = in.h;
    V0y = in.V0y;
    d = in.d;
    massa = in.massa;
    r0 = in.r0;
    eta = in.eta;
    c = in.c;
}

void Model::set_defaults() {
    set_inputs(InputValues{});
    r = ballDensity(d, massa);
    n = 5000;
    xmax = 0.2;
    X = xmax / 2;
    mashtab_x = 1;
    mashtab_y = 1.0f;
    mashtab_t = 1;
    tormoz = 1;
}

void Model::parametr() {
    cleanVectorState();
    // 1. Ball density.
    r = ballDensity(d, massa);

    // 2. Vacuum ascent.
    if (V0y > 0) {
        Tp0 = V0y / kGravity;
        Ymax0 = h + (V0y * V0y / 2) / kGravity;
    } else {
        Tp0 = 0;
        Ymax0 = h;
    }

    // 3. Vacuum flight.
    // Thrown down much faster than the fall from h would make it, the sum
    // subtracts two nearly equal speeds; multiplied out it is 2h / (sqrt - V0y).
    const double landingSpeed = std::sqrt(h * (2 * kGravity) + V0y * V0y);
    if (V0y < 0 && h * (2 * kGravity) < kSmall * V0y * V0y)
        Tmax0 = 2 * h / (landingSpeed - V0y);
    else
        Tmax0 = (landingSpeed + V0y) / kGravity;

    // 4. Vacuum landing velocity (single precision), in the plain numeric form.
    Vymax0 = float(V0y - Tmax0 * kGravity);

    // 5. Linear resistance: relaxation time and terminal speed with buoyancy
    // (without viscosity neither exists, and the previous values stay).
    if (eta > 0) {
        tau = (d * d * r / 18) / eta;
        Vp = tau * kGravity * (1 - r0 / r);
    }

    // 6. Linear-resistance ascent.
    if (V0y >= 0 && V0y / Vp < kSmall) {
        // A heavy ball (V0y far below Vp): the rise Vp*L - V0y is the small
        // difference of two nearly equal terms, taken here by its series.
        const double x = V0y / Vp;
        Tp1 = tau * std::log1p(x);
        Ymax1 = h + tau * Vp * x_minus_log1p(x);
    } else if (V0y >= 0) {
        const double L = std::log(1 + V0y / Vp);
        Tp1 = tau * L;
        Ymax1 = h - tau * (Vp * L - V0y);
    } else {
        Tp1 = 0;
        Ymax1 = h;
    }

    // 7. Quadratic resistance.
    if (c > 0) {
        const double x = kGravity * d * d * d * r0 * c * (r - r0) / 108 / (eta * eta);
        // sqrt(x + 1) - 1 loses its digits for a very small x (a very viscous
        // medium); there it is written as x / (sqrt(x + 1) + 1), the same number.
        const double rise = x < 1e-3 ? x / (std::sqrt(x + 1) + 1) : std::sqrt(x + 1) - 1;
        Vp2 = rise * 12 * eta / c / r0 / d;

        R2 = 4 * r * d / 3 / c / r0;

        b = 4 * Vp * tau / R2;

        if (b > 1)
            delta1 = std::sqrt(b - 1) / tau;
        else if (b < 1)
            delta1 = std::sqrt(1 - b) / tau;
        else
            delta1 = 0;

        delta2 = std::sqrt(b + 1) / tau;

        fi = ascent_phase(b);
    }

    // 8. Top of the full model.
    calc_Tp2();
    calc_Ymax2();
    stagesRun |= kCharacteristics;
}

void Model::calc_Tp2() {
    if (V0y <= 0) {
        Tp2 = 0;
    } else if (b > 1) {
        const double s = std::sqrt(b - 1);
        Tp2 = std::atan(V0y * s / (V0y + 2 * Vp)) * (2 * tau / s);
    } else if (b < 1) {
        const double s = std::sqrt(1 - b);
        // 1 - s for a tiny b, without the subtraction that would lose its digits.
        const double oneMinusS = b < 1e-3 ? b / (1 + s) : 1 - s;
        // The ratio is 1 + 2*s*V0y/(2*Vp + (1 - s)*V0y), near 1 for a slow throw.
        const double excess = 2 * s * V0y / (2 * Vp + oneMinusS * V0y);
        if (excess < kSmall)
            Tp2 = std::log1p(excess) * (tau / s);
        else
            Tp2 = std::log((2 * Vp + (1 + s) * V0y) / (2 * Vp + oneMinusS * V0y)) * (tau / s);
    } else {
        Tp2 = 2 * tau * V0y / (2 * Vp + V0y);
    }
    // This one keeps the locale's decimal separator.
}

// The height of the top of the full model, by integrating the ascent from the
// launch to Tp2 with many classical Runge-Kutta steps (used only where the
// closed form cannot be evaluated in double precision).
double Model::integrated_top() const {
    const int steps = 20000;
    const double dt = Tp2 / steps;
    // The run's step, without its rounding of the velocity to single precision.
    const auto accel = [this](double v) { return ff_2(0, 0, v); };
    double y = h, v = V0y;
    for (int i = 0; i < steps; ++i) {
        const RungeKuttaStep k = rungeKuttaStep(y, v, dt, accel);
        y = k.Y;
        v = k.Vy;
    }
    return y;
}

void Model::calc_Ymax2() {
    // fi enters with its single-precision value.
    const double phase = fi;
    if (V0y <= 0) {
        Ymax2 = h;
    } else if (b > 1) {
        // With a = fi/2 and w = Tp2*delta1/2, cos(a)/cos(a + w) is
        // 1 + 2*sin(a + w/2)*sin(w/2)/cos(a + w): near 1 when the ascent's
        // angle w is small (a heavy ball, a slow throw).
        const double angle = Tp2 * delta1;
        const double excess = 2 * std::sin((phase + angle / 2) / 2) * std::sin(angle / 4) / std::cos((phase + angle) / 2);
        const double logarithm = excess < kSmall ? std::log1p(excess)
                                                 : std::log(std::cos(phase / 2) / std::cos((phase + angle) / 2));
        Ymax2 = R2 * logarithm + (h - 2 * Vp * Tp2 / b);
    } else if (b < 1) {
        const double linearPart = (1 + std::sqrt(1 - b)) * 2 * Vp * Tp2 / b;
        // (fi + 1)/(fi + e^-w) = 1 + (1 - e^-w)/(fi + e^-w), near 1 for a small w.
        const double angle = Tp2 * delta1;
        const double excess = -std::expm1(-angle) / (phase + std::exp(-angle));
        const double logarithm = excess < kSmall ? std::log1p(excess)
                                                 : std::log((phase + 1) / (phase + std::exp(-Tp2 * delta1)));
        Ymax2 = R2 * logarithm + (h - linearPart);
        // For a tiny b both terms grow like 1/b while the rise stays finite, and
        // the difference keeps no correct digit. Then the top is found by
        // integrating the ascent instead.
        if (1e-15 * linearPart > 1e-9 * std::fabs(Ymax2 - h) || !std::isfinite(Ymax2)) Ymax2 = integrated_top();
    } else {
        Ymax2 = R2 * std::log(std::fabs(2 * tau / (2 * tau - Tp2))) + (h - 2 * Vp * Tp2);
    }
}

}  // namespace velunta

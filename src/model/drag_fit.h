#pragma once
// The drag coefficient c, the viscosity eta, or both (and optionally a time
// shift t0 of the measurement), found from a measured fall by non-linear least
// squares (GSL's trust-region Levenberg-Marquardt, gsl_multifit_nlinear):
//   minimise sum_i (Y_full(t_i - t0; c, eta) - Y_i)^2
// over the points as compared (alignedPoints). The model is always the full one:
// c exists only there, and eta enters both drags, so the linear model alone would
// give a different eta for the same fall. Each trial is the whole model computed
// again from its inputs (set_inputs, parametr, raschet1, raschet2), and c and eta
// stay inside their fields' limits (0 < c <= 1000, 0 < eta <= 10^4 Pa s): the
// solver moves a logistic of each, never the value itself.
//
// The standard errors are the square roots of the covariance (J^T J)^-1 scaled by
// the residual variance chi^2 / (N - P); there are none (nullopt) when N <= P.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/phrase.h"
#include "model/measured_data.h"
#include "model/model.h"

namespace velunta {

enum class FitParameter { c, eta, t0 };

struct FitChoice {
    bool c = false, eta = false, t0 = false;
    int count() const { return int(c) + int(eta) + int(t0); }
    bool operator==(const FitChoice&) const = default;
};

// "c", "eta", "c,eta", "c,t0", "eta,t0", "c,eta,t0" (any order, no repeats); nothing otherwise.
// At least one of c and eta: a time shift alone changes no drag.
std::optional<FitChoice> parseFitChoice(std::string_view text);

// "c", "eta", "t0": the names of the report and of the command line.
const char* fitParameterKey(FitParameter p);

struct FittedValue {
    FitParameter parameter;
    double value = 0;             // c, eta in Pa s, t0 in s
    std::optional<double> error;  // one standard error; none when N <= P or not known
    bool operator==(const FittedValue&) const = default;
};

struct DragFit {
    bool converged = false;           // a minimum was found and every parameter is determined
    std::vector<FittedValue> values;  // in the order c, eta, t0, the chosen ones only
    double rms = 0;                   // m, at the values found (or at the start when it failed)
    std::vector<double> residuals;    // Y measured - Y model, m, one per point, at the values found
    InputValues inputs;               // the start inputs with the fitted c and eta in them (not yet
                                      // rounded to the fields: applying goes through their acceptance)
    double t0 = 0;                    // s, the launch in the measured time (model time = t - t0); 0 unless fitted
    int iterations = 0;
    std::string message;              // Russian: why the fit failed or is ill-posed; empty when fine
    Phrase messagePhrase;             // the same, for translation
    void say(Phrase why) { message = why.russian(), messagePhrase = std::move(why); }
    const FittedValue* find(FitParameter p) const;
};

// `start`: the inputs now in the fields (also the first trial); `points` as compared.
DragFit fitDrag(const InputValues& start, const std::vector<MeasuredPoint>& points, FitChoice choice);

}  // namespace velunta

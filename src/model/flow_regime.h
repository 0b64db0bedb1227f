#pragma once
// Which drag law matters for the current ball and medium. The full model's
// resistance per unit mass is v/tau (viscous, linear in v) plus v^2/R2
// (inertial, quadratic in v); their ratio v*tau/R2 equals c*Re/24, so the
// Reynolds number tells at once which column of the window to trust.

#include <string>

#include "model/phrase.h"

#include "model/model.h"

namespace velunta {

struct FlowRegime {
    double reynoldsTerminal = 0, reynoldsLaunch = 0;                    // Re = r0 * |v| * d / eta
    double quadraticToLinearTerminal = 0, quadraticToLinearLaunch = 0;  // ratio of the two drag forces
    std::string verdict;  // plain Russian words: which drag law dominates, which column to trust
    std::string summary;  // one line for the status bar / worksheet
    std::string conclusion;  // the verdict's end alone: which column to trust, for a narrow bar
    Phrase verdictPhrase, summaryPhrase, conclusionPhrase;  // the same three, for translation
};

// For a model on which parametr has run: at the full model's terminal speed
// Vp2 and at the launch speed |V0y|.
FlowRegime flowRegime(const Model& m);

// A positive number in two significant digits the way the window writes it:
// "0.098", "27", "1.4·10⁴" (decimal point, as the result captions, and a superscript exponent).
std::string roughNumber(double x);
// The same number with "раз" or "раза", as it agrees: "24 раза", "270 раз".
std::string times(double x);
Phrase timesPhrase(double x);

}  // namespace velunta

#include "model/flow_regime.h"

#include <cmath>
#include <charconv>

#include "model/constants.h"

namespace velunta {

namespace {

double reynolds(const Model& m, double speed) { return m.r0 * speed * m.d / m.eta; }

// (v^2/R2) / (v/tau): the inertial over the viscous resistance at speed v.
double quadraticToLinear(const Model& m, double speed) { return m.R2 > 0 ? speed * m.tau / m.R2 : 0; }

// Both resistances together per unit mass, as a share of g.
double dragOverWeight(const Model& m, double speed) {
    const double viscous = m.tau > 0 ? speed / m.tau : 0;
    const double inertial = m.R2 > 0 ? speed * speed / m.R2 : 0;
    return (viscous + inertial) / kGravity;
}

std::string superscript(int n) {
    static const char* const digits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string s = n < 0 ? "⁻" : "";
    const std::string plain = std::to_string(std::abs(n));
    for (char ch : plain) s += digits[ch - '0'];
    return s;
}

// With a point whatever the locale, as the result captions write their numbers:
// printf would follow LC_NUMERIC, which the window sets from the user's locale.
std::string fixed(double x, int decimals) {
    char buf[64];
    const auto end = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, decimals).ptr;
    return std::string(buf, end);
}

}  // namespace

// "в 24 раза", "в 270 раз", "в 2.3 раза" (a fraction takes "раза"): the number and the word that agrees with it.
std::string times(double x) {
    const std::string n = roughNumber(x);
    if (n.substr(0, n.find("·")).find('.') != std::string::npos) return n + " раза";
    const std::string digits = n.substr(0, n.find("·"));
    const int last = digits.back() - '0', lastTwo = digits.size() > 1 ? std::stoi(digits.substr(digits.size() - 2)) : last;
    const bool few = last >= 2 && last <= 4 && !(lastTwo >= 12 && lastTwo <= 14);
    return n + (few ? " раза" : " раз");
}

// The same, as a phrase to translate: the word goes with the number in Russian only.
Phrase timesPhrase(double x) {
    const std::string n = roughNumber(x);
    return times(x) == n + " раз" ? Phrase(QT_TRANSLATE_NOOP("Model", "%1 раз"), {n}) : Phrase(QT_TRANSLATE_NOOP("Model", "%1 раза"), {n});
}

std::string roughNumber(double x) {
    if (!std::isfinite(x)) return "—";
    if (x == 0) return "0";
    int exponent = int(std::floor(std::log10(std::fabs(x))));
    double mantissa = x / std::pow(10.0, exponent);
    // Two significant digits; 9.96 rounds up into the next decade.
    mantissa = std::round(mantissa * 10) / 10;
    if (std::fabs(mantissa) >= 10) {
        mantissa /= 10;
        ++exponent;
    }
    std::string text;
    if (exponent >= 4 || exponent <= -4) {
        text = fixed(mantissa, 1) + "·10" + superscript(exponent);
    } else {
        text = fixed(mantissa * std::pow(10.0, exponent), exponent >= 1 ? 0 : 1 - exponent);
        // 5.0 is written 5: the zero says nothing.
        if (exponent == 0 && text.size() > 2 && text.compare(text.size() - 2, 2, ".0") == 0) text.resize(text.size() - 2);
    }
    return text;
}

FlowRegime flowRegime(const Model& m) {
    FlowRegime f;
    const double terminal = std::fabs(m.Vp2), launch = std::fabs(m.V0y);
    f.reynoldsTerminal = reynolds(m, terminal);
    f.reynoldsLaunch = reynolds(m, launch);
    f.quadraticToLinearTerminal = quadraticToLinear(m, terminal);
    f.quadraticToLinearLaunch = quadraticToLinear(m, launch);

    const double q = f.quadraticToLinearTerminal;
    Phrase conclusion = phrase(q < 0.1 ? QT_TRANSLATE_NOOP("Model", "столбцы Fc~v и Fc~v+v² почти совпадают") : QT_TRANSLATE_NOOP("Model", "верен столбец Fc~v+v²"));
    Phrase verdict;
    if (q < 0.1)
        verdict = Phrase(QT_TRANSLATE_NOOP("Model", "вязкое сопротивление в %1 больше лобового: %2"), {timesPhrase(1 / q), conclusion});
    else if (q <= 10)
        verdict = Phrase(QT_TRANSLATE_NOOP("Model", "вязкое и лобовое сопротивление сравнимы (лобовое/вязкое ≈ %1): %2"), {roughNumber(q), conclusion});
    else
        verdict = Phrase(QT_TRANSLATE_NOOP("Model", "лобовое сопротивление в %1 больше вязкого: %2"), {timesPhrase(q), conclusion});

    // The fastest the ball would go without a medium: if even there the
    // resistance and the buoyancy are a few per cent of the weight, the
    // vacuum column is as good as the others for this flight.
    const double fastest = std::max(launch, std::fabs(double(m.Vymax0)));
    if (dragOverWeight(m, fastest) < 0.03 && m.r > 0 && m.r0 / m.r < 0.03) {
        verdict = Phrase(QT_TRANSLATE_NOOP("Model", "%1; за этот полёт годится и вакуум"), {verdict});
        conclusion = Phrase(QT_TRANSLATE_NOOP("Model", "%1; годится и вакуум"), {conclusion});
    }

    const Phrase summary(QT_TRANSLATE_NOOP("Model", "Re ≈ %1 при Vp2, %2 при старте; %3"),
                         {roughNumber(f.reynoldsTerminal), roughNumber(f.reynoldsLaunch), verdict});
    f.verdict = verdict.russian(), f.summary = summary.russian(), f.conclusion = conclusion.russian();
    f.verdictPhrase = verdict, f.summaryPhrase = summary, f.conclusionPhrase = conclusion;
    return f;
}

}  // namespace velunta

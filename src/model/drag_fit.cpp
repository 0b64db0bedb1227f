#include "model/drag_fit.h"

#include <gsl/gsl_blas.h>
#include <gsl/gsl_errno.h>
#include <gsl/gsl_matrix.h>
#include <gsl/gsl_multifit_nlinear.h>
#include <gsl/gsl_vector.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "model/input_limits.h"
#include "model/model_comparison.h"
#include "model/trajectory.h"

namespace velunta {

std::optional<FitChoice> parseFitChoice(std::string_view text) {
    FitChoice choice;
    while (true) {
        const std::size_t comma = text.find(',');
        const std::string_view name = text.substr(0, comma);
        bool* flag = name == "c" ? &choice.c : name == "eta" ? &choice.eta : name == "t0" ? &choice.t0 : nullptr;
        if (!flag || *flag) return std::nullopt;
        *flag = true;
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    if (!choice.c && !choice.eta) return std::nullopt;
    return choice;
}

const char* fitParameterKey(FitParameter p) {
    switch (p) {
    case FitParameter::c: return "c";
    case FitParameter::eta: return "eta";
    case FitParameter::t0: return "t0";
    }
    return "";
}

const FittedValue* DragFit::find(FitParameter p) const {
    for (const FittedValue& v : values)
        if (v.parameter == p) return &v;
    return nullptr;
}

namespace {

// The names in the messages, as the fields are labelled.
std::string shownName(FitParameter p) {
    switch (p) {
    case FitParameter::c: return "c";
    case FitParameter::eta: return "η";
    case FitParameter::t0: return "t0";
    }
    return "";
}

// A drag parameter lives in (lowest, largest] of its field: the solver moves
// u = logit of its share of that range, which no step can carry outside. Near the
// lower end (every value a lesson meets) a step in u is a relative step in the value.
struct Range {
    double lowest, largest;
    double value(double u) const { return lowest + (largest - lowest) / (1 + std::exp(-u)); }
    double coordinate(double v) const {
        const double share = std::clamp((v - lowest) / (largest - lowest), 1e-300, 1 - 1e-12);
        return std::log(share) - std::log1p(-share);
    }
    double slope(double u) const {  // dvalue/du
        const double s = 1 / (1 + std::exp(-u));
        return (largest - lowest) * s * (1 - s);
    }
};

Range rangeOf(FitParameter p) {
    if (p == FitParameter::c) return {1e-9, inputLimit(InputField::c).largest};
    return {1e-12, inputLimit(InputField::eta).largest};
}

struct Problem {
    InputValues start;
    const std::vector<MeasuredPoint>* points;
    std::vector<FitParameter> parameters;

    // The inputs and time shift for the solver's coordinates.
    InputValues inputs(const gsl_vector* x, double* t0) const {
        InputValues in = start;
        *t0 = 0;
        for (std::size_t j = 0; j < parameters.size(); ++j) {
            const double u = gsl_vector_get(x, j);
            switch (parameters[j]) {
            case FitParameter::c: in.c = rangeOf(FitParameter::c).value(u); break;
            case FitParameter::eta: in.eta = rangeOf(FitParameter::eta).value(u); break;
            case FitParameter::t0: *t0 = u; break;
            }
        }
        return in;
    }
};

// The model computed from its inputs as the recompute computes it.
Model modelFor(const InputValues& in) {
    Model m;
    m.set_defaults();
    m.set_inputs(in);
    m.parametr();
    m.raschet1();
    m.raschet2();
    return m;
}

int residualsOf(const gsl_vector* x, void* params, gsl_vector* f) {
    const Problem& problem = *static_cast<const Problem*>(params);
    double t0 = 0;
    const Model m = modelFor(problem.inputs(x, &t0));
    const std::vector<MeasuredPoint>& points = *problem.points;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double r = motionContinued(m, DragModel::full, points[i].t - t0).Y - points[i].Y;
        // The solver treats a failed evaluation as the end; a huge residual only turns it back.
        gsl_vector_set(f, i, std::isfinite(r) ? r : 1e150);
    }
    return GSL_SUCCESS;
}

struct WorkspaceFree {
    void operator()(gsl_multifit_nlinear_workspace* w) const { gsl_multifit_nlinear_free(w); }
};
struct MatrixFree {
    void operator()(gsl_matrix* m) const { gsl_matrix_free(m); }
};
struct VectorFree {
    void operator()(gsl_vector* v) const { gsl_vector_free(v); }
};

// Below this a parameter moves the heights too little to be found: doubling the
// value shifts them by less than a micrometre in all.
constexpr double kNoInformation = 1e-6;

}  // namespace

DragFit fitDrag(const InputValues& start, const std::vector<MeasuredPoint>& points, FitChoice choice) {
    // GSL's default handler aborts the program; every status is looked at here instead.
    gsl_set_error_handler_off();
    Problem problem{start, &points, {}};
    if (choice.c) problem.parameters.push_back(FitParameter::c);
    if (choice.eta) problem.parameters.push_back(FitParameter::eta);
    if (choice.t0) problem.parameters.push_back(FitParameter::t0);
    const std::size_t n = points.size(), p = problem.parameters.size();

    DragFit fit;
    fit.inputs = start;
    fit.residuals = heightResiduals(modelFor(start), DragModel::full, points);
    fit.rms = rootMeanSquare(fit.residuals);
    if (p == 0) {
        fit.say(phrase(QT_TRANSLATE_NOOP("Model", "Не выбрано, что подбирать: c, η или оба.")));
        return fit;
    }
    if (n < p) {
        fit.say(Phrase(QT_TRANSLATE_NOOP("Model", "Точек опыта меньше, чем подбираемых величин (%1 < %2): подобрать их нельзя."),
                       {std::to_string(n), std::to_string(p)}));
        return fit;
    }

    std::unique_ptr<gsl_vector, VectorFree> x(gsl_vector_alloc(p));
    for (std::size_t j = 0; j < p; ++j) {
        const FitParameter q = problem.parameters[j];
        gsl_vector_set(x.get(), j, q == FitParameter::c     ? rangeOf(q).coordinate(start.c)
                                   : q == FitParameter::eta ? rangeOf(q).coordinate(start.eta)
                                                            : 0.0);
    }
    gsl_multifit_nlinear_fdf fdf{};
    fdf.f = residualsOf;
    fdf.df = nullptr;  // forward differences of the residuals
    fdf.fvv = nullptr;
    fdf.n = n;
    fdf.p = p;
    fdf.params = &problem;
    gsl_multifit_nlinear_parameters settings = gsl_multifit_nlinear_default_parameters();
    settings.trs = gsl_multifit_nlinear_trs_lm;
    // The top of a throw enters the full model through its single-precision phase,
    // so the heights move in steps of about 1e-7 of themselves: a difference step
    // of 1e-4 keeps the Jacobian to a few digits where the default 1.5e-8 is noise.
    settings.h_df = 1e-4;
    std::unique_ptr<gsl_multifit_nlinear_workspace, WorkspaceFree> w(
        gsl_multifit_nlinear_alloc(gsl_multifit_nlinear_trust, &settings, n, p));
    if (!w || gsl_multifit_nlinear_init(x.get(), &fdf, w.get()) != GSL_SUCCESS) {
        fit.say(phrase(QT_TRANSLATE_NOOP("Model", "Подбор не удалось начать: модель не считается для этих начальных данных.")));
        return fit;
    }
    int info = 0;
    const int status = gsl_multifit_nlinear_driver(200, 1e-10, 1e-12, 0.0, nullptr, nullptr, &info, w.get());
    fit.iterations = int(gsl_multifit_nlinear_niter(w.get()));
    if (status != GSL_SUCCESS) {
        fit.say(status == GSL_EMAXITER
                    ? Phrase(QT_TRANSLATE_NOOP("Model", "Подбор не сошёлся за %1 шагов; ничего не изменено."), {std::to_string(fit.iterations)})
                    : Phrase(QT_TRANSLATE_NOOP("Model", "Подбор не сошёлся (%1); ничего не изменено."), {std::string(gsl_strerror(status))}));
        return fit;
    }

    const gsl_vector* solution = gsl_multifit_nlinear_position(w.get());
    const gsl_matrix* J = gsl_multifit_nlinear_jac(w.get());
    std::unique_ptr<gsl_matrix, MatrixFree> covariance(gsl_matrix_alloc(p, p));
    gsl_multifit_nlinear_covar(J, 0.0, covariance.get());
    double t0 = 0;
    const InputValues found = problem.inputs(solution, &t0);
    std::vector<double> residuals = heightResiduals(modelFor(found), DragModel::full, points, t0);
    double chi2 = 0;
    for (double r : residuals) chi2 += r * r;

    Phrase problemText;
    std::vector<FittedValue> values;
    for (std::size_t j = 0; j < p; ++j) {
        const FitParameter q = problem.parameters[j];
        const double u = gsl_vector_get(solution, j);
        const double slope = q == FitParameter::t0 ? 1.0 : rangeOf(q).slope(u);
        FittedValue v{q, q == FitParameter::c ? found.c : q == FitParameter::eta ? found.eta : t0, std::nullopt};
        if (n > p) {
            const double variance = gsl_matrix_get(covariance.get(), j, j) * chi2 / double(n - p);
            if (std::isfinite(variance) && variance >= 0) v.error = std::fabs(slope) * std::sqrt(variance);
        }
        // How far the heights move when the value doubles (for t0: a shift of a second).
        gsl_vector_const_view column = gsl_matrix_const_column(J, j);
        const double sensitivity = gsl_blas_dnrm2(&column.vector) * (q == FitParameter::t0 ? 1.0 : std::log(2.0));
        const bool atLimit = q != FitParameter::t0 && v.value > 0.999 * rangeOf(q).largest;
        if (problemText.empty()) {
            if (atLimit)
                problemText = Phrase(QT_TRANSLATE_NOOP("Model", "Подбор упёрся в предел поля %1: опыт этой моделью не описывается; ничего не изменено."),
                                     {shownName(q)});
            else if (!(sensitivity > kNoInformation))
                problemText = Phrase(QT_TRANSLATE_NOOP("Model", "По этим данным %1 не найти: высоты от этой величины почти не зависят (как в вакууме); ничего не изменено."),
                                     {shownName(q)});
            else if (v.error && !(*v.error < std::fabs(v.value)) && q != FitParameter::t0)
                problemText = Phrase(QT_TRANSLATE_NOOP("Model", "По этим данным %1 не определяется: погрешность больше самого значения; ничего не изменено."),
                                     {shownName(q)});
        }
        values.push_back(v);
    }
    fit.values = std::move(values);
    if (!problemText.empty()) {
        fit.say(problemText);
        return fit;
    }
    fit.converged = true;
    fit.inputs = found;
    fit.t0 = t0;
    fit.residuals = std::move(residuals);
    fit.rms = std::sqrt(chi2 / double(n));
    return fit;
}

}  // namespace velunta

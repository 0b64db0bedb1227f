// Measured falls: the tables read (each format, each bad file with its message),
// the three models against points of their own, and the fit against falls
// integrated independently (odeint) with seeded noise.

#include <gtest/gtest.h>

#include <array>
#include <boost/numeric/odeint.hpp>
#include <cmath>
#include <random>

#include "computed.h"
#include "model/data_reader.h"
#include "model/drag_fit.h"
#include "model/model_comparison.h"

using namespace velunta;

namespace {

// UTF-8 text (ASCII and Cyrillic) as UTF-16 with its BOM, or as Windows-1251.
std::string utf16(std::string_view s, bool big) {
    std::string out = big ? "\xFE\xFF" : "\xFF\xFE";
    for (std::size_t i = 0; i < s.size(); ++i) {
        unsigned code = (unsigned char)s[i];
        if (code >= 0xC0) code = ((code & 0x1F) << 6) | ((unsigned char)s[++i] & 0x3F);
        const char hi = char(code >> 8), lo = char(code & 0xFF);
        out += big ? std::string{hi, lo} : std::string{lo, hi};
    }
    return out;
}
std::string cp1251(std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        unsigned code = (unsigned char)s[i];
        if (code >= 0xC0) code = ((code & 0x1F) << 6) | ((unsigned char)s[++i] & 0x3F);
        out += char(code >= 0x410 ? code - 0x410 + 0xC0 : code);  // А..я
    }
    return out;
}

struct Format { const char* name; std::string bytes; const char* object; MeasuredPoint second; };

TEST(DataReader, Formats) {
    const std::string ru = "время (мс)\tВысота (см)\tскорость (см/с)\n0\t200\t0\n100\t195,1\t-98\n";
    const Format formats[] = {
        {"PlainComma", "0,2\n0.1,1.95\n", "f", {0.1, 1.95, {}}},
        {"BomSemicolonDecimalComma", "\xEF\xBB\xBFt;y\n0;2\n0,1;1,95\n", "f", {0.1, 1.95, {}}},
        {"SpacesDecimalComma", "0 2\n0,1   1,95\n", "f", {0.1, 1.95, {}}},
        {"CommaThenSpace", "t, y\n0, 2\n0.1, 1.95\n", "f", {0.1, 1.95, {}}},
        {"SpacedHeaderUnits", "t (s) y [mm]\n0 2000\n0.1 1950\n", "f", {0.1, 1.95, {}}},
        {"Utf16LeCyrillicUnits", utf16(ru, false), "f", {0.1, 1.951, -0.98}},
        {"Utf16BeCyrillicUnits", utf16(ru, true), "f", {0.1, 1.951, -0.98}},
        {"Windows1251", cp1251(ru), "f", {0.1, 1.951, -0.98}},
        {"TrackerStyleColumnsByName", "mass A\r\nt,x,y\r\n0,5,2\r\n0.1,5,1.95\r\n", "mass A", {0.1, 1.95, {}}},
        {"ColumnsInAnotherOrder", "# video 3\nh,t,v\n2,0,0\n1.95,0.1,-1\n", "f", {0.1, 1.95, -1.0}},
    };
    for (const Format& f : formats) {
        SCOPED_TRACE(f.name);
        const DataReadResult r = readMeasuredData(f.bytes, "f");
        ASSERT_TRUE(r.ok()) << r.error;
        ASSERT_EQ(r.data->points.size(), 2u);
        EXPECT_EQ(r.data->name, f.object);
        EXPECT_DOUBLE_EQ(r.data->points[1].t, f.second.t);
        EXPECT_DOUBLE_EQ(r.data->points[1].Y, f.second.Y);
        EXPECT_EQ(r.data->points[1].Vy.has_value(), f.second.Vy.has_value());
        EXPECT_DOUBLE_EQ(r.data->points[1].Vy.value_or(0), f.second.Vy.value_or(0));
    }
}

TEST(DataReader, BadFilesSayWhatAndWhere) {
    std::string tooMany;
    for (int i = 0; i <= 100000; ++i) tooMany += std::to_string(i) + ";1\n";
    const std::array<std::pair<std::string, const char*>, 7> bad{{
        {"t;y\n0;2\n0,1;abc\n", "строка 3: «abc» — не число"},
        {"0;2\n0,2;1,8\n\n0,1;1,9\n", "строка 4: время идёт назад: 0.1 с после 0.2 с"},
        {"t (фут);y\n0;2\n", "строка 1: «фут» — неизвестная единица"},
        {"t;y (м/с)\n0;2\n", "строка 1: «м/с» — неизвестная единица"},
        {"t;y\n", "нет ни одной точки: строка 1: «t» — не число"},
        {"0;2\n1\n", "строка 2: не хватает столбца: нужны время и высота"},
        {tooMany, "строка 100001: больше 100000 строк с точками"},
    }};
    for (const auto& [bytes, message] : bad) EXPECT_EQ(readMeasuredData(bytes, "f").error, message);
}

TEST(DataReader, AlignmentAndDerivedVelocities) {
    MeasuredData d{"f", {{1, 10, {}}, {1.5, 9, {}}, {2, 6, {}}}, DataAlignment::firstPointAtLaunch};
    const std::vector<MeasuredPoint> p = alignedPoints(d, 2);
    EXPECT_EQ(p.back(), (MeasuredPoint{1, -2, {}}));
    const std::vector<double> v = derivedVelocities(p);
    EXPECT_DOUBLE_EQ(v[0], -2);  // one-sided at the ends, central between
    EXPECT_DOUBLE_EQ(v[1], -4);
    EXPECT_DOUBLE_EQ(v[2], -6);
}

const InputValues kBalls[] = {
    {2, 3, 0.01, 0.004084, 1000, 0.001004, 0.47},       // steel in water, thrown up
    {30, 0, 0.04, 0.0027, 1.204, 1.81e-5, 0.47},       // table-tennis ball dropped in air
    {0.5, -0.1, 0.003, 0.00016, 1260, 1.4, 0.47},      // lead shot in glycerin
};

// Points of each model's own closed form, some after its landing: that model alone fits exactly.
TEST(ModelComparison, EachModelMatchesItsOwnPoints) {
    for (const InputValues& in : kBalls) {
        const Model m = computed(in);
        for (DragModel own : kDragModels) {
            std::vector<MeasuredPoint> points;
            for (int i = 0; i <= 20; ++i) {
                const double t = landingTime(m, own) * 1.2 * i / 20;
                points.push_back({t, motionContinued(m, own, t).Y, {}});
            }
            const ModelComparison c = compareModels(m, points);
            EXPECT_LT(c.rmsOf(own), 1e-12 * (m.h + std::fabs(m.Ymax0)));
            EXPECT_EQ(c.best, own) << dragModelKey(own) << " h " << in.h;
        }
    }
}

// A fall integrated by odeint at the true c and eta, with noise of 1 mm per metre of height.
std::vector<MeasuredPoint> integratedFall(const InputValues& truth, int count, unsigned seed) {
    const Model m = computed(truth);
    using State = std::array<double, 2>;
    auto system = [&m](const State& x, State& dxdt, double) {
        dxdt = {x[1], -(m.Vp + x[1]) / m.tau - x[1] * std::fabs(x[1]) / m.R2};
    };
    std::vector<double> times;
    for (int i = 0; i < count; ++i) times.push_back(m.Tmax2 * i / (count - 1));
    std::mt19937 random(seed);
    std::normal_distribution<double> noise(0, 1e-3 * m.Ymax2);
    std::vector<MeasuredPoint> points;
    State x{m.h, m.V0y};
    namespace odeint = boost::numeric::odeint;
    odeint::integrate_times(odeint::make_dense_output(1e-12, 1e-12, odeint::runge_kutta_dopri5<State>()), system, x,
                            times.begin(), times.end(), 1e-6,
                            [&](const State& s, double t) { points.push_back({t, s[0] + noise(random), {}}); });
    return points;
}

struct FitCase { const char* name; InputValues truth; FitChoice choice; double c, eta; };

TEST(DragFit, RecoversTheIntegratedFallWithinTwoStandardErrors) {
    const FitCase cases[] = {
        {"SteelInWaterC", kBalls[0], {true, false, false}, 0.3, 0},
        {"SteelInSyrupBoth", {2, 3, 0.01, 0.004084, 1000, 0.05, 0.47}, {true, true, false}, 0.3, 0.02},
        {"TableTennisInAirCAndShift", kBalls[1], {true, false, true}, 0.9, 0},
        {"LeadShotInGlycerinEta", kBalls[2], {false, true, false}, 0, 3},
    };
    for (const FitCase& f : cases) {
        SCOPED_TRACE(f.name);
        InputValues start = f.truth;
        if (f.c > 0) start.c = f.c;
        if (f.eta > 0) start.eta = f.eta;
        const DragFit fit = fitDrag(start, integratedFall(f.truth, 200, 7), f.choice);
        ASSERT_TRUE(fit.converged) << fit.message;
        for (const FittedValue& v : fit.values) {
            const double truth = v.parameter == FitParameter::c ? f.truth.c : v.parameter == FitParameter::eta ? f.truth.eta : 0;
            ASSERT_TRUE(v.error) << fitParameterKey(v.parameter);
            EXPECT_NEAR(v.value, truth, 2 * *v.error + 1e-9) << fitParameterKey(v.parameter);
        }
    }
}

TEST(DragFit, SaysWhyItCannot) {
    const auto air = integratedFall({2, 0, 0.01, 0.004084, 1.204, 1.81e-5, 0.47}, 50, 3);
    EXPECT_EQ(fitDrag({2, 0, 0.01, 0.004084, 1.204, 1e-3, 0.47}, air, {false, true, false}).message,
              "По этим данным η не определяется: погрешность больше самого значения; ничего не изменено.");
    const DragFit few = fitDrag(kBalls[0], {{0.1, 1.9, {}}}, {true, true, false});
    EXPECT_FALSE(few.converged);
    EXPECT_EQ(few.message, "Точек опыта меньше, чем подбираемых величин (1 < 2): подобрать их нельзя.");
    // One landing time, one unknown: determined, without an error.
    const DragFit one = fitDrag({67.056, 0, 0.12954, 0.033047, 1.204, 1.81e-5, 0.47}, {{8.2, 0, {}}}, {true});
    ASSERT_TRUE(one.converged) << one.message;
    EXPECT_FALSE(one.values[0].error);
    EXPECT_LT(std::fabs(one.residuals[0]), 1e-9);
}

}  // namespace

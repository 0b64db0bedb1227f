#include "model/quantities.h"

#include <algorithm>

#include "model/format.h"
#include "model/input_checks.h"

namespace velunta {

namespace {

using G = QuantityGroup;

bool viscous(const Model& m) { return m.eta > 0; }
bool quadraticDrag(const Model& m) { return m.c > 0; }

// In the order of the report; the inputs in the order of the parameter panel.
constexpr Quantity kQuantities[] = {
    {"h", G::input, field<&Model::h>, kInputs, QT_TRANSLATE_NOOP("Units", "м"), "initial height of the ball above the ground",
     {.pattern = "0.000", .hint = QT_TRANSLATE_NOOP("Model", "начальная высота"), .name = QT_TRANSLATE_NOOP("Model", "начальная высота"), .sign = "h",
      .input = {"Label1", "h=", "Label2", QT_TRANSLATE_NOOP("Form1Controls", " м")}}},
    {"V0y", G::input, field<&Model::V0y>, kInputs, QT_TRANSLATE_NOOP("Units", "м/с"),
     "initial vertical velocity: up positive, 0 a release, negative a throw down",
     {.pattern = "0.000", .hint = QT_TRANSLATE_NOOP("Model", "проекция начальной скорости "), .name = QT_TRANSLATE_NOOP("Model", "проекция начальной скорости"),
      .sign = "V0y", .input = {"Label3", QT_TRANSLATE_NOOP("Form1Controls", "Vоy="), "Label4", QT_TRANSLATE_NOOP("Form1Controls", " м/с")}}},
    {"d", G::input, field<&Model::d>, kInputs, QT_TRANSLATE_NOOP("Units", "м"), "diameter of the ball (not the radius)",
     {.pattern = "0.000000", .hint = QT_TRANSLATE_NOOP("Model", "Диаметр шара"), .name = QT_TRANSLATE_NOOP("Model", "диаметр шара"), .sign = "d",
      .input = {"Label7", "d=", "Label8", QT_TRANSLATE_NOOP("Form1Controls", " м")}}},
    {"massa", G::input, field<&Model::massa>, kInputs, QT_TRANSLATE_NOOP("Units", "кг"), "mass of the ball",
     {.pattern = "0.000000", .hint = QT_TRANSLATE_NOOP("Model", "масса шара"), .name = QT_TRANSLATE_NOOP("Model", "масса шара"), .sign = "m",
      .input = {"Label9", "m=", "Label10", QT_TRANSLATE_NOOP("Form1Controls", " кг")}}},
    {"r0", G::input, field<&Model::r0>, kInputs, QT_TRANSLATE_NOOP("Units", "кг/м3"), "density of the medium",
     {.pattern = "0.000", .hint = QT_TRANSLATE_NOOP("Model", "плотность среды"), .name = QT_TRANSLATE_NOOP("Model", "плотность среды"), .sign = "ρ0",
      .input = {"Label11", "ρο=", "Label12", QT_TRANSLATE_NOOP("Form1Controls", " кг/м3"), true}}},
    {"eta", G::input, field<&Model::eta>, kInputs, QT_TRANSLATE_NOOP("Units", "Па·с"), "dynamic viscosity of the medium",
     {.pattern = "0.0000000", .hint = QT_TRANSLATE_NOOP("Model", "вязкость среды"), .name = QT_TRANSLATE_NOOP("Model", "вязкость среды"), .sign = "η",
      .input = {"Label13", "η=", "Label14", QT_TRANSLATE_NOOP("Form1Controls", " Па с"), true}}},
    {"c", G::input, field<&Model::c>, kInputs, "", "drag coefficient of the quadratic (form) resistance",
     {.pattern = "0.000", .hint = QT_TRANSLATE_NOOP("Model", "коэффициент лобового сопротивления для шара"),
      .name = QT_TRANSLATE_NOOP("Model", "коэффициент лобового сопротивления"), .sign = "c", .input = {"Label34", "c ="}}},

    {"r", G::ball, field<&Model::r>, kCharacteristics, QT_TRANSLATE_NOOP("Units", "кг/м3"), "density of the ball, 6·massa/(π·d³)",
     {.label = "Label43", .symbol = "  = ", .pattern = "0.000E+00", .letter = "ρ",
      .hint = QT_TRANSLATE_NOOP("Model", "плотность материала  шара"), .name = QT_TRANSLATE_NOOP("Model", "плотность шара"), .sign = "ρ"}},

    {"Tp0", G::vacuum, field<&Model::Tp0>, kCharacteristics, QT_TRANSLATE_NOOP("Units", "c"),
     "time to the highest point in vacuum (0 when not thrown up)",
     {.label = "Label16", .symbol = "Tp = ", .pattern = "0.000000",
      .hint = QT_TRANSLATE_NOOP("Model", "время подъёма до максимальной высоты в вакууме. Аналитически."), .name = QT_TRANSLATE_NOOP("Model", "время подъёма"),
      .sign = "Tp"}},
    {"Ymax0", G::vacuum, field<&Model::Ymax0>, kCharacteristics, QT_TRANSLATE_NOOP("Units", "м"),
     "highest point in vacuum (`h` when not thrown up)",
     {.label = "Label19", .symbol = "Ymax = ", .pattern = "0.000",
      .hint = QT_TRANSLATE_NOOP("Model", "максимальная высота подъёма в вакууме. Аналитически"), .name = QT_TRANSLATE_NOOP("Model", "наибольшая высота"), .sign = "Ymax"}},
    {"Tmax0", G::vacuum, field<&Model::Tmax0>, kCharacteristics, QT_TRANSLATE_NOOP("Units", "c"), "whole flight in vacuum",
     {.label = "Label17", .symbol = "Tmax = ", .pattern = "0.000000",
      .hint = QT_TRANSLATE_NOOP("Model", "время всего полёта в вакууме. Аналитически"), .name = QT_TRANSLATE_NOOP("Model", "время полёта"), .sign = "Tmax"}},
    {"Vymax0", G::vacuum, field<&Model::Vymax0>, kCharacteristics, QT_TRANSLATE_NOOP("Units", "м/c"),
     "vertical velocity at the landing in vacuum (single precision)",
     {.label = "Label38", .symbol = "Vy(y=0) = ", .pattern = "0.000", .plainForm = true,
      .hint = QT_TRANSLATE_NOOP("Model", "проекция скорости Vy в конце полёта в вакууме. Аналитически"), .name = QT_TRANSLATE_NOOP("Model", "скорость при падении"),
      .sign = "Vy(y=0)"}},

    {"tau", G::linear, field<&Model::tau>, kCharacteristics, QT_TRANSLATE_NOOP("Units", "c"), "relaxation time of the linear drag, d²·r/(18·eta)",
     {.label = "Label22", .symbol = "    = ", .pattern = "0.000e+00", .letter = "τ",
      .hint = QT_TRANSLATE_NOOP("Model", "Характерное время. Нажми"), .name = QT_TRANSLATE_NOOP("Model", "характерное время"), .sign = "τ", .exists = viscous,
      .absent = "tau ->00"}},
    {"Vp", G::linear, field<&Model::Vp>, kCharacteristics, QT_TRANSLATE_NOOP("Units", "м/c"), "terminal speed with linear drag and buoyancy",
     {.label = "Label23", .symbol = "Vp1 = ", .pattern = "0.000e+00",
      .hint = QT_TRANSLATE_NOOP("Model", "Предельная вертикальная скорость.Нажми"), .name = QT_TRANSLATE_NOOP("Model", "предельная скорость"), .sign = "Vp",
      .exists = viscous, .absent = "Vp1= ->00"}},
    {"Tp1", G::linear, field<&Model::Tp1>, kCharacteristics, QT_TRANSLATE_NOOP("Units", "c"), "time to the highest point with linear drag",
     {.label = "Label24", .symbol = "Tp1 = ", .pattern = "0.000000",
      .hint = QT_TRANSLATE_NOOP("Model", "Время подъёма до максимальной высоты в среде. Аналитически"), .name = QT_TRANSLATE_NOOP("Model", "время подъёма"), .sign = "Tp"}},
    {"Ymax1", G::linear, field<&Model::Ymax1>, kCharacteristics, QT_TRANSLATE_NOOP("Units", "м"), "highest point with linear drag",
     {.label = "Label25", .symbol = "Ymax1 = ", .pattern = "0.000",
      .hint = QT_TRANSLATE_NOOP("Model", "Максимальная высота подъёма в среде. Аналитически"), .name = QT_TRANSLATE_NOOP("Model", "наибольшая высота"), .sign = "Ymax"}},
    {"Tmax1", G::linear, field<&Model::Tmax1>, kLinearLanding, QT_TRANSLATE_NOOP("Units", "c"), "whole flight with linear drag (landing search)",
     {.label = "Label26", .symbol = "Tmax1 = ", .pattern = "0.000000",
      .hint = QT_TRANSLATE_NOOP("Model", "Время всего полёта в среде (численно с уточнением до 0,00000001 с)"), .name = QT_TRANSLATE_NOOP("Model", "время полёта"),
      .sign = "Tmax"}},
    {"Vymax1", G::linear, field<&Model::Vymax1>, kLinearLanding, QT_TRANSLATE_NOOP("Units", "м/c"),
     "vertical velocity at the landing with linear drag",
     {.label = "Label40", .symbol = "Vy1(y=0)= ", .pattern = "#0.000", .plainForm = true,
      .hint = QT_TRANSLATE_NOOP("Model", "Проекция скорости Vy в конце полета в среде (численно с уточнением)"), .name = QT_TRANSLATE_NOOP("Model", "скорость при падении"),
      .sign = "Vy(y=0)"}},
    {"Yend1", G::linear, field<&Model::Yend1>, kLinearLanding, QT_TRANSLATE_NOOP("Units", "м"),
     "height of the linear model at `Tmax1`, the check of the search (near 0)",
     {.label = "Label37", .symbol = "Yend1= ", .pattern = "0.000e+00",
      .hint = QT_TRANSLATE_NOOP("Model", "Координата при времени Tmax1. Аналитически"), .name = QT_TRANSLATE_NOOP("Model", "координата в момент Tmax"), .sign = "Y_end"}},
    {"fixed_point_iterations", G::linear, field<&Model::fixed_point_iterations>, kLinearLanding, "",
     "evaluations of the landing iterate of the linear model"},

    {"Vp2", G::full, field<&Model::Vp2>, kCharacteristics, QT_TRANSLATE_NOOP("Units", "м/с"), "terminal speed with both drags and buoyancy",
     {.label = "Label44", .symbol = "Vp2 = ", .pattern = "0.000E+00", .hint = QT_TRANSLATE_NOOP("Model", "Предельная вертикальная скорость"),
      .name = QT_TRANSLATE_NOOP("Model", "предельная скорость"), .sign = "Vp", .exists = quadraticDrag}},
    {"R2", G::full, field<&Model::R2>, kCharacteristics, QT_TRANSLATE_NOOP("Units", "м"),
     "characteristic length of the quadratic drag (mass over its drag factor)",
     {.label = "Label5", .symbol = "R= ", .pattern = "0.000E+00", .hint = QT_TRANSLATE_NOOP("Model", "Величина R. Нажми"), .name = QT_TRANSLATE_NOOP("Model", "величина R"),
      .sign = "R", .exists = quadraticDrag}},
    {"b", G::full, field<&Model::b>, kCharacteristics, "",
     "ratio 4·Vp·tau/R2 that selects the form of the ascent solution",
     {.label = "Label6", .symbol = "b = ", .pattern = "0.000E+00", .hint = QT_TRANSLATE_NOOP("Model", "Параметр b"), .name = QT_TRANSLATE_NOOP("Model", "параметр b"),
      .sign = "b", .exists = quadraticDrag}},
    {"delta1", G::full, field<&Model::delta1>, kCharacteristics, QT_TRANSLATE_NOOP("Units", "1/c"), "rate constant of the ascent solution"},
    {"delta2", G::full, field<&Model::delta2>, kCharacteristics, QT_TRANSLATE_NOOP("Units", "1/c"),
     "rate constant (decrement) of the descent solution",
     {.label = "Label18", .symbol = "  2= ", .pattern = "0.000000E+00", .letter = "δ", .hint = QT_TRANSLATE_NOOP("Model", "Декремент при спуске"),
      .name = QT_TRANSLATE_NOOP("Model", "декремент при спуске"), .sign = "δ2", .exists = quadraticDrag}},
    {"fi", G::full, field<&Model::fi>, kCharacteristics, QT_TRANSLATE_NOOP("Units", "рад"),
     "phase of the ascent solution (an angle for b > 1, a ratio for b < 1; single precision)",
     {.label = "Label20", .symbol = "    = ", .pattern = "0.000E+00", .letter = "φ", .hint = QT_TRANSLATE_NOOP("Model", "Параметр fi"),
      .name = QT_TRANSLATE_NOOP("Model", "параметр φ"), .sign = "φ", .exists = quadraticDrag}},
    {"Tp2", G::full, field<&Model::Tp2>, kCharacteristics, QT_TRANSLATE_NOOP("Units", "c"), "time to the highest point with full drag",
     {.label = "Label29", .symbol = "Tp2 = ", .pattern = "0.000000",
      .hint = QT_TRANSLATE_NOOP("Model", "Время подъёма до максимальной высоты в среде. Аналитически."), .name = QT_TRANSLATE_NOOP("Model", "время подъёма"), .sign = "Tp"}},
    {"Ymax2", G::full, field<&Model::Ymax2>, kCharacteristics, QT_TRANSLATE_NOOP("Units", "м"), "highest point with full drag",
     {.label = "Label30", .symbol = "Ymax2 = ", .pattern = "0.000E+00",
      .hint = QT_TRANSLATE_NOOP("Model", "Максимальная высота подъёма. Аналитически."), .name = QT_TRANSLATE_NOOP("Model", "наибольшая высота"), .sign = "Ymax"}},
    {"vp_2_1", G::full, field<&Model::vp_2_1>, kFullLanding, QT_TRANSLATE_NOOP("Units", "м/с"),
     "the positive root of the descent equation: the terminal speed"},
    {"vp_2_2", G::full, field<&Model::vp_2_2>, kFullLanding, QT_TRANSLATE_NOOP("Units", "м/с"), "the negative root of the descent equation"},
    {"f_V_1", G::full, field<&Model::f_V_1>, kFullLanding, "", "ratio of the roots for a descent from rest"},
    {"f_V_2", G::full, field<&Model::f_V_2>, kFullLanding, "", "ratio of the roots for a descent from `V0y`"},
    {"T_1", G::full, field<&Model::T_1>, kFullLanding, QT_TRANSLATE_NOOP("Units", "с"), "lower end of the bisection bracket of the descent time"},
    {"T_2", G::full, field<&Model::T_2>, kFullLanding, QT_TRANSLATE_NOOP("Units", "с"), "upper end of the bisection bracket of the descent time"},
    {"T_sr", G::full, field<&Model::T_sr>, kFullLanding, QT_TRANSLATE_NOOP("Units", "с"),
     "midpoint of the bisection bracket of the descent time"},
    {"k", G::full, field<&Model::k>, kFullLanding, "",
     "bisection passes after the first, told in the hint of `Label33`"},
    {"Ts2", G::full, field<&Model::Ts2>, kFullLanding, QT_TRANSLATE_NOOP("Units", "c"),
     "time of the descent from the highest point (from the launch when not thrown up)",
     {.label = "Label33", .symbol = "Ts2 = ", .pattern = "0.00000000",
      .hint = QT_TRANSLATE_NOOP("Model", "Время спуска с максимальной высоты.Аналитически. С уточнением до 8 знака"), .name = QT_TRANSLATE_NOOP("Model", "время спуска"),
      .sign = "Ts"}},
    {"Tmax2", G::full, field<&Model::Tmax2>, kFullLanding, QT_TRANSLATE_NOOP("Units", "c"), "whole flight with full drag, Tp2 + Ts2",
     {.label = "Label31", .symbol = "Tmax2= ", .pattern = "0.00000000",
      .hint = QT_TRANSLATE_NOOP("Model", "Время всего полёта. Аналитически.  С уточнением до 8 знака"), .name = QT_TRANSLATE_NOOP("Model", "время полёта"), .sign = "Tmax"}},
    {"Y_end2", G::full, field<&Model::Y_end2>, kFullLanding, QT_TRANSLATE_NOOP("Units", "м"),
     "height of the full model at the found landing, the check of the search",
     {.label = "Label35", .symbol = "Y_end2 = ", .pattern = "0.000e+00",
      .hint = QT_TRANSLATE_NOOP("Model", "Координата при времени Tmax2. Аналитически"), .name = QT_TRANSLATE_NOOP("Model", "координата в момент Tmax"), .sign = "Y_end"}},
    {"Vy_end2", G::full, field<&Model::Vy_end2>, kFullLanding, QT_TRANSLATE_NOOP("Units", "м/c"),
     "vertical velocity of the full model at the landing",
     {.label = "Label42", .symbol = "Vy2(y=0)= ", .pattern = "0.000",
      .hint = QT_TRANSLATE_NOOP("Model", "Проекция скорости Vy в конце полета (численно)"), .name = QT_TRANSLATE_NOOP("Model", "скорость при падении"), .sign = "Vy(y=0)"}},

    {"n", G::run, field<&Model::n>, kInputs, "", "steps into which an interval is cut (5000)"},
    {"t", G::run, field<&Model::t>, kInputs, QT_TRANSLATE_NOOP("Units", "с"), "current time of a landing scan, a curve or the run"},
    {"shag_t", G::run, field<&Model::shag_t>, kInputs, QT_TRANSLATE_NOOP("Units", "с"),
     "time step (\"shag\" = step): Tmax0/n in the scans, the run's own step in the run"},
    {"Y", G::run, field<&Model::Y>, kInputs, QT_TRANSLATE_NOOP("Units", "м"), "height at `t`"},
    {"Vy", G::run, field<&Model::Vy>, kInputs, QT_TRANSLATE_NOOP("Units", "м/с"), "vertical velocity at `t`"},

    {"xmin", G::plot, field<&Model::xmin>, kInputs, QT_TRANSLATE_NOOP("Units", "м"), "left edge of the trajectory picture (0)"},
    {"xmax", G::plot, field<&Model::xmax>, kInputs, QT_TRANSLATE_NOOP("Units", "м"), "places the ball (0.2) before the first drawing"},
    {"ymin", G::plot, field<&Model::ymin>, kInputs, QT_TRANSLATE_NOOP("Units", "м"), "the ground (0)"},
    {"ymax", G::plot, field<&Model::ymax>, kInputs, QT_TRANSLATE_NOOP("Units", "м"),
     "the higher analytic top, up to whole metres (single precision)"},
    {"mashtab_x", G::plot, field<&Model::mashtab_x>, kInputs, "",
     "horizontal zoom, `HScroll1` / 100 (the bar stays hidden; nothing draws with it)"},
    {"mashtab_y", G::plot, field<&Model::mashtab_y>, kInputs, "", "vertical zoom, `VScroll1` / 100"},
    {"mashtab_t", G::plot, field<&Model::mashtab_t>, kInputs, "", "zoom of the graphs' time axis, always 1"},
    {"x_left", G::plot, field<&Model::x_left>, kInputs, QT_TRANSLATE_NOOP("Units", "м"), "left edge of `Picture1`: as many metres across as up"},
    {"x_right", G::plot, field<&Model::x_right>, kInputs, QT_TRANSLATE_NOOP("Units", "м"), "right edge of `Picture1`"},
    {"y_top", G::plot, field<&Model::y_top>, kInputs, QT_TRANSLATE_NOOP("Units", "м"),
     "top edge of `Picture1` and `Picture2`, `mashtab_y`·`ymax`"},
    {"y_bottom", G::plot, field<&Model::y_bottom>, kInputs, QT_TRANSLATE_NOOP("Units", "м"), "bottom edge of `Picture1` and `Picture2`"},
    {"X", G::plot, field<&Model::X>, kInputs, QT_TRANSLATE_NOOP("Units", "м"), "horizontal position of the drawn ball (middle of the column)"},
    {"t_min", G::plot, field<&Model::t_min>, kInputs, QT_TRANSLATE_NOOP("Units", "с"), "start of the graphs' time range (0)"},
    {"t_max", G::plot, field<&Model::t_max>, kInputs, QT_TRANSLATE_NOOP("Units", "с"), "the longest flight to show (whole seconds)"},
    {"t_left", G::plot, field<&Model::t_left>, kInputs, QT_TRANSLATE_NOOP("Units", "с"), "time at the left edge of the graphs"},
    {"t_right", G::plot, field<&Model::t_right>, kInputs, QT_TRANSLATE_NOOP("Units", "с"), "time at the right edge of the graphs"},
    {"Vy_max", G::plot, field<&Model::Vy_max>, kInputs, QT_TRANSLATE_NOOP("Units", "м/с"), "highest velocity to show (whole m/s)"},
    {"Vy_min", G::plot, field<&Model::Vy_min>, kInputs, QT_TRANSLATE_NOOP("Units", "м/с"), "lowest velocity to show (whole m/s)"},
    {"Vy_top", G::plot, field<&Model::Vy_top>, kInputs, QT_TRANSLATE_NOOP("Units", "м/с"), "velocity at the top edge of `Picture3`"},
    {"Vy_bottom", G::plot, field<&Model::Vy_bottom>, kInputs, QT_TRANSLATE_NOOP("Units", "м/с"), "velocity at the bottom edge of `Picture3`"},
    {"n_setki", G::plot, field<&Model::n_setki>, kInputs, "", "number of grid divisions (10)"},
    {"shag_setki_y", G::plot, field<&Model::shag_setki_y>, kInputs, QT_TRANSLATE_NOOP("Units", "м"), "grid step along the height"},
    {"shag_setki_t", G::plot, field<&Model::shag_setki_t>, kInputs, QT_TRANSLATE_NOOP("Units", "с"), "grid step along the time"},
    {"shag_setki_Vy", G::plot, field<&Model::shag_setki_Vy>, kInputs, QT_TRANSLATE_NOOP("Units", "м/с"), "grid step along the velocity"},
    {"d_shar", G::plot, field<&Model::d_shar>, kInputs, QT_TRANSLATE_NOOP("Units", "м"),
     "drawn diameter of the ball (\"shar\" = ball), at least 1 % of the picture's height"},

    {"tormoz", G::run, field<&Model::tormoz>, kInputs, "",
     "slow-down of the animated fall (\"tormoz\" = brake), 0 to 5"},
};

std::string descentHint(const Model& m) { return descentHintPhrase(m).russian(); }

// The glossary writes units in English.
const char* englishUnit(std::string_view unit) {
    static const struct { const char* program; const char* glossary; } kUnits[] = {
        {"", "1"},          {"м", "m"},        {"c", "s"},         {"с", "s"},     {"м/c", "m/s"}, {"м/с", "m/s"},
        {"кг", "kg"},       {"кг/м3", "kg/m³"}, {"Па·с", "Pa·s"},  {"1/c", "1/s"}, {"рад", "rad"},
    };
    for (const auto& u : kUnits)
        if (unit == u.program) return u.glossary;
    return "?";
}

// A caption without the blanks it leaves for its Greek letter, the letter written in.
std::string lettered(const Quantity& q, std::string text) {
    text.erase(0, std::min(text.find_first_not_of(' '), text.size()));
    if (!*q.display.letter) return text;
    return q.display.letter + std::string(text.starts_with('=') ? " " : "") + text;
}

}  // namespace

// The hint of the descent time once it is found: how, and in how many passes.
Phrase descentHintPhrase(const Model& m) {
    return Phrase(QT_TRANSLATE_NOOP("Model", "Время спуска с максимальной высоты. Уточнение корня методом половинного деления.\r\n"
                                             "точность 0,00000001 с. %1 итераций."),
                  {std::to_string(m.k)});
}


std::span<const Quantity> quantities() { return kQuantities; }

const Quantity* findQuantity(std::string_view name) {
    for (const Quantity& q : kQuantities)
        if (name == q.key || (q.display.label && name == q.display.label)) return &q;
    return nullptr;
}

bool isShown(const Quantity& q, const Model& m) {
    if ((m.stagesRun & q.stage) != q.stage) return false;
    return !q.display.exists || q.display.exists(m) || q.display.absent;
}

std::string numberText(const Quantity& q, const Model& m) {
    const double v = valueOf(q, m);
    const std::string text = q.value.single ? Format(float(v), q.display.pattern) : Format(v, q.display.pattern);
    return q.display.plainForm ? numericForm(text) : point(text);
}

std::string captionOf(const Quantity& q, const Model& m) {
    if (q.display.exists && !q.display.exists(m)) return q.display.absent ? q.display.absent : "";
    return q.display.symbol + numberText(q, m) + (*q.unit ? " " : "") + q.unit;
}

std::string readableCaption(const Quantity& q, const Model& m) { return lettered(q, captionOf(q, m)); }

LabelTexts labelTexts(const Model& m) {
    LabelTexts texts;
    for (const Quantity& q : kQuantities)
        if (q.display.label && isShown(q, m)) texts.setCaption(q.display.label, captionOf(q, m));
    if (m.stagesRun & kFullLanding) texts.setToolTip("Label33", descentHint(m));
    return texts;
}

const char* hintOf(std::string_view label) {
    const Quantity* q = findQuantity(label);
    return q ? q->display.hint : "";
}

std::string glossaryTable(QuantityGroup group) {
    const bool shown = group != G::run && group != G::plot && group != G::input;
    std::string table = "| Quantity | Meaning | Unit |" + std::string(shown ? " Shown in (caption) | Pattern |" : "") +
                        "\n|---|---|---|" + (shown ? "---|---|" : "") + "\n";
    for (const Quantity& q : kQuantities) {
        if (q.group != group) continue;
        table += std::string("| `") + q.key + "` | " + q.meaning + " | " + englishUnit(q.unit) + " |";
        const QuantityDisplay& d = q.display;
        if (group == G::input)
            table += std::string(" `") + findField(q.key)->control + "` | `" + d.input.label + "` \"" + d.input.caption +
                     "\" | " + (d.input.unitLabel ? std::string("`") + d.input.unitLabel + "`" : "none") + " |";
        else if (shown && d.label)
            table += std::string(" `") + d.label + "` \"" + lettered(q, d.symbol) + "\" | `" + d.pattern + "` |";
        else if (shown)
            table += " report only | |";
        table += '\n';
    }
    return table;
}

}  // namespace velunta

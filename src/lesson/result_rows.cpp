#include "lesson/result_rows.h"

#include "model/forces.h"
#include "model/phrase.h"

namespace velunta {

namespace {

using Value = std::optional<double>;

// One value per model, or none where the model's column is empty.
Value pick(DragModel model, Value vacuum, Value linear, Value full) {
    switch (model) {
    case DragModel::vacuum: return vacuum;
    case DragModel::linear: return linear;
    case DragModel::full: return full;
    }
    return std::nullopt;
}

// The rise means something only for a ball thrown upwards.
Value ifRising(const Model& m, double v) { return m.V0y > 0 ? Value(v) : std::nullopt; }

}  // namespace

const std::vector<ResultQuantity>& resultQuantities() {
    static const std::vector<ResultQuantity> rows = {
        {QT_TRANSLATE_NOOP("Model", "время подъёма"), "Tp", QT_TRANSLATE_NOOP("Units", "с"),
         [](const Model& m, DragModel d, double) {
             return pick(d, ifRising(m, m.Tp0), ifRising(m, m.Tp1), ifRising(m, m.Tp2));
         }, false},
        {QT_TRANSLATE_NOOP("Model", "наибольшая высота"), "Ymax", QT_TRANSLATE_NOOP("Units", "м"),
         [](const Model& m, DragModel d, double) {
             return pick(d, ifRising(m, m.Ymax0), ifRising(m, m.Ymax1), ifRising(m, m.Ymax2));
         }, false},
        {QT_TRANSLATE_NOOP("Model", "время полёта"), "Tmax", QT_TRANSLATE_NOOP("Units", "с"),
         [](const Model& m, DragModel d, double) { return pick(d, m.Tmax0, m.Tmax1, m.Tmax2); }, false},
        {QT_TRANSLATE_NOOP("Model", "скорость при падении"), "Vy(y=0)", QT_TRANSLATE_NOOP("Units", "м/с"),
         [](const Model& m, DragModel d, double) { return pick(d, double(m.Vymax0), m.Vymax1, double(m.Vy_end2)); },
         false},
        {QT_TRANSLATE_NOOP("Model", "предельная скорость"), "Vp", QT_TRANSLATE_NOOP("Units", "м/с"),
         [](const Model& m, DragModel d, double) { return pick(d, std::nullopt, m.Vp, m.Vp2); }, false},
        {QT_TRANSLATE_NOOP("Model", "характерное время"), "τ", QT_TRANSLATE_NOOP("Units", "с"),
         [](const Model& m, DragModel d, double) { return pick(d, std::nullopt, m.tau, std::nullopt); }, false},
        {QT_TRANSLATE_NOOP("Model", "время спуска"), "Ts", QT_TRANSLATE_NOOP("Units", "с"),
         [](const Model& m, DragModel d, double) { return pick(d, std::nullopt, std::nullopt, double(m.Ts2)); },
         false},
        {QT_TRANSLATE_NOOP("Model", "величина R"), "R", QT_TRANSLATE_NOOP("Units", "м"),
         [](const Model& m, DragModel d, double) { return pick(d, std::nullopt, std::nullopt, m.R2); }, false},
        {QT_TRANSLATE_NOOP("Model", "параметр b"), "b", "",
         [](const Model& m, DragModel d, double) { return pick(d, std::nullopt, std::nullopt, m.b); }, false},
        {QT_TRANSLATE_NOOP("Model", "декремент при спуске"), "δ2", QT_TRANSLATE_NOOP("Units", "1/с"),
         [](const Model& m, DragModel d, double) { return pick(d, std::nullopt, std::nullopt, m.delta2); }, false},
        {QT_TRANSLATE_NOOP("Model", "параметр φ"), "φ", QT_TRANSLATE_NOOP("Units", "рад"),
         [](const Model& m, DragModel d, double) { return pick(d, std::nullopt, std::nullopt, double(m.fi)); },
         false},
        {QT_TRANSLATE_NOOP("Model", "высота в момент t"), "Y(t)", QT_TRANSLATE_NOOP("Units", "м"),
         [](const Model& m, DragModel d, double t) { return Value(motionAt(m, d, t).Y); }, true},
        {QT_TRANSLATE_NOOP("Model", "скорость в момент t"), "Vy(t)", QT_TRANSLATE_NOOP("Units", "м/с"),
         [](const Model& m, DragModel d, double t) { return Value(motionAt(m, d, t).Vy); }, true},
        {QT_TRANSLATE_NOOP("Model", "ускорение в момент t"), "a(t)", QT_TRANSLATE_NOOP("Units", "м/с²"),
         [](const Model& m, DragModel d, double t) { return Value(accelerationAt(m, d, t)); }, true},
    };
    return rows;
}

}  // namespace velunta

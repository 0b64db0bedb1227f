#include "lesson/result_rows.h"

#include "model/forces.h"

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
        {"время подъёма", "Tp", "с",
         [](const Model& m, DragModel d, double) {
             return pick(d, ifRising(m, m.Tp0), ifRising(m, m.Tp1), ifRising(m, m.Tp2));
         }, false},
        {"наибольшая высота", "Ymax", "м",
         [](const Model& m, DragModel d, double) {
             return pick(d, ifRising(m, m.Ymax0), ifRising(m, m.Ymax1), ifRising(m, m.Ymax2));
         }, false},
        {"время полёта", "Tmax", "с",
         [](const Model& m, DragModel d, double) { return pick(d, m.Tmax0, m.Tmax1, m.Tmax2); }, false},
        {"скорость при падении", "Vy(y=0)", "м/с",
         [](const Model& m, DragModel d, double) { return pick(d, double(m.Vymax0), m.Vymax1, double(m.Vy_end2)); },
         false},
        {"предельная скорость", "Vp", "м/с",
         [](const Model& m, DragModel d, double) { return pick(d, std::nullopt, m.Vp, m.Vp2); }, false},
        {"характерное время", "τ", "с",
         [](const Model& m, DragModel d, double) { return pick(d, std::nullopt, m.tau, std::nullopt); }, false},
        {"время спуска", "Ts", "с",
         [](const Model& m, DragModel d, double) { return pick(d, std::nullopt, std::nullopt, double(m.Ts2)); },
         false},
        {"величина R", "R", "м",
         [](const Model& m, DragModel d, double) { return pick(d, std::nullopt, std::nullopt, m.R2); }, false},
        {"параметр b", "b", "",
         [](const Model& m, DragModel d, double) { return pick(d, std::nullopt, std::nullopt, m.b); }, false},
        {"декремент при спуске", "δ2", "1/с",
         [](const Model& m, DragModel d, double) { return pick(d, std::nullopt, std::nullopt, m.delta2); }, false},
        {"параметр φ", "φ", "рад",
         [](const Model& m, DragModel d, double) { return pick(d, std::nullopt, std::nullopt, double(m.fi)); },
         false},
        {"высота в момент t", "Y(t)", "м",
         [](const Model& m, DragModel d, double t) { return Value(motionAt(m, d, t).Y); }, true},
        {"скорость в момент t", "Vy(t)", "м/с",
         [](const Model& m, DragModel d, double t) { return Value(motionAt(m, d, t).Vy); }, true},
        {"ускорение в момент t", "a(t)", "м/с²",
         [](const Model& m, DragModel d, double t) { return Value(accelerationAt(m, d, t)); }, true},
    };
    return rows;
}

}  // namespace velunta

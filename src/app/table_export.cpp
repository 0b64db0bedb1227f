#include "app/table_export.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

#include "model/trajectory.h"

namespace velunta {

namespace {

constexpr std::array<DragModel, 3> kModels = {DragModel::vacuum, DragModel::linear, DragModel::full};

double lastLanding(const Model& m) {
    double last = 0;
    for (DragModel model : kModels) last = std::max(last, landingTime(m, model));
    return last;
}

}  // namespace

double defaultTableStep(const Model& m) {
    const double raw = lastLanding(m) / 100;
    if (!(raw > 0) || !std::isfinite(raw)) return 1;
    // The round value nearest to raw on a logarithmic scale.
    const double decade = std::pow(10.0, std::floor(std::log10(raw)));
    double best = decade;
    for (double mantissa : {1.0, 2.0, 5.0, 10.0})
        if (std::fabs(std::log(mantissa * decade / raw)) < std::fabs(std::log(best / raw))) best = mantissa * decade;
    return best;
}

QString tableStepProblem(const Model& m, double step) {
    if (!(step > 0) || !std::isfinite(step)) return QStringLiteral("Шаг по времени должен быть положительным числом.");
    if (lastLanding(m) / step > kMaxTableRows)
        return QStringLiteral("Шаг по времени слишком мал: в таблице было бы больше %1 строк.")
            .arg(QString::number(kMaxTableRows, 'f', 0));
    return {};
}

QByteArray tableNumber(double v) {
    if (v == 0) v = 0;  // no "-0"
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.6g", v);
    QByteArray text(buf);
    text.replace('.', ',');
    return text;
}

QByteArray tableCsv(const Model& m, double step) {
    QByteArray out("\xEF\xBB\xBF");
    out += QStringLiteral("t, c;Y вакуум, м;Vy вакуум, м/с;Y Fc~v, м;Vy Fc~v, м/с;Y Fc~v+v², м;Vy Fc~v+v², м/с\r\n")
               .toUtf8();

    // The round times before the last landing, and each landing, in order.
    const double last = lastLanding(m);
    std::vector<double> times;
    for (long k = 0; k * step < last; ++k) times.push_back(k * step);
    for (DragModel model : kModels) times.push_back(landingTime(m, model));
    std::sort(times.begin(), times.end());
    times.erase(std::unique(times.begin(), times.end()), times.end());

    for (double t : times) {
        out += tableNumber(t);
        for (DragModel model : kModels) {
            const double landing = landingTime(m, model);
            out += ';';
            if (t > landing) {
                out += ';';
                continue;
            }
            const MotionState s = motionAt(m, model, t);
            // At its landing a model is on the ground, by the definition of the landing
            // time; what the closed form leaves there is its rounding, not a height.
            out += tableNumber(t == landing ? 0.0 : s.Y) + ';' + tableNumber(s.Vy);
        }
        out += "\r\n";
    }
    return out;
}

}  // namespace velunta

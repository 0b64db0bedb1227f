#include "export/table_export.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

#include "export/results_table.h"
#include "model/data_reader.h"
#include "model/input_checks.h"
#include "model/model_comparison.h"
#include "model/trajectory.h"

namespace velunta {

namespace {

constexpr std::array<DragModel, 3> kModels = {DragModel::vacuum, DragModel::linear, DragModel::full};

double lastLanding(const Model& m) {
    double last = 0;
    for (DragModel model : kModels) last = std::max(last, landingTime(m, model));
    return last;
}

// Fixed decimals: as many as the step has, at least six significant digits at
// the last landing (a landing row's time is not round), and more while two rows
// (a landing next to a round time) would read the same.
int timeDecimals(const std::vector<double>& times, double step) {
    int digits = 0;
    for (double scaled = step; digits < 15 && std::fabs(scaled - std::round(scaled)) > 1e-9 * scaled; scaled *= 10)
        ++digits;
    if (!times.empty() && times.back() > 0)
        digits = std::clamp(5 - int(std::floor(std::log10(times.back()))), digits, 15);
    const auto text = [](double t, int d) {
        char buf[48];
        std::snprintf(buf, sizeof buf, "%.*f", d, t);
        return QByteArray(buf);
    };
    for (bool same = true; same && digits < 17; digits += same) {
        same = false;
        for (std::size_t i = 1; i < times.size() && !same; ++i) same = text(times[i - 1], digits) == text(times[i], digits);
    }
    return digits;
}

// The shortest text that reads back as the same number, with a decimal comma.
QByteArray exactNumber(double v) {
    char buf[32];
    const auto end = std::to_chars(buf, buf + sizeof buf, v == 0 ? 0.0 : v).ptr;
    QByteArray text(buf, int(end - buf));
    text.replace('.', ',');
    return text;
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

namespace {

// The measured points under the models' rows: t, Y and Vy as the graphs show
// them, then Y measured minus Y of each model (continued past its landing).
QByteArray measuredRows(const Model& m, const MeasuredData& data) {
    const std::vector<MeasuredPoint> points = alignedPoints(data, m.h);
    const bool derived = !hasMeasuredVelocities(data);
    const std::vector<double> vy = derived ? derivedVelocities(points) : std::vector<double>{};
    const ModelComparison comparison = compareModels(m, points);
    QByteArray out = "\r\n" + QStringLiteral("Опыт «%1»;точек: %2;%3\r\n")
                                  .arg(QString::fromStdString(data.name))
                                  .arg(points.size())
                                  .arg(QString::fromStdString(comparison.verdict))
                                  .toUtf8();
    out += QStringLiteral("t, c;Y, м;Vy, м/с%1;Y − Y вакуум, м;Y − Y Fc~v, м;Y − Y Fc~v+v², м\r\n")
               .arg(derived ? QStringLiteral(" (по разностям)") : QString())
               .toUtf8();
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double v = derived ? vy[i] : points[i].Vy.value_or(NAN);
        out += tableNumber(points[i].t) + ';' + tableNumber(points[i].Y) + ';' + (std::isfinite(v) ? tableNumber(v) : "");
        for (DragModel model : kDragModels) out += ';' + tableNumber(comparison.residuals[std::size_t(model)][i]);
        out += "\r\n";
    }
    out += QByteArray("СКО, м;;");
    for (DragModel model : kDragModels) out += ';' + tableNumber(comparison.rmsOf(model));
    return out + "\r\n";
}

}  // namespace

QByteArray tableCsv(const Model& m, double step, const MeasuredData* measured) {
    QByteArray out("\xEF\xBB\xBF");
    // The inputs first, a name with its unit and the number as it was computed with.
    const std::vector<InputRow> rows = inputRows(m);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const InputRow& r = rows[i];
        // The density is computed from them: six digits, as the other results.
        const bool typed = i < std::size_t(inputFieldCount);
        const QByteArray value = typed ? exactNumber(inputValue(m, inputFields()[i].field)) : tableNumber(m.r);
        out += (r.symbol + (r.unit.isEmpty() ? QString() : ", " + r.unit)).toUtf8() + ';' + value + ';' +
               r.meaning.toUtf8() + "\r\n";
    }
    out += "\r\n";
    out += QStringLiteral("t, c;Y вакуум, м;Vy вакуум, м/с;Y Fc~v, м;Vy Fc~v, м/с;Y Fc~v+v², м;Vy Fc~v+v², м/с\r\n")
               .toUtf8();

    // The round times before the last landing, and each landing, in order.
    const double last = lastLanding(m);
    std::vector<double> times;
    for (long k = 0; k * step < last; ++k) times.push_back(k * step);
    for (DragModel model : kModels) times.push_back(landingTime(m, model));
    std::sort(times.begin(), times.end());
    times.erase(std::unique(times.begin(), times.end()), times.end());

    const int decimals = timeDecimals(times, step);
    for (double t : times) {
        char time[48];
        std::snprintf(time, sizeof time, "%.*f", decimals, t);
        out += QByteArray(time).replace('.', ',');
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
    if (measured && !measured->empty()) out += measuredRows(m, *measured);
    return out;
}

}  // namespace velunta

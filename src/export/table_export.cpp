#include "export/table_export.h"

#include <QCoreApplication>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

#include "export/results_table.h"
#include "model/data_reader.h"
#include "model/input_checks.h"
#include "model/model_comparison.h"
#include "model/phrase.h"
#include "model/trajectory.h"
#include "plot/model_styles.h"

namespace velunta {

namespace {

double lastLanding(const Model& m) {
    double last = 0;
    for (const ModelStyle& style : kModelStyles) last = std::max(last, landingTime(m, style.model));
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

// A number written with a point, with the decimal comma of a Russian table.
QByteArray tableDecimal(QByteArray text) { return decimalCommaShown() ? text.replace('.', ',') : text; }

// The shortest text that reads back as the same number.
QByteArray exactNumber(double v) {
    char buf[32];
    const auto end = std::to_chars(buf, buf + sizeof buf, v == 0 ? 0.0 : v).ptr;
    return tableDecimal(QByteArray(buf, int(end - buf)));
}

QByteArray tableCell(const QString& cell) {
    QByteArray text = cell.toUtf8();
    if (!text.contains(tableSeparator()) && !text.contains('"')) return text;
    return '"' + text.replace("\"", "\"\"") + '"';
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
    if (!(step > 0) || !std::isfinite(step)) return QCoreApplication::translate("TableExport", "Шаг по времени должен быть положительным числом.");
    if (lastLanding(m) / step > kMaxTableRows)
        return QCoreApplication::translate("TableExport", "Шаг по времени слишком мал: в таблице было бы больше %1 строк.")
            .arg(QString::number(kMaxTableRows, 'f', 0));
    return {};
}

QByteArray tableNumber(double v) {
    if (v == 0) v = 0;  // no "-0"
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.6g", v);
    return tableDecimal(QByteArray(buf));
}

char tableSeparator() { return decimalCommaShown() ? ';' : ','; }

QByteArray tableLine(const QString& cells, const QStringList& fill) {
    QByteArrayList line;
    for (QString cell : cells.split(QLatin1Char(';'))) {
        for (qsizetype i = fill.size(); i > 0; --i) cell.replace(QStringLiteral("%%%1").arg(i), fill[i - 1]);
        line << tableCell(cell);
    }
    return line.join(tableSeparator()) + "\r\n";
}

namespace {

// The measured points under the models' rows: t, Y and Vy as the graphs show
// them, then Y measured minus Y of each model (continued past its landing).
QByteArray measuredRows(const Model& m, const MeasuredData& data) {
    const std::vector<MeasuredPoint> points = alignedPoints(data, m.h);
    const bool derived = !hasMeasuredVelocities(data);
    const std::vector<double> vy = derived ? derivedVelocities(points) : std::vector<double>{};
    const ModelComparison comparison = compareModels(m, points);
    const char sep = tableSeparator();
    QByteArray out = "\r\n" + tableLine(QCoreApplication::translate("TableExport", "Опыт «%1»;точек: %2;%3"),
                                        {QCoreApplication::translate("Presets", data.name.c_str()), QString::number(points.size()),
                                         shownPhrase(comparison.verdictPhrase)});
    out += tableLine(QCoreApplication::translate("TableExport", "t, c;Y, м;Vy, м/с%1;Y − Y вакуум, м;Y − Y Fc~v, м;Y − Y Fc~v+v², м"),
                     {derived ? QCoreApplication::translate("TableExport", " (по разностям)") : QString()});
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double v = derived ? vy[i] : points[i].Vy.value_or(NAN);
        out += tableNumber(points[i].t) + sep + tableNumber(points[i].Y) + sep + (std::isfinite(v) ? tableNumber(v) : "");
        for (DragModel model : kDragModels) out += sep + tableNumber(comparison.residuals[std::size_t(model)][i]);
        out += "\r\n";
    }
    out += tableLine(QCoreApplication::translate("TableExport", "СКО, м;;")).chopped(2);
    for (DragModel model : kDragModels) out += sep + tableNumber(comparison.rmsOf(model));
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
        out += tableCell(r.symbol + (r.unit.isEmpty() ? QString() : ", " + r.unit)) + tableSeparator() + value +
               tableSeparator() + tableCell(r.meaning) + "\r\n";
    }
    out += "\r\n";
    QString header = QCoreApplication::translate("TableExport", "t, c");
    for (const ModelStyle& style : kModelStyles)
        header += ';' + QCoreApplication::translate("TableExport", "Y %1, м;Vy %1, м/с").arg(styleName(style));
    out += tableLine(header);

    // The round times before the last landing, and each landing, in order.
    const double last = lastLanding(m);
    std::vector<double> times;
    for (long k = 0; k * step < last; ++k) times.push_back(k * step);
    for (const ModelStyle& style : kModelStyles) times.push_back(landingTime(m, style.model));
    std::sort(times.begin(), times.end());
    times.erase(std::unique(times.begin(), times.end()), times.end());

    const int decimals = timeDecimals(times, step);
    for (double t : times) {
        char time[48];
        std::snprintf(time, sizeof time, "%.*f", decimals, t);
        out += tableDecimal(QByteArray(time));
        for (const ModelStyle& style : kModelStyles) {
            const double landing = landingTime(m, style.model);
            out += tableSeparator();
            if (t > landing) {
                out += tableSeparator();
                continue;
            }
            const MotionState s = motionAt(m, style.model, t);
            // At its landing a model is on the ground, by the definition of the landing
            // time; what the closed form leaves there is its rounding, not a height.
            out += tableNumber(t == landing ? 0.0 : s.Y) + tableSeparator() + tableNumber(s.Vy);
        }
        out += "\r\n";
    }
    if (measured && !measured->empty()) out += measuredRows(m, *measured);
    return out;
}

}  // namespace velunta

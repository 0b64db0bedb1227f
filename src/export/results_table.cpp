#include "export/results_table.h"

#include <QCoreApplication>
#include <algorithm>

#include "model/quantities.h"

namespace velunta {

namespace {

// The quantities of each panel, top to bottom as in the window.
const char* const kVacuum[] = {"Tp0", "Ymax0", "Tmax0", "Vymax0"};
const char* const kLinear[] = {"tau", "Vp", "Tp1", "Ymax1", "Tmax1", "Vymax1", "Yend1"};
const char* const kFull[] = {"R2", "Vp2", "Tp2", "Ymax2", "Ts2", "b", "Tmax2", "delta2", "Vy_end2", "fi", "Y_end2"};

QString text(const std::string& s) { return QString::fromStdString(s); }

// As the window shows it, its Greek letter written in; empty until computed.
QString caption(const Model& m, const char* key) {
    const Quantity& q = *findQuantity(key);
    return isShown(q, m) ? shownCaption(q, readableCaption(q, m)) : QString();
}

}  // namespace

std::vector<InputRow> inputRows(const Model& m) {
    std::vector<InputRow> rows;
    for (const char* key : {"h", "V0y", "d", "massa", "r0", "eta", "c", "r"}) {
        const Quantity& q = *findQuantity(key);
        rows.push_back({QString::fromUtf8(q.display.sign), shownModelText(q.display.name), text(numberText(q, m)),
                        shownUnit(QString::fromUtf8(q.unit))});
    }
    return rows;
}

int ResultColumns::rowCount() const {
    int rows = 0;
    for (const QStringList& c : columns) rows = std::max(rows, int(c.size()));
    return rows;
}

ResultColumns resultColumns(const Model& m) {
    ResultColumns r;
    r.headers = {QCoreApplication::translate("ResultsTable", "В вакууме"), QCoreApplication::translate("ResultsTable", "В среде (Fc~v)"), QCoreApplication::translate("ResultsTable", "В среде (Fc~v+v²)")};
    QStringList vacuum, linear, full;
    for (const char* l : kVacuum) vacuum << caption(m, l);
    for (const char* l : kLinear) linear << caption(m, l);
    for (const char* l : kFull) full << caption(m, l);
    r.columns = {vacuum, linear, full};
    return r;
}

std::vector<ResultRow> resultRows(const Model& m) {
    // The same quantity in the vacuum, linear and full models ("" where a model has none).
    static const char* const kRows[][3] = {
        {"Tp0", "Tp1", "Tp2"}, {"Ymax0", "Ymax1", "Ymax2"}, {"Tmax0", "Tmax1", "Tmax2"},
        {"Vymax0", "Vymax1", "Vy_end2"}, {"", "Vp", "Vp2"}, {"", "Yend1", "Y_end2"}, {"", "tau", ""},
        {"", "", "Ts2"}, {"", "", "R2"}, {"", "", "b"}, {"", "", "delta2"}, {"", "", "fi"},
    };
    std::vector<ResultRow> rows;
    for (const auto& keys : kRows) {
        ResultRow row;
        for (int model = 0; model < 3; ++model) {
            if (!*keys[model]) continue;
            const Quantity& q = *findQuantity(keys[model]);
            row.meaning = shownModelText(q.display.name);
            row.symbol = QString::fromUtf8(q.display.sign);
            if (!isShown(q, m)) continue;
            if (q.display.exists && !q.display.exists(m)) {  // "tau ->00": no number to give
                row.values[model] = text(captionOf(q, m));
                continue;
            }
            row.values[model] = text(numberText(q, m)).trimmed();
            row.units[model] = shownUnit(QString::fromUtf8(q.unit));
        }
        rows.push_back(row);
    }
    return rows;
}

QString resultsClipboardText(const Model& m) {
    QStringList lines;
    lines << QCoreApplication::translate("ResultsTable", "Параметры");
    for (const InputRow& row : inputRows(m))
        lines << row.symbol + '\t' + row.value + '\t' + row.unit + '\t' + row.meaning;
    lines << QString();
    const ResultColumns r = resultColumns(m);
    QStringList header{QCoreApplication::translate("ResultsTable", "Величина"), QString()};
    for (const QString& model : r.headers) header << model << QString();
    lines << header.join('\t');
    for (const ResultRow& row : resultRows(m)) {
        QStringList cells{row.symbol, row.meaning};
        for (int model = 0; model < 3; ++model) cells << row.values[model] << row.units[model];
        lines << cells.join('\t');
    }
    return lines.join('\n') + '\n';
}

}  // namespace velunta

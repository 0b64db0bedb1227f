#include "export/results_table.h"

#include <algorithm>

#include "model/format.h"
#include "model/input_checks.h"

namespace velunta {

namespace {

// The result labels of each panel, top to bottom as in the window.
const char* const kVacuum[] = {"Label16", "Label19", "Label17", "Label38"};
const char* const kLinear[] = {"Label22", "Label23", "Label24", "Label25", "Label26", "Label40", "Label37"};
const char* const kFull[] = {"Label5", "Label44", "Label29", "Label30", "Label33", "Label6",
                             "Label31", "Label18", "Label42", "Label20", "Label35"};

// The window shows these captions with a Greek letter laid over their leading blanks.
QString withLetter(const std::string& label, QString caption) {
    static const struct { const char* label; const char* letter; } kLetters[] = {
        {"Label22", "τ"}, {"Label18", "δ"}, {"Label20", "φ"}, {"Label43", "ρ"}};
    caption = caption.trimmed();
    for (const auto& l : kLetters)
        if (label == l.label) return QString::fromUtf8(l.letter) + (caption.startsWith('=') ? " " : "") + caption;
    return caption;
}

QString caption(const Model& m, const char* label) {
    const auto& captions = m.labels.captions();
    const auto it = captions.find(label);
    return it == captions.end() ? QString() : withLetter(label, QString::fromStdString(it->second));
}

}  // namespace

std::vector<InputRow> inputRows(const Model& m) {
    static const struct { const char* symbol; const char* meaning; const char* unit; } kRows[] = {
        {"h", "начальная высота", "м"},
        {"V0y", "проекция начальной скорости", "м/с"},
        {"d", "диаметр шара", "м"},
        {"m", "масса шара", "кг"},
        {"ρ0", "плотность среды", "кг/м3"},
        {"η", "вязкость среды", "Па·с"},
        {"c", "коэффициент лобового сопротивления", ""},
    };
    std::vector<InputRow> rows;
    for (int i = 0; i < inputFieldCount; ++i) {
        const FieldInfo& field = inputFields()[i];
        rows.push_back({QString::fromUtf8(kRows[i].symbol), QString::fromUtf8(kRows[i].meaning),
                        QString::fromStdString(point(Format(inputValue(m, field.field), field.pattern))),
                        QString::fromUtf8(kRows[i].unit)});
    }
    rows.push_back({QStringLiteral("ρ"), QStringLiteral("плотность шара"),
                    QString::fromStdString(point(Format(m.r, "0.000E+00"))), QStringLiteral("кг/м3")});
    return rows;
}

int ResultColumns::rowCount() const {
    int rows = 0;
    for (const QStringList& c : columns) rows = std::max(rows, int(c.size()));
    return rows;
}

ResultColumns resultColumns(const Model& m) {
    ResultColumns r;
    r.headers = {QStringLiteral("В вакууме"), QStringLiteral("В среде (Fc~v)"), QStringLiteral("В среде (Fc~v+v²)")};
    QStringList vacuum, linear, full;
    for (const char* l : kVacuum) vacuum << caption(m, l);
    for (const char* l : kLinear) linear << caption(m, l);
    for (const char* l : kFull) full << caption(m, l);
    r.columns = {vacuum, linear, full};
    return r;
}

std::vector<ResultRow> resultRows(const Model& m) {
    // The labels of each quantity in the vacuum, linear and full panels ("" where a model has none).
    static const struct { const char* meaning; const char* symbol; const char* labels[3]; } kRows[] = {
        {"время подъёма", "Tp", {"Label16", "Label24", "Label29"}},
        {"наибольшая высота", "Ymax", {"Label19", "Label25", "Label30"}},
        {"время полёта", "Tmax", {"Label17", "Label26", "Label31"}},
        {"скорость при падении", "Vy(y=0)", {"Label38", "Label40", "Label42"}},
        {"предельная скорость", "Vp", {"", "Label23", "Label44"}},
        {"координата в момент Tmax", "Y_end", {"", "Label37", "Label35"}},
        {"характерное время", "τ", {"", "Label22", ""}},
        {"время спуска", "Ts", {"", "", "Label33"}},
        {"величина R", "R", {"", "", "Label5"}},
        {"параметр b", "b", {"", "", "Label6"}},
        {"декремент при спуске", "δ2", {"", "", "Label18"}},
        {"параметр φ", "φ", {"", "", "Label20"}},
    };
    std::vector<ResultRow> rows;
    for (const auto& r : kRows) {
        ResultRow row{QString::fromUtf8(r.meaning), QString::fromUtf8(r.symbol), {}, {}};
        for (int model = 0; model < 3; ++model) {
            if (!*r.labels[model]) continue;
            // "Vy(y=0) = -6.947 м/c": the number follows the last "=", the unit follows the number.
            const QString text = caption(m, r.labels[model]);
            if (!text.contains('=')) {  // "tau ->00": no number to give
                row.values[model] = text;
                continue;
            }
            const QString value = text.mid(text.lastIndexOf('=') + 1).trimmed();
            const qsizetype blank = value.indexOf(' ');
            row.values[model] = value.left(blank);
            row.units[model] = blank < 0 ? QString() : value.mid(blank + 1).trimmed();
        }
        rows.push_back(row);
    }
    return rows;
}

QString resultsClipboardText(const Model& m) {
    QStringList lines;
    lines << QStringLiteral("Параметры");
    for (const InputRow& row : inputRows(m))
        lines << row.symbol + '\t' + row.value + '\t' + row.unit + '\t' + row.meaning;
    lines << QString();
    const ResultColumns r = resultColumns(m);
    QStringList header{QStringLiteral("Величина"), QString()};
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

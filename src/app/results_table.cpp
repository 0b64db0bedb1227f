#include "app/results_table.h"

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

QString resultsClipboardText(const Model& m) {
    QStringList lines;
    lines << QStringLiteral("Параметры");
    for (const InputRow& row : inputRows(m))
        lines << row.symbol + '\t' + row.value + '\t' + row.unit + '\t' + row.meaning;
    lines << QString();
    const ResultColumns r = resultColumns(m);
    lines << r.headers.join('\t');
    for (int i = 0; i < r.rowCount(); ++i) {
        QStringList cells;
        for (const QStringList& column : r.columns) cells << column.value(i);
        lines << cells.join('\t');
    }
    return lines.join('\n') + '\n';
}

}  // namespace velunta

#include "presets/presets.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

#include "model/ball_density.h"

namespace velunta {

double BallPreset::density() const { return ballDensity(d, massa); }

QString shownPresetName(const QString& name) {
    return QCoreApplication::translate("Presets", name.toUtf8().constData());
}

bool floats(double ballDensity, double mediumDensity) { return ballDensity <= mediumDensity; }

namespace {

bool positive(const QJsonObject& o, const char* key, double& value) {
    value = o.value(QLatin1String(key)).toDouble(-1);
    return value > 0 && std::isfinite(value);
}

QStringList strings(const QJsonValue& v) {
    QStringList list;
    for (const QJsonValue& item : v.toArray()) list << item.toString();
    return list;
}

}  // namespace

Presets parsePresets(const QByteArray& json, QString* error) {
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    Presets p;
    QString problem = doc.isObject() ? QString() : parseError.errorString();
    for (const QJsonValue& v : doc.object().value(QLatin1String("balls")).toArray()) {
        const QJsonObject o = v.toObject();
        BallPreset b{o.value(QLatin1String("name")).toString(), 0, 0, 0, strings(o.value(QLatin1String("approx"))),
                     o.value(QLatin1String("source")).toString()};
        if (b.name.isEmpty() || !positive(o, "d", b.d) || !positive(o, "m", b.massa) || !positive(o, "c", b.c))
            problem = QStringLiteral("шар без названия или с неположительным d, m, c: ") + b.name;
        p.balls << b;
    }
    for (const QJsonValue& v : doc.object().value(QLatin1String("media")).toArray()) {
        const QJsonObject o = v.toObject();
        MediumPreset s{o.value(QLatin1String("name")).toString(), 0, 0, strings(o.value(QLatin1String("approx"))),
                       o.value(QLatin1String("source")).toString()};
        if (s.name.isEmpty() || !positive(o, "r0", s.r0) || !positive(o, "eta", s.eta))
            problem = QStringLiteral("среда без названия или с неположительной плотностью, вязкостью: ") + s.name;
        p.media << s;
    }
    if (error) *error = problem;
    return problem.isEmpty() ? p : Presets{};
}

const Presets& builtInPresets() {
    static const Presets presets = [] {
        QFile file(QStringLiteral(":/data/presets.json"));
        return file.open(QIODevice::ReadOnly) ? parsePresets(file.readAll()) : Presets{};
    }();
    return presets;
}

// ---- Tables of the help document --------------------------------------------------

namespace {

const QChar kNbsp(0x00A0);
const QString kMinus = QStringLiteral("−");

// 13546 -> "13 546", 998.2 -> "998,2" (no-break space between thousands, the
// language's decimal sign).
QString plain(double x, QChar decimalPoint) {
    QString s = QString::number(x, 'f', 6);
    while (s.endsWith('0')) s.chop(1);
    if (s.endsWith('.')) s.chop(1);
    QString whole = s.section('.', 0, 0);
    const QString fraction = s.section('.', 1);
    if (whole.size() > 4)
        for (int i = int(whole.size()) - 3; i > 0; i -= 3) whole.insert(i, kNbsp);
    return fraction.isEmpty() ? whole : whole + decimalPoint + fraction;
}

// Small viscosities as mantissa·10^{-n}, the way the document writes them.
QString viscosity(double eta, QChar decimalPoint) {
    if (eta >= 0.01) return plain(eta, decimalPoint);
    const int exponent = int(std::floor(std::log10(eta)));
    const double mantissa = std::round(eta / std::pow(10.0, exponent) * 1e6) / 1e6;
    return plain(mantissa, decimalPoint) + QStringLiteral("·10^{") + kMinus + QString::number(-exponent) + '}';
}

QString approx(const QStringList& list, const char* key, const QString& text) {
    return list.contains(QLatin1String(key)) ? QStringLiteral("≈ ") + text : text;
}

// How the value is typed into its field: the field's pattern, a point as separator.
QString typed(double x, int decimals) { return QString::number(x, 'f', decimals); }

QString mediaTable(const Presets& p, QChar point) {
    QString t = QCoreApplication::translate("Presets", "| Среда | Температура, °C | Плотность ρ_{0}, кг/м³ | Вязкость η, Па·с | Ввод в поле η= |\n") +
                QStringLiteral("|---|---|---|---|---|\n");
    for (const MediumPreset& s : p.media)
        t += QStringLiteral("| %1 | 20 | %2 | %3 | %4 |\n")
                 .arg(shownPresetName(s.name), approx(s.approx, "r0", plain(s.r0, point)),
                      approx(s.approx, "eta", viscosity(s.eta, point)), typed(s.eta, 7));
    return t;
}

QString ballsTable(const Presets& p, QChar point) {
    QString t = QCoreApplication::translate("Presets", "| Шар | d, м | m, кг | Плотность ρ, кг/м³ | c |\n") + QStringLiteral("|---|---|---|---|---|\n");
    for (const BallPreset& b : p.balls)
        t += QStringLiteral("| %1 | %2 | %3 | %4 | %5 |\n")
                 .arg(shownPresetName(b.name), typed(b.d, 6), approx(b.approx, "m", typed(b.massa, 6)),
                      approx(b.approx, "m", plain(std::round(b.density()), point)),
                      approx(b.approx, "c", plain(b.c, point)));
    return t;
}

}  // namespace

QString withPresetTables(const QString& markdown, const Presets& presets, QChar decimalPoint) {
    QString out = markdown;
    out.replace(QStringLiteral("<!-- media table -->\n"), mediaTable(presets, decimalPoint));
    out.replace(QStringLiteral("<!-- balls table -->\n"), ballsTable(presets, decimalPoint));
    return out;
}

}  // namespace velunta

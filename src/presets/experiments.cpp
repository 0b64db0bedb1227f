#include "presets/experiments.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

namespace velunta {

namespace {

bool finite(const QJsonObject& o, const char* key, double& value) {
    const QJsonValue v = o.value(QLatin1String(key));
    value = v.toDouble();
    return v.isDouble() && std::isfinite(value);
}

}  // namespace

std::vector<ExperimentSet> parseExperimentSets(const QByteArray& json, QString* error) {
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    QString problem = doc.isObject() ? QString() : parseError.errorString();
    const QJsonObject sources = doc.object().value(QLatin1String("sources")).toObject();
    std::vector<ExperimentSet> sets;
    for (const QJsonValue& v : doc.object().value(QLatin1String("sets")).toArray()) {
        const QJsonObject o = v.toObject();
        ExperimentSet s;
        s.id = o.value(QLatin1String("id")).toString();
        s.name = o.value(QLatin1String("name")).toString();
        s.source = sources.value(o.value(QLatin1String("source")).toString()).toString();
        const QJsonObject in = o.value(QLatin1String("inputs")).toObject();
        InputValues& i = s.inputs;
        const bool inputs = finite(in, "h", i.h) && finite(in, "V0y", i.V0y) && finite(in, "d", i.d) &&
                            finite(in, "m", i.massa) && finite(in, "r0", i.r0) && finite(in, "eta", i.eta) &&
                            finite(in, "c", i.c) && i.h > 0 && i.d > 0 && i.massa > 0 && i.r0 > 0 && i.eta > 0 &&
                            i.c > 0;
        s.data.name = s.name.toStdString();
        bool points = true;
        for (const QJsonValue& p : o.value(QLatin1String("points")).toArray()) {
            const QJsonArray a = p.toArray();
            points = points && (a.size() == 2 || a.size() == 3) && a[0].isDouble() && a[1].isDouble();
            MeasuredPoint point{a[0].toDouble(), a[1].toDouble(), std::nullopt};
            if (a.size() == 3) point.Vy = a[2].toDouble();
            if (!s.data.points.empty() && point.t < s.data.points.back().t) points = false;
            s.data.points.push_back(point);
        }
        if (s.id.isEmpty() || s.name.isEmpty() || s.source.isEmpty() || !inputs || !points || s.data.empty())
            problem = QStringLiteral("опыт без названия, источника, начальных данных или точек: ") + s.id;
        sets.push_back(std::move(s));
    }
    if (error) *error = problem;
    return problem.isEmpty() ? sets : std::vector<ExperimentSet>{};
}

const std::vector<ExperimentSet>& experimentSets() {
    static const std::vector<ExperimentSet> sets = [] {
        QFile file(QStringLiteral(":/data/experiments.json"));
        return file.open(QIODevice::ReadOnly) ? parseExperimentSets(file.readAll()) : std::vector<ExperimentSet>{};
    }();
    return sets;
}

const ExperimentSet* findExperimentSet(std::string_view id) {
    const QString key = QString::fromUtf8(id.data(), qsizetype(id.size()));
    for (const ExperimentSet& s : experimentSets())
        if (s.id == key) return &s;
    return nullptr;
}

}  // namespace velunta

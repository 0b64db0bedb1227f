#include "export/lesson_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cerrno>
#include <cmath>

#include "export/whole_file.h"
#include "model/input_checks.h"
#include "plot/kept_curves.h"

namespace velunta {

namespace {

// The messages of a file that cannot be a lesson, for translation.
struct LessonText {
    Q_DECLARE_TR_FUNCTIONS(LessonText)
};

constexpr std::size_t kMaxPoints = 100000;

const char* alignmentName(DataAlignment a) {
    return a == DataAlignment::firstPointAtLaunch ? "first-point-at-launch" : "as-measured";
}

QJsonObject inputsObject(const InputValues& in) {
    Model m;
    m.set_inputs(in);
    QJsonObject o;
    for (int i = 0; i < inputFieldCount; ++i)
        o.insert(QLatin1String(inputFields()[i].quantity), inputValue(m, inputFields()[i].field));
    return o;
}

// What is wrong with a part of the file, in the words of the message.
struct Wrong {
    QString what;
};

double number(const QJsonValue& v, const QString& where) {
    if (!v.isDouble() || !std::isfinite(v.toDouble())) throw Wrong{QCoreApplication::translate("LessonFile", "%1 — не число").arg(where)};
    return v.toDouble();
}

QJsonObject object(const QJsonValue& v, const QString& where) {
    if (!v.isObject()) throw Wrong{QCoreApplication::translate("LessonFile", "%1 — не раздел с полями").arg(where)};
    return v.toObject();
}

QJsonArray array(const QJsonValue& v, const QString& where, std::size_t most) {
    if (!v.isArray()) throw Wrong{QCoreApplication::translate("LessonFile", "%1 — не список").arg(where)};
    const QJsonArray a = v.toArray();
    if (std::size_t(a.size()) > most)
        throw Wrong{QCoreApplication::translate("LessonFile", "%1: %2 элементов, а не больше %3").arg(where).arg(a.size()).arg(most)};
    return a;
}

InputValues inputsOf(const QJsonValue& v, const QString& where) {
    const QJsonObject o = object(v, where);
    Model m;
    for (int i = 0; i < inputFieldCount; ++i) {
        const QString key = QLatin1String(inputFields()[i].quantity);
        if (!o.contains(key)) throw Wrong{QCoreApplication::translate("LessonFile", "%1: нет величины «%2»").arg(where, key)};
        inputValue(m, inputFields()[i].field) = number(o.value(key), QStringLiteral("%1, «%2»").arg(where, key));
    }
    return m.inputs();
}

MeasuredData measuredOf(const QJsonValue& v) {
    const QJsonObject o = object(v, QStringLiteral("«data»"));
    MeasuredData data;
    data.name = o.value(QLatin1String("name")).toString().toStdString();
    const QString alignment = o.value(QLatin1String("alignment")).toString(QLatin1String("as-measured"));
    if (alignment == QLatin1String(alignmentName(DataAlignment::firstPointAtLaunch)))
        data.alignment = DataAlignment::firstPointAtLaunch;
    else if (alignment != QLatin1String(alignmentName(DataAlignment::asMeasured)))
        throw Wrong{QCoreApplication::translate("LessonFile", "«data», «alignment»: «%1» — нет такого способа").arg(alignment)};
    const QJsonArray points = array(o.value(QLatin1String("points")), QStringLiteral("«data», «points»"), kMaxPoints);
    for (qsizetype i = 0; i < points.size(); ++i) {
        const QString where = QCoreApplication::translate("LessonFile", "«data», точка %1").arg(i + 1);
        const QJsonArray p = array(points[i], where, 3);
        if (p.size() < 2) throw Wrong{QCoreApplication::translate("LessonFile", "%1: нужны время и высота").arg(where)};
        MeasuredPoint point{number(p[0], where), number(p[1], where), std::nullopt};
        if (p.size() == 3) point.Vy = number(p[2], where);
        if (!data.points.empty() && point.t < data.points.back().t)
            throw Wrong{QCoreApplication::translate("LessonFile", "%1: время идёт назад").arg(where)};
        data.points.push_back(point);
    }
    if (data.points.empty()) throw Wrong{LessonText::tr("«data», «points»: нет ни одной точки")};
    return data;
}

// The lesson view's graphs by the names their buttons show.
const char* const kGraphNames[] = {"Y(t)", "Vy(t)", "a(t)"};

QJsonObject fitObject(const LessonFit& fit) {
    QJsonObject o;
    for (const FittedValue& v : fit.values) {
        o.insert(QLatin1String(fitParameterKey(v.parameter)), v.value);
        if (v.error) o.insert(QLatin1String(fitParameterKey(v.parameter)) + QLatin1String("_error"), *v.error);
    }
    o.insert(QLatin1String("rms"), fit.rms);
    return o;
}

LessonFit fitOf(const QJsonValue& v) {
    const QJsonObject o = object(v, QStringLiteral("«fit»"));
    LessonFit fit;
    for (FitParameter p : {FitParameter::c, FitParameter::eta, FitParameter::t0}) {
        const QString key = QLatin1String(fitParameterKey(p));
        if (!o.contains(key)) continue;
        FittedValue value{p, number(o.value(key), QStringLiteral("«fit», «%1»").arg(key)), std::nullopt};
        // c and eta as the fit finds them: inside their fields' limits, never zero.
        if (p != FitParameter::t0 && !(value.value > 0))
            throw Wrong{LessonText::tr("«fit», «%1»: %2 — не больше нуля").arg(key).arg(value.value)};
        const QString errorKey = key + QLatin1String("_error");
        if (o.contains(errorKey)) {
            value.error = number(o.value(errorKey), QStringLiteral("«fit», «%1»").arg(errorKey));
            if (*value.error < 0) throw Wrong{LessonText::tr("«fit», «%1»: погрешность меньше нуля").arg(errorKey)};
        }
        fit.values.push_back(value);
    }
    if (std::none_of(fit.values.begin(), fit.values.end(),
                     [](const FittedValue& f) { return f.parameter != FitParameter::t0; }))
        throw Wrong{LessonText::tr("«fit»: не подобраны ни «c», ни «eta»")};
    fit.rms = number(o.value(QLatin1String("rms")), QStringLiteral("«fit», «rms»"));
    if (fit.rms < 0) throw Wrong{LessonText::tr("«fit», «rms» меньше нуля")};
    return fit;
}

LessonView viewOf(const QJsonValue& v) {
    const QJsonObject o = object(v, QStringLiteral("«view»"));
    LessonView view;
    view.lessonView = o.value(QLatin1String("mode")).toString() == QLatin1String("lesson");
    const auto integer = [&](const char* key, int fallback) {
        const QJsonValue value = o.value(QLatin1String(key));
        return value.isUndefined() ? fallback : int(number(value, QStringLiteral("«view», «%1»").arg(QLatin1String(key))));
    };
    if (o.contains(QLatin1String("scale"))) view.scale = number(o.value(QLatin1String("scale")), QStringLiteral("«view», «scale»"));
    view.graph = integer("graph", view.graph);
    view.slowDown = integer("slowDown", view.slowDown);
    view.picture = integer("picture", view.picture);
    if (o.contains(QLatin1String("lessonScale")))
        view.lessonScale = number(o.value(QLatin1String("lessonScale")), QStringLiteral("«view», «lessonScale»"));
    if (o.contains(QLatin1String("lessonSpeed"))) {
        view.lessonSpeed = number(o.value(QLatin1String("lessonSpeed")), QStringLiteral("«view», «lessonSpeed»"));
        if (!(view.lessonSpeed > 0)) throw Wrong{LessonText::tr("«view», «lessonSpeed»: не больше нуля")};
    }
    if (o.contains(QLatin1String("lessonGraphs"))) {
        const QJsonArray graphs = array(o.value(QLatin1String("lessonGraphs")), QStringLiteral("«view», «lessonGraphs»"), 3);
        view.lessonGraphs = {};
        for (const QJsonValue& g : graphs) {
            const auto* name = std::find_if(std::begin(kGraphNames), std::end(kGraphNames),
                                            [&](const char* n) { return g.toString() == QLatin1String(n); });
            if (name == std::end(kGraphNames))
                throw Wrong{LessonText::tr("«view», «lessonGraphs»: «%1» — нет такого графика").arg(g.toString())};
            view.lessonGraphs[std::size_t(name - std::begin(kGraphNames))] = true;
        }
        if (graphs.isEmpty()) throw Wrong{LessonText::tr("«view», «lessonGraphs»: ни одного графика")};
    }
    return view;
}

const QStringList kKnownParts = {QStringLiteral("format"), QStringLiteral("version"), QStringLiteral("inputs"),
                                 QStringLiteral("kept"), QStringLiteral("data"), QStringLiteral("fit"),
                                 QStringLiteral("view"), QStringLiteral("notes")};

int lineOf(const QByteArray& bytes, int offset) { return int(bytes.left(offset).count('\n')) + 1; }

}  // namespace

QByteArray writeLesson(const LessonDocument& lesson) {
    QJsonObject root;
    root.insert(QLatin1String("version"), kLessonVersion);
    root.insert(QLatin1String("inputs"), inputsObject(lesson.inputs));
    QJsonArray kept;
    for (const KeptInputs& set : lesson.kept)
        kept.append(QJsonObject{{QLatin1String("label"), QString::fromStdString(set.label)},
                                {QLatin1String("inputs"), inputsObject(set.inputs)}});
    root.insert(QLatin1String("kept"), kept);
    if (lesson.measured) {
        QJsonArray points;
        for (const MeasuredPoint& p : lesson.measured->points) {
            QJsonArray row{p.t, p.Y};
            if (p.Vy) row.append(*p.Vy);
            points.append(row);
        }
        root.insert(QLatin1String("data"),
                    QJsonObject{{QLatin1String("name"), QString::fromStdString(lesson.measured->name)},
                                {QLatin1String("alignment"), QLatin1String(alignmentName(lesson.measured->alignment))},
                                {QLatin1String("points"), points}});
    }
    if (lesson.fit) root.insert(QLatin1String("fit"), fitObject(*lesson.fit));
    QJsonArray graphs;
    for (std::size_t g = 0; g < lesson.view.lessonGraphs.size(); ++g)
        if (lesson.view.lessonGraphs[g]) graphs.append(QLatin1String(kGraphNames[g]));
    root.insert(QLatin1String("view"),
                QJsonObject{{QLatin1String("mode"), lesson.view.lessonView ? QLatin1String("lesson") : QLatin1String("classic")},
                            {QLatin1String("scale"), lesson.view.scale},
                            {QLatin1String("graph"), lesson.view.graph},
                            {QLatin1String("slowDown"), lesson.view.slowDown},
                            {QLatin1String("picture"), lesson.view.picture},
                            {QLatin1String("lessonScale"), lesson.view.lessonScale},
                            {QLatin1String("lessonGraphs"), graphs},
                            {QLatin1String("lessonSpeed"), lesson.view.lessonSpeed}});
    root.insert(QLatin1String("notes"), lesson.notes);
    // The format goes first, where a file manager looks for it (Qt sorts the keys).
    QByteArray text = QJsonDocument(root).toJson(QJsonDocument::Indented);
    return text.replace(0, 2, QByteArray("{\n    \"format\": \"") + kLessonFormat + "\",\n");
}

LessonReadResult readLesson(const QByteArray& bytes) {
    LessonReadResult result;
    if (bytes.size() > kMaxLessonBytes) {
        result.error = QCoreApplication::translate("LessonFile", "файл больше 10 МБ — это не урок");
        return result;
    }
    QJsonParseError parse;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &parse);
    if (parse.error != QJsonParseError::NoError) {
        result.error = QCoreApplication::translate("LessonFile", "это не урок: текст не JSON (строка %1: %2)")
                           .arg(lineOf(bytes, parse.offset)).arg(parse.errorString());
        return result;
    }
    if (!doc.isObject() || doc.object().value(QLatin1String("format")).toString() != QLatin1String(kLessonFormat)) {
        result.error = QCoreApplication::translate("LessonFile", "это не урок: нет пометки «format»: «%1»").arg(QLatin1String(kLessonFormat));
        return result;
    }
    const QJsonObject root = doc.object();
    try {
        const int version = int(number(root.value(QLatin1String("version")), QStringLiteral("«version»")));
        LessonDocument lesson;
        lesson.inputs = inputsOf(root.value(QLatin1String("inputs")), QStringLiteral("«inputs»"));
        if (root.contains(QLatin1String("kept"))) {
            const QJsonArray kept = array(root.value(QLatin1String("kept")), QStringLiteral("«kept»"), KeptCurves::kMaxSets);
            for (qsizetype i = 0; i < kept.size(); ++i) {
                const QString where = QCoreApplication::translate("LessonFile", "«kept», набор %1").arg(i + 1);
                const QJsonObject set = object(kept[i], where);
                lesson.kept.push_back({set.value(QLatin1String("label")).toString().toStdString(),
                                       inputsOf(set.value(QLatin1String("inputs")), where)});
            }
        }
        if (root.contains(QLatin1String("data"))) lesson.measured = measuredOf(root.value(QLatin1String("data")));
        if (root.contains(QLatin1String("fit"))) {
            if (!lesson.measured) throw Wrong{LessonText::tr("«fit» без «data»: подбор без точек опыта")};
            lesson.fit = fitOf(root.value(QLatin1String("fit")));
        }
        if (root.contains(QLatin1String("view"))) lesson.view = viewOf(root.value(QLatin1String("view")));
        if (root.contains(QLatin1String("notes"))) {
            if (!root.value(QLatin1String("notes")).isString()) throw Wrong{QCoreApplication::translate("LessonFile", "«notes» — не текст")};
            lesson.notes = root.value(QLatin1String("notes")).toString();
        }
        // A newer program's parts are left out, and said so; an older file has none.
        if (version > kLessonVersion)
            for (const QString& key : root.keys())
                if (!kKnownParts.contains(key)) result.skipped << key;
        result.lesson = std::move(lesson);
    } catch (const Wrong& wrong) {
        result.error = wrong.what;
    }
    return result;
}

LessonReadResult readLessonFile(const QString& path) {
    QFile file(path);
    LessonReadResult result;
    if (QFileInfo(path).size() > kMaxLessonBytes) {
        result.error = QCoreApplication::translate("LessonFile", "файл больше 10 МБ — это не урок");
        return result;
    }
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = fileErrorReason(errno);
        return result;
    }
    // One byte more than allowed tells a file that grew since it was measured.
    const QByteArray bytes = file.read(kMaxLessonBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        result.error = fileErrorReason(errno);
        return result;
    }
    return readLesson(bytes);
}

}  // namespace velunta

#include "model/phrase.h"
#include "lesson/race_scene.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>

#include "lesson/significant.h"
#include "plot/kept_curves.h"
#include "plot/model_styles.h"

namespace velunta {

namespace {

using ForceKind = RaceScene::ForceKind;

constexpr std::array<ForceKind, 5> kKinds{ForceKind::gravity, ForceKind::buoyancy, ForceKind::linearDrag,
                                          ForceKind::quadraticDrag, ForceKind::net};

struct KindStyle {
    const char* symbol;
    const char* meaning;
    double slot;  // arrow's place beside the ball, in arrow spacings from its centre
};

// The arrows differ by line and head as well as by label: a grey print or a
// colour-blind eye still tells them apart.
KindStyle kindStyle(ForceKind kind) {
    switch (kind) {
        case ForceKind::gravity: return {"mg", QT_TRANSLATE_NOOP("RaceScene", "сила тяжести"), -1};
        case ForceKind::buoyancy: return {"Fa", QT_TRANSLATE_NOOP("RaceScene", "сила Архимеда"), 1};
        case ForceKind::linearDrag: return {"Fc1", QT_TRANSLATE_NOOP("RaceScene", "сопротивление ~v"), -2};
        case ForceKind::quadraticDrag: return {"Fc2", QT_TRANSLATE_NOOP("RaceScene", "сопротивление ~v²"), 2};
        case ForceKind::net: return {"F", QT_TRANSLATE_NOOP("RaceScene", "равнодействующая"), 0};
    }
    return {"", "", 0};
}

double forceOf(const Forces& f, ForceKind kind) {
    switch (kind) {
        case ForceKind::gravity: return f.gravity;
        case ForceKind::buoyancy: return f.buoyancy;
        case ForceKind::linearDrag: return f.linearDrag;
        case ForceKind::quadraticDrag: return f.quadraticDrag;
        case ForceKind::net: return f.net();
    }
    return 0;
}

// The forces each model's equation of motion has.
bool modelHas(DragModel model, ForceKind kind) {
    switch (kind) {
        case ForceKind::gravity:
        case ForceKind::net: return true;
        case ForceKind::buoyancy:
        case ForceKind::linearDrag: return model != DragModel::vacuum;
        case ForceKind::quadraticDrag: return model == DragModel::full;
    }
    return false;
}

QColor colourOf(Colour c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }

QFont pixelFont(double px, bool bold = false) {
    QFont f;
    f.setPixelSize(std::max(1, int(std::lround(px))));
    f.setBold(bold);
    return f;
}

// A readable step of the height scale: 1, 2 or 5 times a power of ten.
double niceStep(double rough) {
    if (!(rough > 0) || !std::isfinite(rough)) return 1;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    const double f = rough / power;
    return (f <= 1 ? 1 : f <= 2 ? 2 : f <= 5 ? 5 : 10) * power;
}

// An arrow from `from` to `to`, its line and head in the kind's style.
void drawArrow(QPainter& p, QPointF from, QPointF to, ForceKind kind, const QColor& colour, double width) {
    const QLineF line(from, to);
    if (line.length() < 0.5) return;
    if (kind == ForceKind::net) width *= 2;
    const double head = std::min(line.length() * 0.6, std::max(4.0, width * 4.5));
    const QPointF dir = (to - from) / line.length();
    const QPointF normal(-dir.y(), dir.x());
    const QPointF base = to - dir * head;
    QPen pen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    if (kind == ForceKind::linearDrag) pen.setDashPattern({4, 2});
    if (kind == ForceKind::quadraticDrag) pen.setDashPattern({1, 1.5});
    p.setPen(pen);
    // The line stops at the head's base so a hollow head stays hollow.
    p.drawLine(from, kind == ForceKind::quadraticDrag ? to : base);
    QPolygonF tri{to, base + normal * head * 0.45, base - normal * head * 0.45};
    pen.setStyle(Qt::SolidLine);
    p.setPen(pen);
    switch (kind) {
        case ForceKind::buoyancy:
            p.setBrush(Qt::white);
            p.drawPolygon(tri);
            break;
        case ForceKind::quadraticDrag:
            p.drawPolyline(QPolygonF{tri[1], to, tri[2]});
            break;
        default:
            p.setBrush(colour);
            p.drawPolygon(tri);
    }
    p.setBrush(Qt::NoBrush);
}

QString keptText() { return QCoreApplication::translate("RaceScene", "сохранённые наборы"); }

// The height of a kept set's ball at time t, from its samples (the landing height after its landing).
double keptHeight(const KeptCurve& curve, double t) {
    if (curve.t.empty()) return 0;
    const auto it = std::upper_bound(curve.t.begin(), curve.t.end(), t);
    if (it == curve.t.begin()) return curve.Y.front();
    if (it == curve.t.end()) return curve.Y.back();
    const std::size_t i = std::size_t(it - curve.t.begin());
    const double span = curve.t[i] - curve.t[i - 1];
    const double w = span > 0 ? (t - curve.t[i - 1]) / span : 0;
    return curve.Y[i - 1] + w * (curve.Y[i] - curve.Y[i - 1]);
}

}  // namespace

double lastLanding(const Model& m) {
    double end = 0;
    for (const ModelStyle& s : kModelStyles) end = std::max(end, landingTime(m, s.model));
    return end;
}

// Every length of the drawing, from the area it is drawn in.
struct RaceScene::Geometry {
    QRectF area;
    double font = 12, small = 10, line = 1;
    double legendHeight = 0;
    QRectF header;          // the columns' names
    double plotLeft = 0, plotRight = 0;
    double groundY = 0, ppm = 1;
    double maxArrow = 0, ppn = 0;
    double radius = 6, spacing = 10;
    double tickStep = 1, heightShown = 1;
    double linesTop = 0, linesFont = 10;
    QStringList lines;      // the forces' values, as measured for their font
    double columnX(DragModel model) const {
        const double w = (plotRight - plotLeft) / 3;
        return plotLeft + w * (double(int(model)) + 0.5);
    }
    double columnWidth() const { return (plotRight - plotLeft) / 3; }
    double yOf(double height) const { return groundY - height * ppm; }
};

RaceScene::RaceScene(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QCoreApplication::translate("RaceScene", "Три шара: вакуум, Fc~v и Fc~v+v²"));
    setToolTip(QCoreApplication::translate("RaceScene", "Шары трёх моделей на одной шкале высоты и силы, действующие на них"));
}

void RaceScene::setModel(const Model* m) {
    model_ = m;
    recomputeRange();
    update();
}

void RaceScene::setTime(double t) {
    if (t == time_) return;
    time_ = t;
    update();
}

void RaceScene::setKept(const KeptCurves* kept) {
    kept_ = kept;
    recomputeRange();
    update();
}

void RaceScene::setTextScale(double s) {
    textScale_ = s > 0 ? s : 1;
    update();
}

void RaceScene::setShowNetForce(bool show) {
    showNet_ = show;
    update();
}

void RaceScene::recomputeRange() {
    heightTop_ = 0;
    largestForce_ = 0;
    reach_.clear();
    if (model_) {
        const Model& m = *model_;
        heightTop_ = std::max({m.h, m.Ymax0, m.Ymax1, m.Ymax2});
        // |v| is largest at the launch or at the landing in every model, but the
        // flight is sampled so that no shape of it is taken on trust.
        constexpr int kSamples = 256;
        for (const ModelStyle& s : kModelStyles) {
            const double end = landingTime(m, s.model);
            for (int i = 0; i <= kSamples; ++i) {
                const double t = std::isfinite(end) ? end * i / kSamples : 0;
                const MotionState state = motionAt(m, s.model, t);
                const Forces f = forcesAt(m, s.model, state.Vy);
                Reach r{state.Y, 0, 0};
                for (ForceKind k : kKinds) {
                    const double v = forceOf(f, k);
                    largestForce_ = std::max(largestForce_, std::fabs(v));
                    r.up = std::max(r.up, v);
                    r.down = std::max(r.down, -v);
                }
                reach_.push_back(r);
            }
        }
    }
    if (kept_)
        for (const KeptSet& set : kept_->sets)
            for (const KeptCurve& c : set.models)
                for (double y : c.Y) heightTop_ = std::max(heightTop_, y);
    if (!(heightTop_ > 0) || !std::isfinite(heightTop_)) heightTop_ = 1;
    if (!std::isfinite(largestForce_)) largestForce_ = 0;
}

RaceScene::Geometry RaceScene::geometry(const QRectF& area) const {
    Geometry g;
    g.area = area;
    const double w = area.width(), h = area.height();
    g.font = std::max(9.0, std::min(w / 70, h / 42)) * textScale_;
    g.small = g.font * 0.82;
    g.line = std::max(1.0, g.font / 12);
    const double pad = g.font * 0.5;

    // The legend flows in rows across the top.
    const QFontMetricsF fm(pixelFont(g.small));
    double x = 0;
    int rows = 1;
    auto place = [&](double itemWidth) {
        if (x > 0 && x + itemWidth > w - 2 * pad) {
            ++rows;
            x = 0;
        }
        x += itemWidth + g.small * 1.5;
    };
    for (ForceKind k : kKinds) {
        if (k == ForceKind::net && !showNet_) continue;
        const KindStyle ks = kindStyle(k);
        place(g.small * 3 + fm.horizontalAdvance(QStringLiteral("%1 — %2").arg(QString::fromUtf8(ks.symbol), QCoreApplication::translate("RaceScene", ks.meaning))));
    }
    if (kept_ && !kept_->empty()) place(g.small * 3 + fm.horizontalAdvance(keptText()));
    place(g.small * 6.5 + fm.horizontalAdvance(QCoreApplication::translate("RaceScene", "0,0000 Н")));  // the scale bar, at most this wide
    g.legendHeight = rows * fm.lineSpacing() * 1.3 + pad;

    g.header = QRectF(area.left(), area.top() + g.legendHeight, w, 2 * g.small * 1.35 + pad);

    // Three lines of forces under the scene, their font shrunk until the widest fits.
    g.linesFont = g.small;
    {
        g.lines = forcesLines();
        double widest = 0;
        const QFontMetricsF lm(pixelFont(g.linesFont));
        for (const QString& s : g.lines) widest = std::max(widest, lm.horizontalAdvance(s));
        if (widest > w - 2 * pad && widest > 0) g.linesFont = std::max(6.0, g.linesFont * (w - 2 * pad) / widest);
    }
    const double linesHeight = 3 * QFontMetricsF(pixelFont(g.linesFont)).lineSpacing() + pad;
    g.linesTop = area.bottom() - linesHeight;

    // The height axis's labels are as wide as the widest of them.
    // A line under the columns' names for the axis's caption "Y, м".
    const double regionTop = g.header.bottom() + pad + fm.lineSpacing(), regionBottom = g.linesTop - pad;
    const double region = std::max(1.0, regionBottom - regionTop);
    g.maxArrow = 0.25 * region;
    const double rough = heightTop_ / std::max(1.0, region / (g.small * 3.5));
    g.tickStep = niceStep(rough);
    const int decimals = std::max(0, int(-std::floor(std::log10(g.tickStep) + 1e-9)));
    const QString widestLabel = shownLocale().toString(std::ceil(heightTop_ / g.tickStep) * g.tickStep, 'f', decimals);
    g.plotLeft = area.left() + pad + fm.horizontalAdvance(widestLabel + QCoreApplication::translate("RaceScene", "0 м")) + g.small;
    g.plotRight = area.right() - pad;

    g.radius = std::max(4.0, std::min(g.columnWidth() * 0.07, region * 0.035));
    g.spacing = std::max(g.radius * 1.6, fm.horizontalAdvance(QStringLiteral("Fc2")) + g.small * 0.4);
    g.ppn = largestForce_ > 0 ? g.maxArrow / largestForce_ : 0;
    // Room under the ground and over the highest ball for the arrows that would
    // reach out of the columns at some moment of the flight; the less room, the
    // lower the balls, so a few rounds settle it.
    double above = 0, below = 0;
    for (int round = 0; round < 4; ++round) {
        g.ppm = std::max(1e-9, (region - 2 * g.radius - above - below) / heightTop_);
        for (const Reach& r : reach_) {
            const double centre = r.Y * g.ppm + g.radius;
            above = std::max(above, centre + r.up * g.ppn - (heightTop_ * g.ppm + 2 * g.radius));
            below = std::max(below, r.down * g.ppn - centre);
        }
        above = std::min(above, g.maxArrow);
        below = std::min(below, g.maxArrow);
    }
    below = std::max(below + g.line * 2, g.small * 1.2);  // a strip of ground at least
    g.ppm = std::max(1e-9, (region - 2 * g.radius - above - below) / heightTop_);
    g.groundY = regionBottom - below;
    g.heightShown = (g.groundY - regionTop) / g.ppm;
    return g;
}

QRectF RaceScene::ballIn(const Geometry& g, DragModel model) const {
    const double bottom = g.yOf(model_ ? motionAt(*model_, model, time_).Y : 0);
    return {g.columnX(model) - g.radius, bottom - 2 * g.radius, 2 * g.radius, 2 * g.radius};
}

QRectF RaceScene::ballRect(DragModel model) const { return ballIn(geometry(QRectF(rect())), model); }

QRectF RaceScene::keptBallIn(const Geometry& g, std::size_t set, DragModel model) const {
    const double bottom = g.yOf(keptHeight(kept_->sets[set].models[int(model)], time_));
    return {g.columnX(model) - g.radius, bottom - 2 * g.radius, 2 * g.radius, 2 * g.radius};
}

double RaceScene::groundY() const { return geometry(QRectF(rect())).groundY; }
double RaceScene::pixelsPerMetre() const { return geometry(QRectF(rect())).ppm; }
double RaceScene::pixelsPerNewton() const { return geometry(QRectF(rect())).ppn; }

std::vector<RaceScene::Arrow> RaceScene::arrows() const { return arrowsIn(geometry(QRectF(rect()))); }

std::vector<RaceScene::Arrow> RaceScene::arrowsIn(const Geometry& g) const {
    std::vector<Arrow> out;
    if (!model_) return out;
    for (const ModelStyle& s : kModelStyles) {
        const Forces f = forcesAtTime(*model_, s.model, time_);
        const double cy = ballIn(g, s.model).center().y();
        for (ForceKind k : kKinds) {
            if (!modelHas(s.model, k) || (k == ForceKind::net && !showNet_)) continue;
            const double force = forceOf(f, k);
            out.push_back({s.model, k, force, force * g.ppn, QPointF(g.columnX(s.model) + kindStyle(k).slot * g.spacing, cy)});
        }
    }
    return out;
}

QStringList RaceScene::forcesLines() const {
    QStringList lines;
    if (!model_) return lines;
    for (const ModelStyle& s : kModelStyles) {
        QString text = QStringLiteral("%1: ").arg(styleLetter(s));
        if (time_ >= landingTime(*model_, s.model)) {
            lines << text + QCoreApplication::translate("RaceScene", "на земле");
            continue;
        }
        const Forces f = forcesAtTime(*model_, s.model, time_);
        QStringList parts;
        for (ForceKind k : kKinds) {
            if (!modelHas(s.model, k) || (k == ForceKind::net && !showNet_)) continue;
            const double v = forceOf(f, k);
            // The value's size, and its direction as an arrow: up is positive.
            const QString dir = v > 0 ? QStringLiteral(" ↑") : v < 0 ? QStringLiteral(" ↓") : QString();
            parts << QCoreApplication::translate("RaceScene", "%1 = %2 Н%3").arg(kindStyle(k).symbol, significant(std::fabs(v)), dir);
        }
        lines << text + parts.join(QStringLiteral(", "));
    }
    return lines;
}

void RaceScene::paintEvent(QPaintEvent*) {
    QPainter p(this);
    renderTo(p, QRectF(rect()));
}

void RaceScene::renderTo(QPainter& p, const QRectF& area) const {
    const Geometry g = geometry(area);
    const QLocale locale = shownLocale();
    p.save();
    p.setClipRect(area);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(area, Qt::white);
    const double pad = g.font * 0.5;
    const QColor ink(40, 40, 40), grid(225, 225, 225);

    // Legend: a sample of each arrow with its name, then the force scale.
    {
        p.setFont(pixelFont(g.small));
        const QFontMetricsF fm(p.font());
        double x = area.left() + pad, y = area.top() + pad;
        const double row = fm.lineSpacing() * 1.3;
        auto next = [&](double itemWidth) {
            if (x > area.left() + pad && x + itemWidth > area.right() - pad) {
                x = area.left() + pad;
                y += row;
            }
            const double at = x;
            x += itemWidth + g.small * 1.5;
            return at;
        };
        for (ForceKind k : kKinds) {
            if (k == ForceKind::net && !showNet_) continue;
            const KindStyle ks = kindStyle(k);
            const QString text = QStringLiteral("%1 — %2").arg(QString::fromUtf8(ks.symbol), QCoreApplication::translate("RaceScene", ks.meaning));
            const double at = next(g.small * 3 + fm.horizontalAdvance(text));
            const double mid = y + row / 2;
            drawArrow(p, {at, mid}, {at + g.small * 2.5, mid}, k, ink, g.line);
            p.setPen(ink);
            p.drawText(QPointF(at + g.small * 3, mid + fm.ascent() / 2 - fm.descent() / 2), text);
        }
        if (kept_ && !kept_->empty()) {
            const double at = next(g.small * 3 + fm.horizontalAdvance(keptText()));
            const double mid = y + row / 2;
            QPen pen(ink, g.line);
            pen.setDashPattern({3, 2});
            p.setPen(pen);
            p.drawEllipse(QPointF(at + g.small * 1.25, mid), g.small * 0.5, g.small * 0.5);
            p.setPen(ink);
            p.drawText(QPointF(at + g.small * 3, mid + fm.ascent() / 2 - fm.descent() / 2), keptText());
        }
        if (g.ppn > 0) {
            // The largest round force whose bar fits its place in the legend.
            const double fit = std::min(g.small * 6, g.maxArrow) / g.ppn;
            const double power = std::pow(10.0, std::floor(std::log10(fit)));
            const double newtons = (fit >= 5 * power ? 5 : fit >= 2 * power ? 2 : 1) * power;
            const double length = newtons * g.ppn;
            const QString text = QCoreApplication::translate("RaceScene", "%1 Н").arg(locale.toString(newtons, 'g', 3));
            const double at = next(length + g.small * 0.5 + fm.horizontalAdvance(text));
            const double mid = y + row / 2;
            p.setPen(QPen(ink, g.line));
            p.drawLine(QPointF(at, mid), QPointF(at + length, mid));
            p.drawLine(QPointF(at, mid - g.small * 0.3), QPointF(at, mid + g.small * 0.3));
            p.drawLine(QPointF(at + length, mid - g.small * 0.3), QPointF(at + length, mid + g.small * 0.3));
            p.drawText(QPointF(at + length + g.small * 0.5, mid + fm.ascent() / 2 - fm.descent() / 2), text);
        }
    }

    // The columns' names, and whether and when each ball has landed.
    for (const ModelStyle& s : kModelStyles) {
        const double cx = g.columnX(s.model), cw = g.columnWidth();
        const QColor colour = colourOf(s.colour);
        p.setPen(colour);
        p.setFont(pixelFont(g.font, true));
        const QRectF top(cx - cw / 2, g.header.top(), cw, g.header.height() / 2);
        p.drawText(top, Qt::AlignCenter, QStringLiteral("%1 — %2").arg(styleLetter(s), styleName(s)));
        if (model_) {
            const double landing = landingTime(*model_, s.model);
            const QString state = time_ >= landing
                                      ? QCoreApplication::translate("RaceScene", "упал при t = %1 с").arg(significant(landing))
                                      : QCoreApplication::translate("RaceScene", "в полёте");
            p.setFont(pixelFont(g.small));
            p.drawText(top.translated(0, top.height()), Qt::AlignCenter, state);
        }
    }

    // The height scale: grid, ticks and metres.
    const double plotTop = g.yOf(g.heightShown);
    {
        p.setFont(pixelFont(g.small));
        const QFontMetricsF fm(p.font());
        const int decimals = std::max(0, int(-std::floor(std::log10(g.tickStep) + 1e-9)));
        const int n = int(std::floor(g.heightShown / g.tickStep + 1e-9));
        for (int i = 0; i <= n; ++i) {
            const double y = g.yOf(i * g.tickStep);
            p.setPen(QPen(grid, g.line));
            p.drawLine(QPointF(g.plotLeft, y), QPointF(g.plotRight, y));
            p.setPen(QPen(ink, g.line));
            p.drawLine(QPointF(g.plotLeft - g.small * 0.4, y), QPointF(g.plotLeft, y));
            const QString label = locale.toString(i * g.tickStep, 'f', decimals);
            p.drawText(QRectF(area.left(), y - fm.height() / 2, g.plotLeft - area.left() - g.small * 0.6, fm.height()),
                       Qt::AlignRight | Qt::AlignVCenter, label);
        }
        p.setPen(QPen(ink, g.line));
        p.drawLine(QPointF(g.plotLeft, g.groundY), QPointF(g.plotLeft, plotTop));
        p.drawText(QPointF(area.left() + pad, plotTop - fm.descent() - g.small * 0.2), QCoreApplication::translate("RaceScene", "Y, м"));
    }

    // The ground, hatched, and the columns' borders.
    {
        const QRectF ground(g.plotLeft, g.groundY, g.plotRight - g.plotLeft, g.linesTop - pad - g.groundY);
        p.fillRect(ground, QBrush(QColor(200, 185, 160), Qt::BDiagPattern));
        p.setPen(QPen(QColor(120, 90, 60), g.line * 2));
        p.drawLine(QPointF(g.plotLeft, g.groundY), QPointF(g.plotRight, g.groundY));
        p.setPen(QPen(grid, g.line));
        for (int i = 1; i < 3; ++i) {
            const double x = g.plotLeft + g.columnWidth() * i;
            p.drawLine(QPointF(x, plotTop), QPointF(x, g.groundY));
        }
    }

    if (!model_) {
        p.restore();
        return;
    }
    const Model& m = *model_;

    // The launch height across all columns; each model's top in its own column.
    {
        p.setFont(pixelFont(g.small));
        const QFontMetricsF fm(p.font());
        const double y = g.yOf(m.h);
        p.setPen(QPen(QColor(110, 110, 110), g.line, Qt::DashLine));
        p.drawLine(QPointF(g.plotLeft, y), QPointF(g.plotRight, y));
        p.drawText(QPointF(g.plotLeft + g.small * 0.4, y + fm.ascent() + g.small * 0.1),
                   QCoreApplication::translate("RaceScene", "h = %1 м").arg(significant(m.h)));
        const double tops[3] = {m.Ymax0, m.Ymax1, m.Ymax2};
        if (m.V0y > 0)
            for (const ModelStyle& s : kModelStyles) {
                const double cx = g.columnX(s.model), half = g.columnWidth() * 0.42;
                const double ty = g.yOf(tops[int(s.model)]);
                p.setPen(QPen(colourOf(s.colour), g.line * 1.5));
                p.drawLine(QPointF(cx - half, ty), QPointF(cx + half, ty));
                p.drawText(QRectF(cx - half, ty - fm.height() - g.small * 0.1, 2 * half, fm.height()),
                           Qt::AlignRight | Qt::AlignBottom, QCoreApplication::translate("RaceScene", "Ymax = %1 м").arg(significant(tops[int(s.model)])));
            }
    }

    // Kept sets: their balls as outlines, each set in its own dash.
    if (kept_)
        for (std::size_t i = 0; i < kept_->sets.size(); ++i)
            for (const ModelStyle& s : kModelStyles) {
                QPen pen(colourOf(s.colour), g.line);
                pen.setDashPattern({3.0 + double(i), 2.0});
                p.setPen(pen);
                p.setBrush(Qt::NoBrush);
                p.drawEllipse(keptBallIn(g, i, s.model));
            }

    // The forces: arrows from the ball's centre, labelled at their heads; the
    // net force through the ball, under it.
    const QFont labelFont = pixelFont(g.small * 0.9);
    const QFontMetricsF afm(labelFont);
    const std::vector<Arrow> shown = arrowsIn(g);
    auto drawForces = [&](bool net) {
        p.setFont(labelFont);
        for (const Arrow& a : shown) {
            if ((a.kind == ForceKind::net) != net || std::fabs(a.length) < 1) continue;
            const QColor colour = colourOf(styleOf(a.model).colour);
            const QPointF head = a.tail - QPointF(0, a.length);
            drawArrow(p, a.tail, head, a.kind, colour, g.line);
            // A label without a visible arrow would name nothing.
            if (std::fabs(a.length) < g.line * 8 + (net ? g.radius : 0)) continue;
            const QString label = QString::fromUtf8(kindStyle(a.kind).symbol);
            const double ly = a.length > 0 ? head.y() - afm.descent() - g.line : head.y() + afm.ascent() + g.line;
            p.setPen(colour);
            p.drawText(QPointF(head.x() - afm.horizontalAdvance(label) / 2, ly), label);
        }
    };
    drawForces(true);

    // The balls, each with its model's letter.
    for (const ModelStyle& s : kModelStyles) {
        const QRectF ball = ballIn(g, s.model);
        p.setPen(QPen(colourOf(s.colour).darker(130), g.line));
        p.setBrush(colourOf(s.colour));
        p.drawEllipse(ball);
        p.setBrush(Qt::NoBrush);
        if (g.radius >= 6) {
            p.setPen(Qt::white);
            p.setFont(pixelFont(g.radius * 1.2, true));
            p.drawText(ball, Qt::AlignCenter, styleLetter(s));
        }
    }

    drawForces(false);

    // The forces' values under the scene, a line per model in its colour.
    {
        p.setFont(pixelFont(g.linesFont));
        const QFontMetricsF fm(p.font());
        const QStringList& lines = g.lines;
        double y = g.linesTop + pad / 2 + fm.ascent();
        for (int i = 0; i < lines.size() && i < 3; ++i) {
            p.setPen(colourOf(kModelStyles[std::size_t(i)].colour));
            p.drawText(QPointF(area.left() + pad, y), lines[i]);
            y += fm.lineSpacing();
        }
    }
    p.restore();
}

}  // namespace velunta

#include "plot/animation.h"

#include <QCoreApplication>

#include <algorithm>
#include <climits>
#include <cmath>

#include "model/format.h"
#include "plot/axes.h"

namespace velunta {

// ---- Drawing ------------------------------------------------------------------------

QString timeCounterText(double t) { return QString::fromStdString(point(Format(t, "0.000000"))); }

QString heightCounterText(double Y) { return QString::fromStdString(point(Format(Y, "0.000e+00"))); }

std::string timeStepToolTip(const Model& m) {
    return QCoreApplication::translate("Animation", "Счётчик времени. шаг по времени ±dt=%1 с. Метод Рунге-Кутты. Сравните с аналитическим решением Тmax2 и Y_end")
        .arg(QString::fromStdString(Format(m.shag_t, "0.000000", m.locale_decimal_point)))
        .toStdString();
}

std::string heightErrorToolTip(const Model& m) {
    const double percent = 100 * std::abs(m.Y) / m.Ymax2;
    return QCoreApplication::translate("Animation", "Координата. Погрешность = %1 %. Метод Рунге-Кутты. Сравните с аналитическим решением и Y_end")
        .arg(QString::fromStdString(Format(percent, "0.000000", m.locale_decimal_point)))
        .toStdString();
}

namespace {

// The red curves grow to the frame and the ball moves there.
void drawFrame(double X, const RunFrame& f, const RunSurfaces& s) {
    // The canvas takes each coordinate in single precision.
    s.Picture2.LineTo(float(f.t), float(f.Y), kRed);
    s.Picture3.LineTo(float(f.t), float(f.Vy), kRed);
    s.Shape1.setLeft(X - s.Shape1.Width() / 2);
    s.Shape1.setTop(f.Y + s.Shape1.Height() / 2);
}

void drawStartingMarks(const Model& m, const RunSurfaces& s) {
    s.Picture1.Line(m.X, 0, m.X, m.Ymax2, kRed);
    s.Picture2.PSet(0, m.h, kRed);
    s.Picture3.PSet(0, m.V0y, kRed);
}

constexpr Colour kMarkColour = 0x000080;  // dark red: the run's model, apart from its red column
constexpr int kMarkWidth = 5;             // pixels across
constexpr int kMarkOffset = 5;            // pixels from the column to the mark's centre

}  // namespace

double timeMarkStep(double flight) {
    if (!(flight > 0) || !std::isfinite(flight)) return 0;
    double decade = std::pow(10.0, std::floor(std::log10(flight / 30)) - 1);
    for (;; decade *= 10)
        for (const double unit : {1.0, 2.0, 5.0})
            if (std::floor(flight / (unit * decade)) + 1 <= 30) return unit * decade;
}

void drawTimeMark(const TimeMark& mark, double X, DrawingSurface& Picture1) {
    const double userPerPixel = Picture1.surfaceSize().width() > 0 ? Picture1.ScaleWidth() / Picture1.surfaceSize().width() : 0;
    const int width = Picture1.DrawWidth();
    Picture1.setDrawWidth(kMarkWidth);
    Picture1.PSet(X + (mark.rising ? -kMarkOffset : kMarkOffset) * userPerPixel, mark.Y, kMarkColour);
    Picture1.setDrawWidth(width);
}

void RunTrail::clear() { *this = RunTrail(); }

void RunTrail::start(const Model& m) {
    clear();
    InputValues in;
    in.h = m.h, in.V0y = m.V0y, in.d = m.d, in.massa = m.massa, in.r0 = m.r0, in.eta = m.eta, in.c = m.c;
    inputs_ = in;
    step_ = timeMarkStep(double(m.Tp2) + double(m.Ts2));
    top_ = m.V0y > 0 ? m.Tp2 : 0;
    frames_.reserve(std::size_t(std::max(0, m.n)) + std::size_t(std::max(0, m.n / 5)) + 2);
    last_ = {RunPhase::rise, 0, m.h, m.V0y};
}

void RunTrail::add(const RunFrame& f, const Model& m, DrawingSurface& Picture1) {
    frames_.push_back(f);
    // Marks at 0, step, 2 step ...: the ball's height there, between the two frames around it.
    while (step_ > 0) {
        const double t = double(marks_.size()) * step_;
        if (t > f.t) break;
        const double span = f.t - last_.t;
        const double Y = span > 0 ? last_.Y + (f.Y - last_.Y) * (t - last_.t) / span : f.Y;
        marks_.push_back({t, Y, t < top_});
        drawTimeMark(marks_.back(), m.X, Picture1);
    }
    last_ = f;
}

void RunTrail::redraw(const Model& m, const RunSurfaces& s) const {
    if (empty()) return;
    drawStartingMarks(m, s);
    for (const RunFrame& f : frames_) drawFrame(m.X, f, s);
    for (const TimeMark& mark : marks_) drawTimeMark(mark, m.X, s.Picture1);
}

void show_state(const Model& m, const RunSurfaces& s) {
    drawFrame(m.X, {RunPhase::fall, m.t, m.Y, m.Vy}, s);
    s.Picture4.Cls();
    s.Picture14.Cls();
    s.Picture4.Print(timeCounterText(m.t));
    s.Picture14.Print(heightCounterText(m.Y));
}

bool raschet4(Model& m, const RunSurfaces& s, RunHost& host, RunTrail* trail) {
    // Starting marks: the ball's column up to the top, the first points of the curves.
    drawStartingMarks(m, s);
    if (trail) trail->start(m);

    RunFrames frames(m);
    while (frames.next()) {
        show_state(m, s);
        if (trail) trail->add({frames.phase(), m.t, m.Y, m.Vy}, m, s.Picture1);
        host.frameShown();
        // No pause in the rise; in the fall tormoz is read anew, as the scroll bar may move.
        if (frames.phase() == RunPhase::fall && !host.Wait(m.tormoz)) return false;
    }

    m.fff = timeStepToolTip(m);
    s.Picture4.setToolTipText(QString::fromStdString(m.fff));
    m.fff = heightErrorToolTip(m);
    s.Picture14.setToolTipText(QString::fromStdString(m.fff));
    host.signal(50);
    return true;
}

}  // namespace velunta

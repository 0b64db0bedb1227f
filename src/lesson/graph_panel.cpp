#include "lesson/graph_panel.h"

#include <QCoreApplication>
#include <QBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QToolButton>
#include <algorithm>
#include <cmath>

#include "lesson/lesson_graph.h"
#include "model/forces.h"
#include "model/trajectory.h"
#include "plot/grid_steps.h"
#include "plot/kept_curves.h"
#include "plot/measured_marks.h"
#include "plot/model_styles.h"
#include "plot/pipeline.h"
#include "plot/plot_ranges.h"
#include "window/experiment_menu.h"
#include "window/form1.h"

namespace velunta {

namespace {

struct GraphText {
    const char* name;
    const char* button;
    const char* description;
};
const GraphText kGraphs[3] = {
    {"lessonGraphY", "Y(t)", QT_TRANSLATE_NOOP("GraphPanel", "График высоты Y(t) трёх моделей")},
    {"lessonGraphVy", "Vy(t)", QT_TRANSLATE_NOOP("GraphPanel", "График скорости Vy(t) трёх моделей")},
    {"lessonGraphA", "a(t)", QT_TRANSLATE_NOOP("GraphPanel", "График ускорения a(t) трёх моделей, из уравнений движения")},
};

// A round grid step: 1, 2 or 5 times a power of ten, about a fifth of the span.
double roundStep(double span) {
    if (!(span > 0) || !std::isfinite(span)) return 1;
    const double raw = span / 5, power = std::pow(10.0, std::floor(std::log10(raw)));
    const double f = raw / power;
    return power * (f < 1.5 ? 1 : f < 3.5 ? 2 : f < 7.5 ? 5 : 10);
}

}  // namespace

void drawAcceleration(const Model& m, DrawingSurface& g) {
    constexpr int kSamples = 600;
    double end = 0;
    for (const ModelStyle& s : kModelStyles) end = std::max(end, landingTime(m, s.model));
    double low = 0, high = 0;
    std::array<std::vector<double>, 3> a;
    for (std::size_t k = 0; k < 3; ++k)
        for (int i = 0; i <= kSamples; ++i) {
            const double v = accelerationAt(m, kModelStyles[k].model, end * i / kSamples);
            a[k].push_back(v);
            if (std::isfinite(v)) low = std::min(low, v), high = std::max(high, v);
        }
    const double pad = 0.12 * std::max(high - low, 1e-9);
    const double top = high + pad, bottom = low - pad;
    g.Cls();
    g.Scale(m.t_left, top, m.t_right, bottom);
    const double stepT = m.shag_setki_t > 0 ? m.shag_setki_t : roundStep(m.t_right - m.t_left);
    const double stepA = roundStep(top - bottom);
    g.setDrawWidth(1);
    g.setForeColor(0);
    for (double t = stepT; t < m.t_right; t += stepT) g.Line(t, top, t, bottom, kGridGreen);
    for (double y = std::ceil(bottom / stepA) * stepA; y < top; y += stepA) {
        g.Line(m.t_left, y, m.t_right, y, kGridGreen);
        g.setCurrentX(0);
        g.setCurrentY(y);
        g.Print(QString::number(y, 'g', 4));
    }
    for (double t = stepT; t < m.t_right; t += stepT) {
        g.setCurrentX(t);
        g.setCurrentY(0);
        g.Print(QString::number(t, 'g', 4));
    }
    g.setDrawWidth(2);
    g.Line(0, top, 0, bottom, kBlack);
    g.Line(m.t_left, 0, m.t_right, 0, kBlack);
    g.setDrawWidth(3);
    for (std::size_t k = 0; k < 3; ++k) {
        const Colour c = kModelStyles[k].colour;
        g.PSet(0, a[k][0], c);
        for (int i = 1; i <= kSamples; ++i) g.LineTo(end * i / kSamples, a[k][i], c);
    }
    // Captions and a legend that names each model by its letter, not by colour alone.
    g.setCurrentX(m.t_left + 0.03 * (m.t_right - m.t_left));
    g.setCurrentY(top);
    g.Print(QCoreApplication::translate("GraphPanel", "a, м/с²"));
    const double rowHeight = g.textSize(QStringLiteral("0")).height() * (top - bottom) / g.surfaceSize().height();
    for (std::size_t k = 0; k < 3; ++k) {
        g.setForeColor(kModelStyles[k].colour);
        g.setCurrentX(m.t_left + 0.62 * (m.t_right - m.t_left));
        g.setCurrentY(top - (k + 0.2) * rowHeight);
        g.Print(QStringLiteral("%1: %2").arg(styleLetter(kModelStyles[k]), styleName(kModelStyles[k])));
    }
    g.setForeColor(0);
}

GraphPanel::GraphPanel(Form1& form, QWidget* parent) : QWidget(parent), form_(form) {
    setObjectName(QStringLiteral("lessonGraphs"));
    unusedTrajectory_ = std::make_unique<DrawingSurface>(QSize(2, 2));
    unusedBall_ = new Shape(unusedTrajectory_.get());
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    auto* buttons = new QHBoxLayout;
    column->addLayout(buttons);
    area_ = new QWidget(this);
    area_->setObjectName(QStringLiteral("lessonGraphArea"));
    areaLayout_ = new QBoxLayout(QBoxLayout::TopToBottom, area_);
    areaLayout_->setContentsMargins(0, 0, 0, 0);
    column->addWidget(area_, 1);
    for (int g = 0; g < 3; ++g) {
        auto* b = new QToolButton(this);
        b->setObjectName(QStringLiteral("%1Choice").arg(QString::fromLatin1(kGraphs[g].name)));
        b->setText(QString::fromUtf8(kGraphs[g].button));
        b->setCheckable(true);
        b->setChecked(g != acceleration);
        b->setToolTip(QCoreApplication::translate("GraphPanel", "Показать или скрыть: %1").arg(QCoreApplication::translate("GraphPanel", kGraphs[g].description)));
        b->setAccessibleName(QCoreApplication::translate("GraphPanel", "Показать график %1").arg(b->text()));
        b->setFocusPolicy(Qt::StrongFocus);
        buttons->addWidget(b);
        choices_[g] = b;
        graphs_[g] = new LessonGraph(QString::fromLatin1(kGraphs[g].name), QCoreApplication::translate("GraphPanel", kGraphs[g].description), area_);
        graphs_[g]->setVisible(g != acceleration);
        areaLayout_->addWidget(graphs_[g]);
        connect(b, &QToolButton::toggled, this, [this, g](bool on) { shownChanged(Graph(g), on); });
        connect(graphs_[g], &LessonGraph::needsDrawing, this, &GraphPanel::redraw);
    }
    buttons->addStretch(1);
    pointLabel_ = new QLabel(this);
    pointLabel_->setObjectName(QStringLiteral("lessonMeasuredPoint"));
    pointLabel_->setAccessibleName(tr("Ближайшая точка опыта"));
    pointLabel_->setToolTip(tr("Точка опыта, ближайшая по времени к показанному моменту"));
    pointLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Long lines give way to the buttons, never push the graphs wider.
    pointLabel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    pointLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    pointLabel_->hide();
    buttons->addWidget(pointLabel_, 4);
}

GraphPanel::~GraphPanel() = default;

QList<QWidget*> GraphPanel::tabChain() const { return {choices_[0], choices_[1], choices_[2]}; }

void GraphPanel::shownChanged(Graph g, bool on) {
    // One graph at least stays: the last one cannot be hidden.
    if (!on && std::none_of(choices_.begin(), choices_.end(), [](QAbstractButton* b) { return b->isChecked(); })) {
        choices_[g]->setChecked(true);
        return;
    }
    graphs_[g]->setVisible(on);
    if (on) redraw();
}

bool GraphPanel::sideBySide() const { return areaLayout_->direction() == QBoxLayout::LeftToRight; }

void GraphPanel::arrange() {
    // Side by side once each graph would be wider than high even when stacked.
    const bool wide = area_->width() > 2 * area_->height();
    const auto direction = wide ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom;
    if (areaLayout_->direction() != direction) areaLayout_->setDirection(direction);
}

void GraphPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    arrange();
}

void GraphPanel::setTextScale(double scale) {
    textScale_ = scale;
    redraw();
}

void GraphPanel::setTime(double t) {
    time_ = t;
    for (LessonGraph* g : graphs_) g->setTime(t);
    const QString point = pointText(t);
    if (point != pointLabel_->text()) pointLabel_->setText(point);
    pointLabel_->setVisible(!point.isEmpty());
}

void GraphPanel::redraw() {
    if (drawing_) return;
    drawing_ = true;
    // A copy: the graphs' ranges are this view's own, and the classic window's
    // zoom of its trajectory picture is not taken over.
    Model m = form_.model();
    m.mashtab_y = 1;
    minmax_ranges(m);
    LessonGraph *y = graphs_[coordinate], *v = graphs_[velocity], *a = graphs_[acceleration];
    const MeasuredData* measured = form_.experiment()->shown();
    const PipelineSurfaces surfaces{*unusedTrajectory_, y->beginDrawing(textScale_), v->beginDrawing(textScale_),
                                    *unusedBall_, &form_.keptCurves(), form_.showsFullModelCurve(), measured};
    marks_ = measured ? measuredMarks(*measured, m) : MeasuredMarks{};
    redrawGraphs(m, surfaces);
    for (LessonGraph* g : {y, v})
        if (g->isVisible()) g->finishDrawing();
    if (a->isVisible()) {
        drawAcceleration(m, a->beginDrawing(textScale_));
        a->finishDrawing();
    }
    drawing_ = false;
    setTime(time_);
}

// The measured point nearest the time shown, by its number in the table.
QString GraphPanel::pointText(double t) const {
    const int i = nearestMark(marks_, t);
    if (i < 0) return {};
    const auto k = std::size_t(i);
    const QLocale ru(QLocale::Russian);
    auto number = [&ru](double x) { return ru.toString(x, 'g', 4); };
    QString text = tr("опыт, точка %1: t = %2 с, Y = %3 м").arg(i + 1).arg(number(marks_.t[k]), number(marks_.Y[k]));
    if (k < marks_.Vy.size() && std::isfinite(marks_.Vy[k]))
        text += (marks_.derivedVy ? tr(", Vy = %1 м/с (по разностям)") : tr(", Vy = %1 м/с")).arg(number(marks_.Vy[k]));
    return text;
}

}  // namespace velunta

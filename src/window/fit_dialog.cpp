#include "window/fit_dialog.h"

#include <QCoreApplication>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "plot/axes.h"
#include "plot/measured_marks.h"
#include "ui/canvas.h"
#include "window/experiment_menu.h"

namespace velunta {

namespace {

QString decimal(double v, int digits = 4) { return shownDecimal(QString::number(v, 'g', digits)); }

QString valueText(const FittedValue& v) {
    static const char* const names[] = {"c", "η", "t0"};
    static const char* const units[] = {"", QT_TRANSLATE_NOOP("FitDialog", " Па·с"), QT_TRANSLATE_NOOP("FitDialog", " с")};
    const int i = int(v.parameter);
    QString text = QStringLiteral("%1 = %2").arg(QString::fromUtf8(names[i]), decimal(v.value));
    text += v.error ? QStringLiteral(" ± %1").arg(decimal(*v.error, 2))
                    : QCoreApplication::translate("FitDialog", " (погрешность не оценить: точек не больше, чем параметров)");
    return text + (*units[i] ? QCoreApplication::translate("FitDialog", units[i]) : QString());
}

}  // namespace

QString fitResultText(const DragFit& fit) {
    if (!fit.converged)
        return QCoreApplication::translate("FitDialog", "Подобрать не удалось: %1\nПоля не изменены.")
            .arg(fit.message.empty() ? QCoreApplication::translate("FitDialog", "решение не сошлось.") : shownPhrase(fit.messagePhrase));
    QStringList lines;
    for (const FittedValue& v : fit.values) lines << valueText(v);
    lines << QCoreApplication::translate("FitDialog", "СКО высоты после подбора: %1 м (итераций: %2)").arg(decimal(fit.rms, 3)).arg(fit.iterations);
    if (!fit.message.empty()) lines << shownPhrase(fit.messagePhrase);
    return lines.join('\n');
}

FitDialog::FitDialog(ExperimentMenu& experiment, QWidget* parent) : QDialog(parent), experiment_(experiment) {
    setWindowTitle(QCoreApplication::translate("FitDialog", "Подобрать по данным"));
    setObjectName(QStringLiteral("fitDialog"));
    auto* layout = new QVBoxLayout(this);
    auto* what = new QGroupBox(QCoreApplication::translate("FitDialog", "Что подобрать (модель Fc~v+v²)"), this);
    auto* whatLayout = new QVBoxLayout(what);
    c_ = new QRadioButton(QCoreApplication::translate("FitDialog", "коэффициент сопротивления c"), what);
    eta_ = new QRadioButton(QCoreApplication::translate("FitDialog", "вязкость среды η"), what);
    both_ = new QRadioButton(QCoreApplication::translate("FitDialog", "c и η вместе"), what);
    t0_ = new QCheckBox(QCoreApplication::translate("FitDialog", "и сдвиг времени t0 (момент броска неизвестен)"), what);
    c_->setChecked(true);
    for (QWidget* w : std::initializer_list<QWidget*>{c_, eta_, both_, t0_}) whatLayout->addWidget(w);
    layout->addWidget(what);
    auto* run = new QPushButton(QCoreApplication::translate("FitDialog", "Подобрать"), this);
    run->setObjectName(QStringLiteral("fitRun"));
    run->setDefault(true);
    layout->addWidget(run);
    text_ = new QLabel(this);
    text_->setObjectName(QStringLiteral("fitResult"));
    text_->setWordWrap(true);
    text_->setMinimumWidth(420);
    layout->addWidget(text_);
    layout->addWidget(new QLabel(QCoreApplication::translate("FitDialog", "Остатки (измерено − модель) по времени:"), this));
    residuals_ = new Canvas(this);
    residuals_->setObjectName(QStringLiteral("fitResiduals"));
    residuals_->setFixedSize(420, 160);
    layout->addWidget(residuals_);
    auto* buttons = new QDialogButtonBox(this);
    apply_ = buttons->addButton(QCoreApplication::translate("FitDialog", "Применить"), QDialogButtonBox::AcceptRole);
    apply_->setObjectName(QStringLiteral("fitApply"));
    apply_->setEnabled(false);
    buttons->addButton(QCoreApplication::translate("FitDialog", "Закрыть"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(run, &QPushButton::clicked, this, &FitDialog::runFit);
    connect(apply_, &QPushButton::clicked, this, [this] {
        if (experiment_.applyFit(fit_)) accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    residuals_->Cls();
}

FitChoice FitDialog::choice() const {
    return FitChoice{c_->isChecked() || both_->isChecked(), eta_->isChecked() || both_->isChecked(), t0_->isChecked()};
}

void FitDialog::runFit() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    fit_ = experiment_.fit(choice());
    QApplication::restoreOverrideCursor();
    showResult();
}

void FitDialog::showResult() {
    text_->setText(fitResultText(fit_));
    apply_->setEnabled(fit_.converged);
    // Enter: the fit first, then its values into the fields.
    if (fit_.converged) apply_->setDefault(true);
    drawResiduals();
}

void FitDialog::drawResiduals() {
    Canvas& g = *residuals_;
    const std::vector<MeasuredPoint> points = experiment_.comparedPoints();
    double top = 0, t1 = 0, t2 = 0;
    for (std::size_t i = 0; i < points.size() && i < fit_.residuals.size(); ++i) {
        if (std::isfinite(fit_.residuals[i])) top = std::max(top, std::abs(fit_.residuals[i]));
        t1 = std::min(t1, points[i].t - fit_.t0), t2 = std::max(t2, points[i].t - fit_.t0);
    }
    if (!(top > 0)) top = 1e-3;
    top *= 1.2;
    const double pad = 0.05 * std::max(t2 - t1, 1e-3);
    g.Scale(t1 - pad, top, t2 + pad, -top);
    g.Cls();
    g.setDrawWidth(1);
    g.Line(t1 - pad, 0, t2 + pad, 0, kBlack);
    g.setCurrentX(t1 - pad), g.setCurrentY(top);
    g.Print(QCoreApplication::translate("FitDialog", "±%1 м").arg(decimal(top, 2)));
    if (!fit_.converged) return;
    for (std::size_t i = 0; i < points.size() && i < fit_.residuals.size(); ++i) {
        g.Line(points[i].t - fit_.t0, 0, points[i].t - fit_.t0, fit_.residuals[i], 0xC0C0C0);
        drawMarker(g, points[i].t - fit_.t0, fit_.residuals[i], false);
    }
}

}  // namespace velunta

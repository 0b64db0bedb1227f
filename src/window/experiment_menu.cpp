#include "window/experiment_menu.h"

#include <QCoreApplication>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QStandardPaths>
#include <cmath>

#include "model/data_reader.h"
#include "presets/experiments.h"
#include "presets/presets.h"
#include "ui/services.h"
#include "window/fit_dialog.h"
#include "window/main_menu.h"

namespace velunta {

namespace {

QString metres(double v) {
    if (!std::isfinite(v)) return QStringLiteral("—");
    return shownDecimal(QString::number(v, 'g', 3)) + QCoreApplication::translate("ExperimentMenu", " м");
}

QString points(std::size_t n) {
    const std::size_t last = n % 10, lastTwo = n % 100;
    // The Russian word agrees with the number; a translation has a sentence for each form.
    const char* text = last == 1 && lastTwo != 11 ? QT_TRANSLATE_NOOP("ExperimentMenu", "%1 точка")
                       : last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14) ? QT_TRANSLATE_NOOP("ExperimentMenu", "%1 точки")
                                                                                   : QT_TRANSLATE_NOOP("ExperimentMenu", "%1 точек");
    return QCoreApplication::translate("ExperimentMenu", text).arg(n);
}

// "c, η" for the fit's parameters, as the fit dialog names them.
QString fittedNames(const std::vector<FittedValue>& values) {
    QStringList names;
    for (const FittedValue& v : values)
        names << (v.parameter == FitParameter::c ? QStringLiteral("c") : v.parameter == FitParameter::eta ? QStringLiteral("η") : QStringLiteral("t0"));
    return names.join(QStringLiteral(", "));
}

}  // namespace

QString experimentSummary(const MeasuredData& data, const ModelComparison& comparison, const std::optional<LessonFit>& fit) {
    if (data.empty()) return {};
    QString text = QCoreApplication::translate("ExperimentMenu", "«%1»: %2, %3\nСКО:")
                       .arg(shownPresetName(QString::fromStdString(data.name)), points(data.points.size()),
                            data.alignment == DataAlignment::firstPointAtLaunch
                                ? QCoreApplication::translate("ExperimentMenu", "первая точка в (0, h)")
                                : QCoreApplication::translate("ExperimentMenu", "как измерены"));
    for (DragModel model : kDragModels)
        text += QStringLiteral(" %1 %2;").arg(shownModelText(dragModelName(model)), metres(comparison.rmsOf(model)));
    text.chop(1);
    text += QStringLiteral("\n") + shownPhrase(comparison.verdictPhrase);
    if (!fit) return text;
    QStringList values;
    for (const FittedValue& v : fit->values) {
        QString value = shownDecimal(QString::number(v.value, 'g', 4));
        if (v.error) value += QStringLiteral(" ± ") + shownDecimal(QString::number(*v.error, 'g', 2));
        values << QStringLiteral("%1 = %2").arg(fittedNames({v}), value);
    }
    return text + QStringLiteral("\n") +
           QCoreApplication::translate("ExperimentMenu", "Подбор: %1; СКО %2").arg(values.join(QStringLiteral("; ")), metres(fit->rms));
}

ExperimentMenu::ExperimentMenu(const Model& model, const MainMenu& menu, Dialogs& dialogs, ApplyInputs apply,
                               QWidget* window)
    : QObject(window), model_(model), menu_(menu), dialogs_(dialogs), apply_(std::move(apply)), window_(window) {
    panel_ = new QLabel(window);
    panel_->setObjectName(QStringLiteral("experimentPanel"));
    panel_->setFrameShape(QFrame::Box);
    panel_->setAutoFillBackground(true);
    QPalette palette = panel_->palette();
    palette.setColor(QPalette::Window, QColor(255, 245, 255));
    panel_->setPalette(palette);
    panel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    panel_->hide();
}

std::vector<MeasuredPoint> ExperimentMenu::comparedPoints() const { return alignedPoints(*data_, model_.h); }

void ExperimentMenu::setData(std::shared_ptr<const MeasuredData> data) {
    data_ = data ? std::move(data) : std::make_shared<const MeasuredData>();
    // A fit belongs to the points it was found on.
    fit_.reset();
    menu_.alignToLaunch->setChecked(data_->alignment == DataAlignment::firstPointAtLaunch);
    for (QAction* a : {menu_.fitData, menu_.alignToLaunch, menu_.forgetData}) a->setEnabled(!data_->empty());
}

void ExperimentMenu::restore(std::shared_ptr<const MeasuredData> data, std::optional<LessonFit> fit) {
    if (data != data_ && !(data && *data == *data_)) setData(std::move(data));
    fit_ = data_->empty() ? std::nullopt : std::move(fit);
    // The published set these points are, if any, keeps its mark.
    const std::vector<ExperimentSet>& sets = experimentSets();
    for (int i = 0; i < menu_.experiments.size() && i < int(sets.size()); ++i)
        menu_.experiments[i]->setChecked(!data_->empty() && sets[std::size_t(i)].data == *data_);
}

bool ExperimentMenu::load(const QByteArray& bytes, const QString& name) {
    DataReadResult read = readMeasuredData(std::string_view(bytes.constData(), std::size_t(bytes.size())), name.toStdString());
    if (!read.ok()) {
        dialogs_.MsgBox(QCoreApplication::translate("ExperimentMenu", "Данные опыта не прочитаны (%1):\n%2").arg(name, shownPhrase(read.errorPhrase)),
                        vbOKOnly, QCoreApplication::translate("ExperimentMenu", "Ошибка"));
        return false;
    }
    // A new table keeps the alignment chosen for the last one.
    read.data->alignment = data_->empty() ? DataAlignment::asMeasured : data_->alignment;
    setData(std::move(*read.data));
    for (QAction* a : menu_.experiments) a->setChecked(false);
    emit dataChanged();
    emit stepDone(tr("данные опыта"));
    return true;
}

void ExperimentMenu::openFile() {
    const QString path = QFileDialog::getOpenFileName(
        window_, QCoreApplication::translate("ExperimentMenu", "Открыть данные опыта"), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
        QCoreApplication::translate("ExperimentMenu", "Таблицы (*.csv *.txt *.tsv *.dat);;Все файлы (*)"));
    if (path.isEmpty()) return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        dialogs_.MsgBox(QCoreApplication::translate("ExperimentMenu", "Файл «%1» не открывается: %2").arg(path, file.errorString()), vbOKOnly,
                        QCoreApplication::translate("ExperimentMenu", "Ошибка"));
        return;
    }
    load(file.readAll(), QFileInfo(path).fileName());
}

void ExperimentMenu::paste() {
    const QString text = QApplication::clipboard()->text();
    if (text.isEmpty()) {
        dialogs_.MsgBox(QCoreApplication::translate("ExperimentMenu", "В буфере обмена нет текста с таблицей опыта."), vbOKOnly, QCoreApplication::translate("ExperimentMenu", "Ошибка"));
        return;
    }
    load(text.toUtf8(), QCoreApplication::translate("ExperimentMenu", "буфер обмена"));
}

void ExperimentMenu::chooseSet(int index) {
    const std::vector<ExperimentSet>& sets = experimentSets();
    if (index < 0 || index >= int(sets.size())) return;
    const ExperimentSet& set = sets[std::size_t(index)];
    setData(set.data);
    for (int i = 0; i < menu_.experiments.size(); ++i) menu_.experiments[i]->setChecked(i == index);
    // The inputs go in the one way; their recompute draws the points too.
    const InputValues& in = set.inputs;
    apply_({{InputField::h, in.h}, {InputField::V0y, in.V0y}, {InputField::d, in.d}, {InputField::massa, in.massa},
            {InputField::r0, in.r0}, {InputField::eta, in.eta}, {InputField::c, in.c}});
    emit stepDone(tr("опыт: %1").arg(menu_.experiments[index]->text()));
}

void ExperimentMenu::setAlignment(DataAlignment alignment) {
    if (data_->empty() || data_->alignment == alignment) return;
    MeasuredData data = *data_;
    data.alignment = alignment;
    setData(std::move(data));
    emit dataChanged();
    emit stepDone(tr("выравнивание точек опыта"));
}

void ExperimentMenu::forget() {
    if (data_->empty()) return;
    setData(nullptr);
    for (QAction* a : menu_.experiments) a->setChecked(false);
    emit dataChanged();
    emit stepDone(tr("убрать данные опыта"));
}

DragFit ExperimentMenu::fit(FitChoice choice) const {
    InputValues start{model_.h, model_.V0y, model_.d, model_.massa, model_.r0, model_.eta, model_.c};
    return fitDrag(start, comparedPoints(), choice);
}

bool ExperimentMenu::applyFit(const DragFit& fit) {
    if (!fit.converged || data_->empty()) return false;
    std::vector<InputSetting> settings;
    if (const FittedValue* c = fit.find(FitParameter::c)) settings.push_back({InputField::c, c->value});
    if (const FittedValue* eta = fit.find(FitParameter::eta)) settings.push_back({InputField::eta, eta->value});
    // The time shift moves the points, not the model: model time = t - t0.
    if (fit.find(FitParameter::t0) && fit.t0 != 0) {
        MeasuredData shifted = *data_;
        shifted.points = comparedPoints();
        for (MeasuredPoint& p : shifted.points) p.t -= fit.t0;
        shifted.alignment = DataAlignment::asMeasured;
        setData(std::move(shifted));
    }
    // Kept before the recompute, so that the panel it refreshes shows it.
    fit_ = LessonFit{fit.values, fit.rms};
    const std::vector<FieldRefusal> refusals = apply_(settings);
    for (const FieldRefusal& r : refusals)
        dialogs_.MsgBox(shownModelText(r.refusal.message), vbOKOnly, QCoreApplication::translate("ExperimentMenu", "Ошибка"));
    const bool applied = refusals.size() < settings.size() || settings.empty();
    if (!applied) fit_.reset();
    emit stepDone(tr("подбор %1").arg(fittedNames(fit.values)));
    return applied;
}

void ExperimentMenu::showFitDialog() {
    if (data_->empty()) return;
    FitDialog dialog(*this, window_);
    dialog.exec();
}

void ExperimentMenu::refresh() {
    comparison_ = data_->empty() ? ModelComparison{} : compareModels(model_, comparedPoints());
    const QString summary = experimentSummary(*data_, comparison_, fit_);
    // A line too long for the panel (a long name) ends in "…"; the tooltip holds it whole.
    QStringList lines = summary.split('\n');
    // Three lines fit the panel: after a fit its line takes the verdict's place (the status line names the best).
    if (lines.size() > 3) lines.removeAt(2);
    const QFontMetrics metrics(panel_->font());
    for (QString& line : lines) line = metrics.elidedText(line, Qt::ElideRight, panel_->contentsRect().width() - 4);
    panel_->setText(lines.join('\n'));
    panel_->setToolTip(summary);
    panel_->setVisible(!summary.isEmpty());
    status_ = data_->empty() ? QString()
                            : QCoreApplication::translate("ExperimentMenu", "СКО опыта %1 / %2 / %3, лучше всех %4")
                                  .arg(metres(comparison_.rmsOf(DragModel::vacuum)),
                                       metres(comparison_.rmsOf(DragModel::linear)),
                                       metres(comparison_.rmsOf(DragModel::full)),
                                       shownModelText(dragModelName(comparison_.best)));
}

}  // namespace velunta

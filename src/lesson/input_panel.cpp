#include "lesson/input_panel.h"

#include <QCoreApplication>
#include <QApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <algorithm>
#include <cmath>

#include "export/results_table.h"
#include "model/input_acceptance.h"
#include "window/comparison_menu.h"
#include "window/form1.h"
#include "window/preset_menus.h"

namespace velunta {

namespace {

// What a lesson moves each input through: from a dust grain to a boulder, from
// air to tar. Beyond these the field still takes any value the window accepts.
struct SliderRange {
    double low, high;
    bool logarithmic;
};
constexpr SliderRange kRanges[inputFieldCount] = {
    {0.1, 1e4, true},      // h, m
    {-50, 50, false},      // V0y, m/s
    {1e-4, 1, true},       // d, m
    {1e-6, 1e3, true},     // mass, kg
    {0.1, 2e4, true},      // medium density, kg/m3
    {1e-6, 1e4, true},     // viscosity, Pa s
    {0.05, 100, true},     // drag coefficient
};

const SliderRange& rangeOf(InputField f) { return kRanges[int(f)]; }

double threeDigits(double v) {
    if (v == 0 || !std::isfinite(v)) return v;
    const double power = std::pow(10.0, std::floor(std::log10(std::fabs(v))) - 2);
    return std::round(v / power) * power;
}

QToolButton* menuButton(QWidget* parent, const QString& text, const QString& tip, const char* name) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(text);
    b->setToolTip(tip);
    b->setAccessibleName(tip);
    b->setFocusPolicy(Qt::StrongFocus);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return b;
}

}  // namespace

int InputPanel::sliderPosition(InputField f, double value) {
    const SliderRange& r = rangeOf(f);
    double x = r.logarithmic ? (value > 0 ? (std::log10(value) - std::log10(r.low)) / (std::log10(r.high) - std::log10(r.low)) : 0)
                             : (value - r.low) / (r.high - r.low);
    return int(std::lround(std::clamp(x, 0.0, 1.0) * kSliderSteps));
}

double InputPanel::sliderValue(InputField f, int position) {
    const SliderRange& r = rangeOf(f);
    const double x = double(position) / kSliderSteps;
    if (!r.logarithmic) return threeDigits(r.low + x * (r.high - r.low));
    return threeDigits(std::pow(10.0, std::log10(r.low) + x * (std::log10(r.high) - std::log10(r.low))));
}

InputPanel::InputPanel(Form1& form, QWidget* parent) : QWidget(parent), form_(form) {
    setObjectName(QStringLiteral("lessonInputs"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setVerticalSpacing(2);
    int line = 0;

    // The classic window's menus, the same objects: their check marks and
    // disabled entries are one state wherever they are opened.
    PresetMenus* presets = form.presetMenus();
    ComparisonMenu* comparison = form.comparisonMenu();
    QToolButton* ball = menuButton(this, QCoreApplication::translate("InputPanel", "Шар ▾"), QCoreApplication::translate("InputPanel", "Выбрать шар из списка"), "lessonBallButton");
    ball->setMenu(presets->ballMenu());
    ball->setPopupMode(QToolButton::InstantPopup);
    QToolButton* medium = menuButton(this, QCoreApplication::translate("InputPanel", "Среда ▾"), QCoreApplication::translate("InputPanel", "Выбрать среду из списка"), "lessonMediumButton");
    medium->setMenu(presets->mediumMenu());
    medium->setPopupMode(QToolButton::InstantPopup);
    QToolButton* keep = menuButton(this, QString(), QCoreApplication::translate("InputPanel", "Запомнить кривые для сравнения (Ctrl+K)"), "lessonKeepButton");
    keep->setDefaultAction(comparison->keepAction());
    QToolButton* forget = menuButton(this, QString(), QCoreApplication::translate("InputPanel", "Забыть запомненные кривые"), "lessonForgetButton");
    forget->setDefaultAction(comparison->forgetAction());
    buttons_ = {ball, medium, keep, forget};
    auto* presetsRow = new QGridLayout;
    presetsRow->addWidget(ball, 0, 0);
    presetsRow->addWidget(medium, 0, 1);
    presetsRow->addWidget(keep, 1, 0);
    presetsRow->addWidget(forget, 1, 1);
    grid->addLayout(presetsRow, line++, 0, 1, 3);

    const std::vector<InputRow> names = inputRows(form.model());
    for (int i = 0; i < inputFieldCount; ++i) {
        // In the order of the classic panel.
        const InputField f = inputFields()[i].field;
        const InputRow& name = names[std::size_t(f)];
        Row& row = fields_[int(f)];
        row.field = f;
        row.classic = form.findChild<QLineEdit*>(QString::fromLatin1(fieldInfo(f).control));
        auto* label = new QLabel(name.symbol + QStringLiteral(" ="), this);
        row.edit = new QLineEdit(row.classic->text(), this);
        row.edit->setObjectName(QStringLiteral("lesson_%1").arg(QString::fromLatin1(fieldInfo(f).quantity)));
        row.toolTip = QStringLiteral("%1, %2").arg(name.meaning, name.unit.isEmpty() ? QCoreApplication::translate("InputPanel", "безразмерный") : name.unit);
        row.edit->setToolTip(row.toolTip + QCoreApplication::translate("InputPanel", ". Enter — применить, Esc — вернуть прежнее."));
        row.edit->setAccessibleName(name.meaning);
        row.edit->setAccessibleDescription(row.toolTip);
        label->setBuddy(row.edit);
        label->setToolTip(row.toolTip);
        auto* unit = new QLabel(name.unit, this);
        row.slider = new QSlider(Qt::Horizontal, this);
        row.slider->setObjectName(row.edit->objectName() + QStringLiteral("_slider"));
        row.slider->setRange(0, kSliderSteps);
        row.slider->setPageStep(kSliderSteps / 20);
        const SliderRange& r = rangeOf(f);
        const QString span = QCoreApplication::translate("InputPanel", "%1: от %2 до %3 %4%5")
                                 .arg(name.meaning, QString::number(r.low), QString::number(r.high), name.unit,
                                      r.logarithmic ? QCoreApplication::translate("InputPanel", " (логарифмическая шкала)") : QString());
        row.slider->setToolTip(span);
        row.slider->setAccessibleName(QCoreApplication::translate("InputPanel", "Ползунок: %1").arg(name.meaning));
        row.slider->setAccessibleDescription(span);
        row.slider->setFocusPolicy(Qt::StrongFocus);
        grid->addWidget(label, line, 0);
        grid->addWidget(row.edit, line, 1);
        grid->addWidget(unit, line++, 2);
        grid->addWidget(row.slider, line++, 0, 1, 3);

        connect(row.edit, &QLineEdit::textEdited, this, [this, &row](const QString& text) { typed(row, text); });
        connect(row.classic, &QLineEdit::textChanged, this, [this, &row] { showClassic(row); });
        connect(row.slider, &QSlider::valueChanged, this, [this, &row](int position) { slid(row, position); });
        row.edit->installEventFilter(this);
    }
    grid->setRowStretch(line, 1);
    grid->setColumnStretch(1, 1);
    refresh();
}

QList<QWidget*> InputPanel::tabChain() const {
    QList<QWidget*> chain(buttons_.begin(), buttons_.end());
    for (int i = 0; i < inputFieldCount; ++i) chain << fields_[i].edit << fields_[i].slider;
    return chain;
}

InputPanel::Row* InputPanel::rowOf(QObject* watched) {
    for (Row& row : fields_)
        if (row.edit == watched) return &row;
    return nullptr;
}

// The text goes into the classic field as typed: its change handler decides.
void InputPanel::typed(Row& row, const QString& text) {
    if (row.classic->text() != text) row.classic->setText(text);
    showClassic(row);
}

void InputPanel::showClassic(Row& row) {
    if (row.edit->text() != row.classic->text()) row.edit->setText(row.classic->text());
    const bool pending = form_.isPending(row.field);
    row.edit->setPalette(row.classic->palette());
    row.edit->setToolTip(pending ? row.classic->toolTip()
                                 : row.toolTip + QCoreApplication::translate("InputPanel", ". Enter — применить, Esc — вернуть прежнее."));
}

// The finishing keys and leaving the field reach the classic field's own
// handling, which knows whether an edit is open.
bool InputPanel::eventFilter(QObject* watched, QEvent* event) {
    Row* row = rowOf(watched);
    if (!row) return false;
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Escape) {
            QKeyEvent forwarded(key->type(), key->key(), key->modifiers(), key->text());
            QApplication::sendEvent(row->classic, &forwarded);
            showClassic(*row);
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        QFocusEvent forwarded(QEvent::FocusOut, static_cast<QFocusEvent*>(event)->reason());
        QApplication::sendEvent(row->classic, &forwarded);
        showClassic(*row);
    } else if (event->type() == QEvent::ShortcutOverride &&
               static_cast<QKeyEvent*>(event)->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_K)) {
        // Ctrl+K keeps the curves here as in the classic fields.
        event->ignore();
        return true;
    }
    return false;
}

// A slider sets its input as a finished edit, as a chosen ball does; a refused value
// is replaced and the slider moves back to what the field holds.
void InputPanel::slid(Row& row, int position) {
    if (syncing_) return;
    if (!form_.applyInputs({{row.field, sliderValue(row.field, position)}}).empty()) refresh();
}

void InputPanel::refresh() {
    syncing_ = true;
    for (Row& row : fields_) {
        const double value = inputValue(form_.model(), row.field);
        // The slider under the mouse follows the mouse, not the rounded value.
        if (!row.slider->isSliderDown() && sliderPosition(row.field, value) != row.slider->value()) {
            const QSignalBlocker quiet(row.slider);
            row.slider->setValue(sliderPosition(row.field, value));
        }
        showClassic(row);
    }
    syncing_ = false;
}

}  // namespace velunta

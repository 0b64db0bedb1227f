#include "window/comparison_menu.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QAction>

#include "window/main_menu.h"
#include "window/preset_menus.h"
#include "model/format.h"
#include "plot/kept_curves.h"

namespace velunta {

ComparisonMenu::ComparisonMenu(const Model& model, KeptCurves& kept, const PresetMenus& presets,
                               const MainMenu& menu, const QList<QLineEdit*>& fields, QObject* parent)
    : QObject(parent), model_(model), kept_(kept), presets_(presets), menu_(menu.compareMenu),
      keep_(menu.keepCurves), forget_(menu.forgetCurves) {
    // An input field would take Ctrl+K for "delete to the end of the line".
    for (QLineEdit* box : fields) box->installEventFilter(this);
}

bool ComparisonMenu::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_K)) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

QString ComparisonMenu::currentLabel() const {
    const Model& m = model_;
    const InputValues start;
    const QString ball = presets_.chosenBall(), medium = presets_.chosenMedium();
    QStringList parts;
    auto differs = [&](const char* name, double value, double startValue, bool covered) {
        if (!covered && value != startValue) parts << QStringLiteral("%1=%2").arg(QCoreApplication::translate("ComparisonMenu", name)).arg(value);
    };
    if (!ball.isEmpty()) parts << ball;
    if (!medium.isEmpty()) parts << medium;
    differs("h", m.h, start.h, false);
    differs(QT_TRANSLATE_NOOP("ComparisonMenu", "Vоy"), m.V0y, start.V0y, false);
    differs("d", m.d, start.d, !ball.isEmpty());
    differs("m", m.massa, start.massa, !ball.isEmpty());
    differs("c", m.c, start.c, !ball.isEmpty());
    differs("ρο", m.r0, start.r0, !medium.isEmpty());
    differs("η", m.eta, start.eta, !medium.isEmpty());
    return parts.isEmpty() ? QCoreApplication::translate("ComparisonMenu", "начальные значения") : parts.join(QStringLiteral(", "));
}

void ComparisonMenu::keep() {
    kept_.keep(model_, currentLabel().toStdString());
    forget_->setEnabled(true);
    emit keptChanged();
}

void ComparisonMenu::forget() {
    kept_.clear();
    forget_->setEnabled(false);
    emit keptChanged();
}

}  // namespace velunta

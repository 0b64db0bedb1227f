#include "app/comparison_menu.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>

#include "app/form1.h"
#include "app/preset_menus.h"
#include "model/format.h"
#include "plot/kept_curves.h"

namespace velunta {

ComparisonMenu::ComparisonMenu(Form1* form) : QObject(form), form_(form) {
    QMenuBar* bar = form->menuBar();
    menu_ = new QMenu(QStringLiteral("&Сравнение"), bar);
    menu_->setObjectName(QStringLiteral("mnuCompare"));
    bar->insertMenu(form->controls().mnuHelp->menuAction(), menu_);
    keep_ = menu_->addAction(QStringLiteral("Запомнить кривые"), this, &ComparisonMenu::keep);
    keep_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    keep_->setObjectName(QStringLiteral("mnuKeepCurves"));
    forget_ = menu_->addAction(QStringLiteral("Забыть запомненные"), this, &ComparisonMenu::forget);
    forget_->setObjectName(QStringLiteral("mnuForgetCurves"));
    forget_->setEnabled(false);
    // The window's own shortcut, whichever control has the focus; an input
    // field would take Ctrl+K for "delete to the end of the line".
    form->addAction(keep_);
    for (QLineEdit* box : form->findChildren<QLineEdit*>()) box->installEventFilter(this);
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
    const Model& m = form_->model();
    const InputValues start;
    const QString ball = form_->presetMenus()->chosenBall(), medium = form_->presetMenus()->chosenMedium();
    QStringList parts;
    auto differs = [&](const char* name, double value, double startValue, bool covered) {
        if (!covered && value != startValue) parts << QStringLiteral("%1=%2").arg(QString::fromUtf8(name)).arg(value);
    };
    if (!ball.isEmpty()) parts << ball;
    if (!medium.isEmpty()) parts << medium;
    differs("h", m.h, start.h, false);
    differs("Vоy", m.V0y, start.V0y, false);
    differs("d", m.d, start.d, !ball.isEmpty());
    differs("m", m.massa, start.massa, !ball.isEmpty());
    differs("c", m.c, start.c, !ball.isEmpty());
    differs("ρο", m.r0, start.r0, !medium.isEmpty());
    differs("η", m.eta, start.eta, !medium.isEmpty());
    return parts.isEmpty() ? QStringLiteral("начальные значения") : parts.join(QStringLiteral(", "));
}

void ComparisonMenu::keep() {
    form_->keptCurves().keep(form_->model(), currentLabel().toStdString());
    forget_->setEnabled(true);
    form_->Form_Resize();
}

void ComparisonMenu::forget() {
    form_->keptCurves().clear();
    forget_->setEnabled(false);
    form_->Form_Resize();
}

}  // namespace velunta

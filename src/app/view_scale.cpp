#include "app/view_scale.h"

#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <iterator>

#include "app/form1.h"
#include "app/status_line.h"
#include "ui/layout_grid.h"

namespace velunta {

namespace {

const char* const kBaseFont = "veluntaBaseFont";
const char* const kBasePrint = "veluntaBasePrintSize";
const char* const kBaseGeometry = "veluntaBaseGeometry";

QSettings settings() { return QSettings(QStringLiteral("Velunta"), QStringLiteral("velunta")); }

QRect scaled(const QRectF& r, double s) {
    return QRect(qRound(r.left() * s), qRound(r.top() * s), std::max(0, qRound(r.width() * s)),
                 std::max(0, qRound(r.height() * s)));
}

// The widget's font at the scale, from the font it had at 100 %.
void scaleFont(QWidget* w, double s) {
    if (!w->property(kBaseFont).isValid()) w->setProperty(kBaseFont, w->font());
    QFont font = w->property(kBaseFont).value<QFont>();
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * s);
    else if (font.pixelSize() > 0)
        font.setPixelSize(qRound(font.pixelSize() * s));
    w->setFont(font);
}

}  // namespace

ViewScale::ViewScale(Form1* form) : QObject(form), form_(form) {
    QMenuBar* bar = form->menuBar();
    menu_ = new QMenu(QStringLiteral("&Вид"), bar);
    menu_->setObjectName(QStringLiteral("mnuView"));
    bar->insertMenu(form->controls().mnuHelp->menuAction(), menu_);
    enlarge_ = menu_->addAction(QStringLiteral("Крупнее"), this, &ViewScale::enlarge);
    enlarge_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)});
    shrink_ = menu_->addAction(QStringLiteral("Мельче"), this, &ViewScale::shrink);
    shrink_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    reset_ = menu_->addAction(QStringLiteral("Обычный размер (100 %)"), this, &ViewScale::reset);
    reset_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    for (QAction* a : {enlarge_, shrink_, reset_}) form->addAction(a);
    menu_->addSeparator();
    QAction* full = menu_->addAction(QStringLiteral("Кривые Fc~v+v² до ПУСКа"), form, &Form1::setShowFullModelCurve);
    full->setObjectName(QStringLiteral("mnuViewFullModelCurve"));
    full->setCheckable(true);
    full->setChecked(form->showsFullModelCurve());
}

void ViewScale::enlarge() {
    const auto next = std::upper_bound(std::begin(kSteps), std::end(kSteps), scale_ + 1e-9);
    if (next != std::end(kSteps)) setScale(*next);
}

void ViewScale::shrink() {
    const auto below = std::lower_bound(std::begin(kSteps), std::end(kSteps), scale_ - 1e-9);
    if (below != std::begin(kSteps)) setScale(*std::prev(below));
}

void ViewScale::restore() {
    const double saved = settings().value(QStringLiteral("view/scale"), 1.0).toDouble();
    for (double step : kSteps)
        if (std::fabs(step - saved) < 1e-6 && step != scale_) setScale(step);
}

void ViewScale::setScale(double scale) {
    scale = std::clamp(scale, kSteps[0], kSteps[std::size(kSteps) - 1]);
    const double old = scale_;
    scale_ = scale;
    enlarge_->setEnabled(scale_ < kSteps[std::size(kSteps) - 1]);
    shrink_->setEnabled(scale_ > kSteps[0]);
    menu_->setTitle(scale_ == 1.0 ? QStringLiteral("&Вид") : QStringLiteral("&Вид %1 %").arg(qRound(scale_ * 100)));
    applyFonts();
    form_->statusBar()->setFixedHeight(qRound(kStatusBarHeight * scale_));
    // A window of its own size grows with its contents, as far as the screen allows.
    if (old != scale_ && !form_->isMaximized() && !form_->isFullScreen() && form_->isVisible()) {
        QSize size = form_->size() + (form_->centralWidget()->size() * (scale_ / old) - form_->centralWidget()->size());
        if (const QScreen* screen = form_->screen()) size = size.boundedTo(screen->availableGeometry().size());
        form_->resize(size);
    }
    form_->Form_Resize();
    QSettings s = settings();
    s.setValue(QStringLiteral("view/scale"), scale_);
}

void ViewScale::applyFonts() {
    const double s = scale_;
    QWidget* client = form_->centralWidget();
    QList<QWidget*> widgets = client->findChildren<QWidget*>();
    widgets << form_->menuBar() << form_->statusBar();
    for (QMenu* menu : form_->menuBar()->findChildren<QMenu*>()) widgets << menu;
    for (QWidget* w : widgets) {
        scaleFont(w, s);
        if (auto* canvas = qobject_cast<Canvas*>(w)) {
            if (!canvas->property(kBasePrint).isValid()) canvas->setProperty(kBasePrint, canvas->FontSize());
            canvas->setFontSize(canvas->property(kBasePrint).toDouble() * s);
        }
    }
    // The view switch's buttons sit at fixed places inside their frame.
    for (QRadioButton* option : {form_->controls().Option1, form_->controls().Option2, form_->controls().Option3}) {
        if (!option->property(kBaseGeometry).isValid()) option->setProperty(kBaseGeometry, QRectF(option->geometry()));
        option->setGeometry(scaled(option->property(kBaseGeometry).toRectF(), s));
    }
}

void ViewScale::layout() {
    QWidget* client = form_->centralWidget();
    Form1Controls& c = form_->c_;
    if (scale_ == 1.0) {
        applyLayout(computeLayout(client->width(), client->height()), c);
        return;
    }
    const LayoutGrid grid = computeLayout(client->width() / scale_, client->height() / scale_);
    applyLayout(grid, c);
    for (const auto& [name, rect] : grid.named())
        if (QWidget* w = client->findChild<QWidget*>(name)) w->setGeometry(scaled(rect, scale_));
}

}  // namespace velunta

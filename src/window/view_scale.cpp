#include "window/view_scale.h"

#include <QCoreApplication>
#include <QApplication>
#include <QEvent>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include "window/program_settings.h"
#include <QStatusBar>
#include <QWindow>
#include <QtMath>
#include <algorithm>
#include <climits>
#include <cmath>
#include <iterator>
#include <utility>

#include "window/form1.h"
#include "window/main_menu.h"
#include "window/status_line.h"
#include "ui/fit_text.h"
#include "ui/layout_grid.h"

namespace velunta {

namespace {

const char* const kBaseFont = "veluntaBaseFont";
const char* const kBasePrint = "veluntaBasePrintSize";
const char* const kBaseGeometry = "veluntaBaseGeometry";

// The client area every control of the 100 % layout needs.
constexpr QSize kDesignClient(800, 512);

// The application's font at 100 %: the dialogs and message boxes take it.
const QFont& appBaseFont() {
    static const QFont font = QApplication::font();
    return font;
}


QRect scaled(const QRectF& r, double s) {
    return QRect(qRound(r.left() * s), qRound(r.top() * s), std::max(0, qRound(r.width() * s)),
                 std::max(0, qRound(r.height() * s)));
}

// The widget's font at the scale, from the font it had at 100 %.
QFont scaledFont(QFont font, double s) {
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * s);
    else if (font.pixelSize() > 0)
        font.setPixelSize(qRound(font.pixelSize() * s));
    return font;
}

// The widget's font at the scale, from the font it had at 100 % (a caption's
// design size, not the size it was last shrunk to).
void scaleFont(QWidget* w, double s) {
    if (!w->property(kBaseFont).isValid()) {
        QFont base = w->font();
        if (const auto* label = qobject_cast<QLabel*>(w); label && designPointSize(*label) > 0)
            base.setPointSizeF(designPointSize(*label));
        w->setProperty(kBaseFont, base);
    }
    w->setFont(scaledFont(w->property(kBaseFont).value<QFont>(), s));
}

}  // namespace

ViewScale::ViewScale(Form1* form, const MainMenu& menu)
    : QObject(form), form_(form), menu_(menu.viewMenu), enlarge_(menu.enlarge), shrink_(menu.shrink),
      reset_(menu.resetScale) {
    baseMenuHeight_ = form->menuBar()->sizeHint().height();
    appBaseFont();
    // Shown at last, or moved to another screen: the step must still fit.
    form->installEventFilter(this);
}

ViewScale::~ViewScale() {
    if (scale_ != 1.0) QApplication::setFont(appBaseFont());
}

bool ViewScale::eventFilter(QObject* watched, QEvent* event) {
    if (watched == form_ && event->type() == QEvent::Show) {
        if (QWindow* window = form_->windowHandle())
            connect(window, &QWindow::screenChanged, this, &ViewScale::refit, Qt::UniqueConnection);
        if (restored_ > 0) {
            const double step = std::exchange(restored_, 0.0);
            setScale(step);
        }
        refit();
    }
    return QObject::eventFilter(watched, event);
}

void ViewScale::refit() {
    if (fittingStep(scale_) < scale_)
        setScale(scale_);
    else
        updateActions();
}

QSize ViewScale::freeClientArea(double step) const {
    const QScreen* screen = form_->screen();
    if (!screen) return QSize(INT_MAX, INT_MAX);
    // Title bar and borders stay as they are; the menu and status bars grow with the fonts.
    // The window system's margins, not frameGeometry() - size(): while a resize is on its way
    // the two sizes can belong to different moments.
    const QWindow* window = form_->windowHandle();
    const QMargins margins = window ? window->frameMargins() : QMargins();
    const QSize frame(margins.left() + margins.right(), margins.top() + margins.bottom());
    const int bars = qCeil((baseMenuHeight_ + kStatusBarHeight) * step);
    return screen->availableGeometry().size() - frame - QSize(0, bars);
}

double ViewScale::fittingStep(double scale) const {
    double best = kSteps[0];
    for (double step : kSteps) {
        if (step > scale + 1e-9) break;
        const QSize room = freeClientArea(step);
        if (room.width() >= qCeil(kDesignClient.width() * step) && room.height() >= qCeil(kDesignClient.height() * step))
            best = step;
    }
    return best;
}

void ViewScale::updateActions() {
    const auto next = std::upper_bound(std::begin(kSteps), std::end(kSteps), scale_ + 1e-9);
    enlarge_->setEnabled(next != std::end(kSteps) && fittingStep(*next) > scale_);
    shrink_->setEnabled(scale_ > kSteps[0]);
}

void ViewScale::enlarge() {
    const auto next = std::upper_bound(std::begin(kSteps), std::end(kSteps), scale_ + 1e-9);
    if (next != std::end(kSteps) && fittingStep(*next) > scale_) setScale(*next);
}

void ViewScale::shrink() {
    const auto below = std::lower_bound(std::begin(kSteps), std::end(kSteps), scale_ - 1e-9);
    if (below != std::begin(kSteps)) setScale(*std::prev(below));
}

void ViewScale::restore() {
    const double saved = programSettings().value(QStringLiteral("view/scale"), 1.0).toDouble();
    for (double step : kSteps)
        if (std::fabs(step - saved) < 1e-6 && step != scale_) {
            // A window not shown yet has no final bars nor frame to measure: it takes the step when shown.
            if (form_->isVisible())
                setScale(step);
            else
                restored_ = step;
        }
}

void ViewScale::setScale(double scale) {
    const double old = scale_;
    scale_ = fittingStep(std::clamp(scale, kSteps[0], kSteps[std::size(kSteps) - 1]));
    updateActions();
    menu_->setTitle(scale_ == 1.0 ? QCoreApplication::translate("ViewScale", "&Вид") : QCoreApplication::translate("ViewScale", "&Вид %1 %").arg(qRound(scale_ * 100)));
    applyFonts();
    form_->statusBar()->setFixedHeight(qRound(kStatusBarHeight * scale_));
    if (old != scale_ && !form_->isMaximized() && !form_->isFullScreen()) resizeWindow(old);
    emit scaleChanged();
    QSettings s = programSettings();
    s.setValue(QStringLiteral("view/scale"), scale_);
}

void ViewScale::resizeWindow(double old) {
    QWidget* client = form_->centralWidget();
    // Ctrl+0 gives back the size of 100 %; a size the user chose at another step counts as its own.
    if (old == 1.0)
        baseClient_ = client->size();
    else if (client->size() != shownClient_)
        baseClient_ = (QSizeF(client->size()) / old).toSize();
    const QSize want =
        scale_ == 1.0 ? baseClient_ : (QSizeF(baseClient_) * scale_).toSize().boundedTo(freeClientArea(scale_));
    // The bars take their new heights only when the layout runs: measure and correct.
    form_->resize(form_->size() + want - client->size());
    form_->QWidget::layout()->activate();
    form_->resize(form_->size() + want - client->size());
    shownClient_ = client->size();
    if (const QScreen* screen = form_->screen()) {
        const QRect free = screen->availableGeometry(), frame = form_->frameGeometry();
        QPoint topLeft = frame.topLeft();
        topLeft.rx() = std::max(free.left(), std::min(topLeft.x(), free.right() + 1 - frame.width()));
        topLeft.ry() = std::max(free.top(), std::min(topLeft.y(), free.bottom() + 1 - frame.height()));
        if (topLeft != frame.topLeft()) form_->move(topLeft);
    }
}

void ViewScale::applyFonts() {
    const double s = scale_;
    form_->controls().Picture15->setPictureScale(s);
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
    // After the window's own widgets took their fonts: the message boxes, the
    // input and file dialogs read in the same size as the window.
    QApplication::setFont(scaledFont(appBaseFont(), s));
}

void ViewScale::layout() {
    QWidget* client = form_->centralWidget();
    Form1Controls& c = form_->controls();
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

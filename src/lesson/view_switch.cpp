#include "lesson/view_switch.h"

#include <QScreen>
#include <QSettings>

#include "lesson/lesson_window.h"
#include "window/form1.h"

namespace velunta {

namespace {
QSettings settings() { return QSettings(QStringLiteral("Velunta"), QStringLiteral("velunta")); }
const QString kKey = QStringLiteral("view/lesson");
}  // namespace

ViewSwitch::ViewSwitch(Form1& form) : QObject(&form), form_(form) {
    connect(&form, &Form1::lessonViewRequested, this, &ViewSwitch::showLesson);
}

ViewSwitch::~ViewSwitch() = default;

bool ViewSwitch::lessonRemembered() { return settings().value(kKey, false).toBool(); }

void ViewSwitch::remember(bool lesson) {
    QSettings s = settings();
    s.setValue(kKey, lesson);
}

void ViewSwitch::start(bool lessonAsked) {
    if (lessonAsked || lessonRemembered())
        showLesson();
    else
        form_.show();
}

bool ViewSwitch::lessonShown() const { return lesson_ && lesson_->isVisible(); }

void ViewSwitch::showLesson() {
    if (!lesson_) {
        lesson_ = std::make_unique<LessonWindow>(form_);
        connect(lesson_.get(), &LessonWindow::classicViewRequested, this, &ViewSwitch::showClassic);
        // Most of the screen, as a projector shows it; never less than the smallest screen served.
        if (const QScreen* screen = form_.screen()) {
            const QRect free = screen->availableGeometry();
            lesson_->resize(QSize(free.width() * 9 / 10, free.height() * 9 / 10)
                                .expandedTo(LessonWindow::kSmallestScreen)
                                .boundedTo(free.size()));
            lesson_->move(free.topLeft() + QPoint(free.width() / 20, free.height() / 40));
        }
    }
    // The new view first: with no window shown for a moment the program would end.
    lesson_->show();
    lesson_->raise();
    lesson_->activateWindow();
    form_.hide();
    remember(true);
}

void ViewSwitch::showClassic() {
    form_.show();
    form_.raise();
    form_.activateWindow();
    if (lesson_) lesson_->hide();
    remember(false);
}

}  // namespace velunta

#include "lesson/view_switch.h"

#include <QScreen>
#include "window/program_settings.h"

#include <QAbstractButton>

#include "lesson/graph_panel.h"
#include "lesson/lesson_window.h"
#include "lesson/playback.h"
#include "window/form1.h"

namespace velunta {

namespace {
const QString kKey = QStringLiteral("view/lesson");
}  // namespace

ViewSwitch::ViewSwitch(Form1& form) : QObject(&form), form_(form) {
    connect(&form, &Form1::lessonViewRequested, this, &ViewSwitch::showLesson);
    fileView_.lessonScale = programSettings().value(QStringLiteral("lesson/textScale"), 1.0).toDouble();
    form.setLessonViewHooks({[this](LessonView& v) { saveView(v); }, [this](const LessonView& v) { showView(v); }});
}

void ViewSwitch::saveView(LessonView& view) const {
    view.lessonView = lessonShown();
    if (!lesson_) {
        view.lessonScale = fileView_.lessonScale, view.lessonGraphs = fileView_.lessonGraphs;
        view.lessonSpeed = fileView_.lessonSpeed;
        return;
    }
    view.lessonScale = lesson_->textScale();
    for (int g = 0; g < 3; ++g) view.lessonGraphs[std::size_t(g)] = lesson_->graphs()->choice(GraphPanel::Graph(g))->isChecked();
    view.lessonSpeed = lesson_->playback()->speed();
}

void ViewSwitch::showView(const LessonView& view) {
    fileView_ = view;
    if (lesson_) applyView();
    if (view.lessonView)
        showLesson();
    else if (lessonShown())
        showClassic();
}

void ViewSwitch::applyView() {
    lesson_->setTextScale(fileView_.lessonScale);
    // The graphs to show first: the last one shown cannot be hidden.
    for (bool shown : {true, false})
        for (int g = 0; g < 3; ++g)
            if (fileView_.lessonGraphs[std::size_t(g)] == shown)
                lesson_->graphs()->choice(GraphPanel::Graph(g))->setChecked(shown);
    lesson_->playback()->setSpeed(fileView_.lessonSpeed);
}

ViewSwitch::~ViewSwitch() = default;

bool ViewSwitch::lessonRemembered() { return programSettings().value(kKey, false).toBool(); }

void ViewSwitch::remember(bool lesson) {
    QSettings s = programSettings();
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
        applyView();
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

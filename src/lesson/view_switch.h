#pragma once
// Which of the two views of the one program is shown: the classic window or
// the lesson view, switched with Ctrl+L from either and remembered between
// starts. The lesson view is made the first time it is asked for, so a
// program that never shows it runs the classic window alone.

#include <QObject>
#include <memory>

#include "export/lesson_file.h"

namespace velunta {

class Form1;
class LessonWindow;

class ViewSwitch : public QObject {
    Q_OBJECT
public:
    explicit ViewSwitch(Form1& form);
    ~ViewSwitch() override;

    // Shows the view to start in: the lesson view when asked for (the command
    // line) or when the last start ended in it, else the classic window.
    void start(bool lessonAsked);
    void showLesson();
    void showClassic();
    bool lessonShown() const;
    // The lesson view once made.
    LessonWindow* lesson() const { return lesson_.get(); }
    // The view remembered from the last switch.
    static bool lessonRemembered();

private:
    void remember(bool lesson);
    // A lesson file's part of this view: written from it, or shown as the file says
    // (kept for a view not yet made).
    void saveView(LessonView& view) const;
    void showView(const LessonView& view);
    void applyView();
    LessonView fileView_;

    Form1& form_;
    std::unique_ptr<LessonWindow> lesson_;
};

}  // namespace velunta

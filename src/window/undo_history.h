#pragma once
// Undo and redo of the lesson's content: every finished edit, chosen preset,
// kept set, opened data and applied fit is one step. A step keeps the whole state
// before and after it (seven numbers, the kept sets' inputs, the measured points
// shared between the steps that did not change them, the last fit), so that
// undoing puts the fields back exactly and recomputes once, however the change
// was made.

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "export/lesson_file.h"

class QAction;

namespace velunta {

// What an undo step restores.
struct LessonState {
    InputValues inputs;
    std::vector<KeptInputs> kept;
    // Null without points. Up to 100,000 points: held once, however many steps keep them.
    std::shared_ptr<const MeasuredData> measured;
    std::optional<LessonFit> fit;
    bool operator==(const LessonState& o) const {
        return inputs == o.inputs && kept == o.kept && fit == o.fit &&
               (measured == o.measured || (measured && o.measured && *measured == *o.measured));
    }
};

class UndoHistory : public QObject {
    Q_OBJECT
public:
    using Capture = std::function<LessonState()>;
    using Restore = std::function<void(const LessonState&)>;
    // The actions get their texts ("Отменить: h = 10") and enabled states from here.
    UndoHistory(Capture capture, Restore restore, QAction* undo, QAction* redo, QObject* parent);
    // A stack with unsaved steps says "clean" as it dies; by then the window it would
    // tell is half destroyed, so nothing is passed on.
    ~UndoHistory() override { disconnect(&stack_, nullptr, this, nullptr); }

    // A change is finished: one step when the state differs from the last one
    // recorded, named `name` or, without one, by what changed.
    void settle(const QString& name = {});
    // A new starting point (start-up, a lesson opened): no steps before it.
    void reset();
    // The state saved in a file is the clean one; changes after it are unsaved.
    void markSaved() { stack_.setClean(); }
    bool isClean() const { return stack_.isClean(); }
    const QUndoStack& stack() const { return stack_; }
    void undo() { stack_.undo(); }
    void redo() { stack_.redo(); }

    // The name of the step from `before` to `after` when the caller gave none.
    static QString nameOf(const LessonState& before, const LessonState& after);

signals:
    // Undone, redone, a new step or a save: the title's mark may change.
    void cleanChanged(bool clean);

private:
    class Step;
    void restore(const LessonState& state);

    Capture capture_;
    Restore restore_;
    QUndoStack stack_;
    LessonState last_;
    bool restoring_ = false;
};

}  // namespace velunta

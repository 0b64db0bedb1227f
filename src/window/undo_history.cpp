#include "window/undo_history.h"

#include <QCoreApplication>
#include <QAction>
#include <QUndoCommand>

#include "model/format.h"
#include "model/input_checks.h"

namespace velunta {

namespace {

// The quantity as the panel names it beside its field.
QString symbolOf(InputField field) {
    switch (field) {
    case InputField::h: return QStringLiteral("h");
    case InputField::V0y: return QStringLiteral("V0y");
    case InputField::d: return QStringLiteral("d");
    case InputField::massa: return QStringLiteral("m");
    case InputField::r0: return QCoreApplication::translate("UndoHistory", "ρо");
    case InputField::eta: return QStringLiteral("η");
    case InputField::c: return QStringLiteral("c");
    }
    return {};
}

}  // namespace

class UndoHistory::Step : public QUndoCommand {
public:
    Step(UndoHistory& history, LessonState before, LessonState after, const QString& name)
        : QUndoCommand(name), history_(history), before_(std::move(before)), after_(std::move(after)) {}

    void undo() override { history_.restore(before_); }
    void redo() override {
        // The first redo is the push itself: the change has already been made.
        if (done_) history_.restore(after_);
        done_ = true;
    }

private:
    UndoHistory& history_;
    LessonState before_, after_;
    bool done_ = false;
};

UndoHistory::UndoHistory(Capture capture, Restore restore, QAction* undo, QAction* redo, QObject* parent)
    : QObject(parent), capture_(std::move(capture)), restore_(std::move(restore)) {
    // A lesson's changes are small; a hundred steps back is more than a lesson needs.
    stack_.setUndoLimit(100);
    last_ = capture_();
    undo->setEnabled(false);
    redo->setEnabled(false);
    connect(undo, &QAction::triggered, this, &UndoHistory::undo);
    connect(redo, &QAction::triggered, this, &UndoHistory::redo);
    connect(&stack_, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(&stack_, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    connect(&stack_, &QUndoStack::undoTextChanged, undo, [undo](const QString& text) {
        undo->setText(text.isEmpty() ? QCoreApplication::translate("UndoHistory", "Отменить") : QCoreApplication::translate("UndoHistory", "Отменить: %1").arg(text));
    });
    connect(&stack_, &QUndoStack::redoTextChanged, redo, [redo](const QString& text) {
        redo->setText(text.isEmpty() ? QCoreApplication::translate("UndoHistory", "Повторить") : QCoreApplication::translate("UndoHistory", "Повторить: %1").arg(text));
    });
    connect(&stack_, &QUndoStack::cleanChanged, this, &UndoHistory::cleanChanged);
}

void UndoHistory::settle(const QString& name) {
    if (restoring_) return;
    LessonState now = capture_();
    if (now == last_) return;
    const QString text = name.isEmpty() ? nameOf(last_, now) : name;
    LessonState before = std::exchange(last_, now);
    stack_.push(new Step(*this, std::move(before), std::move(now), text));
}

void UndoHistory::reset() {
    stack_.clear();
    last_ = capture_();
}

void UndoHistory::restore(const LessonState& state) {
    restoring_ = true;
    restore_(state);
    restoring_ = false;
    last_ = capture_();
}

QString UndoHistory::nameOf(const LessonState& before, const LessonState& after) {
    Model b, a;
    b.set_inputs(before.inputs);
    a.set_inputs(after.inputs);
    const FieldInfo* changed = nullptr;
    int count = 0;
    for (int i = 0; i < inputFieldCount; ++i)
        if (inputValue(b, inputFields()[i].field) != inputValue(a, inputFields()[i].field)) {
            changed = &inputFields()[i];
            ++count;
        }
    if (count == 1)
        return QStringLiteral("%1 = %2").arg(symbolOf(changed->field),
                                             QString::fromStdString(point(Format(inputValue(a, changed->field), changed->pattern))));
    if (count > 1) return QCoreApplication::translate("UndoHistory", "ввод величин");
    if (after.kept != before.kept)
        return after.kept.empty() ? QCoreApplication::translate("UndoHistory", "забыть запомненные") : QCoreApplication::translate("UndoHistory", "запомнить кривые");
    if (!(after.measured == before.measured || (after.measured && before.measured && *after.measured == *before.measured)))
        return tr("данные опыта");
    if (after.fit != before.fit) return tr("подбор по данным");
    return QCoreApplication::translate("UndoHistory", "изменение урока");
}

}  // namespace velunta

// The seven input fields. A number the field accepts is taken on the keystroke
// that completes it; anything else (a lone "-", "0.0" on the way to 0.05, a
// refused value) waits, marked as pending, until the user finishes the edit with
// Enter, by leaving the field, or by a command. Only then are the field's
// messages shown and the field written in its pattern. The text is never
// rewritten while the user types, so the caret stays where it is.

#include <QCoreApplication>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <cmath>

#include "window/form1.h"
#include "model/format.h"

namespace velunta {

namespace {

QString pendingHint() {
    return QCoreApplication::translate("Form1", "Число ещё не принято. Enter — применить, Esc — вернуть прежнее значение.");
}

}  // namespace

// Enter, Esc and leaving a field. A field left by a mouse press is finished once
// the button is released: a message box during the press would swallow the click.
class InputFieldWatcher : public QObject {
public:
    explicit InputFieldWatcher(Form1& form) : QObject(&form), form_(form) {
        setObjectName(QStringLiteral("inputFieldWatcher"));
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease && waitingForRelease_) {
            waitingForRelease_ = false;
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, &form_, [form = &form_] { form->finishPendingEdits(); });
            return false;
        }
        const std::optional<InputField> field = fieldOf(watched);
        if (!field) return false;
        // Ctrl+Z in a field undoes the window's last step, not the field's typing:
        // the field does not claim the key, so the shortcut reaches "Правка".
        if (event->type() == QEvent::ShortcutOverride) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
                key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y))
                return true;
        }
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                form_.finishEdit(*field);
                return true;
            }
            if (key == Qt::Key_Escape && form_.edits_[int(*field)].open) {
                form_.cancelEdit(*field);
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            // Another window or a menu in front: the user has not left the field.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
            if (QGuiApplication::mouseButtons() == Qt::NoButton) {
                form_.finishEdit(*field);
            } else if (!waitingForRelease_) {
                waitingForRelease_ = true;
                qApp->installEventFilter(this);
            }
        }
        return false;
    }

private:
    std::optional<InputField> fieldOf(QObject* watched) const {
        for (int i = 0; i < inputFieldCount; ++i)
            if (watched == form_.textBox(inputFields()[i].field)) return inputFields()[i].field;
        return std::nullopt;
    }

    Form1& form_;
    bool waitingForRelease_ = false;
};

QLineEdit* Form1::textBox(InputField field) const {
    switch (field) {
    case InputField::h: return c_.Text1;
    case InputField::V0y: return c_.Text2;
    case InputField::d: return c_.Text4;
    case InputField::massa: return c_.Text5;
    case InputField::r0: return c_.Text6;
    case InputField::eta: return c_.Text7;
    case InputField::c: return c_.Text3;
    }
    return nullptr;
}

void Form1::connectInputFields() {
    connect(c_.Text1, &QLineEdit::textChanged, this, &Form1::Text1_Change);
    connect(c_.Text2, &QLineEdit::textChanged, this, &Form1::Text2_Change);
    connect(c_.Text4, &QLineEdit::textChanged, this, &Form1::Text4_Change);
    connect(c_.Text5, &QLineEdit::textChanged, this, &Form1::Text5_Change);
    connect(c_.Text6, &QLineEdit::textChanged, this, &Form1::Text6_Change);
    connect(c_.Text7, &QLineEdit::textChanged, this, &Form1::Text7_Change);
    connect(c_.Text3, &QLineEdit::textChanged, this, &Form1::Text3_Change);
    auto* watcher = new InputFieldWatcher(*this);
    for (int i = 0; i < inputFieldCount; ++i) {
        QLineEdit* box = textBox(inputFields()[i].field);
        edits_[i].toolTip = box->toolTip();
        edits_[i].palette = box->palette();
        box->installEventFilter(watcher);
    }
}

// Every command of the menus finishes the edits first; these connections come
// before the commands' own, so they run first.
void Form1::signal(double k) { services_.tone->Beep(880, int(std::lround(12 * k))); }

// A change of a field's text: typed, pasted, or written by someone else.
void Form1::inputChanged(InputField field) {
    if (writingField_) return;
    edits_[int(field)].open = true;
    // The start-up values are the program's own: finished as soon as written.
    if (zagruzka_.value_or(0) != 1) {
        finishEdit(field);
        return;
    }
    const std::optional<double> value = acceptWhileTyping(m_, field, textBox(field)->text().toStdString());
    setPending(field, !value);
    if (value) {
        setInput(field, *value);
        recomputeForNewInputs();
    }
}

void Form1::finishEdit(InputField field) {
    FieldEdit& edit = edits_[int(field)];
    if (!edit.open) return;
    edit.open = false;  // the box below lets other events in; this edit is over
    const double before = inputValue(m_, field);
    const FinishedEdit done = velunta::finishEdit(m_, field, textBox(field)->text().toStdString(), edit.value);
    if (done.refusal) {
        if (fieldInfo(field).beeps) signal(25);
        services_.dialogs->MsgBox(shownModelText(done.refusal->message), vbOKOnly, tr("Ошибка"));
    }
    setInput(field, done.value);
    writeField(field);
    if (done.value != before) recomputeForNewInputs();
    settleChange();
}

void Form1::cancelEdit(InputField field) {
    FieldEdit& edit = edits_[int(field)];
    const double before = inputValue(m_, field);
    setInput(field, edit.value);
    writeField(field);
    if (edit.value != before) recomputeForNewInputs();
    settleChange();
}

void Form1::finishPendingEdits() {
    for (InputField field : kTabOrder) finishEdit(field);
}

std::vector<FieldRefusal> Form1::applyInputs(const std::vector<InputSetting>& settings) {
    finishPendingEdits();
    std::vector<FieldRefusal> refusals = velunta::applyInputs(m_, settings);
    for (InputField field : kTabOrder) {
        setInput(field, inputValue(m_, field));
        writeField(field);
    }
    recomputeForNewInputs();
    return refusals;
}

void Form1::setInput(InputField field, double value) {
    inputValue(m_, field) = value;
    // The times to the top and the heights reached mean nothing for a release or a throw down.
    if (field == InputField::V0y)
        for (QLabel* label : {c_.Label16, c_.Label24, c_.Label29, c_.Label19, c_.Label25, c_.Label30})
            label->setVisible(m_.V0y > 0);
}

// The field shows its quantity in its pattern; the edit, if any, is over.
void Form1::writeField(InputField field) {
    FieldEdit& edit = edits_[int(field)];
    edit.value = inputValue(m_, field);
    edit.text = QString::fromStdString(point(Format(edit.value, fieldInfo(field).pattern)));
    edit.open = false;
    writingField_ = true;
    if (textBox(field)->text() != edit.text) textBox(field)->setText(edit.text);
    writingField_ = false;
    setPending(field, false);
}

void Form1::setPending(InputField field, bool pending) {
    FieldEdit& edit = edits_[int(field)];
    if (edit.pending == pending) return;
    edit.pending = pending;
    QLineEdit* box = textBox(field);
    QPalette palette = edit.palette;
    if (pending) {
        palette.setColor(QPalette::Text, QColor(0x80, 0x80, 0x80));
        const QColor base = palette.color(QPalette::Base);  // halfway to white
        palette.setColor(QPalette::Base, QColor((base.red() + 255) / 2, (base.green() + 255) / 2, (base.blue() + 255) / 2));
    }
    box->setPalette(palette);
    box->setToolTip(pending ? pendingHint() : edit.toolTip);
}

}  // namespace velunta

// The seven input fields. Whatever stands in a field is the value the model
// uses: every change is read, checked, written back in the field's pattern and
// followed by a recompute.

#include <cmath>

#include "app/form1.h"
#include "model/format.h"
#include "model/input_limits.h"
#include "model/number_reader.h"

namespace velunta {

namespace {

// Where the caret goes after a rewrite: it keeps its distance from the decimal
// point, or from the end of the text where the text has no point yet (so a
// number typed digit by digit into a selected field grows in front of ".000").
int caretAfterRewrite(const QString& before, int caret, const QString& after) {
    const int anchorBefore = before.contains('.') ? int(before.indexOf('.')) : int(before.size());
    const int anchorAfter = after.contains('.') ? int(after.indexOf('.')) : int(after.size());
    return std::clamp(anchorAfter + (caret - anchorBefore), 0, int(after.size()));
}

}  // namespace

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
}

void Form1::signal(double k) { services_.tone->Beep(880, int(std::lround(12 * k))); }

void Form1::inputChanged(InputField field) {
    const FieldInfo& info = fieldInfo(field);
    QLineEdit* box = textBox(field);
    double& value = inputValue(m_, field);

    // 1. The leading number of the text.
    const NumberReading reading = ReadNumber(box->text().toStdString());
    value = reading.value;

    // The initial velocity has no test; its sign decides whether the ascent labels mean anything.
    if (field == InputField::V0y) {
        const bool ascent = m_.V0y > 0;
        for (QLabel* label : {c_.Label16, c_.Label24, c_.Label29, c_.Label19, c_.Label25, c_.Label30})
            label->setVisible(ascent);
    }

    // 2. The field's tests; the first that holds refuses the value. Numbers
    // beyond what the model is built for come first: they would overflow it.
    std::optional<Refusal> refusal;
    if (reading.overflow)
        refusal = Refusal{kNumberTooLarge, accepted_[int(field)]};
    else if (auto tooLarge = limitExceeded(field, value))
        refusal = Refusal{*tooLarge, accepted_[int(field)]};
    else
        refusal = checkInput(m_, field);
    if (refusal) {
        if (info.beeps) signal(25);
        services_.dialogs->MsgBox(QString::fromStdString(refusal->message), vbOKOnly, "Ошибка");
        value = refusal->replacement;
    }

    // 3. The field shows the value in its pattern. A different text is a change
    // again: the handler runs once more, nested, on the rounded number.
    const QString formatted = QString::fromStdString(point(Format(value, info.pattern)));
    if (box->text() != formatted) {
        const QString before = box->text();
        const int caret = box->cursorPosition();
        box->setText(formatted);
        box->setCursorPosition(caretAfterRewrite(before, caret, box->text()));
    } else if (!refusal) {
        accepted_[int(field)] = value;
    }

    // 4. Recompute.
    recomputeForNewInputs();
}

}  // namespace velunta

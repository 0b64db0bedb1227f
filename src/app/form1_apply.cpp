// Several inputs at once, as finished edits: the way the menus of balls and
// media set the fields. One recompute at the end, no box.

#include "app/form1.h"
#include "model/format.h"
#include "model/input_limits.h"
#include "model/number_reader.h"

namespace velunta {

bool Form1::applyInputs(const std::vector<std::pair<InputField, double>>& values) {
    // Each value as its field will show it, so that the model uses what stands there.
    std::vector<std::pair<InputField, QString>> texts;
    Model candidate = m_;
    for (const auto& [field, value] : values) {
        const QString text = QString::fromStdString(point(Format(value, fieldInfo(field).pattern)));
        inputValue(candidate, field) = ReadNumber(text.toStdString()).value;
        texts.emplace_back(field, text);
    }
    // The fields' checks on the whole combination, in the order of the panel.
    candidate.r = (candidate.massa * 6 / 3.14159265) / (candidate.d * candidate.d * candidate.d);
    for (int i = 0; i < inputFieldCount; ++i) {
        const InputField field = inputFields()[i].field;
        if (limitExceeded(field, inputValue(candidate, field)) || checkInput(candidate, field)) return false;
    }

    for (const auto& [field, text] : texts) {
        QLineEdit* box = textBox(field);
        const QSignalBlocker quiet(box);
        box->setText(text);
        inputValue(m_, field) = inputValue(candidate, field);
        accepted_[int(field)] = inputValue(candidate, field);
    }
    const bool ascent = m_.V0y > 0;
    for (QLabel* label : {c_.Label16, c_.Label24, c_.Label29, c_.Label19, c_.Label25, c_.Label30})
        label->setVisible(ascent);
    Form_Resize();
    return true;
}

}  // namespace velunta

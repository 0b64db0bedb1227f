#pragma once
// The lesson's inputs: for each of the seven a name, a field and its unit, and a
// slider over a range that suits a lesson (on a log scale where the range spans
// decades); above them the ball and medium menus and the kept curves as buttons.
//
// The fields are the classic window's own, mirrored: every keystroke goes into
// the classic field, so the one acceptance path of the window takes it (typing
// rules, pending marks, Enter, Esc, leaving the field, the boxes), and whatever
// the classic field then shows, this one shows too.

#include <QWidget>
#include <array>

#include "model/input_checks.h"

class QLineEdit;
class QSlider;
class QToolButton;

namespace velunta {

class Form1;

class InputPanel : public QWidget {
    Q_OBJECT
public:
    explicit InputPanel(Form1& form, QWidget* parent = nullptr);

    QLineEdit* field(InputField f) const { return fields_[int(f)].edit; }
    QSlider* slider(InputField f) const { return fields_[int(f)].slider; }
    // The slider's place for a value and the value at a place (rounded to three digits).
    static int sliderPosition(InputField f, double value);
    static double sliderValue(InputField f, int position);
    static constexpr int kSliderSteps = 1000;

    // The sliders and the fields' marks after the model changed.
    void refresh();
    // The controls in the order Tab visits them.
    QList<QWidget*> tabChain() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Row {
        InputField field;
        QLineEdit* edit = nullptr;
        QLineEdit* classic = nullptr;
        QSlider* slider = nullptr;
        QString toolTip;
    };
    void typed(Row& row, const QString& text);
    void slid(Row& row, int position);
    void showClassic(Row& row);
    Row* rowOf(QObject* watched);

    Form1& form_;
    std::array<Row, inputFieldCount> fields_;
    QList<QToolButton*> buttons_;
    bool syncing_ = false;
};

}  // namespace velunta

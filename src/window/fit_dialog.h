#pragma once
// "Подобрать по данным": which of c and eta (and a time shift t0) to find from
// the measured points, the values found with their standard errors, the final
// rms and the residuals of each point drawn against time; "Применить" puts the
// values into the fields. A fit that fails says why and offers nothing to apply.

#include <QDialog>

#include "model/drag_fit.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace velunta {

class Canvas;
class ExperimentMenu;

class FitDialog : public QDialog {
    Q_OBJECT
public:
    FitDialog(ExperimentMenu& experiment, QWidget* parent);
    FitChoice choice() const;
    const DragFit& result() const { return fit_; }
    // Runs the fit for the choice and shows it.
    void runFit();

private:
    void showResult();
    void drawResiduals();

    ExperimentMenu& experiment_;
    QRadioButton *c_ = nullptr, *eta_ = nullptr, *both_ = nullptr;
    QCheckBox* t0_ = nullptr;
    QLabel* text_ = nullptr;
    Canvas* residuals_ = nullptr;
    QPushButton* apply_ = nullptr;
    DragFit fit_;
};

// The result in words: each value with its standard error, the rms, or why it failed.
QString fitResultText(const DragFit& fit);

}  // namespace velunta

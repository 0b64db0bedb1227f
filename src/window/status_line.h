#pragma once
// The status bar under the client area: the flow regime of the current inputs
// (Reynolds numbers, which drag law dominates, which column to trust), and,
// while the mouse is over a picture, the values read off it with a thin
// vertical line at the mouse's time.

#include <QObject>
#include <QPoint>
#include <QStringList>

#include "model/measured_data.h"
#include "model/model.h"

class QLabel;
class QStatusBar;
class QWidget;

namespace velunta {

class Canvas;
struct Form1Controls;

// The status bar's height at 100 %; it grows with the projector view.
constexpr int kStatusBarHeight = 22;

class StatusLine : public QObject {
    Q_OBJECT
public:
    // In the window's status bar, for the model and the pictures of the window.
    StatusLine(QStatusBar* bar, const Model& model, const Form1Controls& controls, QObject* parent);

    QLabel* regimeLabel() const { return regime_; }
    // What the status bar shows for the mouse at a pixel of a picture (empty: nothing).
    QString readout(const Canvas* picture, QPointF pixel) const;
    QWidget* marker() const { return marker_; }
    // The flow regime of the model's current inputs (after every recompute).
    void showRegime();
    // The measured fall's verdict beside the regime (hidden when empty); its points
    // are named in the graphs' readout.
    void showExperiment(const QString& text, const MeasuredData* data);
    QLabel* experimentLabel() const { return experiment_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitRegime();
    void clearReadout();
    static QString wrappedTip(const QStringList& paragraphs);

    const Model& model_;
    const Form1Controls& c_;
    QStatusBar* bar_ = nullptr;
    QLabel* regime_ = nullptr;
    QStringList regimeForms_;  // the whole verdict, then shorter forms of it
    QString explanation_;      // what Re means
    QWidget* marker_ = nullptr;
    QLabel* experiment_ = nullptr;
    const MeasuredData* data_ = nullptr;  // the vertical line over the graph under the mouse
};

}  // namespace velunta

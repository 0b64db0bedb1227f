#pragma once
// The status bar under the client area: the flow regime of the current inputs
// (Reynolds numbers, which drag law dominates, which column to trust), and,
// while the mouse is over a picture, the values read off it with a thin
// vertical line at the mouse's time.

#include <QObject>
#include <QPoint>
#include <QStringList>

class QLabel;
class QStatusBar;
class QWidget;

namespace velunta {

class Canvas;
class Form1;

// The status bar's height at 100 %; it grows with the projector view.
constexpr int kStatusBarHeight = 22;

class StatusLine : public QObject {
    Q_OBJECT
public:
    explicit StatusLine(Form1* form);

    QLabel* regimeLabel() const { return regime_; }
    // What the status bar shows for the mouse at a pixel of a picture (empty: nothing).
    QString readout(const Canvas* picture, QPointF pixel) const;
    QWidget* marker() const { return marker_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showRegime();
    void fitRegime();
    void clearReadout();
    static QString wrappedTip(const QStringList& paragraphs);

    Form1* form_;
    QStatusBar* bar_ = nullptr;
    QLabel* regime_ = nullptr;
    QStringList regimeForms_;  // the whole verdict, then shorter forms of it
    QString explanation_;      // what Re means
    QWidget* marker_ = nullptr;  // the vertical line over the graph under the mouse
};

}  // namespace velunta

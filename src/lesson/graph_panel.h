#pragma once
// The lesson's graphs: Y(t) and Vy(t) drawn by the same plot code as the
// classic window (curves, kept sets, legend), and a(t), the acceleration from
// the equations of motion, as a third choice. The graphs shown stand one above
// the other or side by side, whichever suits the panel's shape.

#include <QWidget>
#include <array>

#include "plot/measured_marks.h"

class QAbstractButton;
class QBoxLayout;
class QLabel;

namespace velunta {

class Form1;
class DrawingSurface;
class LessonGraph;
class Model;
class Shape;

class GraphPanel : public QWidget {
    Q_OBJECT
public:
    enum Graph { coordinate, velocity, acceleration };

    GraphPanel(Form1& form, QWidget* parent = nullptr);
    ~GraphPanel() override;

    // Draws every graph again from the window's model and kept sets.
    void redraw();
    void setTextScale(double scale);
    void setTime(double t);

    LessonGraph* graph(Graph g) const { return graphs_[g]; }
    QAbstractButton* choice(Graph g) const { return choices_[g]; }
    bool sideBySide() const;
    QList<QWidget*> tabChain() const;
    // The measured point nearest in time to t ("опыт, точка 3: …"), empty without points.
    QString pointText(double t) const;
    QLabel* pointLabel() const { return pointLabel_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void arrange();
    void shownChanged(Graph g, bool on);

    Form1& form_;
    std::array<LessonGraph*, 3> graphs_{};
    std::array<QAbstractButton*, 3> choices_{};
    QWidget* area_ = nullptr;
    QBoxLayout* areaLayout_ = nullptr;
    double textScale_ = 1;
    double time_ = 0;
    bool drawing_ = false;
    MeasuredMarks marks_;  // the points as the graphs show them
    QLabel* pointLabel_ = nullptr;
    // The trajectory picture and ball the plot code also takes; this view draws its own scene.
    std::unique_ptr<DrawingSurface> unusedTrajectory_;
    Shape* unusedBall_ = nullptr;
};

// The acceleration of the three models from the launch to the last landing on the
// time range of the other graphs (a model on which the graphs' ranges are set).
void drawAcceleration(const Model& m, DrawingSurface& graph);

}  // namespace velunta

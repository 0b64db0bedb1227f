#pragma once
// The three models racing: a column per model on one height scale, each ball
// at its closed-form height at the shared time, the forces on it as arrows to
// one scale, the launch height and each model's top marked, and a line per
// model with the forces' values. Everything is measured from the size it is
// drawn at, so the widget, an exported picture and a printed page agree.

#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

#include "model/forces.h"
#include "model/trajectory.h"

class QPainter;

namespace velunta {

struct KeptCurves;

// The end of the race: the last of the three landings, s.
double lastLanding(const Model& m);

class RaceScene : public QWidget {
    Q_OBJECT
public:
    enum class ForceKind { gravity, buoyancy, linearDrag, quadraticDrag, net };

    // An arrow as drawn: from the ball's centre, up or down, its length
    // proportional to the force.
    struct Arrow {
        DragModel model;
        ForceKind kind;
        double force;   // N, up positive
        double length;  // px, signed as the force
        QPointF tail;   // widget pixels
    };

    explicit RaceScene(QWidget* parent = nullptr);

    // A computed model (parametr, raschet1 and raschet2 done), not owned; null
    // shows an empty scale. Called again after every recompute: the height and
    // force scales are taken from the whole flight here.
    void setModel(const Model* m);
    void setTime(double t);
    double time() const { return time_; }
    // Kept sets, each ball drawn as an outline in its model's column (null: none).
    void setKept(const KeptCurves* kept);
    // The projector's text size: fonts and line widths grow with it (1 is 100 %).
    void setTextScale(double s);
    double textScale() const { return textScale_; }
    void setShowNetForce(bool show);
    bool showNetForce() const { return showNet_; }

    // The scene drawn into any area of any painter: the widget, a picture, a page.
    void renderTo(QPainter& p, const QRectF& area) const;

    // Where the widget draws a ball: its lowest point at the model's height,
    // so a landed ball rests on the ground.
    QRectF ballRect(DragModel model) const;
    double ballCentreY(DragModel model) const { return ballRect(model).center().y(); }
    // The height scale in widget pixels: the ground's row and pixels per metre.
    double groundY() const;
    double pixelsPerMetre() const;
    // The arrows at the current time in widget pixels (zero forces included).
    std::vector<Arrow> arrows() const;
    // Newtons to pixels: from the largest force of the flight, so that every arrow fits.
    double pixelsPerNewton() const;

    // The forces at the current time, a line per model ("Л: mg = 0,04008 Н ↓, …").
    QStringList forcesLines() const;
    QString forcesLine() const { return forcesLines().join(QStringLiteral("; ")); }

    QSize sizeHint() const override { return {640, 480}; }
    QSize minimumSizeHint() const override { return {240, 200}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Geometry;
    Geometry geometry(const QRectF& area) const;
    QRectF ballIn(const Geometry& g, DragModel model) const;
    QRectF keptBallIn(const Geometry& g, std::size_t set, DragModel model) const;
    std::vector<Arrow> arrowsIn(const Geometry& g) const;
    void recomputeRange();

    const Model* model_ = nullptr;
    const KeptCurves* kept_ = nullptr;
    double time_ = 0;
    double textScale_ = 1;
    bool showNet_ = false;
    // Set by recomputeRange when the model or the kept sets change.
    double heightTop_ = 1;      // the highest point any ball reaches, m
    double largestForce_ = 0;   // the largest force of the flight, N
    // Samples of the flight: a ball's height and its largest force up and down.
    struct Reach {
        double Y, up, down;
    };
    std::vector<Reach> reach_;
};

}  // namespace velunta

#pragma once
// The forces on the ball in each model at an instant, in newtons, up positive,
// from the models' own equations of motion:
//   m dVy/dt = -m g + ρo V g - m Vy / tau - m Vy |Vy| / R2,
// where m / tau = 3 π η d (Stokes) and m / R2 = c ρo π d² / 8 (c ρo S / 2).
// The vacuum model has gravity alone; the linear model no quadratic drag.

#include "model/model.h"
#include "model/trajectory.h"

namespace velunta {

struct Forces {
    double gravity = 0;        // -m g
    double buoyancy = 0;       // ρo V g (the Archimedes force)
    double linearDrag = 0;     // -m Vy / tau
    double quadraticDrag = 0;  // -m Vy |Vy| / R2
    double net() const { return gravity + buoyancy + linearDrag + quadraticDrag; }
};

// The forces of a model on a ball moving at Vy (a model on which parametr has run).
Forces forcesAt(const Model& m, DragModel model, double Vy);

// The forces at time t of the flight, the velocity from the closed forms; once
// the ball has landed the ground holds it and no force is shown.
Forces forcesAtTime(const Model& m, DragModel model, double t);

// The acceleration dVy/dt of a model at time t, m/s² (0 once landed).
double accelerationAt(const Model& m, DragModel model, double t);

}  // namespace velunta

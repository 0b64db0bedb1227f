#pragma once
// The model state of the main window: every named quantity of the ball, the
// medium, the three models of the motion and the work state of the computations,
// in SI units with the vertical axis up and the ground at 0.
//
// The procedures keep the names the physics teachers know them by (parametr,
// raschet1, ...) and read and write the quantities directly. Where a quantity is
// single precision (float) its rounding is part of the results shown.
// docs/glossary.md explains every such name: meaning, unit and where it is shown.

#include <cstdint>
#include <string>

#include "model/clean_vector_state.h"

namespace velunta {

// The seven inputs, with the values the program starts with: a 1 cm steel
// ball thrown up at 3 m/s from 2 m in water.
struct InputValues {
    double h = 2, V0y = 3, d = 0.01, massa = 0.004084, r0 = 1000, eta = 0.001004, c = 0.47;
    bool operator==(const InputValues&) const = default;
};

class Model {
public:
    // ---- Inputs (one input field each) -----------------------------------
    double h = 0;      // initial height, m
    double V0y = 0;    // initial vertical velocity, m/s, up is positive
    double d = 0;      // ball diameter, m
    double massa = 0;  // ball mass, kg
    double r0 = 0;     // medium density, kg/m3
    double eta = 0;    // medium dynamic viscosity, Pa*s
    double c = 0;      // drag coefficient of the quadratic resistance

    double r = 0;      // ball density, kg/m3

    // ---- Vacuum model -----------------------------------------------------
    double Tp0 = 0, Ymax0 = 0, Tmax0 = 0;
    float Vymax0 = 0;

    // ---- Linear resistance ------------------------------------------------
    double tau = 0;    // relaxation time, s
    double Vp = 0;     // terminal speed with buoyancy, m/s
    double Tp1 = 0, Ymax1 = 0, Tmax1 = 0;
    double Vymax1 = 0;

    // ---- Linear plus quadratic resistance ---------------------------------
    double Vp2 = 0;    // terminal speed, m/s
    double R2 = 0;     // characteristic length of the quadratic resistance, m
    double b = 0;      // 4*Vp*tau/R2
    double delta1 = 0, delta2 = 0;
    float fi = 0;      // phase of the ascent solution
    double Tp2 = 0, Ymax2 = 0;
    double vp_2_1 = 0, vp_2_2 = 0, f_V_1 = 0, f_V_2 = 0;
    double T_1 = 0, T_2 = 0, T_sr = 0;
    float Ts2 = 0;     // time of the descent, s
    double Tmax2 = 0;

    // Diagnostics of the landing searches (shown in hints and in the report).
    int k = 0;                       // bisection passes after the first
    long fixed_point_iterations = 0; // evaluations of the Tmax1 iterate
    double Yend1 = 0;                // linear model's coordinate at Tmax1
    float Y_end2 = 0, Vy_end2 = 0;   // full model's coordinate and velocity at Ts2

    // ---- Time stepping and work quantities ---------------------------------
    int n = 0;         // number of time steps of an interval (5000)
    double t = 0, shag_t = 0, Y = 0, Vy = 0;
    double outy = 0;
    float outVy = 0;
    double k11 = 0, k21 = 0, k31 = 0, k41 = 0;
    double k12 = 0, k22 = 0, k32 = 0, k42 = 0;

    // ---- Plot ranges and scales -------------------------------------------
    double X = 0;      // abscissa of the drawn ball
    double xmin = 0, xmax = 0, ymin = 0;
    float ymax = 0;
    double mashtab_x = 0;
    float mashtab_y = 0;
    double mashtab_t = 0;
    double x_left = 0, x_right = 0, y_top = 0, y_bottom = 0;
    double t_min = 0, t_max = 0, t_left = 0, t_right = 0;
    float Vy_max = 0;
    double Vy_min = 0, Vy_top = 0, Vy_bottom = 0;
    std::int16_t n_setki = 0;
    double shag_setki_t = 0, shag_setki_y = 0;
    float shag_setki_Vy = 0;
    float d_shar = 0;

    // ---- Animation ----------------------------------------------------------
    std::int16_t tormoz = 0;  // slow-down of the animated fall
    std::string fff;          // tooltip text composed at the end of a run

    // Which of parametr, raschet1, raschet2 have run (model/quantities.h's
    // Stage bits): the window shows only the results computed so far.
    unsigned stagesRun = 0;
    // Decimal separator of the user's locale, for the few displays that keep it.
    std::string locale_decimal_point = ".";

    // ---- Procedures -----------------------------------------------------------
    void set_defaults();  // the start-up values of the inputs and scales
    void set_inputs(const InputValues& in);  // the seven inputs only
    InputValues inputs() const { return {h, V0y, d, massa, r0, eta, c}; }

    // Characteristics of the three models (closed forms).
    void parametr();
    void calc_Tp2();
    void calc_Ymax2();
    double integrated_top() const;

    // Landing of the linear-drag model: scan plus fixed-point iteration.
    void raschet1();

    // Landing of the full model: scan plus bisection on the closed-form descent.
    void raschet2();
    float Y2_f(const double& t) const;
    float Vy2_f(const double& t) const;

    // Runge-Kutta step of the full model.
    double ff_2(const double& time, const double& coordinate, const double& velocity) const;
    void rk_step();
};

// The bits of Model::stagesRun.
enum Stage : unsigned { kInputs = 0, kCharacteristics = 1, kLinearLanding = 2, kFullLanding = 4 };

// Phase constant `fi` of the ascent of the full model for the ratio b.
float ascent_phase(double b);

}  // namespace velunta

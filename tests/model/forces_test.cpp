// The forces' sum is the mass times the acceleration of each model's own closed
// form: a wrong sign or a missing force shows as a velocity that disagrees.
#include <gtest/gtest.h>

#include <cmath>

#include "computed.h"
#include "model/constants.h"
#include "model/forces.h"

namespace velunta {
namespace {

// Steel in water thrown up, a drop in air, thrown down in oil.
class ForcesTest : public ::testing::TestWithParam<InputValues> {};

TEST_P(ForcesTest, netForceIsMassTimesTheClosedFormsAcceleration) {
    const Model m = computed(GetParam());
    for (DragModel model : {DragModel::vacuum, DragModel::linear, DragModel::full}) {
        const double landing = landingTime(m, model);
        for (double share : {0.05, 0.3, 0.6, 0.95}) {
            const double t = share * landing, dt = landing * 1e-5;
            const double slope = (motionAt(m, model, t + dt).Vy - motionAt(m, model, t - dt).Vy) / (2 * dt);
            EXPECT_NEAR(accelerationAt(m, model, t), slope, 1e-4 * (1 + std::fabs(slope)))
                << "model " << int(model) << " at " << t << " s";
        }
        EXPECT_EQ(accelerationAt(m, model, landing * 1.01), 0) << "landed";
    }
    const Forces f = forcesAt(m, DragModel::full, 1.0);
    EXPECT_DOUBLE_EQ(f.gravity, -m.massa * kGravity);
    EXPECT_NEAR(f.buoyancy, m.r0 * kPi * std::pow(m.d, 3) / 6 * kGravity, 1e-9 * m.massa * kGravity);
    EXPECT_NEAR(f.linearDrag, -3 * kPi * m.eta * m.d, 1e-9 * std::fabs(f.linearDrag));
    EXPECT_NEAR(f.quadraticDrag, -m.c * m.r0 * kPi * m.d * m.d / 8, 1e-9 * std::fabs(f.quadraticDrag));
}

INSTANTIATE_TEST_SUITE_P(Balls, ForcesTest, ::testing::Values(InputValues{}, InputValues{10, 0, 0.05, 0.01, 1.2, 1.8e-5, 0.47},
                                                              InputValues{1, -2, 0.02, 0.03, 900, 0.5, 0.47}));

}  // namespace
}  // namespace velunta

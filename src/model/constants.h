#pragma once
// The two constants of the physics, with the digits the lessons use: every
// shown result depends on these exact values, so they are not std::numbers::pi
// or the standard 9.80665.

namespace velunta {

inline constexpr double kGravity = 9.814;  // free-fall acceleration, m/s2
inline constexpr double kPi = 3.14159265;

}  // namespace velunta

#pragma once
// A measured fall: the points of time and height (and, when measured, vertical
// velocity) read from a table, in SI units, as the lesson holds it against the
// three models.

#include <optional>
#include <string>
#include <vector>

namespace velunta {

struct MeasuredPoint {
    double t = 0;                   // s, as measured
    double Y = 0;                   // m, as measured
    std::optional<double> Vy;       // m/s, up positive, when the table has it
    bool operator==(const MeasuredPoint&) const = default;
};

// Where the measurement's time and height start: as measured, or moved so that
// the first point is the launch (0, h).
enum class DataAlignment { asMeasured, firstPointAtLaunch };

struct MeasuredData {
    std::string name;                  // the object or the file the points came from
    std::vector<MeasuredPoint> points; // in the order measured, time never going back
    DataAlignment alignment = DataAlignment::asMeasured;
    bool empty() const { return points.empty(); }
    bool operator==(const MeasuredData&) const = default;
};

}  // namespace velunta

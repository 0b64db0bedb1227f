#pragma once
// Reading a measured fall from the text of a table: a file opened, or text
// pasted from a spreadsheet or a video analysis program.
//
// What is read:
//  - encodings: UTF-8 with or without a BOM, UTF-16 LE or BE with a BOM, and
//    Windows-1251 (any text that is not valid UTF-8, as Russian spreadsheets save);
//  - columns: time, height and optionally vertical velocity, in that order unless
//    a header names them (t, time, время; y, h, высота, ...; vy, v, скорость, ...);
//    further columns are ignored;
//  - between columns: a tab, a semicolon, a comma or spaces; in numbers a decimal
//    point or, where the columns are not separated by commas, a decimal comma
//    ("1,5;2,3" or "1,5 2,3"; in "1,5,2,3" the commas separate columns);
//  - units in brackets or parentheses after a column name ("t (с)", "y[cm]"):
//    s, с (also a Latin c), сек, ms, мс, min, мин; m, м, cm, см, mm, мм, km, км; m/s, м/с, cm/s, см/с,
//    mm/s, мм/с, km/h, км/ч; converted to SI;
//  - any lines of text before the first row of numbers (a Tracker-style export
//    names the object on its first line, "mass A", then gives the header "t,y").
// A blank line or a line starting with '#' is skipped anywhere.
//
// Every failure is one Russian message naming the line: "строка 7: «abc» — не число".

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/measured_data.h"
#include "model/phrase.h"

namespace velunta {

inline constexpr std::size_t kMaxMeasuredRows = 100000;

struct DataReadResult {
    std::optional<MeasuredData> data;  // the points, in SI, alignment as measured
    std::string error;                 // why nothing was read; empty when data holds the points
    Phrase errorPhrase;                // the same, for translation
    bool ok() const { return data.has_value(); }
};

// `name` becomes the data's name unless the table names its object (Tracker's first line).
DataReadResult readMeasuredData(std::string_view bytes, std::string name);

// The points as they are compared with the models for the data's alignment:
// as measured, or moved in time and height so that the first point is (0, h).
std::vector<MeasuredPoint> alignedPoints(const MeasuredData& data, double h);

// The vertical velocity at each point by central differences of the heights
// (one-sided at the two ends; a point sharing its time with a neighbour takes the
// next distinct one). For a table without measured velocities; NaN for a single point.
std::vector<double> derivedVelocities(const std::vector<MeasuredPoint>& points);

// Whether every point carries a measured velocity.
bool hasMeasuredVelocities(const MeasuredData& data);

}  // namespace velunta

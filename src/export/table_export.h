#pragma once
// The table of the three models for a worksheet or a spreadsheet: time from the
// launch to the last landing at a round step, the height and the velocity of
// each model at that time (empty once it has landed), and one row at each
// landing, under the inputs it was computed from (a name with its unit; the
// number; its meaning) and an empty row. The time has as many decimals as the
// step needs and as keep every row's time its own. Written as Russian
// spreadsheet programs read it: UTF-8 with a byte-order mark, ";" between
// cells, a decimal comma, 6 significant digits for heights and velocities.

#include <QByteArray>
#include <QStringList>
#include <QString>

#include "model/measured_data.h"
#include "model/model.h"

namespace velunta {

// A round step (1, 2 or 5 times a power of ten) that gives about 100 rows
// from the launch to the last landing.
double defaultTableStep(const Model& m);

// The most rows a table may have; a smaller step is refused.
constexpr double kMaxTableRows = 1e6;

// A message when the step is not a positive number or gives more than
// kMaxTableRows rows; empty when it is fine.
QString tableStepProblem(const Model& m, double step);

// The whole file, for a model on which the pipeline has run and a step that
// tableStepProblem accepts. A measured fall, when given, follows: its points as
// compared with the models, and each model's height residual at each.
QByteArray tableCsv(const Model& m, double step, const MeasuredData* measured = nullptr);

// A number with 6 significant digits and a decimal comma.
QByteArray tableNumber(double v);
// The table's column separator: ';' where the numbers take a decimal comma (a Russian
// spreadsheet), ',' where they take a point (an English one).
char tableSeparator();
// One line of the table from cells written with ';' between them (as the translated
// headers are), "%1".. in a cell filled from `fill`, each cell quoted where it holds the separator; CR LF at the end.
QByteArray tableLine(const QString& cells, const QStringList& fill = {});

}  // namespace velunta
